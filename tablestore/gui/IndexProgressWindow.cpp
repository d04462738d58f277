// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/gui/IndexProgressWindow.h"

#include <QApplication>
#include <QProgressDialog>
#include <QString>

#include <algorithm>

namespace vostrane {

namespace {
constexpr int kSteps = 1000;  // the bar's range, whatever the record count
}

IndexProgressWindow::IndexProgressWindow() = default;
IndexProgressWindow::~IndexProgressWindow() = default;

void IndexProgressWindow::Begin(const std::string& caption, uint32_t totalRecords) {
  total_ = totalRecords;
  window_.reset();
  if (totalRecords == 0) return;  // an empty table is indexed at once
  const QString text = QString::fromLatin1(caption.data(), static_cast<int>(caption.size()));
  window_ = std::make_unique<QProgressDialog>();
  window_->setWindowTitle(text);
  window_->setLabelText(text);
  window_->setCancelButton(nullptr);
  window_->setRange(0, kSteps);
  // Shown until End, also once the bar is full.
  window_->setAutoReset(false);
  window_->setAutoClose(false);
  window_->setMinimumDuration(0);
  window_->setValue(0);
  window_->show();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void IndexProgressWindow::Advance(uint32_t recordsDone) {
  if (!window_) return;
  const int step = total_ == 0 ? kSteps
                               : static_cast<int>(std::min<uint64_t>(
                                     kSteps, uint64_t{recordsDone} * kSteps / total_));
  window_->setValue(step);
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void IndexProgressWindow::End() { window_.reset(); }

}  // namespace vostrane
