// SPDX-License-Identifier: GPL-3.0-or-later
// One chart entry of the session file: a packed, little-endian record of
// 7730 bytes. The record is kept as raw bytes so that every area the program
// does not interpret travels unchanged; fields are reached through named
// accessors at their fixed offsets.
#pragma once

#include <cstdint>
#include <string>

#include "platform/PackedRecord.h"

namespace vostrane {

constexpr size_t kEntrySize = 7730;
constexpr int kSlots = 32;  // doubles per body array; slots 0..30 carry bodies

// The record's layout: one line per field with its name, byte offset, size
// in bytes and meaning. The accessors of ChartEntry below read and write at
// these offsets; nothing else needs to know them.
namespace entry_offset {
//                                    offset      size  meaning
constexpr size_t used = 0;              //    1  1 = entry present, 0 = the terminator
constexpr size_t printoutFlags = 2;     //   18  'Y'/'N' printout option flags 2..19
constexpr size_t printoutParams = 20;   // 2400  i32[600], element j at 16 + 4 j
constexpr size_t printoutCodes = 2420;  //  600  3-letter code of row k, group g at 2393 + 24 k + 3 g
constexpr size_t blockA = 3620;         //  350  printout option block A, carried unchanged
constexpr size_t blockB = 3970;         //   84  printout option block B, carried unchanged
constexpr size_t chartType = 4054;      //    1  u8, values in chart_type below
constexpr size_t chartSubtype = 4055;   //    1  u8, the kind of progression, direction or composite
constexpr size_t harmonic = 4056;       //    2  i16, 1 for an ordinary chart
constexpr size_t name = 4058;           //   26  string[25], the person or event
constexpr size_t month = 4084;          //    4  i32, 1..12
constexpr size_t day = 4088;            //    4  i32, 1..31
constexpr size_t year = 4092;           //    4  i32, negative before the common era
constexpr size_t hours = 4096;          //    4  i32, clock time 0..23
constexpr size_t minutes = 4100;        //    4  i32
constexpr size_t seconds = 4104;        //    4  i32
constexpr size_t place = 4108;          //   26  string[25]
constexpr size_t latitude = 4134;       //    8  f64 degrees, north positive
constexpr size_t longitude = 4142;      //    8  f64 degrees, west positive
constexpr size_t zoneHoursWest = 4150;  //    8  f64 hours, added to clock time to give UT
constexpr size_t daylightCode =
    4158;  //    1  u8: 0 none, 1 and 2 one hour, 3 two hours, 4 local mean time
constexpr size_t universalTimeHours = 4159;    // 8  f64, time of day in UT
constexpr size_t julianDayUt = 4167;           //    8  f64
constexpr size_t obliquityRad = 4175;          //    8  f64, true obliquity in radians
constexpr size_t ayanamsaDeg = 4183;           //    8  f64 degrees: minus K tropical, K sidereal
constexpr size_t deltaTSeconds = 4191;         //    8  f64
constexpr size_t centuriesSince1900Ut = 4199;  // 8  f64, Julian centuries since 1900 January 0.5 UT
constexpr size_t ramcRad = 4207;               //    8  f64 radians
constexpr size_t moonNodeDeg = 4215;           //    8  f64, mean node with the zodiac offset
constexpr size_t vertex = 4223;                //    8  f64 degrees
constexpr size_t eastPoint = 4231;             //    8  f64 degrees
constexpr size_t asc = 4239;                   //    8  f64 degrees, the Ascendant
constexpr size_t mc = 4247;                    //    8  f64 degrees, the Midheaven
constexpr size_t cusps = 4255;                 //   48  f64[6], cusps 1..6
constexpr size_t lon = 4303;           //  256  f64[32] per body array, eight arrays in BodyArray order
constexpr size_t lat = 4559;           //  256
constexpr size_t speed = 4815;         //  256
constexpr size_t hlon = 5071;          //  256
constexpr size_t hlat = 5327;          //  256
constexpr size_t hspeed = 5583;        //  256
constexpr size_t ra = 5839;            //  256
constexpr size_t decl = 6095;          //  256
constexpr size_t zodiacLetter = 6351;  //    1  'T' tropical, else a sidereal zodiac's letter
constexpr size_t houseSystemLetter = 6352;    //    1  house system letter, 'F' Placidus in a new entry
constexpr size_t userZodiacType = 6353;       //    1  'A' = no user-defined zodiac
constexpr size_t reservedInteger = 6354;      //    4  i32, 0 in a new entry, not interpreted
constexpr size_t reservedText25 = 6358;       //   26  string[25], emptied when the file is created
constexpr size_t reservedText51 = 6400;       //   52  string[51], emptied when the file is created
constexpr size_t baseEntry = 6452;            //    4  i32, the entry a derived chart is made from
constexpr size_t secondBaseEntry = 6456;      //    4  i32, a composite's partner entry
constexpr size_t level = 6460;                //    4  i32, 0 natal, base level + 1 when derived
constexpr size_t nameRecord = 6464;           //    4  i32, the person's record in the name file, 0 none
constexpr size_t saveMarker = 6468;           //    1  'N' = not saved to the name file
constexpr size_t asteroidsCalculated = 6469;  // 1  'Y' when asteroid positions were calculated
constexpr size_t biography = 6470;            //  360  two parts of 180 characters
constexpr size_t dstTable = 6830;             //    4  i32, the daylight table used
// 'Y' once the calculation driver has completed every step of the entry;
// anything else (a new entry, or one whose calculation ended early) is not
// complete. The first byte of a reserved area.
constexpr size_t calcComplete = 6834;       //    1
constexpr size_t alternateName = 6884;      //   26  string[25]
constexpr size_t blockC = 6910;             //  800  printout option block C, carried unchanged
constexpr size_t birthDataSource = 7710;    //    2  char[2], "XX" = not given
constexpr size_t birthDataAccuracy = 7712;  //    2  char[2], "XX" = not given
constexpr size_t coAscendant = 7714;        //    8  f64 degrees
constexpr size_t polarAscendant = 7722;     //    8  f64 degrees
}  // namespace entry_offset

// Values of `chartType`: 0 natal, the others derived from base entries.
// Type 5 gets neither houses nor planets from the calculation driver.
namespace chart_type {
constexpr uint8_t kNatal = 0;
constexpr uint8_t kComposite = 1;
constexpr uint8_t kSolarReturn = 2;
constexpr uint8_t kLunarReturn = 3;
constexpr uint8_t kProgressed = 4;
constexpr uint8_t kNoCalculation = 5;
constexpr uint8_t kRelocated = 6;
constexpr uint8_t kPlanetReturn = 7;
constexpr uint8_t kEvent = 8;
}  // namespace chart_type

// The per-body arrays of the calculated block, in record order.
enum class BodyArray { Lon, Lat, Speed, HLon, HLat, HSpeed, Ra, Decl };

class ChartEntry : public PackedRecord<kEntrySize> {
 public:
  // Birth data.
  bool used() const { return Data()[entry_offset::used] != 0; }
  void setUsed(bool v) { Data()[entry_offset::used] = v ? 1 : 0; }
  uint8_t chartType() const { return Data()[entry_offset::chartType]; }
  void setChartType(uint8_t v) { Data()[entry_offset::chartType] = v; }
  uint8_t chartSubtype() const { return Data()[entry_offset::chartSubtype]; }
  void setChartSubtype(uint8_t v) { Data()[entry_offset::chartSubtype] = v; }
  int16_t harmonic() const { return Get<int16_t>(entry_offset::harmonic); }
  void setHarmonic(int16_t v) { Set(entry_offset::harmonic, v); }
  std::string name() const { return GetString(entry_offset::name, 25); }
  void setName(const std::string& v) { SetString(entry_offset::name, 25, v); }
  std::string place() const { return GetString(entry_offset::place, 25); }
  void setPlace(const std::string& v) { SetString(entry_offset::place, 25, v); }
  std::string alternateName() const { return GetString(entry_offset::alternateName, 25); }
  void setAlternateName(const std::string& v) { SetString(entry_offset::alternateName, 25, v); }
  int32_t month() const { return Get<int32_t>(entry_offset::month); }
  void setMonth(int32_t v) { Set(entry_offset::month, v); }
  int32_t day() const { return Get<int32_t>(entry_offset::day); }
  void setDay(int32_t v) { Set(entry_offset::day, v); }
  int32_t year() const { return Get<int32_t>(entry_offset::year); }
  void setYear(int32_t v) { Set(entry_offset::year, v); }
  int32_t hours() const { return Get<int32_t>(entry_offset::hours); }
  void setHours(int32_t v) { Set(entry_offset::hours, v); }
  int32_t minutes() const { return Get<int32_t>(entry_offset::minutes); }
  void setMinutes(int32_t v) { Set(entry_offset::minutes, v); }
  int32_t seconds() const { return Get<int32_t>(entry_offset::seconds); }
  void setSeconds(int32_t v) { Set(entry_offset::seconds, v); }
  double latitude() const { return Get<double>(entry_offset::latitude); }
  void setLatitude(double v) { Set(entry_offset::latitude, v); }
  double longitude() const { return Get<double>(entry_offset::longitude); }
  void setLongitude(double v) { Set(entry_offset::longitude, v); }
  double zoneHoursWest() const { return Get<double>(entry_offset::zoneHoursWest); }
  void setZoneHoursWest(double v) { Set(entry_offset::zoneHoursWest, v); }
  uint8_t daylightCode() const { return Data()[entry_offset::daylightCode]; }
  void setDaylightCode(uint8_t v) { Data()[entry_offset::daylightCode] = v; }

