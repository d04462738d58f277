// SPDX-License-Identifier: GPL-3.0-or-later
// Preferences, Aspects: the aspects of each set of ANGLES.DAT (on or off,
// angle, both orbs, colour, line style and the line in the wheel), which set
// the wheel uses, the orb factors of the body classes and the parallels in
// declination (ASPORBS.DAT). OK writes both files; a file that cannot be
// read or written is named in a message.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "wheel/AspectChoices.h"
#include "wheel/AspectOptions.h"
#include "wheel/AspectSetEditing.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;
class QTableWidget;

namespace vostrane {

class AspectSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AspectSettingsDialog(QWidget* parent = nullptr);
  bool Loaded() const { return loaded_; }

  // Columns of the read-only table; the row chosen in it is edited in the
  // fields below it.
  enum Column { On, Name, Angle, PlanetOrb, SunMoonOrb, Colour, Style, Line, ColumnCount };
  QTableWidget* Table() const { return table_; }
  QComboBox* SetBox() const { return setBox_; }
  QComboBox* WheelSetBox() const { return wheelSet_; }
  QCheckBox* OnBox() const { return on_; }
  QDoubleSpinBox* PlanetOrbBox() const { return planetOrb_; }
  QDoubleSpinBox* SunMoonOrbBox() const { return sunMoonOrb_; }
  QSpinBox* FactorBox(BodyClass c) const { return factors_[static_cast<int>(c)]; }

 public slots:
  void accept() override;

 private:
  void ShowSet(int index);
  void ShowRow(int row);       // the row's values in the fields
  void TakeFields();           // the fields into the row chosen
  void WriteRowText(int row);  // the table line of a row

  AspectSetFileImage image_;
  AspectOptions options_;
  std::array<std::vector<AspectRow>, kAspectSets> rows_;
  int shown_ = -1;
  bool loaded_ = false;
  QComboBox* setBox_ = nullptr;
  QComboBox* wheelSet_ = nullptr;
  QTableWidget* table_ = nullptr;
  int row_ = -1;  // the row the fields show
  bool filling_ = false;
  QCheckBox* on_ = nullptr;
  QDoubleSpinBox* angle_ = nullptr;
  QDoubleSpinBox* planetOrb_ = nullptr;
  QDoubleSpinBox* sunMoonOrb_ = nullptr;
  QComboBox* colour_ = nullptr;
  QComboBox* style_ = nullptr;
  QComboBox* line_ = nullptr;
  std::array<QSpinBox*, kBodyClassCount> factors_{};
  QCheckBox* parallel_ = nullptr;
  QDoubleSpinBox* parallelOrb_ = nullptr;
  QCheckBox* contraparallel_ = nullptr;
  QDoubleSpinBox* contraparallelOrb_ = nullptr;
  QDoubleSpinBox* midpointOrb_ = nullptr;
};

}  // namespace vostrane
