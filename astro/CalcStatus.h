// SPDX-License-Identifier: GPL-3.0-or-later
// What a calculation step hands back when a file it reads lets it down: the
// kind of fault, the file, and the record concerned. The calculation shows
// nothing itself; the caller decides how the user learns of it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace vostrane {

// Which data the status is about.
enum class CalcSource : uint8_t {
  OuterPlanets,  // the outer-planet files: no chart without them
  Chiron,        // Chiron's files: Chiron is left out
  Asteroids,     // the asteroid files: the asteroid is left out
  Ayanamsa,      // the optional ayanamsa correction file: ignored
  HouseSystem,   // the entry's house-system letter names no system (record: the letter)
  LunarApogee,   // the osculating apogee's table: the apogee is calculated from the lunar theory
};

enum class CalcFault : uint8_t {
  None,
  MissingFile,    // the file is not on disk (or cannot be read)
  MissingRecord,  // the record lies beyond the end of the file
  ShortRecord,    // the record starts in the file but is cut
  DamagedRecord,  // the record holds values that cannot be right
  OutOfRange,     // the moment lies outside the data the file holds
  BadContents,    // a text file whose contents do not parse
  WrongSize,      // the file's size differs from the installation's list (record: the size found)
  FailedCheck,    // the record's bytes differ from the installation's list
};

// A file name kept inline, so that a status costs no allocation and the
// results that carry one stay cheap to copy (the planet pass makes many).
class StatusFileName {
 public:
  StatusFileName() = default;
  StatusFileName(const std::string& name) { Assign(name.data(), name.size()); }  // NOLINT: implicit
  StatusFileName(const char* name) { Assign(name, std::char_traits<char>::length(name)); }  // NOLINT
  std::string str() const { return std::string(text_, length_); }
  operator std::string() const { return str(); }  // NOLINT: implicit
  bool operator==(const std::string& other) const {
    return other.compare(0, other.size(), text_, length_) == 0;
  }

 private:
  void Assign(const char* name, size_t n) {
    length_ = static_cast<uint8_t>(std::min(n, sizeof text_));
    std::memcpy(text_, name, length_);
  }
  char text_[31];  // the first length_ characters; longer names (none the program uses) are cut
  uint8_t length_ = 0;
};

struct CalcStatus {
  CalcSource source = CalcSource::OuterPlanets;
  CalcFault fault = CalcFault::None;
  StatusFileName file;
  int64_t record = 0;  // the record (or integer index) concerned

  bool ok() const { return fault == CalcFault::None; }
  // A fault of data the chart cannot do without: the calculation stops.
  bool fatal() const { return !ok() && source == CalcSource::OuterPlanets; }
};

// The statuses of one calculation step in the order they arose; a fatal
// one is always the last, as the step stops there.
class CalcReport {
 public:
  // Nothing is added after a fatal status: the step has ended there.
  void Add(CalcStatus status) {
    if (!status.ok() && !Ended()) statuses_.push_back(std::move(status));
  }
  bool Ended() const { return !statuses_.empty() && statuses_.back().fatal(); }
  const std::vector<CalcStatus>& Statuses() const { return statuses_; }

 private:
  std::vector<CalcStatus> statuses_;
};

}  // namespace vostrane
