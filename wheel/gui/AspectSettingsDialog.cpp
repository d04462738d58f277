// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/gui/AspectSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "common/LargeFont.h"
#include "platform/MessageService.h"
#include "platform/gui/QtMessageService.h"
#include "platform/gui/ScreenFit.h"

namespace vostrane {

namespace {

const char* const kColourNames[16] = {"black",   "navy",   "green",  "teal", "red",  "maroon",
                                      "olive",   "silver", "grey",   "blue", "lime", "aqua",
                                      "fuchsia", "purple", "yellow", "white"};
const char* const kStyleNames[4] = {"solid", "dashed", "dotted", "dash-dot"};
const char* const kLineNames[4] = {"none", "straight", "through the centre", "through a bend"};

QDoubleSpinBox* DegreeBox(double max, double step, int decimals, double value) {
  auto* box = new QDoubleSpinBox;
  box->setRange(0, max);
  box->setSingleStep(step);
  box->setDecimals(decimals);
  box->setValue(value);
  return box;
}

QComboBox* NameBox(const char* const* names, int count, int chosen) {
  auto* box = new QComboBox;
  for (int i = 0; i < count; ++i) box->addItem(names[i]);
  box->setCurrentIndex(std::clamp(chosen, 0, count - 1));
  return box;
}

}  // namespace

AspectSettingsDialog::AspectSettingsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("AspectSettings");
  setWindowTitle("Vostrane - Aspects");
  loaded_ = image_.Load();
  ReadAspectOptions(options_);
  for (int s = 0; s < kAspectSets; ++s) rows_[s] = AspectRowsOf(image_.Set(s + 1));

  setBox_ = new QComboBox(this);
  setBox_->setObjectName("AspectSet");
  wheelSet_ = new QComboBox(this);
  wheelSet_->setObjectName("WheelAspectSet");
  wheelSet_->addItem("the set the wheel style names");
  for (int s = 1; s <= kAspectSets; ++s) {
    setBox_->addItem(QString("Set %1").arg(s));
    wheelSet_->addItem(QString("Set %1").arg(s));
  }
  wheelSet_->setCurrentIndex(options_.WheelSet());

  table_ = new QTableWidget(0, ColumnCount, this);
  table_->setObjectName("AspectTable");
  table_->setHorizontalHeaderLabels({"On", "Aspect", "Angle", "Planets orb", "Sun/Moon orb", "Colour",
                                     "Line style", "Line in the wheel"});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setTabKeyNavigation(false);