  // Calculated block.
  double universalTimeHours() const { return Get<double>(entry_offset::universalTimeHours); }
  void setUniversalTimeHours(double v) { Set(entry_offset::universalTimeHours, v); }
  double julianDayUt() const { return Get<double>(entry_offset::julianDayUt); }
  void setJulianDayUt(double v) { Set(entry_offset::julianDayUt, v); }
  double obliquityRad() const { return Get<double>(entry_offset::obliquityRad); }
  void setObliquityRad(double v) { Set(entry_offset::obliquityRad, v); }
  double ayanamsaDeg() const { return Get<double>(entry_offset::ayanamsaDeg); }
  void setAyanamsaDeg(double v) { Set(entry_offset::ayanamsaDeg, v); }
  double deltaTSeconds() const { return Get<double>(entry_offset::deltaTSeconds); }
  void setDeltaTSeconds(double v) { Set(entry_offset::deltaTSeconds, v); }
  double centuriesSince1900Ut() const { return Get<double>(entry_offset::centuriesSince1900Ut); }
  void setCenturiesSince1900Ut(double v) { Set(entry_offset::centuriesSince1900Ut, v); }
  double ramcRad() const { return Get<double>(entry_offset::ramcRad); }
  void setRamcRad(double v) { Set(entry_offset::ramcRad, v); }
  double moonNodeDeg() const { return Get<double>(entry_offset::moonNodeDeg); }
  void setMoonNodeDeg(double v) { Set(entry_offset::moonNodeDeg, v); }
  double vertex() const { return Get<double>(entry_offset::vertex); }
  void setVertex(double v) { Set(entry_offset::vertex, v); }
  double eastPoint() const { return Get<double>(entry_offset::eastPoint); }
  void setEastPoint(double v) { Set(entry_offset::eastPoint, v); }
  double asc() const { return Get<double>(entry_offset::asc); }
  void setAsc(double v) { Set(entry_offset::asc, v); }
  double mc() const { return Get<double>(entry_offset::mc); }
  void setMc(double v) { Set(entry_offset::mc, v); }
  double coAscendant() const { return Get<double>(entry_offset::coAscendant); }
  void setCoAscendant(double v) { Set(entry_offset::coAscendant, v); }
  double polarAscendant() const { return Get<double>(entry_offset::polarAscendant); }
  void setPolarAscendant(double v) { Set(entry_offset::polarAscendant, v); }
  // House cusps 1..6 (index 1 based, as the houses are numbered).
  double cusp(int house) const { return Get<double>(entry_offset::cusps + 8 * (house - 1)); }
  void setCusp(int house, double v) { Set(entry_offset::cusps + 8 * (house - 1), v); }

