// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/PlacesTable.h"

#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "tablestore/AnsiUpper.h"

namespace vostrane {

const std::vector<std::string>& PlaceFieldLines() {
  static const std::vector<std::string> lines = {
      "NAME,C,25,0",      "LATDEG,N,2,0",    "LATMIN,N,2,0",     "LATSEC,N,2,0",   "LATNS,C,1,0",
      "LONGDEG,N,3,0",    "LONGMIN,N,2,0",   "LONGSEC,N,2,0",    "LONGEW,C,1,0",   "DSTPTR,N,5,0",
      "HIGHPOPWNM,C,1,0", "ELEVATION,N,2,0", "CNTRYSTATE,C,3,0", "SRCHKEY,C,48,0", "SEEREC,N,6,0"};
  return lines;
}

const std::vector<std::string>& PlaceIndexLines() {
  static const std::vector<std::string> lines = {
      "CITY,F,F,UPPER(NAME)", "", "CNTRYCITY,F,F,CNTRYSTATE+UPPER(NAME)", "", "SEARCH,F,F,SRCHKEY", ""};
  return lines;
}

void ConfigurePlacesTable(DbfTable& table, const std::string& fileName) {
  table.SetDbfFileName(fileName);
  table.SetDbfFields(PlaceFieldLines());
  table.SetIndexList(PlaceIndexLines());
  table.SetHideDeletedRecords(true);
}

DbfTable& PlacesTable() {
  static DbfTable table;
  return table;
}

bool OpenPlacesTable() {
  DbfTable& table = PlacesTable();
  try {
    ConfigurePlacesTable(table);
    table.SetDbfFields({});  // the atlas is installed, never made here
    if (!FileExists(kPlacesFileName)) {
      ShowMessage(kAtlasMissingText, MsgIcon::Error);
      return false;
    }
    table.Open();
    table.SetIndexOrder(kPlacesCityOrder);
    return true;
  } catch (const TableError& e) {
    ShowMessage(e.what(), MsgIcon::Error);
    return false;
  }
}

void ClosePlacesTable() { PlacesTable().Close(); }

namespace {
char FirstLetter(const std::string& text, char fallback) {
  return text.empty() || text[0] == ' ' ? fallback : text[0];
}
}  // namespace

PlaceRecord ReadPlaceRecord(const DbfTable& t) {
  PlaceRecord p;
  p.name = t.TextField("NAME");
  p.latDeg = static_cast<int>(t.IntegerField("LATDEG"));
  p.latMin = static_cast<int>(t.IntegerField("LATMIN"));
  p.latSec = static_cast<int>(t.IntegerField("LATSEC"));
  p.latNs = FirstLetter(t.TextField("LATNS"), 'N');
  p.longDeg = static_cast<int>(t.IntegerField("LONGDEG"));
  p.longMin = static_cast<int>(t.IntegerField("LONGMIN"));
  p.longSec = static_cast<int>(t.IntegerField("LONGSEC"));
  p.longEw = FirstLetter(t.TextField("LONGEW"), 'W');
  p.dstPtr = static_cast<int>(t.IntegerField("DSTPTR"));
  p.countryState = t.TextField("CNTRYSTATE");
  const int64_t see = t.IntegerField("SEEREC");
  p.seeRecord = see > 0 && see <= UINT32_MAX ? static_cast<uint32_t>(see) : 0;
  return p;
}

bool GoToPlace(DbfTable& table, uint32_t record) {
  if (record == 0 || record > table.RecordCount()) return false;
  table.Go(record);
  const uint32_t target = ReadPlaceRecord(table).seeRecord;
  if (target != 0 && target <= table.RecordCount()) table.Go(target);
  return true;
}

std::string PlaceKey(const std::string& text) { return UpperAnsi(TrimRight(text)); }

bool IsAtlasName(DbfTable& table, const std::string& text) {
  if (!table.IsOpen()) return false;
  const std::string key = PlaceKey(text);
  if (key.empty()) return false;
  table.SetIndexOrder(kPlacesCityOrder);
  return table.FindExact(key);
}

}  // namespace vostrane