  on_ = new QCheckBox("&On", this);
  on_->setObjectName("AspectOn");
  angle_ = DegreeBox(180, 1, 4, 0);
  angle_->setObjectName("AspectAngle");
  planetOrb_ = DegreeBox(30, 0.5, 2, 0);
  planetOrb_->setObjectName("PlanetOrb");
  sunMoonOrb_ = DegreeBox(30, 0.5, 2, 0);
  sunMoonOrb_->setObjectName("SunMoonOrb");
  colour_ = NameBox(kColourNames, 16, 0);
  colour_->setObjectName("AspectColour");
  style_ = NameBox(kStyleNames, 4, 0);
  style_->setObjectName("AspectLineStyle");
  line_ = NameBox(kLineNames, 4, 0);
  line_->setObjectName("AspectLine");
  auto* fields = new QGridLayout;
  auto addField = [&](int r, int c, const char* label, QWidget* w) {
    auto* l = new QLabel(label, this);
    l->setBuddy(w);
    fields->addWidget(l, r, 2 * c);
    fields->addWidget(w, r, 2 * c + 1);
  };
  fields->addWidget(on_, 0, 0, 1, 2);
  addField(0, 1, "A&ngle:", angle_);
  addField(1, 0, "&Planets orb:", planetOrb_);
  addField(1, 1, "S&un/Moon orb:", sunMoonOrb_);
  addField(2, 0, "&Colour:", colour_);
  addField(2, 1, "Line st&yle:", style_);
  addField(2, 2, "&Line in the wheel:", line_);
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) { ShowRow(row); });
  connect(on_, &QCheckBox::toggled, this, [this] { TakeFields(); });
  for (QDoubleSpinBox* box : {angle_, planetOrb_, sunMoonOrb_})
    connect(box, &QDoubleSpinBox::valueChanged, this, [this] { TakeFields(); });
  for (QComboBox* box : {colour_, style_, line_})
    connect(box, &QComboBox::currentIndexChanged, this, [this] { TakeFields(); });

  auto* factorBox = new QGroupBox("Orb factors (per cent of the set's orbs; a pair takes the larger)",
                                  this);
  auto* factorGrid = new QGridLayout(factorBox);
  for (int c = 0; c < kBodyClassCount; ++c) {
    auto* spin = new QSpinBox(factorBox);
    spin->setObjectName(QString("OrbFactor%1").arg(c));
    spin->setRange(10, 255);
    spin->setSingleStep(5);
    spin->setSuffix(" %");
    spin->setValue(options_.FactorPercent(static_cast<BodyClass>(c)));
    factors_[c] = spin;
    factorGrid->addWidget(new QLabel(BodyClassName(static_cast<BodyClass>(c)), factorBox), c / 3,
                          2 * (c % 3));
    factorGrid->addWidget(spin, c / 3, 2 * (c % 3) + 1);
  }

  auto* declBox = new QGroupBox("Declination", this);
  auto* declRow = new QHBoxLayout(declBox);
  parallel_ = new QCheckBox("Pa&rallel, orb", declBox);
  parallel_->setObjectName("Parallel");
  parallel_->setChecked(options_.ParallelOn());
  parallelOrb_ = DegreeBox(5, 0.1, 1, options_.ParallelOrb());
  parallelOrb_->setObjectName("ParallelOrb");
  contraparallel_ = new QCheckBox("Con&traparallel, orb", declBox);
  contraparallel_->setObjectName("Contraparallel");
  contraparallel_->setChecked(options_.ContraparallelOn());
  contraparallelOrb_ = DegreeBox(5, 0.1, 1, options_.ContraparallelOrb());
  contraparallelOrb_->setObjectName("ContraparallelOrb");
  declRow->addWidget(parallel_);
  declRow->addWidget(parallelOrb_);
  declRow->addSpacing(12);
  declRow->addWidget(contraparallel_);
  declRow->addWidget(contraparallelOrb_);
  // The orb of the midpoint trees on the dial page, kept with these options.
  midpointOrb_ = DegreeBox(5, 0.1, 1, options_.MidpointOrb());
  midpointOrb_->setObjectName("MidpointOrb");
  midpointOrb_->setMinimum(0.1);
  auto* midpointLabel = new QLabel("&Midpoint tree orb:", declBox);
  midpointLabel->setBuddy(midpointOrb_);
  declRow->addSpacing(12);
  declRow->addWidget(midpointLabel);
  declRow->addWidget(midpointOrb_);
  declRow->addStretch();

  auto* top = new QFormLayout;
  top->addRow("&Edit aspect set:", setBox_);
  top->addRow("The &wheel uses:", wheelSet_);
  auto* tableLabel = new QLabel("&Aspects of the set (choose one to edit it below):", this);
  tableLabel->setBuddy(table_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &AspectSettingsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(tableLabel);
  layout->addWidget(table_, 1);
  layout->addLayout(fields);
  layout->addWidget(factorBox);
  layout->addWidget(declBox);
  layout->addWidget(buttons);

  connect(setBox_, &QComboBox::currentIndexChanged, this, [this](int index) { ShowSet(index); });
  ShowSet(0);
  resize(ScaleForLargeFont(860), ScaleForLargeFont(620));
  KeepOnScreenWhenShown(this);
}

void AspectSettingsDialog::ShowSet(int index) {
  shown_ = index;
  row_ = -1;
  const QSignalBlocker block(table_);
  table_->setRowCount(static_cast<int>(rows_[index].size()));
  for (int r = 0; r < table_->rowCount(); ++r) WriteRowText(r);
  table_->setCurrentCell(0, Name);
  ShowRow(0);
}

