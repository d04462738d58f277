// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/PersonExchange.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>

#include "astro/TimeScales.h"
#include "common/AngleTime.h"
#include "common/Calendar.h"
#include "common/CsvRows.h"
#include "common/MaskedFields.h"
#include "common/NumberText.h"
#include "entry/BirthDataFields.h"
#include "platform/CodePage.h"
#include "platform/TextTrim.h"

namespace vostrane {
namespace {

// A person's birth data as numbers: what both formats are written from
// and read into.
struct Birth {
  std::string name, place;  // Windows-1252
  CalendarDate date;
  ClockTime time;                                       // 24 hours
  int latSign = 1, latDeg = 0, latMin = 0, latSec = 0;  // north positive
  int lonSign = 1, lonDeg = 0, lonMin = 0, lonSec = 0;  // west positive
  int zoneSign = 1, zoneHours = 0, zoneMinutes = 0;     // west positive
  char daylight = 'N';
};

std::string Digits(int value, int width) { return IntegerToText(value, width, 'Z'); }

std::string Letter(bool first, char a, char b) { return std::string(1, first ? a : b); }

BirthDataFields FieldsOf(const Birth& b) {
  BirthDataFields f;
  f.name = b.name;
  f.place = b.place;
  f.date = DateFieldText(b.date);
  const TwelveHour twelve = To12Hour(b.time.hours);
  f.time = Digits(twelve.hours, 2) + Digits(b.time.minutes, 2) + Digits(b.time.seconds, 2) +
           twelve.letter;
  f.latitude = Digits(b.latDeg, 2) + Letter(b.latSign > 0, 'N', 'S') + Digits(b.latMin, 2) +
               Digits(b.latSec, 2);
  f.longitude = Digits(b.lonDeg, 3) + Letter(b.lonSign > 0, 'W', 'E') + Digits(b.lonMin, 2) +
                Digits(b.lonSec, 2);
  f.zoneHours = std::to_string(b.zoneHours);
  f.zoneMinutes = Digits(b.zoneMinutes, 2);
  f.zoneEastWest = Letter(b.zoneSign > 0, 'W', 'E');
  f.daylight = std::string(1, b.daylight);
  f.dstTable = "0";
  return f;
}

int DigitsAt(const std::string& text, size_t pos, size_t n) {
  const std::optional<int> v = pos + n <= text.size() ? ParseInteger(text.substr(pos, n)) : std::nullopt;
  return v ? *v : 0;
}

Birth BirthOf(const BirthDataFields& f) {
  Birth b;
  b.name = Trim(f.name);
  b.place = Trim(f.place);
  b.date = ParseDateText(f.date).value_or(CalendarDate{});
  b.time = ParseTimeText(f.time).value_or(ClockTime{});
  const std::string lat = f.latitude.size() == 6 ? "0" + f.latitude : f.latitude;
  b.latDeg = DigitsAt(lat, 0, 2);
  b.latSign = lat.size() > 2 && lat[2] == 'S' ? -1 : 1;
  b.latMin = DigitsAt(lat, 3, 2);
  b.latSec = DigitsAt(lat, 5, 2);
  b.lonDeg = DigitsAt(f.longitude, 0, 3);
  b.lonSign = f.longitude.size() > 3 && f.longitude[3] == 'E' ? -1 : 1;
  b.lonMin = DigitsAt(f.longitude, 4, 2);
  b.lonSec = DigitsAt(f.longitude, 6, 2);
  b.zoneHours = ParseInteger(Trim(f.zoneHours)).value_or(0);
  b.zoneMinutes = ParseInteger(Trim(f.zoneMinutes)).value_or(0);
  b.zoneSign = f.zoneEastWest == "E" ? -1 : 1;
  b.daylight = f.daylight.empty() ? 'N' : f.daylight[0];
  return b;
}

double Degrees(int sign, int deg, int min, int sec) { return sign * (deg + min / 60.0 + sec / 3600.0); }

// Decimal text without trailing zeros ("51.5", "-0.1275", "0").
std::string DecimalText(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

// Splits at every `separator`.
std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) parts.emplace_back();
    else parts.back() += c;
  }
  return parts;
}

std::optional<int> Number(const std::string& text) {
  const std::string t = Trim(text);
  if (t.empty() || t.find(' ') != std::string::npos) return std::nullopt;
  return ParseInteger(t);
}

// ---- checks shared by both formats -------------------------------------

std::optional<std::string> DateFault(const CalendarDate& d) {
  if (d.month < 1 || d.month > 12 || d.day < 1 || d.year < -999 || d.year > 2300 ||
      d.day > DaysInMonth(d.month, d.year))
    return "the date is not a real day (years -999 to 2300)";
  return std::nullopt;
}

