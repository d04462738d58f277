// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data form: the data entry screen of a session. It edits one
// chart entry at a time (name, date, clock time, place, latitude and
// longitude, time zone and daylight observance), keeps the list of the
// session's entries, writes each entry to the session file when the user
// moves away from it, and on "Done" hands the session to the shell.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "entry/gui/DerivedChartDialog.h"
#include "entry/BirthDataFields.h"
#include "entry/NameFileAccess.h"
#include "atlas/PlaceLookup.h"
#include "session/ChartEntry.h"
#include "common/Calendar.h"
#include "common/MaskedFields.h"
#include "common/RunState.h"

class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class QStackedWidget;

namespace vostrane {

class FormField;

// What the delete dialog offers, and its answer: 'B' name and entry, 'E'
// entry only, 'b' name only, 'C' neither.
struct RemovalChoice {
  bool offerName = false;      // "Remove Name From &File" is shown
  bool duplicateNote = false;  // the note that duplicates stay in the file
};

class BirthDataForm : public QDialog {
  Q_OBJECT

 public:
  explicit BirthDataForm(QWidget* parent = nullptr);
  ~BirthDataForm() override;

  // One data entry phase: activation, the modal form, deactivation. On
  // return the phase of `state` is CalculateAndShow or MainMenu and the
  // session file is closed with its terminator.
  void RunSession(ShellState& state);

  // Activation: creates the session file, opens "DST.FIL", starts the first
  // entry. False when the session file cannot be created (the phase of
  // `state` is then MainMenu and the form is not shown). With the phase
  // AppendEntry or EditEntries and a list on disk, the list goes on instead:
  // AppendEntry starts a new entry after the last, EditEntries shows entry
  // `state.entryToShow`. The form sets `state` when it closes.
  bool FormActivate(ShellState& state);
  // Deactivation: closes "DST.FIL", writes the terminator after the last
  // entry and closes the session file. Runs when the form closes.
  void FormDeactivate();
  bool IsActive() const { return active_; }

  // "D&one" calls it with 'V': ends data entry when the entries allow.
  void FinishDataEntry(char mode);
  // "&New Natal": finishes the current entry and starts a new one.
  void NewNatalClick();
  // "New De&rived Chart...": finishes the current entry like "New Natal",
  // asks for a derived chart (the current entry offered as its base) and
  // appends it to the list; the current entry stays.
  void NewDerivedClick();
  // "&Save", "&Delete" and "&Place:".
  void SaveClick();
  void DeleteClick();
  void PlaceButtonClick();
  // A click on line `row` (from 0) of the list of entries.
  void EntryListClick(int row);
  // Removes entry `record` and its dependents after the questions.
  void RemoveEntry(int record);

  // Copies the fields into the current entry; mode 'E' reports the first
  // invalid field, 'M' is silent. True when every field was valid.
  bool CopyFormIntoEntry(char mode);
  // Reads entry k from the session file and shows it.
  void ShowEntry(int k);
  // Appends an entry made elsewhere (a derived chart) to the session after
  // the current entry has been written; the current entry stays.
  void AddEntry(const ChartEntry& entry);

  // The fields' texts, and setting them all.
  BirthDataFields Fields() const;
  void SetFields(const BirthDataFields& fields);

  int CurrentEntry() const { return current_; }
  int EntryCount() const { return count_; }
  const ChartEntry& WorkingEntry() const { return entry_; }
  char ReadingMode() const { return readingMode_; }

  // Seams to the atlas and the name file (not owned; nullptr restores the
  // do-nothing ones), the clock of new entries, and the delete dialog.
  void SetPlaceLookup(PlaceLookup* lookup);
  void SetNameFile(NameFileAccess* names);
  void SetClock(std::function<CalendarDateTime()> clock) { clock_ = std::move(clock); }
  void SetRemovalDialog(std::function<char(const RemovalChoice&)> dialog) {
    removalDialog_ = std::move(dialog);
  }
  // The derived chart dialog; without one the button is hidden.
  void SetDerivedChartDialog(DerivedChartDialog dialog);

