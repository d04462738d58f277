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

class TFormBDat : public QDialog {
  Q_OBJECT

 public:
  explicit TFormBDat(QWidget* parent = nullptr);
  ~TFormBDat() override;

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
  void EXITPRINT(char mode);
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
  void ListBox2Click(int row);
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
  FormField* EditName() const { return editName_; }
  FormField* MaskEdDate() const { return maskEdDate_; }
  FormField* MaskEdTime() const { return maskEdTime_; }
  FormField* EditPlace() const { return editPlace_; }
  FormField* MaskEdLat() const { return maskEdLat_; }
  FormField* MaskEdLong() const { return maskEdLong_; }
  FormField* MaskEdTZHrs() const { return maskEdTZHrs_; }
  FormField* MaskEdTZMins() const { return maskEdTZMins_; }
  FormField* MaskEdTzEW() const { return maskEdTzEW_; }
  FormField* MaskEdDstObs() const { return maskEdDstObs_; }
  FormField* EdDstTblNum() const { return edDstTblNum_; }
  QComboBox* HouseSystemBox() const { return cbHouses_; }
  QComboBox* ZodiacBox() const { return cbZodiac_; }
  // The user-defined ayanamsa's value (degrees) and epoch (a year), shown
  // while that zodiac is chosen.
  QDoubleSpinBox* UserAyanamsaBox() const { return userAyanamsa_; }
  QDoubleSpinBox* UserEpochBox() const { return userEpoch_; }
  QLabel* Label10() const { return label10_; }
  QLabel* Label11() const { return label11_; }
  QLabel* Label21() const { return label21_; }
  QLabel* Label23() const { return label23_; }
  QLabel* Label27() const { return label27_; }
  QPlainTextEdit* MemoCurSel2() const { return memoCurSel2_; }
  QListWidget* ListBox2() const { return listBox2_; }
  QListWidget* ListBox1() const { return listBox1_; }
  QPushButton* DoneButton() const { return bitBtn6_; }
  QPushButton* NewNatalButton() const { return bitBtn1_; }
  QPushButton* NewDerivedButton() const { return btnNewDerived_; }
  QPushButton* SaveButton() const { return saveDeleteName1_; }
  QPushButton* DeleteButton() const { return btnDelete_; }
  QPushButton* PlaceButton() const { return btnPlace_; }

 protected:
  void done(int result) override;
  void reject() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Construction (TFormBDat.cpp).
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

  // Showing (TFormBDat.cpp).
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

  // Field handlers (TFormBDatFields.cpp).
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

  // Entries (TFormBDatEntries.cpp).
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
  FormField* editName_ = nullptr;
  FormField* maskEdDate_ = nullptr;
  FormField* maskEdTime_ = nullptr;
  FormField* editPlace_ = nullptr;
  FormField* maskEdLat_ = nullptr;
  FormField* maskEdLong_ = nullptr;
  FormField* maskEdTZHrs_ = nullptr;
  FormField* maskEdTZMins_ = nullptr;
  FormField* maskEdTzEW_ = nullptr;
  FormField* maskEdDstObs_ = nullptr;
  FormField* edDstTblNum_ = nullptr;
  QComboBox* cbHouses_ = nullptr;  // every house system, by letter
  QComboBox* cbZodiac_ = nullptr;  // tropical and every ayanamsa, by letter
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
  QLabel* label10_ = nullptr;
  QLabel* label11_ = nullptr;
  QLabel* label21_ = nullptr;
  QLabel* label23_ = nullptr;
  QLabel* label27_ = nullptr;
  QPlainTextEdit* memoCurSel2_ = nullptr;
  QPlainTextEdit* memo1_ = nullptr;
  QListWidget* listBox2_ = nullptr;
  QListWidget* listBox1_ = nullptr;
  QToolButton* bitBtn13_ = nullptr;  // name list up
  QToolButton* bitBtn12_ = nullptr;  // name list down
  QStackedWidget* sidePanel_ = nullptr;
  QPushButton* bitBtn6_ = nullptr;  // D&one
  QPushButton* bitBtn1_ = nullptr;  // &New Natal
  QPushButton* btnNewDerived_ = nullptr;
  QPushButton* saveDeleteName1_ = nullptr;
  QPushButton* btnDelete_ = nullptr;
  QPushButton* btnPlace_ = nullptr;

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
