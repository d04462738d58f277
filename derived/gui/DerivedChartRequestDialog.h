// SPDX-License-Identifier: GPL-3.0-or-later
// The "New Derived Chart" dialog: the kind of chart, its base entry (two
// for a composite) and the date, time, place, planet or harmonic the kind
// needs. Only the fields of the chosen kind are enabled. The date and time
// are typed by the birth data form's rules; the place is looked up in the
// atlas the same way. OK builds the new entry (BuildDerivedEntry) and
// closes; a request that cannot be met is said and the dialog stays.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "derived/gui/DerivedDialogFields.h"
#include "atlas/PlaceLookup.h"
#include "session/ChartEntry.h"
#include "common/Calendar.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vostrane {

class FormField;

class DerivedChartRequestDialog : public QDialog {
  Q_OBJECT

 public:
  // `entries` are the session's entries (record k at k - 1), `base` the
  // entry offered as base; `places` is the atlas (nullptr: places are typed).
  DerivedChartRequestDialog(QWidget* parent, std::vector<ChartEntry> entries, int base,
                            PlaceLookup* places, std::function<CalendarDateTime()> clock = Today);

  // The entry OK built (valid after the dialog was accepted).
  const ChartEntry& Result() const { return result_; }
  // What OK would ask for now.
  DerivedDialogFields Fields() const;

  // OK: builds the entry and accepts, or says why not. True when accepted.
  bool OkClick();
  void PlaceButtonClick();

  // The controls, for tests that drive the dialog like a user.
  QComboBox* KindBox() const { return kind_; }
  QComboBox* BaseBox() const { return base_; }
  QComboBox* SecondBox() const { return second_; }
  FormField* DateField() const { return date_; }
  FormField* TimeField() const { return time_; }
  QCheckBox* NatalPlaceBox() const { return natalPlace_; }
  FormField* PlaceField() const { return place_; }
  QPushButton* PlaceButton() const { return placeButton_; }
  FormField* LatitudeField() const { return latitude_; }
  FormField* LongitudeField() const { return longitude_; }
  FormField* ZoneHoursField() const { return zoneHours_; }
  FormField* ZoneMinutesField() const { return zoneMinutes_; }
  QComboBox* EastWestBox() const { return eastWest_; }
  QComboBox* DaylightBox() const { return daylight_; }
  QComboBox* BodyBox() const { return body_; }
  QLineEdit* HarmonicField() const { return harmonic_; }
  QLabel* HintLine() const { return hint_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  void BuildControls();
  void BuildLayout();
  void InstallFieldHooks();
  // Enables the fields the kind needs.
  void KindChanged();
  // The place fields show the base entry's place until the user changes
  // them; its zone is looked up for the chart's own moment.
  void BaseChanged();
  void SetPlaceTexts(const BirthDataFields& texts);
  // The fields' texts with the moment the place's zone is for: the chart's
  // date and time, for a relocated chart the base's birth moment.
  BirthDataFields MomentTexts() const;
  // An empty text shows what the kind makes.
  void ShowHint(const std::string& text);
  void ShowHintText(const QString& text);
  void RefreshDateWords();
  // Leaving a typed field: false (focus kept, hint shown) when its text
  // cannot exist.
  bool TypedFieldExit(FormField* field);
  void OpenPlaceLookup();
  void FocusProblem(DerivedField field);

  std::vector<ChartEntry> entries_;
  PlaceLookup* places_;
  std::function<CalendarDateTime()> clock_;
  ChartEntry result_;
  bool placeTyped_ = false;         // the user changed the place fields
  bool placeFromAtlas_ = false;     // the place shown was read from the atlas
  std::string remembered_;          // the typed field's text when it was entered
  bool placeLookupAllowed_ = true;  // once between two key presses
  std::string dstTable_;            // the daylight table of the place shown
  std::string rememberedPlace_;

  QComboBox* kind_ = nullptr;
  QComboBox* base_ = nullptr;
  QComboBox* second_ = nullptr;
  FormField* date_ = nullptr;
  QLabel* dateWords_ = nullptr;
  FormField* time_ = nullptr;
  QComboBox* body_ = nullptr;
  QLineEdit* harmonic_ = nullptr;
  QCheckBox* natalPlace_ = nullptr;
  QPushButton* placeButton_ = nullptr;
  FormField* place_ = nullptr;
  FormField* latitude_ = nullptr;
  FormField* longitude_ = nullptr;
  FormField* zoneHours_ = nullptr;
  FormField* zoneMinutes_ = nullptr;
  QComboBox* eastWest_ = nullptr;
  QComboBox* daylight_ = nullptr;
  QLabel* hint_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  // The rows (label and controls) the kinds enable.
  std::vector<QWidget*> secondRow_, dateRow_, timeRow_, bodyRow_, harmonicRow_, placeRows_;
};

// Shows the dialog modally; the new entry, or nullopt when cancelled.
std::optional<ChartEntry> AskDerivedChart(QWidget* parent, const std::vector<ChartEntry>& entries,
                                          int base, PlaceLookup* places);

}  // namespace vostrane