  // The controls, for the tests that drive the form like a user.
  FormField* NameField() const { return nameField_; }
  FormField* DateField() const { return dateField_; }
  FormField* TimeField() const { return timeField_; }
  FormField* PlaceField() const { return placeField_; }
  FormField* LatitudeField() const { return latitudeField_; }
  FormField* LongitudeField() const { return longitudeField_; }
  FormField* ZoneHoursField() const { return zoneHoursField_; }
  FormField* ZoneMinutesField() const { return zoneMinutesField_; }
  FormField* EastWestField() const { return eastWestField_; }
  FormField* DaylightField() const { return daylightField_; }
  FormField* DaylightTableField() const { return daylightTableField_; }
  QComboBox* HouseSystemBox() const { return houseSystemBox_; }
  QComboBox* ZodiacBox() const { return zodiacBox_; }
  // The user-defined ayanamsa's value (degrees) and epoch (a year), shown
  // while that zodiac is chosen.
  QDoubleSpinBox* UserAyanamsaBox() const { return userAyanamsa_; }
  QDoubleSpinBox* UserEpochBox() const { return userEpoch_; }
  QLabel* HintLine() const { return hintLine_; }
  QLabel* DateWordsLabel() const { return dateWords_; }
  QLabel* EastWestWordLabel() const { return eastWestWord_; }
  QLabel* DaylightWordLabel() const { return daylightWord_; }
  QLabel* SaveStatusLabel() const { return saveStatus_; }
  QPlainTextEdit* CurrentEntryHeader() const { return currentEntryHeader_; }
  QListWidget* EntryList() const { return entryList_; }
  QListWidget* NameFileList() const { return nameFileList_; }
  QPushButton* DoneButton() const { return doneButton_; }
  QPushButton* NewNatalButton() const { return newNatalButton_; }
  QPushButton* NewDerivedButton() const { return newDerivedButton_; }
  QPushButton* SaveButton() const { return saveButton_; }
  QPushButton* DeleteButton() const { return deleteButton_; }
  QPushButton* PlaceButton() const { return placeButton_; }

 protected:
  void done(int result) override;
  void reject() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Construction (BirthDataForm.cpp).
  // The controls, built in three groups, and their layout.
  void BuildControls();
  void BuildFields();
  void BuildLabels();
  void BuildListsAndButtons();
  void BuildLayout();
  QGridLayout* BuildFieldGrid();
  QVBoxLayout* BuildListColumn();
  void SetTabOrder();
  void ConnectHandlers();
  void LoadCaptions();
  void ShowZodiac(char zodiac);

  // Showing (BirthDataForm.cpp).
  void ShowHint(const std::string& text);
  void ShowHint(const QString& text);
  void RefreshDateWords();
  void RefreshZoneWord(int westText, int eastText);
  void RefreshObservanceWord();
  void RefreshHeader();
  void RefreshSaveStatus();
  void SetEntryLine(int k, const ChartEntry& entry);
  // The current entry's line, with the name as the name field holds it (the
  // entry itself takes the fields only when it is copied).
  void RefreshCurrentLine();
  void RebuildEntryList(const std::vector<ChartEntry>& entries);
  void ShowNameList(const NameListView& view);
  void EndNameList();

  // Field handlers (BirthDataFormFields.cpp).
  void InstallFieldHooks();
  void FieldEnter(FormField* field);
  // False when the field refuses to be left (its text cannot exist): the
  // focus then comes back to it and the hint line says why.
  bool FieldExit(FormField* field);
  bool FieldKeyPress(FormField* field, QKeyEvent* event);
  void FieldAfterKey(FormField* field, QKeyEvent* event);
  void FieldKeyRelease(FormField* field, QKeyEvent* event);
  // A character typed into the E/W or the daylight letter; true when taken.
  bool TypeLetter(FormField* field, QKeyEvent* event);
  bool NameKeyPress(QKeyEvent* event);
  void NameKeyRelease(QKeyEvent* event);
  void PlaceKeyRelease(QKeyEvent* event);
  void GreenwichZoneCheck(FormField* field, bool keep, const std::string& reset);
  void DateNotes();
  void MarkChange();
  void RecheckZone(char what);
  // When the time falls in a gap or a repeat of the clocks at the place,
  // asks which time is meant and sets time, zone and daylight letter, or
  // sends the user back to the time.
  enum class ClockAnswer { NotAsked, Resolved, ChangeTime };
  ClockAnswer ResolveClockTime();
  void OpenPlaceLookup();
  void ReadPlace();
  // The place, latitude, longitude and zone as they were when the place
  // field was entered (the place dialog cancelled).
  void RestorePlaceOnEntry();
  void ReadName();
  // Runs the exit handler of the field being edited (as leaving it would)
  // and, when the focus stays there, its enter handler again. False when
  // the field refused to be left: the caller stops.
  bool FinishFieldEdit();

  // The typed fields (date, time, latitude, longitude, zone): their units
  // and the fields Enter (or Down) and Up go to.
  struct TypedRoute {
    const FieldLayout* layout = nullptr;
    QWidget* next = nullptr;
    QWidget* previous = nullptr;
  };
  TypedRoute RouteOf(FormField* field) const;
  bool TypedKeyPress(FormField* field, const TypedRoute& route, QKeyEvent* event);
  // Takes what waits in the field as typed; false (with the hint) when the
  // text cannot exist.
  bool CompleteTypedField(FormField* field);
  void ShowFieldProblem(const std::string& problem);
  void MoveFocus(QWidget* target);
  void FocusField(FormField* field);