void AspectSettingsDialog::WriteRowText(int r) {
  const AspectRow& row = rows_[shown_][r];
  const AspectEntry& e = row.entry;
  const QString texts[ColumnCount] = {row.on ? "yes" : "",
                                      ToQt(row.name),
                                      QString::number(e.Angle(), 'f',
                                                      e.seconds   ? 4
                                                      : e.minutes ? 2
                                                                  : 0),
                                      QString::number(e.PlanetOrb(), 'f', 2),
                                      QString::number(e.SunMoonOrb(), 'f', 2),
                                      kColourNames[e.screenColour & 15],
                                      kStyleNames[e.lineStyle > 3 ? 0 : e.lineStyle],
                                      kLineNames[std::min<int>(e.lineMode, 3)]};
  for (int c = 0; c < ColumnCount; ++c) {
    QTableWidgetItem* item = table_->item(r, c);
    if (!item) table_->setItem(r, c, item = new QTableWidgetItem);
    item->setText(texts[c]);
  }
}

void AspectSettingsDialog::ShowRow(int r) {
  if (shown_ < 0 || r < 0 || r >= static_cast<int>(rows_[shown_].size())) return;
  row_ = r;
  filling_ = true;
  const AspectRow& row = rows_[shown_][r];
  const AspectEntry& e = row.entry;
  on_->setChecked(row.on);
  angle_->setValue(e.InUse() ? e.Angle() : 0);
  planetOrb_->setValue(e.PlanetOrb());
  sunMoonOrb_->setValue(e.SunMoonOrb());
  colour_->setCurrentIndex(e.screenColour & 15);
  style_->setCurrentIndex(e.lineStyle > 3 ? 0 : e.lineStyle);
  line_->setCurrentIndex(std::min<int>(e.lineMode, 3));
  filling_ = false;
}

void AspectSettingsDialog::TakeFields() {
  if (filling_ || shown_ < 0 || row_ < 0) return;
  AspectRow& row = rows_[shown_][row_];
  AspectEntry& e = row.entry;
  row.on = on_->isChecked();
  SetAngle(e, angle_->value());
  SetOrb(e.orbDegrees, e.orbMinutes, planetOrb_->value());
  SetOrb(e.sunOrbDegrees, e.sunOrbMinutes, sunMoonOrb_->value());
  // A colour chosen here serves the screen and, unless it is white, paper.
  const int colour = colour_->currentIndex();
  if (colour != e.screenColour) e.printColour = static_cast<uint8_t>(colour == 15 ? 0 : colour);
  e.screenColour = static_cast<uint8_t>(colour);
  e.lineStyle = static_cast<uint8_t>(style_->currentIndex());
  e.lineMode = static_cast<uint8_t>(line_->currentIndex());
  WriteRowText(row_);
}

void AspectSettingsDialog::accept() {
  TakeFields();
  options_.SetWheelSet(wheelSet_->currentIndex());
  int largest = 100;
  for (int c = 0; c < kBodyClassCount; ++c) {
    options_.SetFactorPercent(static_cast<BodyClass>(c), factors_[c]->value());
    largest = std::max(largest, factors_[c]->value());
  }
  options_.SetParallel(parallel_->isChecked(), parallelOrb_->value());
  options_.SetContraparallel(contraparallel_->isChecked(), contraparallelOrb_->value());
  options_.SetMidpointOrb(midpointOrb_->value());
  if (loaded_) {
    for (int s = 0; s < kAspectSets; ++s) {
      AspectSet set = image_.Set(s + 1);
      std::string error;
      if (!ApplyAspectRows(set, rows_[s]) || !image_.PutSet(s + 1, set, largest / 100.0, error)) {
        ShowMessage(
            "ERROR!  Aspect set " + std::to_string(s + 1) + " cannot take these aspects" +
                (error.empty() ? std::string(": it has no room for more than 40.") : ": " + error + "."),
            MsgIcon::Error);
        return;
      }
    }
    if (!image_.Save()) {
      ShowMessage("ERROR!  Unable to write the aspect sets to file ANGLES.DAT.", MsgIcon::Error);
      return;
    }
  }
  if (!WriteAspectOptions(options_)) {
    ShowMessage(
        std::string("ERROR!  Unable to write the orb factors to file ") + kAspectOptionsFileName + ".",
        MsgIcon::Error);
    return;
  }
  QDialog::accept();
}

}  // namespace vostrane
