// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/ZoneRecheck.h"

#include <cstdlib>
#include <string>

#include "atlas/DstLookup.h"
#include "atlas/PlacesTable.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "common/MessageTextFile.h"
#include "common/NumberText.h"

namespace vostrane {
namespace {

struct ZoneValues {
  std::string hours, minutes, eastWest, daylight;
};

ZoneValues Take(const AtlasFields& f) {
  return {f.zoneHours, f.zoneMinutes, f.zoneEastWest, f.daylight};
}

void Put(AtlasFields& f, const ZoneValues& v) {
  f.zoneHours = v.hours;
  f.zoneMinutes = v.minutes;
  f.zoneEastWest = v.eastWest;
  f.daylight = v.daylight;
}

bool Same(const ZoneValues& a, const ZoneValues& b) {
  return IntegerFromText(Trim(a.hours)) == IntegerFromText(Trim(b.hours)) &&
         IntegerFromText(Trim(a.minutes)) == IntegerFromText(Trim(b.minutes)) &&
         a.eastWest == b.eastWest && a.daylight == b.daylight;
}

}  // namespace

void SeeIfTzOrDstIsDifferent(AtlasFields& f, char what, DbfTable& places) {
  const std::string word = MessageText(what == 'D' ? 8988 : 8989);
  if (IntegerFromText(Trim(f.dstTable)) == 0) {
    try {
      if (IsAtlasName(places, Trim(f.place))) {
        const int pointer = ReadPlaceRecord(places).dstPtr;
        if (pointer != 0) f.dstTable = std::to_string(std::abs(pointer));
      }
    } catch (const TableError& e) {
      ShowMessage(e.what(), MsgIcon::Error);
    }
  }
  const ZoneValues before = Take(f);
  FillDaylightFromDateAndTable(f, BadDstInput::LeaveFocus);
  const ZoneValues after = Take(f);
  Put(f, before);
  if (Same(before, after)) return;
  if (AskYesNo(MessageText(8990) + MessageText(8991) + " " + word + "?")) Put(f, after);
}

}  // namespace vostrane
