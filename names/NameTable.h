// SPDX-License-Identifier: GPL-3.0-or-later
// The name table "names.dbf": its fields and index tags, the program's one
// open copy of it, and the exact lookup of a person by name.
//
// Fields in file order: the birth data (NAME C25, MONTH N2, DAY N2, YEAR N5,
// CALENDAR C1, HOURS N2, MINUTES N2, SECONDS N2, AMPM C1, PLACE C25, the
// latitude and longitude in degrees, minutes, seconds and letter, TZHRS,
// TZMINS, TZEASTWEST, DSTOBSERVE), the research code, the calculation flags,
// two biography notes, the chart type, the calculated values (time values as
// text, angles as fixed-point numbers, the packed cusps and body arrays),
// addresses, the birth data source and accuracy, the co-ascendant and polar
// ascendant, and the category codes CATEG2 to CATEG5 that the category tags
// are built on. Tags, in order: NAME, CALENAME, CATEGOR2 to CATEGOR5; every
// lookup of the program uses order 1 (NAME on UPPER(NAME)).
#pragma once

#include <string>
#include <vector>

#include "tablestore/DbfTable.h"

namespace vostrane {

inline constexpr const char* kNamesFileName = "names.dbf";
inline constexpr int kNameOrder = 1;
inline constexpr int kNameWidth = 25;

const std::vector<std::string>& NameFieldLines();
// The six tags of a table that has every category field.
const std::vector<std::string>& NameIndexLines();
// The tags a table with these fields can carry: a category tag whose
// CATEGn field is missing (a table made elsewhere) is left out.
std::vector<std::string> NameIndexLinesFor(const DbfTable& openTable);

// Sets the table's file name, fields and full tag list (nothing is opened).
void ConfigureNamesTable(DbfTable& table, const std::string& fileName = kNamesFileName);
// Opens the table shared, creating it when missing, with the tags its
// fields allow, no filter and order 1. Throws TableError.
void OpenNameTable(DbfTable& table, const std::string& fileName = kNamesFileName);

// The program's name table, opened at start-up and kept open until the end.
DbfTable& NamesTable();
// Opens "names.dbf" in the working folder (created empty when missing, its
// index built when missing) with hidden deleted records and order 1. A table
// store error is shown and false returned; the program goes on, and the
// name file then does nothing.
bool OpenNamesTable();
void CloseNamesTable();

// The seek key of a name: trailing blanks removed, upper-cased in the
// table's code page.
std::string NameKey(const std::string& name);

// True when the name (trailing blanks ignored, any case) is exactly a
// person of the table: FindExact on order 1, with no filter in force. False
// also for an empty name or a closed table. Moves the cursor.
bool NameIsOnFile(DbfTable& table, const std::string& name);

}  // namespace vostrane
