// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/gui/PrintDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/gui/QtMessageService.h"

namespace vostrane {

bool SystemPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle("Print");
  return dialog.exec() == QDialog::Accepted;
}

std::string AskPdfFileName(QWidget* parent, const std::string& suggested) {
  // The viewer asks before replacing a file, through its messages.
  const QString chosen = QFileDialog::getSaveFileName(parent, "Save as PDF", ToQt(suggested),
                                                      "PDF files (*.pdf)", nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
  return FromQt(chosen);
}

std::string AskSvgFileName(QWidget* parent, const std::string& suggested) {
  const QString chosen = QFileDialog::getSaveFileName(parent, "Save as SVG", ToQt(suggested),
                                                      "SVG files (*.svg)", nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
  return FromQt(chosen);
}

std::string WithPdfExtension(const std::string& path) { return WithExtension(path, ".pdf"); }

std::string WithExtension(const std::string& path, const std::string& extension) {
  if (path.empty()) return path;
  const QFileInfo info(ToQt(path));
  return info.suffix().isEmpty() ? path + extension : path;
}

}  // namespace vostrane
