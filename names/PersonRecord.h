// SPDX-License-Identifier: GPL-3.0-or-later
// A person's record of the name table and the birth data form's fields:
// the checks before a record is written, the fields a write sets, and the
// form texts a read fills in.
#pragma once

#include <string>

#include "entry/BirthDataFields.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

// The first field that keeps the form from being written to the name file:
// kNoName, kNoPlace, kBadDate, kBadTime, kBadLatitude, kBadLongitude (the
// codes of the form's copy), or kFormValid.
int CheckPersonFields(const BirthDataFields& fields);
// The box for a failed check: form text 8948, two blanks and form text
// 8885 + code.
std::string PersonCheckText(int code);

// Sets the fields a write of the form puts into the record buffer: name and
// place (trailing blanks removed), chart type 0, the date, the time in
// 12-hour form with its A or P, latitude, longitude, zone and daylight
// letter, research code 0, the calculation flags "N", empty biography
// notes, ORDNUMNAME the name, birth data source and accuracy "XX". The
// fields must have passed CheckPersonFields.
void PutBirthData(DbfTable& table, const BirthDataFields& fields);
// The codes a new record gets besides: CALENDAR "B" and, when the table
// has them, the category codes of research code 0 in CATEG2 to CATEG4.
void PutNewRecordCodes(DbfTable& table);

// The form's texts of the current record: date, time (two digits each and
// the A or P), place and name trimmed, latitude and longitude in their
// field forms, DST table "0", zone hours as a plain number, zone minutes in
// two digits, the zone letter and the daylight letter.
BirthDataFields ReadBirthData(const DbfTable& table);

}  // namespace vostrane
