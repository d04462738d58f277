// SPDX-License-Identifier: GPL-3.0-or-later
// The place lookup dialog ("Enter Place"): while the user types, it lists
// the atlas places whose names begin with the typed text, 16 rows at a
// time, and lets the user choose one, scroll, or keep a place that is not
// on file.
#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "atlas/PlaceList.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vostrane {

class PlaceEdit;
class ScrollArrow;

class PlaceDialog : public QDialog {
  Q_OBJECT

 public:
  // `placeText` is the birth data form's place text (Windows-1252) when the
  // dialog opens; Cancel and Escape give it back.
  PlaceDialog(QWidget* parent, DbfTable& places, const std::string& placeText);

  // 'C' cancelled, 'O' "Place Not on File", 'G' a place was chosen.
  char Outcome() const { return outcome_; }
  // The dialog's place text when it closed.
  std::string PlaceText() const;
  // The atlas record of the chosen place (0: none chosen from the list).
  uint32_t ChosenRecord() const { return chosenRecord_; }

  // Places the dialog so that its "Place:" label lines up with the form's
  // Place button.
  void PlaceBeside(QWidget* form, QWidget* placeButton);

  // The controls, for the tests that drive the dialog like a user.
  PlaceEdit* PlaceField() const { return placeField_; }
  QListWidget* CityList() const { return cityList_; }
  QPushButton* FirstPlaceButton() const { return firstPlaceButton_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QLabel* NotFoundLabel() const { return notFoundLabel_; }
  QLabel* RefusedLabel() const { return refusedLabel_; }
  ScrollArrow* ArrowUp() const { return arrowUp_; }
  ScrollArrow* ArrowDown() const { return arrowDown_; }
  QLabel* PlaceLabel() const { return placeLabel_; }
  bool InsertMode() const { return insertMode_; }

  // The result codes of the two closing buttons.
  static constexpr int kYesResult = 6;
  static constexpr int kOkResult = 1;

 protected:
  void reject() override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildPlaceField();
  void BuildPlaceList();
  void BuildButtons();
  void BuildHints();
  void BuildLayout();
  void FormActivate();
  void FillList(ScrollDirection direction = ScrollDirection::None);
  void ShowRows();
  void Scroll(ScrollDirection direction, int steps);
  void ScrollWhileHeld(ScrollArrow* arrow, ScrollDirection direction);
  bool PlaceFieldKeyDown(QKeyEvent* event);
  void PlaceFieldAfterKey(QKeyEvent* event);
  void PlaceFieldKeyUp(QKeyEvent* event);
  void CityListClick(int row);
  void FirstPlaceClick();
  void OkClick();
  std::string Typed() const;
  void SetTyped(const std::string& text);

  DbfTable& places_;
  PlaceList list_;
  std::string remembered_;  // the form's place text when the dialog opened
  char outcome_ = 'C';
  uint32_t chosenRecord_ = 0;
  bool insertMode_ = true;
  QString textBeforeKey_;
  bool enterPressed_ = false;

  PlaceEdit* placeField_ = nullptr;
  QLabel* placeLabel_ = nullptr;
  QListWidget* cityList_ = nullptr;
  QPushButton* firstPlaceButton_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QLabel* notFoundLabel_ = nullptr;
  QLabel* refusedLabel_ = nullptr;  // why a typed character was refused
  ScrollArrow* arrowUp_ = nullptr;
  ScrollArrow* arrowDown_ = nullptr;
};

}  // namespace vostrane
