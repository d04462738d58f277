#include "shell/gui/TPreferencesForm.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "platform/MessageService.h"
#include "platform/gui/QtMessageService.h"
#include "common/LargeFont.h"
#include "common/MessageTextFile.h"
#include "platform/gui/ScreenFit.h"

namespace vostrane {
namespace {

// The order of the save question box.
constexpr SaveQuestion kSaveChoices[] = {SaveQuestion::Ask, SaveQuestion::Never, SaveQuestion::Always};

int SaveChoiceIndex(SaveQuestion q) {
  for (int i = 0; i < 3; ++i)
    if (kSaveChoices[i] == q) return i;
  return 0;
}

}  // namespace

TPreferencesForm::TPreferencesForm(QWidget* parent) : QDialog(parent) {
  setObjectName("PreferencesForm");
  setWindowTitle("Vostrane - Preferences");

  houses_ = new QComboBox(this);
  houses_->setObjectName("HouseSystem");
  for (int i = 0; i < kHouseSystemCount; ++i)
    houses_->addItem(ToQt(MessageText(HouseSystemTextNumber(kHouseSystemLetters[i]))));
  zodiac_ = new QComboBox(this);
  zodiac_->setObjectName("Zodiac");
  for (char z : {'T', 'S'}) zodiac_->addItem(ToQt(MessageText(ZodiacTextNumber(z))));
  save_ = new QComboBox(this);
  save_->setObjectName("SaveQuestion");
  save_->addItems({"Ask each time", "Never save", "Always save, without asking"});
  duplicate_ = new QCheckBox(
      "&Warn when a chart is changed that has the same name as an earlier chart of the list", this);
  duplicate_->setObjectName("DuplicateWarning");

  const Preferences p = ReadPreferences(Control());
  houses_->setCurrentIndex(HouseSystemIndex(p.houseSystem));
  zodiac_->setCurrentIndex(p.zodiac == 'S' ? 1 : 0);
  save_->setCurrentIndex(SaveChoiceIndex(p.saveQuestion));
  duplicate_->setChecked(p.warnDuplicateName);

  auto* form = new QFormLayout;
  form->addRow("&House system of new charts:", houses_);
  form->addRow("&Zodiac of new charts:", zodiac_);
  form->addRow("&Save a new person in the name file:", save_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TPreferencesForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(duplicate_);
  layout->addSpacing(6);
  layout->addWidget(buttons);
  resize(ScaleForLargeFont(520), ScaleForLargeFont(190));
  KeepOnScreenWhenShown(this);
}

Preferences TPreferencesForm::Chosen() const {
  Preferences p;
  p.houseSystem = kHouseSystemLetters[std::max(0, houses_->currentIndex())];
  p.zodiac = zodiac_->currentIndex() == 1 ? 'S' : 'T';
  p.saveQuestion = kSaveChoices[std::max(0, save_->currentIndex())];
  p.warnDuplicateName = duplicate_->isChecked();
  return p;
}

void TPreferencesForm::accept() {
  WritePreferences(Chosen(), Control());
  if (!WriteControlRecord()) {
    ShowMessage(
        "ERROR!  Unable to write the preferences to file ZORCTRL.DAT.\r\nThey hold "
        "until Vostrane ends.",
        MsgIcon::Error);
  }
  QDialog::accept();
}

}  // namespace vostrane
