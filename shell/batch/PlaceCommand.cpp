// SPDX-License-Identifier: GPL-3.0-or-later
// The place sub-command of vostrane-batch: the rows that the place lookup
// dialog shows for a typed text, as one JSON array, each with what reading
// that place into the birth data form would fill in.
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "atlas/DstChangeFile.h"
#include "atlas/DstTableIndex.h"
#include "atlas/LocalClock.h"
#include "atlas/PlaceList.h"
#include "atlas/PlaceReading.h"
#include "atlas/PlacesTable.h"
#include "platform/CodePage.h"
#include "platform/MessageService.h"
#include "common/Calendar.h"
#include "common/MaskedFields.h"
#include "common/MessageTextFile.h"
#include "platform/MessageService.h"
#include "shell/batch/BatchCommands.h"
#include "shell/batch/JsonWriter.h"

namespace vostrane::batch {
namespace {

struct LocalMoment {
  std::string date;  // MMDDYYYY, as the form holds it
  std::string time;  // HHMMSS and A or P
};

std::optional<LocalMoment> ParseMoment(const std::string& date, const std::string& time) {
  int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
  char end = 0;
  if (std::sscanf(date.c_str(), "%d/%d/%d%c", &month, &day, &year, &end) != 3 ||
      std::sscanf(time.c_str(), "%d:%d:%d%c", &hour, &minute, &second, &end) != 3 || hour < 0 ||
      hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || year < 0 || year > 9999) {
    return std::nullopt;
  }
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%04d", month, day, year);
  LocalMoment m;
  m.date = text;
  if (!ParseDateText(m.date)) return std::nullopt;
  const TwelveHour twelve = To12Hour(hour);
  std::snprintf(text, sizeof text, "%02d%02d%02d%c", twelve.hours, minute, second, twelve.letter);
  m.time = text;
  return m;
}

// Passes each distinct message on once, repeating its answer afterwards:
// reading every listed place would give the same note for each row.
class EachMessageOnce : public MessageService {
 public:
  explicit EachMessageOnce(MessageService& next) : next_(next) {}
  MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                 const std::string& caption) override {
    const auto seen = answers_.find(text);
    if (seen != answers_.end()) return seen->second;
    return answers_[text] = next_.Show(text, icon, buttons, caption);
  }

 private:
  MessageService& next_;
  std::map<std::string, MsgAnswer> answers_;
};

const char* ClockWord(LocalClockKind kind) {
  switch (kind) {
    case LocalClockKind::Gap: return "gap";
    case LocalClockKind::Repeated: return "repeated";
    case LocalClockKind::Normal: break;
  }
  return "normal";
}

double Degrees(const std::string& text, size_t degreeDigits, char negative) {
  // DD(D), the letter, MM, SS as the form holds them.
  const double deg = std::stod(text.substr(0, degreeDigits));
  const double min = std::stod(text.substr(degreeDigits + 1, 2));
  const double sec = std::stod(text.substr(degreeDigits + 3, 2));
  const double value = deg + min / 60 + sec / 3600;
  return text[degreeDigits] == negative ? -value : value;
}

std::string RowJson(const PlaceList& list, int row, const std::optional<LocalMoment>& moment) {
  AtlasFields f;
  f.place = list.RowPlace(row);
  if (moment) {
    f.date = moment->date;
    f.time = moment->time;
  }
  // Without a date the place is read as for a chart without a zone lookup.
  ReadPlaceIntoFields(f, moment ? 0 : 1, PlacesTable(), list.RowRecord(row));
  const int table = std::stoi(f.dstTable);
  std::string json = "{\"row\": " + JsonString(RowPlaceName(list.Rows()[static_cast<size_t>(row)])) +
                     ", \"name\": " + JsonString(f.place) +
                     ", \"latitude\": " + JsonNumber(Degrees(f.latitude, 2, 'S')) +
                     ", \"longitude\": " + JsonNumber(Degrees(f.longitude, 3, 'E')) +
                     ", \"dst_table\": " + std::to_string(table < 0 ? -table : table) +
                     ", \"starred\": " + (table < 0 ? "true" : "false");
  if (moment && !f.zoneHours.empty() && !f.zoneMinutes.empty()) {
    const double zone = std::stod(f.zoneHours) + std::stod(f.zoneMinutes) / 60;
    json += ", \"zone\": " + JsonNumber(f.zoneEastWest == "E" ? -zone : zone) +
            ", \"daylight\": " + JsonString(f.daylight);
    if (const std::optional<LocalClockCheck> clock = CheckLocalClockOfFields(f))
      json += ", \"clock\": " + JsonString(ClockWord(clock->kind));
  }
  return json + "}";
}

}  // namespace

int RunPlace(const Args& args) {
  if (args.size() != 1 && args.size() != 3) {
    std::fprintf(stderr, "vostrane-batch: place takes TEXT [MM/DD/YYYY HH:MM:SS] (see --help)\n");
    return 2;
  }
  std::optional<LocalMoment> moment;
  if (args.size() == 3) {
    moment = ParseMoment(args[1], args[2]);
    if (!moment) {
      std::fprintf(stderr,
                   "vostrane-batch: the date must be MM/DD/YYYY and the time HH:MM:SS (24 hours)\n");
      return 2;
    }
  }
  // The lookup's messages are message texts.
  if (!OpenMessageTextFile()) {
    ShowMessage(MessageTextFileMissingText(), MsgIcon::Error);
    return 1;
  }
  if (moment) {
    LoadDstTableIndex();
    if (!OpenDstChangeFile()) {
      CloseMessageTextFile();
      return 1;
    }
  }
  if (!OpenPlacesTable()) {
    CloseDstChangeFile();
    CloseMessageTextFile();
    return 1;
  }
  int status = 0;
  MessageService& messages = Messages();
  EachMessageOnce once(messages);
  SetMessageService(&once);
  try {
    PlaceList list(PlacesTable(), "Place not found");
    list.Fill(Utf8ToCp1252(args[0]), ScrollDirection::None);
    std::string out = "[";
    for (int row = 0; row < kPlaceListRows; ++row) {
      if (!list.RowIsChoosable(row)) continue;
      out += (out.size() > 1 ? ",\n " : "") + RowJson(list, row, moment);
    }
    std::printf("%s]\n", out.c_str());
  } catch (const TableError& e) {
    std::fprintf(stderr, "vostrane-batch: %s\n", e.what());
    status = 1;
  }
  SetMessageService(&messages);
  ClosePlacesTable();
  CloseDstChangeFile();
  CloseMessageTextFile();
  return status;
}

}  // namespace vostrane::batch