  double body(BodyArray array, int slot) const { return Get<double>(ArrayOffset(array) + 8 * slot); }
  void setBody(BodyArray array, int slot, double v) { Set(ArrayOffset(array) + 8 * slot, v); }
  double lon(int slot) const { return body(BodyArray::Lon, slot); }
  // Body slots without values for the entry's moment (bit k for slot k:
  // Chiron before its files; Chiron or an asteroid whose file is missing
  // or damaged), kept in slot 31 of the declination array,
  // which no body uses; 0 when every body has its values.
  uint32_t unavailableSlots() const {
    const double v = body(BodyArray::Decl, 31);
    return v >= 1.0 && v < 2147483648.0 ? static_cast<uint32_t>(v) : 0u;
  }
  void setUnavailableSlots(uint32_t mask) { setBody(BodyArray::Decl, 31, static_cast<double>(mask)); }
  bool bodyAvailable(int slot) const {
    return slot < 0 || slot > 30 || !(unavailableSlots() >> slot & 1u);
  }
  void setLon(int slot, double v) { setBody(BodyArray::Lon, slot, v); }
  static size_t ArrayOffset(BodyArray array) {
    return entry_offset::lon + 256 * static_cast<size_t>(array);
  }

  // Settings and links.
  char zodiacLetter() const { return Letter(entry_offset::zodiacLetter); }
  void setZodiacLetter(char v) { SetLetter(entry_offset::zodiacLetter, v); }
  char houseSystemLetter() const { return Letter(entry_offset::houseSystemLetter); }
  void setHouseSystemLetter(char v) { SetLetter(entry_offset::houseSystemLetter, v); }
  char userZodiacType() const { return Letter(entry_offset::userZodiacType); }
  void setUserZodiacType(char v) { SetLetter(entry_offset::userZodiacType, v); }
  int32_t baseEntry() const { return Get<int32_t>(entry_offset::baseEntry); }
  void setBaseEntry(int32_t v) { Set(entry_offset::baseEntry, v); }
  int32_t secondBaseEntry() const { return Get<int32_t>(entry_offset::secondBaseEntry); }
  void setSecondBaseEntry(int32_t v) { Set(entry_offset::secondBaseEntry, v); }
  int32_t level() const { return Get<int32_t>(entry_offset::level); }
  void setLevel(int32_t v) { Set(entry_offset::level, v); }
  int32_t nameRecord() const { return Get<int32_t>(entry_offset::nameRecord); }
  void setNameRecord(int32_t v) { Set(entry_offset::nameRecord, v); }
  char saveMarker() const { return Letter(entry_offset::saveMarker); }
  void setSaveMarker(char v) { SetLetter(entry_offset::saveMarker, v); }
  char asteroidsCalculated() const { return Letter(entry_offset::asteroidsCalculated); }
  void setAsteroidsCalculated(char v) { SetLetter(entry_offset::asteroidsCalculated, v); }
  int32_t dstTable() const { return Get<int32_t>(entry_offset::dstTable); }
  void setDstTable(int32_t v) { Set(entry_offset::dstTable, v); }
  bool calcComplete() const { return Letter(entry_offset::calcComplete) == 'Y'; }
  void setCalcComplete(bool v) { SetLetter(entry_offset::calcComplete, v ? 'Y' : 'N'); }
  std::string birthDataSource() const { return GetChars(entry_offset::birthDataSource, 2); }
  void setBirthDataSource(const std::string& v) { SetChars(entry_offset::birthDataSource, 2, v); }
  std::string birthDataAccuracy() const { return GetChars(entry_offset::birthDataAccuracy, 2); }
  void setBirthDataAccuracy(const std::string& v) { SetChars(entry_offset::birthDataAccuracy, 2, v); }
  // Biography: two parts of 180 characters.
  std::string biography(int part) const {
    return GetChars(entry_offset::biography + 180 * (part - 1), 180);
  }
  void setBiography(int part, const std::string& v) {
    SetChars(entry_offset::biography + 180 * (part - 1), 180, v);
  }

  // Printout selection. Element j of the parameter array is 1-based (1..600).
  int32_t printoutParam(int j) const { return Get<int32_t>(16 + 4 * static_cast<size_t>(j)); }
  void setPrintoutParam(int j, int32_t v) { Set(16 + 4 * static_cast<size_t>(j), v); }
  // Printout code of row k (1..25) of group g (1..8).
  std::string printoutCode(int k, int g) const { return GetChars(2393 + 24 * k + 3 * g, 3); }
  void setPrintoutCode(int k, int g, const std::string& code) {
    SetChars(2393 + 24 * k + 3 * g, 3, code);
  }
  char printoutFlag(int f) const { return Letter(f); }  // f = 2..19
  void setPrintoutFlag(int f, char v) { SetLetter(f, v); }

  // The values of a new natal entry (everything else zero).
  void InitNewEntry(char defaultZodiacLetter, int32_t entryCount);
};

static_assert(sizeof(double) == 8 && sizeof(int32_t) == 4);

}  // namespace vostrane
