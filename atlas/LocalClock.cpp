// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/LocalClock.h"

#include "atlas/DstChangeFile.h"

namespace vostrane {
namespace {

// No change of the clocks is longer than a day and an hour (a move across
// the date line), so changes later than that cannot reach a clock time.
constexpr int64_t kLongestShiftMinutes = 25 * 60;

// The clock's offset east of Greenwich in minutes, daylight hours included.
int ClockOffsetMinutes(const DstScanResult& s) {
  const int daylight = s.code == kDoubleDaylight                         ? 120
                       : (s.code == kDaylightTime || s.code == kWarTime) ? 60
                                                                         : 0;
  return ZoneMinutesEast(s.zoneHours, s.zoneMinutes) + daylight;
}

DstScanResult StateOf(const DstChangeRecord& r) {
  DstScanResult s;
  s.code = r.code;
  s.zoneHours = r.zoneHours;
  s.zoneMinutes = r.zoneMinutes;
  return s;
}

}  // namespace

std::optional<LocalClockCheck> CheckLocalClock(RecordFile& file, uint16_t firstRecord,
                                               const DstMoment& moment) {
  DstMoment read = moment;
  DstScanResult plain;
  if (LookUpDstMoment(file, firstRecord, read, plain) != DstScanStatus::Ok) return std::nullopt;
  LocalClockCheck check;
  check.before = plain;
  check.after = plain;
  if (read.yearByte < 0) return check;
  // An equivalent year was read: the change is told in the year asked for.
  const int yearShift = moment.yearByte - read.yearByte;
  const int64_t local = DstChangeRecord::DstMinutesOf(read.yearByte + kDstBaseYear, read.month, read.day,
                                                      read.hour, read.minute);
  DstChainReader chain(file, firstRecord);
  if (!chain.Start()) return std::nullopt;
  DstScanResult state;  // local mean time before the first record
  for (;;) {
    const DstChangeRecord& r = chain.Current();
    const int64_t change = r.Minutes();
    if (change > local + kLongestShiftMinutes) break;
    const DstScanResult next = StateOf(r);
    if (state.code != kLocalMeanTime && next.code != kLocalMeanTime) {
      const int shift = ClockOffsetMinutes(next) - ClockOffsetMinutes(state);
      const bool gap = shift > 0 && local >= change && local < change + shift;
      const bool repeat = shift < 0 && local >= change + shift && local < change;
      if (gap || repeat) {
        check.kind = gap ? LocalClockKind::Gap : LocalClockKind::Repeated;
        check.changeDate = CalendarDate{r.month, r.day, r.year + kDstBaseYear + yearShift};
        check.changeHour = r.hour;
        check.changeMinute = r.minute;
        check.shiftMinutes = gap ? shift : -shift;
        check.before = state;
        check.after = next;
        return check;
      }
    }
    state = next;
    if (chain.Advance() != DstChainReader::Step::Next) break;
  }
  return check;
}

std::optional<LocalClockCheck> CheckLocalClockOfFields(const AtlasFields& fields) {
  const DstFieldsRequest request = DstRequestFromFields(fields, BadDstInput::LeaveFocus);
  if (!request.usable) return std::nullopt;
  return CheckLocalClock(DstChangeFile(), request.firstRecord, request.moment);
}

}  // namespace vostrane
