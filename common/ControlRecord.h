// SPDX-License-Identifier: GPL-3.0-or-later
// The control file "ZORCTRL.DAT": one 641-byte record of program-wide
// options. The record is kept as raw bytes so that writing it back leaves
// every byte this program does not interpret as it was read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/PackedRecord.h"

namespace vostrane {

constexpr size_t kControlRecordSize = 641;
inline constexpr const char* kControlFileName = "ZORCTRL.DAT";

namespace control_offset {
constexpr size_t onePrinterDocPerPrintout = 2;
constexpr size_t textBackColour2 = 3;
constexpr size_t textBackColour1 = 4;
constexpr size_t textBackStyle2 = 5;
constexpr size_t textBackStyle1 = 6;
constexpr size_t viewerBackColour = 7;  // i32
constexpr size_t doublePenWidths = 20;
constexpr size_t warnDuplicateName = 43;
constexpr size_t derivedOption = 45;
constexpr size_t progressedTimeOption = 46;
constexpr size_t defaultPrintouts = 47;  // string[40]
constexpr size_t defaultZodiacLetter = 88;
constexpr size_t saveOption = 89;
constexpr size_t defaultHouseSystemLetter = 90;  // house system letter of a new entry
constexpr size_t geocentricLatitude = 273;
constexpr size_t monoFile = 275;
constexpr size_t monoScreen = 276;
constexpr size_t placeNameStyle = 277;
constexpr size_t screenProportions = 278;
constexpr size_t fileZoom = 279;  // f64
constexpr size_t fileProportions = 287;
constexpr size_t screenZoom = 288;     // f64
constexpr size_t printerIndex1 = 345;  // i16
constexpr size_t printerIndex2 = 347;  // i16
constexpr size_t monoPrinter1 = 349;
constexpr size_t monoPrinter2 = 350;
constexpr size_t paperWidth1 = 351;     // f64
constexpr size_t paperHeight1 = 359;    // f64
constexpr size_t copies1 = 367;         // i32
constexpr size_t deviceLetters1 = 371;  // char[9]
constexpr size_t paperWidth2 = 381;
constexpr size_t paperHeight2 = 389;
constexpr size_t copies2 = 397;
constexpr size_t deviceLetters2 = 401;
constexpr size_t fixedStarOrb = 622;  // f64, degrees; 0 in a record written before the setting
// The paper of chart pages: 'L' Letter, 'A' A4, 0 (a record written before
// the setting) the paper of the system's locale.
constexpr size_t paperKind = 620;
// 'L' landscape, 'P' (or 0) portrait.
constexpr size_t paperOrientation = 621;
}  // namespace control_offset

class ControlRecord : public PackedRecord<kControlRecordSize> {
 public:
  std::string defaultPrintouts() const { return GetString(control_offset::defaultPrintouts, 40); }
  char defaultZodiacLetter() const { return Letter(control_offset::defaultZodiacLetter); }
  char saveOption() const { return Letter(control_offset::saveOption); }
  // The house system of a new entry: a letter 'A'..'I', Placidus ('F') for
  // any other byte (a record written before the setting existed).
  char defaultHouseSystemLetter() const;
  bool warnDuplicateName() const { return Letter(control_offset::warnDuplicateName) == 'Y'; }
  bool geocentricLatitude() const { return Letter(control_offset::geocentricLatitude) == 'Y'; }
  double screenZoom() const { return Get<double>(control_offset::screenZoom); }
  double fileZoom() const { return Get<double>(control_offset::fileZoom); }
  // The orb of fixed-star conjunctions and parallels in degrees: 1 when the
  // record has none.
  double fixedStarOrb() const;
};

// The program's control record, read at start-up.
ControlRecord& Control();
// The offset of the first value the program interprets that lies outside
// its range (an option letter that is not a letter, a zoom that is not a
// positive number ...), or nothing when every value is in range.
std::optional<size_t> ControlRecordFault(const ControlRecord& record);

// Opens "ZORCTRL.DAT" and reads its record into Control(); the file stays
// open. Shows the failure messages and goes on with an empty record.
void OpenControlFile();
// Writes Control() back at record 0; true when positioning and writing succeeded.
bool WriteControlRecord();
void CloseControlFile();
bool ControlFileIsOpen();

}  // namespace vostrane
