// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/batch/JsonWriter.h"

#include <cstdio>

#include "astro/BodySlots.h"
#include "common/AyanamsaNames.h"
#include "common/HouseSystemNames.h"
#include "derived/DerivedRequest.h"
#include "platform/CodePage.h"
#include "session/LunarApogeeSlots.h"

namespace vostrane::batch {
namespace {

std::string Number(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  std::string s = buf;
  if (s == "nan" || s == "inf" || s == "-inf" || s == "-nan") return "null";
  return s;
}

std::string Quoted(const std::string& cp1252) {
  std::string out = "\"";
  for (unsigned char c : Cp1252ToUtf8(cp1252)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

class ObjectWriter {
 public:
  void Raw(const char* key, const std::string& value) {
    out_ += (out_.empty() ? "{" : ", ");
    out_ += "\"";
    out_ += key;
    out_ += "\": " + value;
  }
  void Num(const char* key, double v) { Raw(key, Number(v)); }
  void Int(const char* key, long long v) { Raw(key, std::to_string(v)); }
  void Str(const char* key, const std::string& v) { Raw(key, Quoted(v)); }
  std::string Done() { return out_ + "}"; }

 private:
  std::string out_;
};

}  // namespace

std::string JsonString(const std::string& cp1252) { return Quoted(cp1252); }
std::string JsonNumber(double value) { return Number(value); }

std::string EntryToJson(const ChartEntry& e, const JsonFields& extra) {
  ObjectWriter w;
  w.Str("name", e.name());
  w.Int("month", e.month());
  w.Int("day", e.day());
  w.Int("year", e.year());
  w.Int("hours", e.hours());
  w.Int("minutes", e.minutes());
  w.Int("seconds", e.seconds());
  w.Str("place", e.place());
  w.Num("latitude", e.latitude());
  w.Num("longitude", e.longitude());
  w.Num("tzone", e.zoneHoursWest());
  w.Int("dstcode", e.daylightCode());
  w.Int("charttype", e.chartType());
  w.Int("chartypxtr", e.chartSubtype());
  w.Int("harmonic", e.harmonic());
  const std::optional<DerivedKind> kind = KindOfEntry(e);
  w.Str("kind", kind ? DerivedKindName(*kind) : e.chartType() == 0 ? "Natal Chart" : "Other");
  w.Int("base", e.baseEntry());
  w.Int("secondBase", e.secondBaseEntry());
  w.Int("level", e.level());
  w.Str("zodsel", std::string(1, e.zodiacLetter()));
  w.Str("housesys", std::string(1, e.houseSystemLetter()));
  const std::optional<HouseSystemId> system = HouseSystemOfLetter(e.houseSystemLetter());
  w.Str("house_system", system ? NameOfHouseSystem(*system) : "");
  w.Str("usertype", std::string(1, e.userZodiacType()));
  w.Num("gmt", e.universalTimeHours());
  w.Num("julday", e.julianDayUt());
  w.Num("obliq", e.obliquityRad());
  w.Num("ayan", e.ayanamsaDeg());
  w.Num("deltat", e.deltaTSeconds());
  w.Num("t", e.centuriesSince1900Ut());
  w.Num("ramc", e.ramcRad());
  w.Num("moonnode", e.moonNodeDeg());
  w.Num("vertex", e.vertex());
  w.Num("eastpt", e.eastPoint());
  w.Num("asc", e.asc());
  w.Num("mc", e.mc());
  w.Num("coasc", e.coAscendant());
  w.Num("polarasc", e.polarAscendant());
  // The sidereal zodiac's ayanamsa, a positive angle (a sidereal entry
  // stores it negated); none for a tropical chart.
  const std::optional<AyanamsaKind> ayanamsa = AyanamsaOfZodiacLetter(e.zodiacLetter());
  if (ayanamsa) {
    ObjectWriter a;
    a.Str("name", NameOfAyanamsa(*ayanamsa));
    a.Num("degrees", -e.ayanamsaDeg());
    w.Raw("ayanamsa", a.Done());
  } else {
    w.Raw("ayanamsa", "null");
  }
  // The points of the Moon's orbit beside the mean node; the apogee is null
  // for an entry calculated before the program knew it.
  w.Num("node_true", e.lon(slot::TrueNode));
  const bool apogee = HasLunarApogee(e);
  w.Raw("lilith_mean", apogee ? Number(e.lon(slot::MeanApogee)) : "null");
  w.Raw("lilith_true", apogee ? Number(e.lon(slot::OsculatingApogee)) : "null");
  std::string cusps = "[";
  for (int h = 1; h <= 6; ++h) cusps += (h > 1 ? ", " : "") + Number(e.cusp(h));
  w.Raw("cusps", cusps + "]");
  const std::pair<const char*, BodyArray> arrays[] = {
      {"lon", BodyArray::Lon},   {"lat", BodyArray::Lat},   {"speed", BodyArray::Speed},
      {"hlon", BodyArray::HLon}, {"hlat", BodyArray::HLat}, {"hspeed", BodyArray::HSpeed},
      {"ra", BodyArray::Ra},     {"decl", BodyArray::Decl}};
  for (const auto& [key, array] : arrays) {
    std::string list = "[";
    // A body without values for the entry's moment (its file was missing or
    // damaged) is null, never the zeros its slots hold.
    for (int s = 0; s < kSlots; ++s)
      list += (s ? ", " : "") + (e.bodyAvailable(s) ? Number(e.body(array, s)) : std::string("null"));
    w.Raw(key, list + "]");
  }
  for (const auto& [key, value] : extra) w.Raw(key.c_str(), value);
  return w.Done();
}

}  // namespace vostrane::batch
