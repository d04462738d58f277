// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/NameList.h"

#include "names/NameTable.h"
#include "platform/TextTrim.h"
#include "common/TextRoutines.h"

namespace vostrane {

std::string NameListRow(const std::string& recordName, bool first) {
  const std::string name = Pad(recordName.substr(0, kNameWidth), kNameWidth, 'B');
  return first ? "=> " + name + " <=" : "   " + name + "   ";
}

std::string NameOfRow(const std::string& row) {
  if (row.size() <= 6) return "";
  return Trim(row.substr(3, row.size() - 6));
}

NameListFill FillNameList(DbfTable& table, const std::string& typed, int scrollSteps,
                          const std::string& notFoundText) {
  NameListFill fill;
  if (typed == notFoundText) {
    fill.nameText = "";
    return fill;
  }
  const std::string key = NameKey(typed);
  if (key.empty() || !table.IsOpen()) return fill;

  fill.shown = true;
  table.SetFilter("");
  table.SetIndexOrder(kNameOrder);
  const bool found = table.FindNear(key);
  if (!found) {
    fill.notFound = true;
    fill.rows.assign(kNameListRows, " ");
    fill.rows[0] = notFoundText;
    return fill;
  }
  if (scrollSteps != 0) {
    table.MoveBy(scrollSteps);
    fill.nameText = Trim(table.TextField("NAME"));
  }
  const uint32_t top = table.RecordNumber();
  while (static_cast<int>(fill.rows.size()) < kNameListRows) {
    fill.rows.push_back(NameListRow(table.TextField("NAME"), fill.rows.empty()));
    table.MoveBy(1);
    if (table.AtEnd()) break;
  }
  fill.rows.resize(kNameListRows, " ");
  table.Go(top);
  return fill;
}

}  // namespace vostrane
