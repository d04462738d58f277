// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/EntryDescriptions.h"

#include "derived/DerivedRequest.h"
#include "entry/DateNotes.h"
#include "platform/TextTrim.h"
#include "common/MaskedFields.h"

namespace vostrane {
namespace {

constexpr char kDegreeSign = '\xB0';  // Windows-1252

// The second header line: the kind of chart (of a derived chart the kind
// it was made as) and a harmonic above 1.
std::string KindLine(const ChartEntry& entry) {
  const std::optional<DerivedKind> kind = KindOfEntry(entry);
  std::string line = kind ? DerivedKindName(*kind) : ChartKindName(entry.chartType());
  if (entry.harmonic() > 1) line += ", Harmonic " + std::to_string(entry.harmonic());
  return line;
}

}  // namespace

std::string ChartKindName(int chartType) {
  switch (chartType) {
    case 0: return "Natal Chart";
    case 1: return "Composite Chart";
    case 2: return "Solar Return";
    case 3: return "Lunar Return";
    case 4: return "Progressed Chart";
    case 6: return "Relocated Chart";
    case 7: return "Planet Return";
    default: return "Chart";
  }
}

std::string TimeDisplay(const std::string& t) {
  if (t.size() < 7) return t;
  return t.substr(0, 2) + ":" + t.substr(2, 2) + ":" + t.substr(4, 2) + " " + t[6] + "M";
}

std::string LatitudeDisplay(const std::string& t) {
  if (t.size() < 7) return t;
  return t.substr(0, 2) + kDegreeSign + t.substr(3, 2) + "'" + t.substr(5, 2) + "\"" + t[2];
}

std::string LongitudeDisplay(const std::string& t) {
  if (t.size() < 8) return t;
  return t.substr(0, 3) + kDegreeSign + t.substr(4, 2) + "'" + t.substr(6, 2) + "\"" + t[3];
}

std::array<std::string, 4> HeaderLines(const ChartEntry& entry, const BirthDataFields& f,
                                       int entryNumber, int entryCount) {
  std::array<std::string, 4> lines;
  lines[0] = "Entry " + std::to_string(entryNumber) + " of " + std::to_string(entryCount) + ": " +
             Trim(f.name);
  lines[1] = KindLine(entry);
  const std::optional<CalendarDate> date = ParseDateText(f.date);
  lines[2] = (date ? DateInWords(*date) : std::string()) + "   " + TimeDisplay(f.time);
  lines[3] = Trim(f.place) + "   " + LatitudeDisplay(f.latitude) + " " + LongitudeDisplay(f.longitude);
  return lines;
}

std::string EntryListLine(int k, const ChartEntry& entry, const std::string& compositeWord) {
  std::string line = std::to_string(k) + ": ";
  // An entry whose name is still to be typed says so rather than show a gap.
  const std::string name = Trim(entry.name()).empty() ? std::string(kNoNameYet) : entry.name();
  switch (entry.chartType()) {
    case 0:
      line += name + "  Natal";
      if (entry.harmonic() > 1) line += ", " + std::to_string(entry.harmonic());
      break;
    case 1:
      line += compositeWord + " of entry " + std::to_string(entry.baseEntry()) + " and " +
              std::to_string(entry.secondBaseEntry());
      break;
    default: line += name + " " + KindLine(entry); break;
  }
  return line;
}

}  // namespace vostrane
