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

  auto* factorBox = new QGroupBox("Orb factors (per cent of the set's orbs; a pair takes the larger)",
                                  this);
  auto* factorGrid = new QGridLayout(factorBox);
  for (int c = 0; c < kBodyClassCount; ++c) {
    auto* spin = new QSpinBox(factorBox);
    spin->setObjectName(QString("OrbFactor%1").arg(c));
    spin->setRange(10, 300);
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
  parallel_ = new QCheckBox("&Parallel, orb", declBox);
  parallel_->setObjectName("Parallel");
  parallel_->setChecked(options_.ParallelOn());
  parallelOrb_ = DegreeBox(5, 0.1, 1, options_.ParallelOrb());
  parallelOrb_->setObjectName("ParallelOrb");
  contraparallel_ = new QCheckBox("C&ontraparallel, orb", declBox);
  contraparallel_->setObjectName("Contraparallel");
  contraparallel_->setChecked(options_.ContraparallelOn());
  contraparallelOrb_ = DegreeBox(5, 0.1, 1, options_.ContraparallelOrb());
  contraparallelOrb_->setObjectName("ContraparallelOrb");
  declRow->addWidget(parallel_);
  declRow->addWidget(parallelOrb_);
  declRow->addSpacing(12);
  declRow->addWidget(contraparallel_);
  declRow->addWidget(contraparallelOrb_);
  declRow->addStretch();

  auto* top = new QFormLayout;
  top->addRow("&Edit aspect set:", setBox_);
  top->addRow("The &wheel uses:", wheelSet_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &AspectSettingsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(table_, 1);
  layout->addWidget(factorBox);
  layout->addWidget(declBox);
  layout->addWidget(buttons);

  connect(setBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
    TakeTable();
    ShowSet(index);
  });
  ShowSet(0);
  resize(ScaleForLargeFont(860), ScaleForLargeFont(620));
  KeepOnScreenWhenShown(this);
}

void AspectSettingsDialog::ShowSet(int index) {
  shown_ = index;
  const std::vector<AspectRow>& rows = rows_[index];
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const AspectRow& row = rows[r];
    const AspectEntry& e = row.entry;
    auto* on = new QCheckBox;
    on->setChecked(row.on);
    table_->setCellWidget(r, On, on);
    auto* name = new QTableWidgetItem(ToQt(row.name));
    name->setFlags(Qt::ItemIsEnabled);
    table_->setItem(r, Name, name);
    table_->setCellWidget(r, Angle, DegreeBox(180, 1, 4, e.InUse() ? e.Angle() : 0));
    table_->setCellWidget(r, PlanetOrb, DegreeBox(30, 0.5, 2, e.PlanetOrb()));
    table_->setCellWidget(r, SunMoonOrb, DegreeBox(30, 0.5, 2, e.SunMoonOrb()));
    table_->setCellWidget(r, Colour, NameBox(kColourNames, 16, e.screenColour));
    table_->setCellWidget(r, Style, NameBox(kStyleNames, 4, e.lineStyle > 3 ? 0 : e.lineStyle));
    table_->setCellWidget(r, Line, NameBox(kLineNames, 4, std::min<int>(e.lineMode, 3)));
  }
}

void AspectSettingsDialog::TakeTable() {
  if (shown_ < 0) return;
  std::vector<AspectRow>& rows = rows_[shown_];
  for (int r = 0; r < static_cast<int>(rows.size()) && r < table_->rowCount(); ++r) {
    AspectRow& row = rows[r];
    AspectEntry& e = row.entry;
    auto spin = [&](int column) {
      return static_cast<QDoubleSpinBox*>(table_->cellWidget(r, column))->value();
    };
    auto combo = [&](int column) {
      return static_cast<QComboBox*>(table_->cellWidget(r, column))->currentIndex();
    };
    row.on = static_cast<QCheckBox*>(table_->cellWidget(r, On))->isChecked();
    SetAngle(e, spin(Angle));
    SetOrb(e.orbDegrees, e.orbMinutes, spin(PlanetOrb));
    SetOrb(e.sunOrbDegrees, e.sunOrbMinutes, spin(SunMoonOrb));
    // A colour chosen here serves the screen and, unless it is white, paper.
    const int colour = combo(Colour);
    if (colour != e.screenColour) e.printColour = static_cast<uint8_t>(colour == 15 ? 0 : colour);
    e.screenColour = static_cast<uint8_t>(colour);
    e.lineStyle = static_cast<uint8_t>(combo(Style));
    e.lineMode = static_cast<uint8_t>(combo(Line));
  }
}

void AspectSettingsDialog::accept() {
  TakeTable();
  options_.SetWheelSet(wheelSet_->currentIndex());
  int largest = 100;
  for (int c = 0; c < kBodyClassCount; ++c) {
    options_.SetFactorPercent(static_cast<BodyClass>(c), factors_[c]->value());
    largest = std::max(largest, factors_[c]->value());
  }
  options_.SetParallel(parallel_->isChecked(), parallelOrb_->value());
  options_.SetContraparallel(contraparallel_->isChecked(), contraparallelOrb_->value());
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
