// SPDX-License-Identifier: GPL-3.0-or-later
// What the derived chart dialog asks for, as plain data: which fields each
// kind needs, and the request made from the fields' texts (with the first
// field that cannot be used and why).
#pragma once

#include <string>

#include "derived/DerivedKindTitle.h"
#include "derived/DerivedRequest.h"
#include "entry/BirthDataFields.h"

namespace vostrane {

// The fields a kind needs; the dialog enables only these.
struct DerivedFieldsNeeded {
  bool secondBase = false;  // composite: the partner entry
  bool date = false;        // transit moment, target date, or the date a return is sought after
  bool time = false;        // transits only
  bool place = false;       // a place of the kind's own (transits, relocated charts)
  bool natalPlace = false;  // returns: the base entry's place unless another is given
  bool body = false;        // planet returns
  bool harmonic = false;    // harmonic charts
};

DerivedFieldsNeeded FieldsNeeded(DerivedKind kind);

// What a kind makes of the fields, for the dialog's hint line.
const char* KindGuide(DerivedKind kind);

// The dialog's fields.
struct DerivedDialogFields {
  DerivedKind kind = DerivedKind::Transit;
  int base = 0;
  int secondBase = 0;
  BirthDataFields texts;   // date, time, place, latitude, longitude, zone, daylight, table
  bool natalPlace = true;  // returns: use the base entry's place
  int body = kReturnBodyFirst;
  std::string harmonic;  // as typed
};

// Which field a problem belongs to.
enum class DerivedField { None, Date, Time, Place, Latitude, Longitude, Zone, Harmonic };

struct DerivedRequestResult {
  DerivedRequest request;
  DerivedField field = DerivedField::None;  // None: the request can be built
  std::string problem;
};

// The request of the fields; only the fields the kind needs are read.
DerivedRequestResult RequestFromFields(const DerivedDialogFields& fields);

}  // namespace vostrane
