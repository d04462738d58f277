// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PageText.h"

#include <cmath>
#include <cstdlib>

#include "platform/TextTrim.h"
#include "common/AngleTime.h"
#include "common/Calendar.h"

namespace vostrane {

namespace {

// The texts below are built by appending to a string that already exists:
// g++ -O3 takes a literal put in front of a temporary string
// ("0" + std::to_string(n)) for an overlapping copy (-Wrestrict).
std::string Two(int n) {
  std::string text = n >= 0 && n <= 9 ? "0" : "";
  text += std::to_string(n);
  return text;
}

// Degrees, letter, minutes and seconds when they are not 0.
std::string GlobeText(double value, char positive, char negative) {
  const DegreesMinutesSeconds d = SplitDegrees(value);
  std::string text = std::to_string(d.degrees);
  text += value < 0 && (d.degrees || d.minutes || d.seconds) ? negative : positive;
  text += Two(d.minutes);
  if (d.seconds != 0) {
    text += '\'';
    text += Two(d.seconds);
    text += '"';
  }
  return text;
}

}  // namespace

std::string OrdinalSuffix(int n) {
  const int last2 = std::abs(n) % 100;
  if (last2 >= 11 && last2 <= 13) return "th";
  switch (std::abs(n) % 10) {
    case 1: return "st";
    case 2: return "nd";
    case 3: return "rd";
    default: return "th";
  }
}

std::string DateText(int month, int day, int year) {
  return std::string(MonthName(month)) + " " + std::to_string(day) + ", " + std::to_string(year);
}

std::string ClockText(int hours, int minutes, int seconds) {
  const int h = hours == 0 ? 12 : hours > 12 ? hours - 12 : hours;
  std::string text = std::to_string(h) + ":" + Two(minutes);
  if (seconds != 0) {
    text += ':';
    text += Two(seconds);
  }
  return text + (hours < 12 ? " AM" : " PM");
}

std::string ArcText(double degrees) {
  const DegreesMinutesSeconds d = SplitDegrees(degrees);
  std::string text = d.sign < 0 ? "-" : "";
  text += std::to_string(d.degrees);
  return text + "\xB0" + Two(d.minutes) + "'" + Two(d.seconds) + "\"";
}

std::string LatitudeText(double latitude) { return GlobeText(latitude, 'N', 'S'); }
std::string LongitudeText(double longitude) { return GlobeText(longitude, 'W', 'E'); }

std::string TimeZoneText(double zone) {
  const HoursMinutes z = SplitHours(zone);
  std::string text = "Time Zone: " + std::to_string(z.hours) + " ";
  if (z.minutes != 0) text += "hr " + std::to_string(z.minutes) + " min";
  else text += z.hours == 1 ? "hour" : "hours";
  // Greenwich itself lies neither west nor east.
  if (z.hours == 0 && z.minutes == 0) return text;
  return text + (zone >= 0 ? " West" : " East");
}

std::string LocalMeanTimeText(double longitude) {
  const DegreesMinutesSeconds d = SplitDegrees(longitude);
  std::string place = std::to_string(d.degrees) + "\xB0" + Two(d.minutes) + "'";
  if (d.seconds != 0) place += Two(d.seconds) + "\"";
  if (d.degrees || d.minutes || d.seconds) place += longitude < 0 ? " E" : " W";
  // Four minutes of time to the degree: the longitude's seconds of arc
  // divided by 15 are seconds of time.
  const long timeSeconds = std::lround(std::fabs(longitude) * 240.0);
  const std::string time = std::to_string(timeSeconds / 3600) + "h" +
                           Two(static_cast<int>(timeSeconds / 60 % 60)) + "m" +
                           Two(static_cast<int>(timeSeconds % 60)) + "s";
  return "Local Mean Time (longitude " + place + " = " + time + ")";
}

std::string DisplayName(const std::string& stored) {
  const size_t comma = stored.find(',');
  if (comma == std::string::npos) return stored;
  const std::string last = Trim(stored.substr(0, comma));
  const std::string first = Trim(stored.substr(comma + 1));
  if (first.empty()) return last;
  return first + " " + last;
}

std::vector<std::string> WrapText(const std::string& text, int maxWidth,
                                  const std::function<int(const std::string&)>& width) {
  std::vector<std::string> lines;
  std::string line;
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = text.find_first_not_of(' ', i);
    if (start == std::string::npos) break;
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    // Keep the blanks the text has between words (titles join parts with two).
    const std::string gap = line.empty() ? "" : text.substr(i, start - i);
    if (!line.empty() && width(line + gap + word) > maxWidth) {
      lines.push_back(line);
      line = word;
    } else {
      line += gap + word;
    }
    i = end;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace vostrane
