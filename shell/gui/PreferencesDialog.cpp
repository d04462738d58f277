// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/gui/PreferencesDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QFormLayout>
#include <QVBoxLayout>

#include "platform/MessageService.h"
#include "platform/gui/LetterChoices.h"
#include "platform/gui/QtMessageService.h"
#include "common/LargeFont.h"
#include "common/MessageTextFile.h"
#include "platform/gui/ScreenFit.h"
#include "astro/ArabicParts.h"
#include "wheel/Paper.h"
#include "wheel/gui/AspectSettingsDialog.h"

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

PreferencesDialog::PreferencesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("PreferencesDialog");
  setWindowTitle("Vostrane - Preferences");

  houses_ = new QComboBox(this);
  houses_->setObjectName("HouseSystem");
  const auto text = [](int number) { return MessageText(number); };
  for (int i = 0; i < HouseSystemCount(); ++i)
    AddLetterChoice(houses_, HouseSystemLetterAt(i),
                    ToQt(HouseSystemDisplayName(HouseSystemLetterAt(i), text)));
  zodiac_ = new QComboBox(this);
  zodiac_->setObjectName("Zodiac");
  for (int i = 0; i < ZodiacCount(); ++i)
    AddLetterChoice(zodiac_, ZodiacLetterAt(i), ToQt(ZodiacDisplayName(ZodiacLetterAt(i), text)));
  userAyanamsa_ = new QDoubleSpinBox(this);
  userAyanamsa_->setObjectName("UserAyanamsa");
  userAyanamsa_->setRange(-60.0, 60.0);
  userAyanamsa_->setDecimals(6);
  userAyanamsa_->setSuffix(QString::fromUtf8("\u00B0"));
  userEpoch_ = new QDoubleSpinBox(this);
  userEpoch_->setObjectName("UserAyanamsaEpoch");
  userEpoch_->setRange(-3000.0, 3000.0);
  userEpoch_->setDecimals(2);
  userEpoch_->setPrefix("in ");
  save_ = new QComboBox(this);
  save_->setObjectName("SaveQuestion");
  save_->addItems({"Ask each time", "Never save", "Always save, without asking"});
  duplicate_ = new QCheckBox(
      "&Warn when a chart is changed that has the same name as an earlier chart of the list", this);
  duplicate_->setObjectName("DuplicateWarning");
  node_ = new QComboBox(this);
  node_->setObjectName("WheelNode");
  node_->addItem("As the wheel style says", QChar(0));
  node_->addItem("True node", QChar('T'));
  node_->addItem("Mean node", QChar('M'));
  fortune_ = new QCheckBox("Part of &Fortune by night: Ascendant + Sun - Moon", this);
  fortune_->setObjectName("FortuneByNight");

  const Preferences p = ReadPreferences(Control());
  ChooseLetter(houses_, p.houseSystem);
  if (!ChooseLetter(zodiac_, p.zodiac)) ChooseLetter(zodiac_, 'T');
  shownUser_ = p.userAyanamsa;
  userAyanamsa_->setValue(p.userAyanamsa.degrees);
  userEpoch_->setValue(EpochYearOfJulianDay(p.userAyanamsa.epochJd));
  shownDegreesBox_ = userAyanamsa_->value();
  shownEpochBox_ = userEpoch_->value();
  const auto showUser = [this] {
    const bool user = ChosenLetter(zodiac_) == ZodiacLetterOf(AyanamsaKind::UserDefined);
    userAyanamsa_->setVisible(user);
    userEpoch_->setVisible(user);
  };
  connect(zodiac_, &QComboBox::currentIndexChanged, this, showUser);
  showUser();
  save_->setCurrentIndex(SaveChoiceIndex(p.saveQuestion));
  duplicate_->setChecked(p.warnDuplicateName);
  const PointSettings points = ReadPointSettings(Control());
  node_->setCurrentIndex(std::max(0, node_->findData(QChar(points.wheelNode))));
  fortune_->setChecked(points.fortuneByDayAndNight);
  // The lots the wheel draws among its other points: the first lots of the
  // lot file, checked as the record says.
  lots_ = new QListWidget(this);
  lots_->setObjectName("WheelLots");
  shownLots_ = points.wheelLots;
  const LotList lotFile = ReadLotFile();
  for (size_t n = 0; n < lotFile.lots.size() && n < PointSettings::kChoosableLots; ++n) {
    auto* item = new QListWidgetItem(ToQt(lotFile.lots[n].name), lots_);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(points.LotChosen(n) ? Qt::Checked : Qt::Unchecked);
  }
  if (lotFile.lots.empty()) {
    lots_->addItem(
        ToQt(lotFile.error.empty() ? std::string("The lot file holds no lots.") : lotFile.error));
    lots_->setEnabled(false);
  }
  lots_->setMaximumHeight(ScaleForLargeFont(90));
  // The orb of the fixed stars on the chart's points.
  starOrb_ = new QDoubleSpinBox(this);
  starOrb_->setObjectName("StarOrb");
  starOrb_->setRange(0.05, 10.0);
  starOrb_->setDecimals(2);
  starOrb_->setSingleStep(0.25);
  starOrb_->setSuffix(QString::fromUtf8("\u00B0"));
  starOrb_->setValue(Control().fixedStarOrb());
  shownStarOrb_ = starOrb_->value();

  // The paper of chart pages: printing, PDF and SVG files and the screen
  // page's proportions.
  paper_ = new QComboBox(this);
  paper_->setObjectName("Paper");
  paper_->addItems({"Letter", "A4"});
  orientation_ = new QComboBox(this);
  orientation_->setObjectName("Orientation");
  orientation_->addItems({"Portrait", "Landscape"});
  const PaperChoice paper = ReadPaperChoice(Control());
  paper_->setCurrentIndex(paper.kind == PaperKind::Letter ? 0 : 1);
  orientation_->setCurrentIndex(paper.landscape ? 1 : 0);

  auto* form = new QFormLayout;
  form->addRow("&House system of new charts:", houses_);
  form->addRow("&Zodiac of new charts:", zodiac_);
  auto* user = new QHBoxLayout;
  user->addWidget(userAyanamsa_);
  user->addWidget(userEpoch_);
  user->addStretch();
  form->addRow("", user);
  form->addRow("&Save a new person in the name file:", save_);
  form->addRow("Moon's &node on the wheel:", node_);
  form->addRow("&Lots on the wheel:", lots_);
  form->addRow("Fixed-star o&rb:", starOrb_);
  form->addRow("&Paper of chart pages:", paper_);
  form->addRow("&Orientation:", orientation_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  // The aspect sets and orbs live in their own files and are written by
  // their own dialog.
  aspects_ = buttons->addButton("&Aspects...", QDialogButtonBox::ActionRole);
  aspects_->setObjectName("AspectSettingsButton");
  connect(aspects_, &QPushButton::clicked, this, [this] {
    AspectSettingsDialog dialog(this);
    dialog.exec();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(duplicate_);
  layout->addWidget(fortune_);
  layout->addSpacing(6);
  layout->addWidget(buttons);
  resize(ScaleForLargeFont(520), ScaleForLargeFont(400));
  KeepOnScreenWhenShown(this);
}

Preferences PreferencesDialog::Chosen() const {
  Preferences p;
  p.houseSystem = HouseSystemOrDefault(ChosenLetter(houses_));
  p.zodiac = ZodiacOrDefault(ChosenLetter(zodiac_));
  p.saveQuestion = kSaveChoices[std::max(0, save_->currentIndex())];
  p.warnDuplicateName = duplicate_->isChecked();
  // Boxes left as shown keep the stored values exactly.
  p.userAyanamsa.degrees = userAyanamsa_->value() == shownDegreesBox_ ? shownUser_.degrees
                                                                      : userAyanamsa_->value();
  p.userAyanamsa.epochJd = userEpoch_->value() == shownEpochBox_
                               ? shownUser_.epochJd
                               : JulianDayOfEpochYear(userEpoch_->value());
  return p;
}

PointSettings PreferencesDialog::ChosenPoints() const {
  PointSettings p;
  p.wheelNode = node_->currentData().toChar().toLatin1();
  p.fortuneByDayAndNight = fortune_->isChecked();
  p.wheelLots = shownLots_;
  if (lots_->isEnabled())
    for (int n = 0; n < lots_->count(); ++n) {
      const uint32_t bit = 1u << n;
      p.wheelLots = lots_->item(n)->checkState() == Qt::Checked ? p.wheelLots | bit : p.wheelLots & ~bit;
    }
  return p;
}

void PreferencesDialog::accept() {
  WritePreferences(Chosen(), Control());
  WritePaperChoice({paper_->currentIndex() == 0 ? PaperKind::Letter : PaperKind::A4,
                    orientation_->currentIndex() == 1},
                   Control());
  WritePointSettings(ChosenPoints(), Control());
  // A box left as shown keeps the stored orb exactly.
  if (starOrb_->value() != shownStarOrb_)
    Control().Set<double>(control_offset::fixedStarOrb, starOrb_->value());
  if (!WriteControlRecord()) {
    ShowMessage(
        "ERROR!  Unable to write the preferences to file ZORCTRL.DAT.\r\nThey hold "
        "until Vostrane ends.",
        MsgIcon::Error);
  }
  QDialog::accept();
}

}  // namespace vostrane
