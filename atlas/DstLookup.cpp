// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/DstLookup.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "atlas/DstChangeFile.h"
#include "atlas/DstTableIndex.h"
#include "platform/MessageService.h"
#include "common/Calendar.h"
#include "common/MaskedFields.h"
#include "common/MessageTextFile.h"
#include "common/NumberText.h"

namespace vostrane {
namespace {

// Years up to 2099 have equivalent years; 2100 is not a leap year.
constexpr int kLastMappedYear = 2099;
// A chain's end record lies at least here: tables of older installations end on
// 1 January 2025, generated ones in the last minute of 2055.
constexpr int kEarliestChainEndYear = 2025;

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

int EquivalentYear(int year, int lastTableYear) {
  if (year <= lastTableYear || year > kLastMappedYear) return year;
  auto weekdayOfNewYear = [](int y) {
    return static_cast<int>(DstChangeRecord::DstMinutesOf(y, 1, 1, 0, 0) / 1440 % 7);
  };
  // Within 1901 to 2099 the calendars repeat every 28 years.
  for (int candidate = lastTableYear; candidate > lastTableYear - 28; --candidate) {
    if (weekdayOfNewYear(candidate) == weekdayOfNewYear(year) &&
        DaysInFebruary(candidate) == DaysInFebruary(year)) {
      return candidate;
    }
  }
  return year;
}

DstChainReader::DstChainReader(RecordFile& file, uint16_t firstRecord)
    : file_(file), position_(firstRecord) {}

bool DstChainReader::Start() {
  steps_ = 0;
  records_ = file_.IsOpen() ? file_.RecordCount() : 0;
  return ReadRecordAt(file_, position_, current_);
}

DstChainReader::Step DstChainReader::Advance() {
  // A chain without a loop reads each record once at most.
  if (++steps_ > std::min<int64_t>(kMaxScanSteps, records_ + 1)) return Step::Damaged;
  const bool mayEnd = current_.year + kDstBaseYear >= kEarliestChainEndYear;
  DstChangeRecord next;
  ++position_;
  if (position_ >= records_) return mayEnd ? Step::End : Step::Damaged;
  if (!ReadRecordAt(file_, position_, next)) return Step::Damaged;
  if (next.IsLink()) {
    position_ = next.LinkTarget();
    if (!ReadRecordAt(file_, position_, next)) return Step::Damaged;
  }
  if (next.MomentKey() < current_.MomentKey()) return mayEnd ? Step::End : Step::Damaged;
  current_ = next;
  return Step::Next;
}

DstScanStatus ScanDstTable(RecordFile& file, uint16_t firstRecord, const DstMoment& moment,
                           DstScanResult& result, int* chainEndYear) {
  result = DstScanResult();
  DstChainReader chain(file, firstRecord);
  if (!chain.Start()) return DstScanStatus::FirstRecordUnreadable;
  if (moment.yearByte < 0) return DstScanStatus::Ok;
  const int64_t birth = DstChangeRecord::MomentKeyOf(moment.yearByte, moment.month, moment.day,
                                                     moment.hour, moment.minute);
  for (;;) {
    const DstChangeRecord& record = chain.Current();
    if (record.MomentKey() >= birth) return DstScanStatus::Ok;
    if (record.code > kLocalMeanTime) return DstScanStatus::ChainUnreadable;
    result.code = record.code;
    result.zoneHours = record.zoneHours;
    result.zoneMinutes = record.zoneMinutes;
    const int endYear = record.year + kDstBaseYear;
    switch (chain.Advance()) {
      case DstChainReader::Step::Next: break;
      case DstChainReader::Step::Damaged: return DstScanStatus::ChainUnreadable;
      case DstChainReader::Step::End:
        if (chainEndYear) *chainEndYear = endYear;
        return DstScanStatus::PastChainEnd;
    }
  }
}

DstScanStatus LookUpDstMoment(RecordFile& file, uint16_t firstRecord, DstMoment& moment,
                              DstScanResult& result) {
  const int year = moment.yearByte + kDstBaseYear;
  moment.yearByte = EquivalentYear(year) - kDstBaseYear;
  if (moment.yearByte > kDstLastYear - kDstBaseYear) return DstScanStatus::YearBeyondTables;
  int chainEndYear = 0;
  const DstScanStatus status = ScanDstTable(file, firstRecord, moment, result, &chainEndYear);
  if (status != DstScanStatus::PastChainEnd) return status;
  // A table that ends before 2055: its last whole year stands in for the years after it.
  const int equivalent = EquivalentYear(year, chainEndYear - 1);
  if (equivalent >= chainEndYear) return DstScanStatus::ChainUnreadable;
  moment.yearByte = equivalent - kDstBaseYear;
  const DstScanStatus again = ScanDstTable(file, firstRecord, moment, result);
  return again == DstScanStatus::Ok ? again : DstScanStatus::ChainUnreadable;
}

DstFieldsRequest DstRequestFromFields(const AtlasFields& f, BadDstInput onBadInput) {
  const bool moveFocus = onBadInput == BadDstInput::AskFocus;
  DstFieldsRequest request;
  const int number = IntegerFromText(f.dstTable);
  if (number == 0 || std::abs(number) > kDstTableCount || !DstIndex().loaded) {
    request.badTable = true;
    if (moveFocus) request.focus = AtlasFocus::ZoneHours;
    return request;
  }
  request.firstRecord = DstIndex().firstRecord[static_cast<size_t>(std::abs(number) - 1)];
  DstChangeRecord firstRecord;
  if (!ReadRecordAt(DstChangeFile(), request.firstRecord, firstRecord)) {
    request.firstRecordUnreadable = true;
    return request;
  }
  const std::optional<CalendarDate> date = ParseDateText(f.date);
  if (!date) {
    if (moveFocus) request.focus = AtlasFocus::Date;
    return request;
  }
  const std::optional<DstMoment> moment = ParseBirthTime(f.time);
  if (!moment || EquivalentYear(date->year) > kDstLastYear) {
    if (moveFocus) request.focus = AtlasFocus::ZoneHours;
    return request;
  }
  request.moment = *moment;
  request.moment.yearByte = date->year - kDstBaseYear;
  request.moment.month = date->month;
  request.moment.day = date->day;
  request.usable = true;
  return request;
}

AtlasFocus FillDaylightFromDateAndTable(AtlasFields& f, BadDstInput onBadInput) {
  DstFieldsRequest request = DstRequestFromFields(f, onBadInput);
  if (request.badTable) f.dstTable = "0";
  if (request.firstRecordUnreadable) {
    ShowMessage(MessageText(8973) + MessageText(8974), MsgIcon::Error);
    return AtlasFocus::None;
  }
  if (!request.usable) return request.focus;
  DstScanResult found;
  switch (LookUpDstMoment(DstChangeFile(), request.firstRecord, request.moment, found)) {
    case DstScanStatus::Ok: break;
    case DstScanStatus::FirstRecordUnreadable:
      ShowMessage(MessageText(8973) + MessageText(8974), MsgIcon::Error);
      return AtlasFocus::None;
    case DstScanStatus::YearBeyondTables:
      return onBadInput == BadDstInput::AskFocus ? AtlasFocus::ZoneHours : AtlasFocus::None;
    case DstScanStatus::PastChainEnd:
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
