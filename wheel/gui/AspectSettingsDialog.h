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

  // Table columns, for tests and the key walk.
  enum Column { On, Name, Angle, PlanetOrb, SunMoonOrb, Colour, Style, Line, ColumnCount };
  QTableWidget* Table() const { return table_; }
  QComboBox* SetBox() const { return setBox_; }
  QComboBox* WheelSetBox() const { return wheelSet_; }
  QSpinBox* FactorBox(BodyClass c) const { return factors_[static_cast<int>(c)]; }

 public slots:
  void accept() override;

 private:
  void ShowSet(int index);
  void TakeTable();  // the table's values into rows_ of the set shown

  AspectSetFileImage image_;
  AspectOptions options_;
  std::array<std::vector<AspectRow>, kAspectSets> rows_;
  int shown_ = -1;
  bool loaded_ = false;
  QComboBox* setBox_ = nullptr;
  QComboBox* wheelSet_ = nullptr;
  QTableWidget* table_ = nullptr;
  std::array<QSpinBox*, kBodyClassCount> factors_{};
  QCheckBox* parallel_ = nullptr;
  QDoubleSpinBox* parallelOrb_ = nullptr;
  QCheckBox* contraparallel_ = nullptr;
  QDoubleSpinBox* contraparallelOrb_ = nullptr;
};

}  // namespace vostrane