// Splits a time "H:MM" or "H:MM:SS" (24 hours; '.' also separates).
std::optional<ClockTime> ParseClock(const std::string& text) {
  std::string t = Trim(text);
  for (char& c : t)
    if (c == '.') c = ':';
  const std::vector<std::string> parts = Split(t, ':');
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  const auto h = Number(parts[0]), m = Number(parts[1]);
  const auto s = parts.size() == 3 ? Number(parts[2]) : std::optional<int>(0);
  if (!h || !m || !s || *h < 0 || *h > 23 || *m < 0 || *m > 59 || *s < 0 || *s > 59) return std::nullopt;
  return ClockTime{*h, *m, *s};
}

// A name or place in the name file's code page, at most 25 characters.
std::optional<std::string> FieldText(const std::string& utf8, const char* what, ExchangeReading& reading,
                                     std::string& fault) {
  const std::string text = Trim(Utf8ToCp1252Transliterated(utf8, &reading.transliterated));
  if (text.empty()) {
    fault = std::string("the ") + what + " is empty";
    return std::nullopt;
  }
  if (text.size() > 25) {
    fault = std::string("the ") + what + " is longer than 25 characters";
    return std::nullopt;
  }
  return text;
}

void SetDegrees(double value, int& sign, int& deg, int& min, int& sec) {
  const DegreesMinutesSeconds dms = SplitDegrees(value);
  sign = dms.sign < 0 ? -1 : 1;
  deg = dms.degrees;
  min = dms.minutes;
  sec = dms.seconds;
}

// ---- line reading ----------------------------------------------------------

