// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/NameTable.h"

#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "tablestore/AnsiUpper.h"

namespace vostrane {
namespace {

// Tag definition line and the field the tag needs besides NAME.
struct TagLine {
  const char* definition;
  const char* field;  // nullptr: only NAME
};

constexpr TagLine kTags[] = {
    {"NAME,F,F,UPPER(NAME)", nullptr},
    {"CALENAME,F,F,CALENDAR+UPPER(NAME)", "CALENDAR"},
    {"CATEGOR2,F,F,CATEG2+UPPER(NAME)", "CATEG2"},
    {"CATEGOR3,F,F,CATEG3+UPPER(NAME)", "CATEG3"},
    {"CATEGOR4,F,F,CATEG4+UPPER(NAME)", "CATEG4"},
    {"CATEGOR5,F,F,CATEG5+UPPER(NAME)", "CATEG5"},
};

}  // namespace

const std::vector<std::string>& NameFieldLines() {
  static const std::vector<std::string> lines = {
      "NAME,C,25,0", "MONTH,N,2,0", "DAY,N,2,0", "YEAR,N,5,0", "CALENDAR,C,1,0", "HOURS,N,2,0",
      "MINUTES,N,2,0", "SECONDS,N,2,0", "AMPM,C,1,0", "PLACE,C,25,0", "LATDEG,N,2,0", "LATMIN,N,2,0",
      "LATSEC,N,2,0", "NORTHSOUTH,C,1,0", "LONGDEG,N,3,0", "LONGMIN,N,2,0", "LONGSEC,N,2,0",
      "EASTWEST,C,1,0", "TZHRS,N,2,0", "TZMINS,N,2,0", "TZEASTWEST,C,1,0", "DSTOBSERVE,C,1,0",
      "RESRCHCODE,N,11,0", "CALCYN,C,1,0", "CALCASTYN,C,1,0", "CALCTNP,C,1,0", "BIODAT1,C,180,0",
      "BIODAT2,C,180,0", "CHARTTYPE,N,2,0", "CHARTYPXTR,N,2,0", "GMT,C,25,0", "JULDAY,C,25,0",
      "OBLIQ,C,25,0", "AYAN,C,25,0", "DELTAT,C,25,0", "T,C,25,0", "ZODSEL,C,1,0", "RAMC,N,11,0",
      "MOONNODE,N,11,0", "VERTEX,N,11,0", "EASTPT,N,11,0", "ASC,N,11,0", "MC,N,11,0",
      "HOUSEPOSTR,C,216,0", "ZODLONGSTR,C,128,0", "ZODLATSTR,C,128,0", "ZODMOTSTR,C,128,0",
      "HELIOLOSTR,C,128,0", "HELIOLASTR,C,128,0", "HELIOMOSTR,C,128,0", "RTASCSTR,C,128,0",
      "DECLINSTR,C,128,0", "USEGEOCLAT,C,1,0", "ORDNUMNAME,C,25,0", "ADDR1,C,40,0", "ADDR2,C,40,0",
      "ADDR3,C,40,0", "ADDR4,C,25,0", "BRTHDATSRC,C,2,0", "BRTHDATACC,C,2,0", "COASC,N,11,0",
      "POLARASC,N,11,0",
      // The category codes of the research code: the letter and one or two
      // blanks ("O ", "O ", "O  " for research code 0).
      "CATEG2,C,2,0", "CATEG3,C,2,0", "CATEG4,C,3,0", "CATEG5,C,3,0"};
  return lines;
}

const std::vector<std::string>& NameIndexLines() {
  static const std::vector<std::string> lines = [] {
    std::vector<std::string> l;
    for (const TagLine& tag : kTags) {
      l.push_back(tag.definition);
      l.push_back("");
    }
    return l;
  }();
  return lines;
}

std::vector<std::string> NameIndexLinesFor(const DbfTable& openTable) {
  std::vector<std::string> lines;
  for (const TagLine& tag : kTags) {
    if (tag.field && !openTable.HasField(tag.field)) continue;
    lines.push_back(tag.definition);
    lines.push_back("");
  }
  return lines;
}

void ConfigureNamesTable(DbfTable& table, const std::string& fileName) {
  table.SetDbfFileName(fileName);
  table.SetDbfFields(NameFieldLines());
  table.SetIndexList(NameIndexLines());
  table.SetHideDeletedRecords(true);
}

void OpenNameTable(DbfTable& table, const std::string& fileName) {
  ConfigureNamesTable(table, fileName);
  // A table made elsewhere may lack category fields: look at its fields
  // first (opened without tags, which leaves its index file alone) and keep
  // only the tags it can carry, instead of failing on their expressions.
  table.SetIndexList({});
  table.Open();
  const std::vector<std::string> tags = NameIndexLinesFor(table);
  table.Close();
  table.SetIndexList(tags);
  table.Open();
  table.SetFilter("");
  table.SetIndexOrder(kNameOrder);
}

DbfTable& NamesTable() {
  static DbfTable table;
  return table;
}

bool OpenNamesTable() {
  try {
    OpenNameTable(NamesTable());
    return true;
  } catch (const TableError& e) {
    NamesTable().Close();
    ShowMessage(e.what(), MsgIcon::Error);
    return false;
  }
}

void CloseNamesTable() { NamesTable().Close(); }

std::string NameKey(const std::string& name) { return UpperAnsi(TrimRight(name)); }

bool NameIsOnFile(DbfTable& table, const std::string& name) {
  if (!table.IsOpen()) return false;
  const std::string key = NameKey(Trim(name));
  if (key.empty()) return false;
  table.SetFilter("");
  table.SetIndexOrder(kNameOrder);
  return table.FindExact(key);
}

}  // namespace vostrane
