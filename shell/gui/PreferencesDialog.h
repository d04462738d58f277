// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences dialog of the main menu: the house system and the zodiac
// of new charts, whether a new person is saved in the name file (ask,
// never, always), the duplicate-name warning, the Moon's node the wheel
// draws, the Part of Fortune's formula, the lots drawn among the wheel's
// other points, the fixed-star orb and the paper of chart pages (Letter or
// A4, portrait or landscape). OK writes them into the control record and
// the record back to "ZORCTRL.DAT". Aspects... opens the aspect settings
// (wheel/gui/AspectSettingsDialog.h).
#pragma once

#include <QDialog>

#include "common/ChartSettings.h"
#include "common/PointSettings.h"

class QCheckBox;
class QListWidget;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;

namespace vostrane {

class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PreferencesDialog(QWidget* parent = nullptr);

  // The choices shown, as they stand.
  Preferences Chosen() const;
  PointSettings ChosenPoints() const;

  QComboBox* HouseSystemBox() const { return houses_; }
  QComboBox* ZodiacBox() const { return zodiac_; }
  // The user-defined ayanamsa's value and epoch (a year), shown with it.
  QDoubleSpinBox* UserAyanamsaBox() const { return userAyanamsa_; }
  QDoubleSpinBox* UserEpochBox() const { return userEpoch_; }
  QComboBox* SaveQuestionBox() const { return save_; }
  QCheckBox* DuplicateWarningBox() const { return duplicate_; }
  QComboBox* PaperBox() const { return paper_; }              // "Letter", "A4"
  QComboBox* OrientationBox() const { return orientation_; }  // "Portrait", "Landscape"
  QPushButton* AspectsButton() const { return aspects_; }
  QComboBox* WheelNodeBox() const { return node_; }
  QCheckBox* FortuneByNightBox() const { return fortune_; }
  // The lots of LOTS.DAT, checked when the wheel draws them.
  QListWidget* WheelLotsList() const { return lots_; }
  // The orb of fixed-star conjunctions and parallels, degrees.
  QDoubleSpinBox* StarOrbBox() const { return starOrb_; }

 public slots:
  // Stores the choices in the control record and writes it back; a failed
  // write is reported and the choices hold until the program ends.
  void accept() override;

 private:
  QComboBox* houses_ = nullptr;
  QComboBox* zodiac_ = nullptr;
  QDoubleSpinBox* userAyanamsa_ = nullptr;
  QDoubleSpinBox* userEpoch_ = nullptr;
  UserAyanamsa shownUser_;
  double shownDegreesBox_ = 0.0, shownEpochBox_ = 0.0;
  QComboBox* save_ = nullptr;
  QCheckBox* duplicate_ = nullptr;
  QComboBox* paper_ = nullptr;
  QComboBox* orientation_ = nullptr;
  QPushButton* aspects_ = nullptr;
  QComboBox* node_ = nullptr;
  QCheckBox* fortune_ = nullptr;
  QListWidget* lots_ = nullptr;
  uint32_t shownLots_ = 0;  // the stored choice: bits of lots not listed are kept
  QDoubleSpinBox* starOrb_ = nullptr;
  double shownStarOrb_ = 0.0;
};

}  // namespace vostrane