// The next line without its end; false at the end of the input. A line
// longer than kLongestExchangeLine is read past and `tooLong` set.
bool NextLine(std::istream& in, std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  std::streambuf* buffer = in.rdbuf();
  int c = buffer->sbumpc();
  if (c == std::char_traits<char>::eof()) return false;
  for (; c != std::char_traits<char>::eof() && c != '\n'; c = buffer->sbumpc()) {
    if (line.size() < kLongestExchangeLine) line += static_cast<char>(c);
    else tooLong = true;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

// Checks the raw line; a fault is recorded and false returned.
bool UsableLine(const std::string& line, bool tooLong, int number, ExchangeReading& reading) {
  if (tooLong) {
    reading.faults.push_back(
        {number, "the line is longer than " + std::to_string(kLongestExchangeLine) + " bytes"});
    return false;
  }
  if (!IsValidUtf8(line) || line.find('\0') != std::string::npos) {
    reading.faults.push_back({number, "the line is not UTF-8 text"});
    return false;
  }
  return true;
}

// ---- AAF -------------------------------------------------------------------

// "48n24", "48N24:30", "10e00", "122w25:10": degrees, letter, minutes and
// optional seconds. `positive` is the letter that gives a positive value.
bool ParseAafAngle(const std::string& text, const char* letters, char positive, int maxDegrees,
                   int& sign, int& deg, int& min, int& sec) {
  const std::string t = Trim(text);
  const size_t at = t.find_first_of(letters);
  if (at == std::string::npos || at == 0) return false;
  const std::vector<std::string> rest = Split(t.substr(at + 1), ':');
  const auto d = Number(t.substr(0, at));
  const auto m = rest[0].empty() ? std::optional<int>(0) : Number(rest[0]);
  const auto s = rest.size() > 1 ? Number(rest[1]) : std::optional<int>(0);
  if (!d || !m || !s || rest.size() > 2 || *d < 0 || *m < 0 || *m > 59 || *s < 0 || *s > 59)
    return false;
  if (*d > maxDegrees || (*d == maxDegrees && (*m > 0 || *s > 0))) return false;
  sign = std::tolower(static_cast<unsigned char>(t[at])) == positive ? 1 : -1;
  deg = *d;
  min = *m;
  sec = *s;
  return true;
}

// "1he00", "5hw30", "1h", "1": hours, 'h', e or w (east when missing),
// minutes. "*" (not given) is zone 0.
bool ParseAafZone(const std::string& text, Birth& b) {
  const std::string t = Trim(text);
  b.zoneSign = -1;
  b.zoneHours = b.zoneMinutes = 0;
  if (t == "*") return true;
  size_t end = t.find_first_of("hHeEwW");
  const auto h = Number(t.substr(0, end));
  if (!h || *h < -13 || *h > 13) return false;
  b.zoneHours = std::abs(*h);
  b.zoneSign = *h < 0 ? 1 : -1;
  if (end == std::string::npos) return true;
  if (t[end] == 'h' || t[end] == 'H') ++end;
  if (end < t.size() && (t[end] == 'w' || t[end] == 'W')) b.zoneSign = -b.zoneSign;
  if (end < t.size() && std::string("eEwW").find(t[end]) != std::string::npos) ++end;
  if (end == t.size()) return true;
  const auto m = Number(t.substr(end));
  if (!m || *m < 0 || *m > 59) return false;
  b.zoneMinutes = *m;
  return true;
}

char DaylightOfAaf(const std::string& text) {
  const std::string t = Trim(text);
  if (t == "1") return 'Y';
  if (t == "2") return 'D';
  if (t == "L" || t == "l") return 'L';
  return 'N';
}

const char* const kWarTimeNote = "#:daylight W";

class AafReader {
 public:
  explicit AafReader(ExchangeReading& reading) : reading_(reading) {}

  void Line(const std::string& line, int number) {
    if (line.rfind("#A93:", 0) == 0) {
      Finish();
      StartPerson(line.substr(5), number);
    } else if (line.rfind("#B93:", 0) == 0) {
      Coordinates(line.substr(5), number);
    } else if (line == kWarTimeNote && pending_ && hasCoordinates_ && birth_.daylight == 'Y') {
      birth_.daylight = 'W';
    }
  }

  // A person whose line was damaged loses its place.
  void Drop() { pending_ = false; }

  void Finish() {
    if (!pending_) return;
    pending_ = false;
    if (!hasCoordinates_) {
      reading_.faults.push_back({line_, "no #B93 line with the coordinates follows"});
      return;
    }
    reading_.persons.push_back({FieldsOf(birth_), line_});
  }

 private:
  void Fault(int number, const std::string& reason) {
    reading_.faults.push_back({number, reason});
    pending_ = false;
  }

  void StartPerson(const std::string& text, int number) {
    const std::vector<std::string> f = Split(text, ',');
    if (f.size() != 7) {
      reading_.faults.push_back(
          {number, "a #A93 line needs 7 fields (name, first name, sex, date, time, place, country)"});
      return;
    }
    birth_ = Birth{};
    line_ = number;
    hasCoordinates_ = false;
    const std::string first = Trim(f[1]);
    const std::string name = Trim(f[0]) + (first.empty() || first == "*" ? "" : ", " + first);
    const std::string country = Trim(f[6]);
    const std::string place = Trim(f[5]) + (country.empty() || country == "*" ? "" : ", " + country);
    std::string fault;
    const auto nameText = FieldText(name, "name", reading_, fault);
    const auto placeText = nameText ? FieldText(place, "place", reading_, fault) : std::nullopt;
    if (!nameText || !placeText) return Fault(number, fault);
    birth_.name = *nameText;
    birth_.place = *placeText;
    const std::vector<std::string> d = Split(Trim(f[3]), '.');
    const auto day = d.size() == 3 ? Number(d[0]) : std::nullopt;
    const auto month = d.size() == 3 ? Number(d[1]) : std::nullopt;
    const auto year = d.size() == 3 ? Number(d[2]) : std::nullopt;
    if (!day || !month || !year) return Fault(number, "the date must be D.M.YYYY");
    birth_.date = {*month, *day, *year};
    if (const auto bad = DateFault(birth_.date)) return Fault(number, *bad);
    if (Trim(f[4]) == "*") return Fault(number, "the birth time is not given");
    const auto time = ParseClock(f[4]);
    if (!time) return Fault(number, "the time must be H:MM or H:MM:SS (24 hours)");
    birth_.time = *time;
    pending_ = true;
  }

  void Coordinates(const std::string& text, int number) {
    if (!pending_) return;
    const std::vector<std::string> f = Split(text, ',');
    if (f.size() < 4 || f.size() > 5) {
      return Fault(number,
                   "a #B93 line needs 5 fields (Julian day, latitude, longitude, zone, daylight)");
    }
    if (Trim(f[0]) != "*" && !ParseDecimal(Trim(f[0])))
      return Fault(number, "the Julian day is not a number");
    if (!ParseAafAngle(f[1], "nNsS", 'n', 90, birth_.latSign, birth_.latDeg, birth_.latMin,
                       birth_.latSec))
      return Fault(number, "the latitude must be like 48n24 or 33s52:10");
    // Longitudes are west positive in the name file.
    if (!ParseAafAngle(f[2], "eEwW", 'w', 180, birth_.lonSign, birth_.lonDeg, birth_.lonMin,
                       birth_.lonSec))
      return Fault(number, "the longitude must be like 10e00 or 122w25:10");
    if (!ParseAafZone(f[3], birth_)) return Fault(number, "the zone must be like 1he00 or 5hw00");
    birth_.daylight = f.size() == 5 ? DaylightOfAaf(f[4]) : 'N';
    hasCoordinates_ = true;
  }

  ExchangeReading& reading_;
  Birth birth_;
  bool pending_ = false;
  bool hasCoordinates_ = false;
  int line_ = 0;
};

// AAF fields hold no commas.
std::string AafText(const std::string& cp1252) {
  std::string text = Cp1252ToUtf8(cp1252);
  for (char& c : text)
    if (c == ',') c = ';';
  return text;
}

std::string AafAngle(int deg, char letter, int min, int sec) {
  return std::to_string(deg) + letter + Digits(min, 2) + (sec ? ":" + Digits(sec, 2) : "");
}

int DaylightHours(char letter) { return letter == 'D' ? 2 : letter == 'Y' || letter == 'W' ? 1 : 0; }

void WriteAafPerson(const Birth& b, std::string& out) {
  const size_t comma = b.name.find(", ");
  const std::string surname = comma == std::string::npos ? b.name : b.name.substr(0, comma);
  const std::string first = comma == std::string::npos ? "*" : b.name.substr(comma + 2);
  const size_t lastComma = b.place.rfind(", ");
  const std::string city = lastComma == std::string::npos ? b.place : b.place.substr(0, lastComma);
  const std::string country = lastComma == std::string::npos ? "*" : b.place.substr(lastComma + 2);
  out += "#A93:" + AafText(surname) + "," + AafText(first) + ",*," + std::to_string(b.date.day) + "." +
         std::to_string(b.date.month) + "." + std::to_string(b.date.year) + "," +
         std::to_string(b.time.hours) + ":" + Digits(b.time.minutes, 2) +
         (b.time.seconds ? ":" + Digits(b.time.seconds, 2) : "") + "," + AafText(city) + "," +
         AafText(country) + "\n";

  // Universal Time of the birth: the zone (west positive) added and the
  // daylight hours taken off; local mean time runs with the longitude.
  const double local = b.time.hours + b.time.minutes / 60.0 + b.time.seconds / 3600.0;
  const double zone = b.daylight == 'L' ? Degrees(b.lonSign, b.lonDeg, b.lonMin, b.lonSec) / 15.0
                                        : b.zoneSign * (b.zoneHours + b.zoneMinutes / 60.0);
  const double ut = local + zone - DaylightHours(b.daylight);
  const double jd = GregorianJulDay(b.date.month, b.date.day, b.date.year) + ut / 24.0;
  const std::string zoneText = std::to_string(b.zoneHours) + "h" + (b.zoneSign > 0 ? "w" : "e") +
                               Digits(b.zoneMinutes, 2);
  const std::string daylight = b.daylight == 'L' ? "L" : std::to_string(DaylightHours(b.daylight));
  out += "#B93:" + DecimalText(jd, 6) + "," +
         AafAngle(b.latDeg, b.latSign > 0 ? 'n' : 's', b.latMin, b.latSec) + "," +
         AafAngle(b.lonDeg, b.lonSign > 0 ? 'w' : 'e', b.lonMin, b.lonSec) + "," + zoneText + "," +
         daylight + "\n";
  // AAF has no war time: a note only this program reads keeps it apart
  // from daylight time.
  if (b.daylight == 'W') out += std::string(kWarTimeNote) + "\n";
}

// ---- CSV -------------------------------------------------------------------

const char* const kCsvHeader = "name,date,time,latitude,longitude,zone,daylight,zodiac,houses,place";

std::optional<std::string> CsvPerson(const std::vector<std::string>& f, ExchangeReading& reading,
                                     Birth& b) {
  if (f.size() < 7 || f.size() > 10)
    return std::string("a row needs 7 to 10 fields (") + kCsvHeader + ")";
  std::string fault;
  const auto name = FieldText(f[0], "name", reading, fault);
  if (!name) return fault;
  b.name = *name;
  const std::vector<std::string> d = Split(Trim(f[1]), '/');
  const auto month = d.size() == 3 ? Number(d[0]) : std::nullopt;
  const auto day = d.size() == 3 ? Number(d[1]) : std::nullopt;
  const auto year = d.size() == 3 ? Number(d[2]) : std::nullopt;
  if (!month || !day || !year) return "the date must be MM/DD/YYYY";
  b.date = {*month, *day, *year};
  if (const auto bad = DateFault(b.date)) return bad;
  const auto time = ParseClock(f[2]);
  if (!time) return "the time must be HH:MM:SS (24 hours)";
  b.time = *time;
  const auto lat = ParseDecimal(Trim(f[3]));
  const auto lon = ParseDecimal(Trim(f[4]));
  const auto zone = ParseDecimal(Trim(f[5]));
  if (!lat || std::fabs(*lat) > 90) return "the latitude must be -90 to 90 (north positive)";
  if (!lon || std::fabs(*lon) > 180) return "the longitude must be -180 to 180 (west positive)";
  if (!zone || std::fabs(*zone) > 13.99) return "the zone must be -13 to 13 hours (west positive)";
  SetDegrees(*lat, b.latSign, b.latDeg, b.latMin, b.latSec);
  SetDegrees(*lon, b.lonSign, b.lonDeg, b.lonMin, b.lonSec);
  const HoursMinutes hm = SplitHours(*zone);
  b.zoneSign = hm.sign < 0 ? -1 : 1;
  b.zoneHours = hm.hours;
  b.zoneMinutes = hm.minutes;
  const std::string daylight = Trim(f[6]);
  if (daylight.size() != 1 || std::string(kDaylightLetters).find(daylight[0]) == std::string::npos)
    return "the daylight letter must be one of N Y W D L";
  b.daylight = daylight[0];
  // A row of chart-csv input has no place: it is named by its coordinates.
  const std::string place = f.size() == 10 ? Trim(f[9]) : "";
  if (place.empty()) {
    b.place = FieldsOf(b).latitude + " " + FieldsOf(b).longitude;
  } else {
    const auto text = FieldText(place, "place", reading, fault);
    if (!text) return fault;
    b.place = *text;
  }
  return std::nullopt;
}

void WriteCsvPerson(const Birth& b, std::string& out) {
  out += CsvField(Cp1252ToUtf8(b.name)) + "," + Digits(b.date.month, 2) + "/" + Digits(b.date.day, 2) +
         "/" + Digits(b.date.year, 4) + "," + Digits(b.time.hours, 2) + ":" + Digits(b.time.minutes, 2) +
         ":" + Digits(b.time.seconds, 2) + "," +
         DecimalText(Degrees(b.latSign, b.latDeg, b.latMin, b.latSec), 6) + "," +
         DecimalText(Degrees(b.lonSign, b.lonDeg, b.lonMin, b.lonSec), 6) + "," +
         DecimalText(b.zoneSign * (b.zoneHours + b.zoneMinutes / 60.0), 6) + "," + b.daylight + ",,," +
         CsvField(Cp1252ToUtf8(b.place)) + "\n";
}

}  // namespace

ExchangeFormat ExchangeFormatOfFile(const std::string& path) {
  const size_t dot = path.rfind('.');
  std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == "aaf" ? ExchangeFormat::Aaf : ExchangeFormat::Csv;
}

ExchangeReading ReadExchange(std::istream& in, ExchangeFormat format) {
  ExchangeReading reading;
  AafReader aaf(reading);
  std::string line;
  bool tooLong = false;
  for (int number = 1; NextLine(in, line, tooLong); ++number) {
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (!UsableLine(line, tooLong, number, reading)) {
      // A damaged #A93 line ends the person before it; a damaged #B93 line
      // spoils its person.
      if (format == ExchangeFormat::Aaf && line.rfind("#A93", 0) == 0) aaf.Finish();
      if (format == ExchangeFormat::Aaf && line.rfind("#B93", 0) == 0) aaf.Drop();
      continue;
    }
    if (format == ExchangeFormat::Aaf) {
      aaf.Line(line, number);
      continue;
    }
    if (number == 1 || Trim(line).empty()) continue;  // the header
    std::istringstream row(line);
    CsvReader csv(row);
    std::vector<std::string> fields;
    csv.Next(fields);
    if (csv.Fault()) {
      reading.faults.push_back({number, *csv.Fault()});
      continue;
    }
    Birth birth;
    if (const auto fault = CsvPerson(fields, reading, birth)) reading.faults.push_back({number, *fault});
    else reading.persons.push_back({FieldsOf(birth), number});
  }
  aaf.Finish();
  return reading;
}

std::string WriteExchange(const std::vector<BirthDataFields>& persons, ExchangeFormat format) {
  std::string out = format == ExchangeFormat::Csv ? std::string(kCsvHeader) + "\n" : "";
  for (const BirthDataFields& fields : persons) {
    if (format == ExchangeFormat::Aaf) WriteAafPerson(BirthOf(fields), out);
    else WriteCsvPerson(BirthOf(fields), out);
  }
  return out;
}

}  // namespace vostrane
