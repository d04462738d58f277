// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/ChangeTimes.h"

#include <charconv>
#include <ctime>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/TextTrim.h"

namespace vostrane {
namespace {

// Seconds of the years 1970 to 9999: a time outside them is damage.
constexpr int64_t kLastStampTime = 253402300799;
constexpr size_t kNameWidth = 25;

template <typename Number>
bool ParseWhole(std::string_view text, Number& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && !text.empty();
}

// One record line; false for a line that cannot be one.
bool ParseStampLine(std::string_view line, uint32_t& record, ChangeStamp& stamp) {
  const size_t tab1 = line.find('\t');
  const size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
  if (tab2 == std::string_view::npos) return false;
  const std::string_view name = line.substr(tab2 + 1);
  if (!ParseWhole(line.substr(0, tab1), record) || record == 0) return false;
  if (!ParseWhole(line.substr(tab1 + 1, tab2 - tab1 - 1), stamp.when)) return false;
  if (stamp.when < 0 || stamp.when > kLastStampTime) return false;
  if (name.size() > kNameWidth || name.find_first_of("\t\r") != std::string_view::npos) return false;
  stamp.name = std::string(name);
  return true;
}

// The name as a stamp keeps it: trimmed, at most the field's width, with
// the characters that end a line or a column turned into blanks.
std::string StampName(const std::string& name) {
  std::string text = Trim(name).substr(0, kNameWidth);
  for (char& c : text)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace

std::optional<int64_t> ChangeTimes::ChangedAt(uint32_t record, const std::string& name) const {
  const auto found = stamps.find(record);
  if (found == stamps.end() || found->second.name != StampName(name)) return std::nullopt;
  return found->second.when;
}

std::string ChangeTimesFileOf(const std::string& tableFile) {
  const size_t n = tableFile.size();
  if (n >= 4 && tableFile[n - 4] == '.' &&
      (tableFile.compare(n - 3, 3, "dbf") == 0 || tableFile.compare(n - 3, 3, "DBF") == 0))
    return tableFile.substr(0, n - 4) + ".chg";
  return tableFile + ".chg";
}

ChangeTimes ReadChangeTimes(const std::string& path) {
  ChangeTimes times;
  if (!FileExists(path)) return times;
  const std::optional<std::string> bytes = ReadFileStart(path, kChangeTimesMaxBytes + 1);
  if (!bytes) {
    times.problem = "The change times of the persons in " + path + " cannot be read.";
    return times;
  }
  std::string_view text(*bytes);
  const bool tooLarge = text.size() > kChangeTimesMaxBytes;
  if (tooLarge) text = text.substr(0, kChangeTimesMaxBytes);
  size_t lineNumber = 0;
  size_t firstBad = 0, bad = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    // A last line without its line end was cut off: it counts as damaged.
    const bool complete = end != std::string_view::npos;
    const std::string_view line = text.substr(0, complete ? end : text.size());
    text.remove_prefix(complete ? end + 1 : text.size());
    ++lineNumber;
    if (lineNumber == 1) {
      if (line != kChangeTimesHeader || !complete) {
        times.problem = "The file " + path +
                        " does not hold the persons' change times; the Persons window shows none.";
        return times;
      }
      continue;
    }
    uint32_t record = 0;
    ChangeStamp stamp;
    if (complete && ParseStampLine(line, record, stamp)) {
      times.stamps[record] = std::move(stamp);
    } else if (bad++ == 0) {
      firstBad = lineNumber;
    }
  }
  if (bad > 0 || tooLarge) {
    times.problem = "The persons' change times in " + path + " are damaged";
    if (bad > 0)
      times.problem += " (" + std::to_string(bad) + " line" + (bad > 1 ? "s" : "") +
                       " cannot be read, the first is line " + std::to_string(firstBad) + ")";
    if (tooLarge) times.problem += " (the file is larger than it can be)";
    times.problem += "; the times of the other persons are shown.";
  }
  if (lineNumber == 0)
    times.problem = "The file " + path + " is empty; the Persons window shows no change times.";
  return times;
}

std::string ChangeTimesText(const ChangeTimes& times) {
  std::string text = std::string(kChangeTimesHeader) + "\n";
  text.reserve(times.stamps.size() * 48);
  for (const auto& [record, stamp] : times.stamps)
    text += std::to_string(record) + "\t" + std::to_string(stamp.when) + "\t" + stamp.name + "\n";
  return text;
}

std::string StampChanges(const std::string& tableFile, const std::vector<RecordWritten>& written,
                         int64_t when) {
  if (written.empty()) return "";
  const std::string path = ChangeTimesFileOf(tableFile);
  // Damaged lines are dropped here: the file is written sound again.
  ChangeTimes times = ReadChangeTimes(path);
  for (const RecordWritten& w : written)
    if (w.record > 0) times.stamps[w.record] = {when, StampName(w.name)};
  if (ReplaceFileContents(path, ChangeTimesText(times))) return "";
  return "The change times of the persons could not be written to " + path +
         "; the file was left as it was.";
}

int64_t NowForStamps() { return static_cast<int64_t>(std::time(nullptr)); }

std::string ChangeTimeText(int64_t when) {
  const std::time_t t = static_cast<std::time_t>(when);
  std::tm local{};
  if (!localtime_r(&t, &local)) return "";
  char text[32];
  return std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) ? text : "";
}

}  // namespace vostrane
