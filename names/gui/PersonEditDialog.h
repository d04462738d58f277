// SPDX-License-Identifier: GPL-3.0-or-later
// Editing a saved person's birth data from the Persons window: the fields
// of the birth data form (name, date, time, place, latitude, longitude,
// zone and daylight letter), typed by the form's rules and checked as the
// form checks them before the person is written back over its own record.
#pragma once

#include <QDialog>

#include "session/BirthDataTexts.h"

class QComboBox;
class QLabel;

namespace vostrane {

class FormField;

class PersonEditDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PersonEditDialog(const BirthDataFields& person, QWidget* parent = nullptr);

  // The fields as they stand (the daylight table and the chart settings of
  // the person given are kept).
  BirthDataFields Fields() const;
  // OK: accepts when every field can be saved, otherwise says which one
  // cannot and puts the focus there. True when accepted.
  bool OkClick();

  FormField* NameField() const { return name_; }
  FormField* DateField() const { return date_; }
  FormField* TimeField() const { return time_; }
  FormField* PlaceField() const { return place_; }

 private:
  void InstallTypedKeys(FormField* field);

  BirthDataFields person_;
  FormField* name_ = nullptr;
  FormField* date_ = nullptr;
  FormField* time_ = nullptr;
  FormField* place_ = nullptr;
  FormField* latitude_ = nullptr;
  FormField* longitude_ = nullptr;
  FormField* zoneHours_ = nullptr;
  FormField* zoneMinutes_ = nullptr;
  QComboBox* eastWest_ = nullptr;
  QComboBox* daylight_ = nullptr;
  QLabel* hint_ = nullptr;
};

}  // namespace vostrane
