#include "session/driver/gui/TCalHouPlaForm.h"

#include <QVBoxLayout>

#include "platform/gui/QtMessageService.h"
#include "session/driver/CalcDriver.h"
#include "session/driver/NameFileWriteBack.h"
#include "shell/LargeFont.h"

namespace vostrane {

TCalHouPlaForm::TCalHouPlaForm(QWidget* parent) : QDialog(parent) {
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

void TCalHouPlaForm::CalcTheHouAndPla() {
  NoNameFileWriteBack nameFile;
  vostrane::CalcTheHouAndPla(*this, nameFile);
}

void TCalHouPlaForm::SetStepCaption(const std::string& text) {
  step_->setText(ToQt(text));
  step_->repaint();
}

void TCalHouPlaForm::SetEntryName(const std::string& text) {
  name_->setText(ToQt(text));
  name_->repaint();
}

void TCalHouPlaForm::SetPlanetText(const std::string& text) {
  planet_->setText(ToQt(text));
  planet_->repaint();
}

}  // namespace vostrane
