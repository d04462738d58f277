#include "atlas/DstLookup.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "atlas/DstChangeFile.h"
#include "atlas/DstTableIndex.h"
#include "platform/MessageService.h"
#include "common/MaskedFields.h"
#include "common/MessageTextFile.h"
#include "common/NumberText.h"

namespace vostrane {
namespace {

// 2025 .. 2052 in order; the cycle repeats from 2053 and from 2081.
constexpr std::array<int, 28> kEquivalentYears = {
    2014, 2015, 2021, 2000, 2018, 2019, 2014, 2004, 2022, 2023, 2018, 2008, 2015, 2021,
    2022, 2012, 2019, 2014, 2015, 2016, 2023, 2018, 2019, 2020, 2021, 2022, 2023, 2024};

// A chain longer than the file can hold has a loop in it.
constexpr int kMaxScanSteps = 70000;

bool ReadRecordAt(RecordFile& file, int64_t n, DstChangeRecord& record) {
  uint8_t bytes[kDstChangeRecordSize];
  if (!file.IsOpen() || !file.Seek(n, true) || !file.Read(bytes)) return false;
  record = DstChangeRecord::Decode(bytes);
  return true;
}

// The birth time of the time field "HHMMSSA": hours, minutes, seconds as
// numbers and the letter A or P, in 24-hour form. The hour is not range
// tested here.
std::optional<DstMoment> ParseBirthTime(const std::string& text) {
  if (text.size() < 7) return std::nullopt;
  const int hours = IntegerFromText(text.substr(0, 2));
  const int minutes = IntegerFromText(text.substr(2, 2));
  const int seconds = IntegerFromText(text.substr(4, 2));
  const char letter = text[6];
  if (hours == kNotANumber || minutes == kNotANumber || seconds == kNotANumber) return std::nullopt;
  if (letter != 'A' && letter != 'P') return std::nullopt;
  DstMoment m;
  m.hour = hours;
  if (letter == 'A' && hours == 12) m.hour = 0;
  if (letter == 'P' && hours != 12) m.hour = hours + 12;
  m.minute = minutes;
  return m;
}

void ShowChainError() {
  ShowMessage("Unable to read data from file " + std::string(kDstChangeFileName) +
                  ". The daylight-time table of this place is damaged.",
              MsgIcon::Error);
}

}  // namespace

int EquivalentYear(int year) {
  if (year < 2025 || year > 2099) return year;
  return kEquivalentYears[static_cast<size_t>((year - 2025) % 28)];
}

DstScanStatus ScanDstTable(RecordFile& file, uint16_t firstRecord, const DstMoment& moment,
                           DstScanResult& result) {
  result = DstScanResult();
  DstChangeRecord record;
  if (!ReadRecordAt(file, firstRecord, record)) return DstScanStatus::FirstRecordUnreadable;
  if (moment.yearByte < 0) return DstScanStatus::Ok;
  const int64_t birth = DstChangeRecord::MomentKeyOf(moment.yearByte, moment.month, moment.day,
                                                     moment.hour, moment.minute);
  int64_t position = firstRecord;
  // A chain without a loop reads each record once at most.
  const int64_t steps = std::min<int64_t>(kMaxScanSteps, file.RecordCount() + 1);
  for (int64_t step = 0; step < steps; ++step) {
    if (record.MomentKey() >= birth) return DstScanStatus::Ok;
    if (record.code > kLocalMeanTime) return DstScanStatus::ChainUnreadable;
    result.code = record.code;
    result.zoneHours = record.zoneHours;
    result.zoneMinutes = record.zoneMinutes;
    ++position;
    if (!ReadRecordAt(file, position, record)) return DstScanStatus::ChainUnreadable;
    if (record.IsLink()) {
      position = record.LinkTarget();
      if (!ReadRecordAt(file, position, record)) return DstScanStatus::ChainUnreadable;
    }
  }
  return DstScanStatus::ChainUnreadable;
}

AtlasFocus GetDstInfoFromScreenDateTimeAndDstTblNum(AtlasFields& f, char interactive) {
  const bool moveFocus = interactive == 'Y';
  const int number = IntegerFromText(f.dstTable);
  const bool indexUsable = DstIndex().loaded;
  if (number == 0 || std::abs(number) > kDstTableCount || !indexUsable) {
    f.dstTable = "0";
    return moveFocus ? AtlasFocus::ZoneHours : AtlasFocus::None;
  }
  const uint16_t first = DstIndex().firstRecord[static_cast<size_t>(std::abs(number) - 1)];
  DstChangeRecord firstRecord;
  if (!ReadRecordAt(DstChangeFile(), first, firstRecord)) {
    ShowMessage(MessageText(8973) + MessageText(8974), MsgIcon::Error);
    return AtlasFocus::None;
  }

  const std::optional<CalendarDate> date = ParseDateText(f.date);
  if (!date) return moveFocus ? AtlasFocus::Date : AtlasFocus::None;
  const int yearByte = EquivalentYear(date->year) - kDstBaseYear;
  std::optional<DstMoment> moment = ParseBirthTime(f.time);
  if (!moment || yearByte > kDstLastYear - kDstBaseYear) {
    return moveFocus ? AtlasFocus::ZoneHours : AtlasFocus::None;
  }
  moment->yearByte = yearByte;
  moment->month = date->month;
  moment->day = date->day;

  DstScanResult found;
  switch (ScanDstTable(DstChangeFile(), first, *moment, found)) {
    case DstScanStatus::Ok: break;
    case DstScanStatus::FirstRecordUnreadable:
      ShowMessage(MessageText(8973) + MessageText(8974), MsgIcon::Error);
      return AtlasFocus::None;
    case DstScanStatus::ChainUnreadable: ShowChainError(); return AtlasFocus::None;
  }

  f.daylight = std::string(1, kDaylightCodeLetters[found.code]);
  if (found.code == kLocalMeanTime) {
    f.zoneHours = "0";
    f.zoneMinutes = "0";
    f.zoneEastWest = "W";
  } else {
    const ZoneTexts zone = ZoneTextsOf(found.zoneHours, found.zoneMinutes);
    f.zoneHours = zone.hours;
    f.zoneMinutes = zone.minutes;
    f.zoneEastWest = std::string(1, zone.eastWest);
  }
  return AtlasFocus::None;
}

}  // namespace vostrane