  // Entries (BirthDataFormEntries.cpp).
  void ResumeSession(int entryToShow);
  void StartNewEntry();
  // The last entry lacks `word` (name or place): asks whether to discard it
  // when something was typed into it. True when it was dropped.
  bool DropIncompleteLastEntry(const std::string& word, bool onlyEntry);
  void LeaveEntry();
  // Before "New Natal" or "New Derived Chart" (the button pressed): the
  // field being edited is left, the entry must have a name and a place and
  // valid fields, and is written. False (with the message) otherwise.
  bool FinishEntryForNext(QPushButton* button);
  void RemoveLastFromCount(const std::string& message);
  void CopyNewestCityFile();
  void RecomputeLinks();
  // "Done": the offer to save each unsaved person of the list, once.
  void OfferUnsavedPersons();

  // Controls.
  FormField* nameField_ = nullptr;
  FormField* dateField_ = nullptr;
  FormField* timeField_ = nullptr;
  FormField* placeField_ = nullptr;
  FormField* latitudeField_ = nullptr;
  FormField* longitudeField_ = nullptr;
  FormField* zoneHoursField_ = nullptr;
  FormField* zoneMinutesField_ = nullptr;
  FormField* eastWestField_ = nullptr;
  FormField* daylightField_ = nullptr;
  FormField* daylightTableField_ = nullptr;
  QComboBox* houseSystemBox_ = nullptr;  // every house system, by letter
  QComboBox* zodiacBox_ = nullptr;       // tropical and every ayanamsa, by letter
  QDoubleSpinBox* userAyanamsa_ = nullptr;
  QDoubleSpinBox* userEpoch_ = nullptr;
  // The user-defined ayanamsa as last shown: an entry whose boxes were not
  // changed keeps its stored value and epoch exactly.
  double shownAyanamsa_ = 0.0, shownEpoch_ = 0.0;        // as stored
  double shownAyanamsaBox_ = 0.0, shownEpochBox_ = 0.0;  // as the boxes show them
  void ShowUserAyanamsa(double degrees, double epochJd);
  void ShowUserAyanamsaBoxes();
  QLabel* labelName_ = nullptr;
  QLabel* labelDate_ = nullptr;
  QLabel* labelTime_ = nullptr;
  QLabel* labelLatLong_ = nullptr;
  QLabel* labelZone_ = nullptr;
  QLabel* labelHrs_ = nullptr;
  QLabel* labelMins_ = nullptr;
  QLabel* labelDaylight_ = nullptr;
  QLabel* labelHouses_ = nullptr;
  QLabel* labelZodiac_ = nullptr;
  QLabel* labelList_ = nullptr;
  QLabel* hintLine_ = nullptr;
  QLabel* dateWords_ = nullptr;
  QLabel* eastWestWord_ = nullptr;
  QLabel* daylightWord_ = nullptr;
  QLabel* saveStatus_ = nullptr;
  QPlainTextEdit* currentEntryHeader_ = nullptr;
  QPlainTextEdit* instructions_ = nullptr;
  QListWidget* entryList_ = nullptr;
  QListWidget* nameFileList_ = nullptr;
  QToolButton* nameListUp_ = nullptr;    // name list up
  QToolButton* nameListDown_ = nullptr;  // name list down
  QStackedWidget* sidePanel_ = nullptr;
  QPushButton* doneButton_ = nullptr;      // D&one
  QPushButton* newNatalButton_ = nullptr;  // &New Natal
  QPushButton* newDerivedButton_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  QPushButton* placeButton_ = nullptr;

  // State.
  ShellState* shell_ = nullptr;  // the shell's, from FormActivate on
  bool active_ = false;
  int current_ = 0;  // 1-based
  int count_ = 0;
  char readingMode_ = 'X';  // 'X' idle, 'N' name list in use, 'P' reading a place
  std::string remembered_;  // text of the field being edited, on entry
  std::string rememberedName_;
  std::string rememberedPlace_;
  BirthDataFields placeOnEntry_;  // the fields when the place field was entered
  bool placeFromAtlasOnEntry_ = false;
  FormField* activeField_ = nullptr;   // the field whose exit handler is due
  FormField* refusedField_ = nullptr;  // refused to be left; the focus is on its way back
  std::string refusedRemembered_;      // its text on entry
  std::string fieldProblem_;           // shown in the hint line while not empty
  QWidget* fieldToFocus_ = nullptr;
  char focusPermission_ = 'Y';
  bool backToTime_ = false;     // "Change the time" answered; the focus is on its way back
  bool timeUnsettled_ = false;  // and the time is still to be settled
  bool linked_ = false;
  bool placeFromAtlas_ = false;
  bool placeLookupAllowed_ = true;
  SaveOfferState offers_;
  ChartEntry entry_;  // the current entry as edited

  PlaceLookup* places_ = nullptr;
  NameFileAccess* names_ = nullptr;
  std::function<CalendarDateTime()> clock_;
  std::function<char(const RemovalChoice&)> removalDialog_;
  DerivedChartDialog derivedDialog_;
};

}  // namespace vostrane
