// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/dstgen/DstChains.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "atlas/DstTableIndex.h"
#include "platform/ByteOrder.h"

namespace vostrane::tz {
namespace {

constexpr int kMaxZoneMinutes = 13 * 60;

bool IsWarTime(const std::string& abbreviation) {
  if (abbreviation.size() < 3 || abbreviation.compare(abbreviation.size() - 2, 2, "WT") != 0)
    return false;
  for (char c : abbreviation) {
    if (c < 'A' || c > 'Z') return false;
  }
  return true;
}

int RoundToMinutes(int64_t seconds) {
  return static_cast<int>(std::llround(static_cast<double>(seconds) / 60.0));
}

DstChangeRecord MakeRecord(const CivilTime& when, const TableState& state) {
  DstChangeRecord r;
  r.year = static_cast<uint8_t>(when.year - kDstBaseYear);
  r.month = static_cast<uint8_t>(when.month);
  r.day = static_cast<uint8_t>(when.day);
  r.hour = static_cast<uint8_t>(when.hour);
  r.minute = static_cast<uint8_t>(when.minute);
  EncodeZone(state.minutesEast, r.zoneHours, r.zoneMinutes);
  r.code = state.code;
  return r;
}

uint64_t Mix(uint64_t h, const DstChangeRecord& r) {
  for (uint8_t b : r.Encode()) {
    h ^= b;
    h *= 0x100000001B3ULL;
  }
  return h ^ (h >> 29);
}

}  // namespace

TableState ClassifyState(const Transition& t) {
  TableState s;
  int base = t.utoff;
  if (t.save == 3600) {
    s.code = IsWarTime(t.abbreviation) ? kWarTime : kDaylightTime;
    base -= 3600;
  } else if (t.save == 7200) {
    s.code = kDoubleDaylight;
    base -= 7200;
  }
  s.minutesEast = RoundToMinutes(base);
  if (s.minutesEast > kMaxZoneMinutes && (s.code == kStandardTime || s.code == kDaylightTime)) {
    s.code = s.code == kStandardTime ? kDaylightTime : kDoubleDaylight;
    s.minutesEast -= 60;
  }
  return s;
}

std::vector<DstChangeRecord> TableChain(const std::vector<Transition>& history, int lastYear) {
  std::vector<DstChangeRecord> chain;
  if (history.empty()) throw std::runtime_error("a zone without history");
  const int64_t firstSecond = DaysFromCivil(kDstBaseYear, 1, 1) * 86400;
  int64_t previousMoment = firstSecond;
  TableState last;
  bool haveState = false;
  auto add = [&](int64_t localSeconds, const TableState& state) {
    if (haveState && state == last) return;
    // Dated in minutes; never before 1800 nor before the previous change.
    int64_t moment = static_cast<int64_t>(RoundToMinutes(localSeconds)) * 60;
    moment = std::max({moment, firstSecond, previousMoment});
    chain.push_back(MakeRecord(CivilFromSeconds(moment), state));
    previousMoment = moment;
    last = state;
    haveState = true;
  };
  // The chain ends in the last minute of `lastYear`; a change dated in it
  // or later is left out so that the end stays last.
  const int64_t endMoment = (DaysFromCivil(lastYear, 12, 31) * 24 + 23) * 3600 + 59 * 60;
  if (history[0].abbreviation != "LMT") add(firstSecond, ClassifyState(history[0]));
  for (size_t k = 1; k < history.size(); ++k) {
    const int64_t local = history[k].utc + history[k - 1].utoff;
    if (static_cast<int64_t>(RoundToMinutes(local)) * 60 >= endMoment) break;
    add(local, ClassifyState(history[k]));
  }
  chain.push_back(MakeRecord(CivilFromSeconds(endMoment), haveState ? last : TableState{}));
  return chain;
}

DstFileBuilder::DstFileBuilder() {
  const DstChangeRecord end = DstChainEndRecord(kDstZoneHoursBase, 0, kStandardTime);
  records_.push_back(end);
  suffixes_.emplace(Mix(0xCBF29CE484222325ULL, end), 0);
}

void DstFileBuilder::Append(const DstChangeRecord& r) {
  if (records_.size() >= 65536) {
    throw std::runtime_error("DST.FIL would need more than 65536 records");
  }
  records_.push_back(r);
}

bool DstFileBuilder::SuffixAt(uint32_t position, const std::vector<DstChangeRecord>& chain,
                              size_t from) const {
  size_t p = position;
  for (size_t i = from; i < chain.size(); ++i) {
    if (p >= records_.size()) return false;
    if (records_[p].IsLink()) p = records_[p].LinkTarget();
    if (p >= records_.size() || records_[p] != chain[i]) return false;
    ++p;
  }
  return true;
}

uint16_t DstFileBuilder::Add(const std::vector<DstChangeRecord>& chain) {
  const size_t n = chain.size();
  std::vector<uint64_t> hash(n + 1);
  hash[n] = 0xCBF29CE484222325ULL;
  for (size_t i = n; i-- > 0;) hash[i] = Mix(hash[i + 1], chain[i]);

  // The longest tail of the chain that the file already holds.
  size_t shared = n;
  uint32_t sharedAt = 0;
  for (size_t i = 0; i < n && shared == n; ++i) {
    const auto [begin, end] = suffixes_.equal_range(hash[i]);
    for (auto it = begin; it != end; ++it) {
      if (SuffixAt(it->second, chain, i)) {
        shared = i;
        sharedAt = it->second;
        break;
      }
    }
  }
  if (shared == 0) return static_cast<uint16_t>(sharedAt);
  // A link costs a record: worth it from two shared records on.
  const size_t own = (n - shared >= 2) ? shared : n;
  const uint32_t first = static_cast<uint32_t>(records_.size());
  for (size_t i = 0; i < own; ++i) {
    suffixes_.emplace(hash[i], static_cast<uint32_t>(records_.size()));
    Append(chain[i]);
  }
  if (own < n) {
    Append(DstChangeRecord::Link(static_cast<uint16_t>(sharedAt)));
    ++links_;
  }
  if (first > 65535) throw std::runtime_error("DST.FIL would need more than 65536 records");
  return static_cast<uint16_t>(first);
}

std::string DstFileBuilder::FileBytes() const {
  std::string bytes;
  bytes.reserve(records_.size() * 8);
  for (const DstChangeRecord& r : records_) {
    for (uint8_t b : r.Encode()) bytes.push_back(static_cast<char>(b));
  }
  return bytes;
}

std::string IndexFileBytes(const std::vector<uint16_t>& firstRecords) {
  if (firstRecords.size() > static_cast<size_t>(kDstTableCount)) {
    throw std::runtime_error("more zones than daylight tables (" + std::to_string(kDstTableCount) + ")");
  }
  std::string bytes(static_cast<size_t>(kDstTableCount) * 2, '\0');
  for (size_t k = 0; k < firstRecords.size(); ++k) WriteLe<uint16_t>(&bytes[2 * k], firstRecords[k]);
  return bytes;
}

}  // namespace vostrane::tz
