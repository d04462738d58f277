// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/driver/gui/CalculationProgress.h"

#include <QVBoxLayout>

#include "names/NameTable.h"
#include "names/NameTableWriteBack.h"
#include "platform/gui/QtMessageService.h"
#include "session/driver/CalcDriver.h"
#include "common/LargeFont.h"

namespace vostrane {

CalculationProgress::CalculationProgress(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Calculating Houses and Planets");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  step_ = new QLabel(kCaptionFor, this);
  name_ = new QLabel(this);
  QFont bold = name_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  name_->setFont(bold);
  planet_ = new QLabel(this);
  for (QLabel* label : {step_, name_, planet_}) layout->addWidget(label);
  resize(ScaleForLargeFont(360), ScaleForLargeFont(130));
}

void CalculationProgress::CalculateSessionCharts() {
  // Linked persons get their calculated values in the program's name table
  // (nothing is written while it is not open).
  NameTableWriteBack nameFile(NamesTable());
  vostrane::CalculateSessionCharts(*this, nameFile);
}

void CalculationProgress::SetStepCaption(const std::string& text) {
  step_->setText(ToQt(text));
  step_->repaint();
}

void CalculationProgress::SetEntryName(const std::string& text) {
  name_->setText(ToQt(text));
  name_->repaint();
}

void CalculationProgress::SetPlanetText(const std::string& text) {
  planet_->setText(ToQt(text));
  planet_->repaint();
}

}  // namespace vostrane
