// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/gui/AtlasPlaceLookup.h"

#include <QApplication>

#include "atlas/AtlasFields.h"
#include "atlas/DstChangeFile.h"
#include "atlas/DstLookup.h"
#include "atlas/LocalClock.h"
#include "atlas/PlaceReading.h"
#include "atlas/PlacesTable.h"
#include "atlas/ZoneRecheck.h"
#include "atlas/gui/PlaceDialog.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"

namespace vostrane {
namespace {

AtlasFields ToAtlas(const BirthDataFields& b) {
  AtlasFields a;
  a.place = b.place;
  a.date = b.date;
  a.time = b.time;
  a.latitude = b.latitude;
  a.longitude = b.longitude;
  a.zoneHours = b.zoneHours;
  a.zoneMinutes = b.zoneMinutes;
  a.zoneEastWest = b.zoneEastWest;
  a.daylight = b.daylight;
  a.dstTable = b.dstTable;
  return a;
}

void FromAtlas(const AtlasFields& a, BirthDataFields& b) {
  b.place = a.place;
  b.latitude = a.latitude;
  b.longitude = a.longitude;
  b.zoneHours = a.zoneHours;
  b.zoneMinutes = a.zoneMinutes;
  b.zoneEastWest = a.zoneEastWest;
  b.daylight = a.daylight;
  b.dstTable = a.dstTable;
}

}  // namespace

void AtlasPlaceLookup::BeginSession() {
  unavailableShown_ = false;
  try {
    if (PlacesTable().IsOpen()) PlacesTable().SetIndexOrder(kPlacesCityOrder);
  } catch (const TableError& e) {
    ShowMessage(e.what(), MsgIcon::Error);
  }
}

std::optional<PlaceChoice> AtlasPlaceLookup::ChoosePlace(const std::string& placeText) {
  if (!PlacesTable().IsOpen()) {
    // Said once per data entry; the field keeps what the user typed.
    if (!unavailableShown_) ShowMessage(kAtlasUnavailableText, MsgIcon::Information);
    unavailableShown_ = true;
    return std::nullopt;
  }
  QWidget* const form = QApplication::activeModalWidget();
  PlaceDialog dialog(form, PlacesTable(), placeText);
  dialog.PlaceBeside(form, form ? form->findChild<QWidget*>("PlaceButton") : nullptr);
  dialog.exec();
  chosen_ = {dialog.Outcome() == 'G' ? dialog.ChosenRecord() : 0, dialog.PlaceText()};
  return PlaceChoice{dialog.Outcome(), dialog.PlaceText()};
}

bool AtlasPlaceLookup::IsAtlasPlace(const std::string& placeText) {
  try {
    return IsAtlasName(PlacesTable(), placeText);
  } catch (const TableError& e) {
    ShowMessage(e.what(), MsgIcon::Error);
    return false;
  }
}

FocusAfterRead AtlasPlaceLookup::ReadPlace(BirthDataFields& fields, int chartType) {
  AtlasFields a = ToAtlas(fields);
  AtlasFocus focus = chartType == 0 ? AtlasFocus::ZoneHours : AtlasFocus::Name;
  try {
    // The place chosen in the list is read by its record: several places
    // may begin alike, and the chosen one is the one the user saw.
    const uint32_t record = chosen_.record != 0 && Trim(a.place) == Trim(chosen_.name) ? chosen_.record
                                                                                       : 0;
    focus = ReadPlaceIntoFields(a, chartType, PlacesTable(), record);
  } catch (const TableError& e) {
    ShowMessage(e.what(), MsgIcon::Error);
  }
  FromAtlas(a, fields);
  return focus == AtlasFocus::ZoneHours ? FocusAfterRead::ZoneHours : FocusAfterRead::Name;
}

void AtlasPlaceLookup::RecheckZone(BirthDataFields& fields, char what) {
  AtlasFields a = ToAtlas(fields);
  SeeIfTzOrDstIsDifferent(a, what, PlacesTable());
  FromAtlas(a, fields);
}

std::optional<LocalClockCheck> AtlasPlaceLookup::CheckClock(const BirthDataFields& fields) {
  return CheckLocalClockOfFields(ToAtlas(fields));
}

void AtlasPlaceLookup::ZoneAtMoment(BirthDataFields& fields) {
  const bool opened = !DstChangeFileIsOpen() && OpenDstChangeFile();
  AtlasFields a = ToAtlas(fields);
  FillDaylightFromDateAndTable(a, BadDstInput::LeaveFocus);
  FromAtlas(a, fields);
  if (opened) CloseDstChangeFile();
}

}  // namespace vostrane
