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

namespace entry_offset {
constexpr size_t used = 0;
constexpr size_t printoutFlags = 2;     // char[18], flags 2..19
constexpr size_t printoutParams = 20;   // i32[600], element j at 16 + 4 j
constexpr size_t printoutCodes = 2420;  // char[3] per (k, g) at 2393 + 24 k + 3 g
constexpr size_t blockA = 3620;         // 350 bytes
constexpr size_t blockB = 3970;         // 84 bytes
constexpr size_t charttype = 4054;
constexpr size_t chartypxtr = 4055;
constexpr size_t harmonic = 4056;
constexpr size_t name = 4058;  // string[25]
constexpr size_t month = 4084;
constexpr size_t day = 4088;
constexpr size_t year = 4092;
constexpr size_t hours = 4096;
constexpr size_t minutes = 4100;
constexpr size_t seconds = 4104;
constexpr size_t place = 4108;  // string[25]
constexpr size_t latitude = 4134;
constexpr size_t longitude = 4142;
constexpr size_t tzone = 4150;
constexpr size_t dstcode = 4158;
constexpr size_t gmt = 4159;
constexpr size_t julday = 4167;
constexpr size_t obliq = 4175;
constexpr size_t ayan = 4183;
constexpr size_t deltat = 4191;
constexpr size_t t = 4199;
constexpr size_t ramc = 4207;
constexpr size_t moonnode = 4215;
constexpr size_t vertex = 4223;
constexpr size_t eastpt = 4231;
constexpr size_t asc = 4239;
constexpr size_t mc = 4247;
constexpr size_t cusps = 4255;  // f64[6], cusps 1..6
constexpr size_t lon = 4303;    // f64[32] each
constexpr size_t lat = 4559;
constexpr size_t speed = 4815;
constexpr size_t hlon = 5071;
constexpr size_t hlat = 5327;
constexpr size_t hspeed = 5583;
constexpr size_t ra = 5839;
constexpr size_t decl = 6095;
constexpr size_t zodsel = 6351;
constexpr size_t housesys = 6352;
constexpr size_t usertype = 6353;
constexpr size_t int6354 = 6354;
constexpr size_t str6358 = 6358;  // string[25]
constexpr size_t str6400 = 6400;  // string[51]
constexpr size_t baseEntry = 6452;
constexpr size_t secondBaseEntry = 6456;
constexpr size_t level = 6460;
constexpr size_t nameRecord = 6464;
constexpr size_t saveMarker = 6468;
constexpr size_t calcastyn = 6469;
constexpr size_t biography = 6470;  // char[360]: biodat1, biodat2
constexpr size_t dstTable = 6830;
// First byte of the reserved area after the daylight table number: 'Y' once
// the calculation driver has completed every step of the entry; anything
// else (a new entry, or one whose calculation ended early) is not complete.
constexpr size_t calcComplete = 6834;
constexpr size_t alternateName = 6884;  // string[25]
constexpr size_t blockC = 6910;         // 800 bytes
constexpr size_t brthdatsrc = 7710;
constexpr size_t brthdatacc = 7712;
constexpr size_t coasc = 7714;
constexpr size_t polarasc = 7722;
}  // namespace entry_offset

// Values of `charttype`: 0 natal, the others derived from base entries.
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
  uint8_t charttype() const { return Data()[entry_offset::charttype]; }
  void setCharttype(uint8_t v) { Data()[entry_offset::charttype] = v; }
  uint8_t chartypxtr() const { return Data()[entry_offset::chartypxtr]; }
  void setChartypxtr(uint8_t v) { Data()[entry_offset::chartypxtr] = v; }
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
  double tzone() const { return Get<double>(entry_offset::tzone); }
  void setTzone(double v) { Set(entry_offset::tzone, v); }
  uint8_t dstcode() const { return Data()[entry_offset::dstcode]; }
  void setDstcode(uint8_t v) { Data()[entry_offset::dstcode] = v; }

  // Calculated block.
  double gmt() const { return Get<double>(entry_offset::gmt); }
  void setGmt(double v) { Set(entry_offset::gmt, v); }
  double julday() const { return Get<double>(entry_offset::julday); }
  void setJulday(double v) { Set(entry_offset::julday, v); }
  double obliq() const { return Get<double>(entry_offset::obliq); }
  void setObliq(double v) { Set(entry_offset::obliq, v); }
  double ayan() const { return Get<double>(entry_offset::ayan); }
  void setAyan(double v) { Set(entry_offset::ayan, v); }
  double deltat() const { return Get<double>(entry_offset::deltat); }
  void setDeltat(double v) { Set(entry_offset::deltat, v); }
  double t() const { return Get<double>(entry_offset::t); }
  void setT(double v) { Set(entry_offset::t, v); }
  double ramc() const { return Get<double>(entry_offset::ramc); }
  void setRamc(double v) { Set(entry_offset::ramc, v); }
  double moonnode() const { return Get<double>(entry_offset::moonnode); }
  void setMoonnode(double v) { Set(entry_offset::moonnode, v); }
  double vertex() const { return Get<double>(entry_offset::vertex); }
  void setVertex(double v) { Set(entry_offset::vertex, v); }
  double eastpt() const { return Get<double>(entry_offset::eastpt); }
  void setEastpt(double v) { Set(entry_offset::eastpt, v); }
  double asc() const { return Get<double>(entry_offset::asc); }
  void setAsc(double v) { Set(entry_offset::asc, v); }
  double mc() const { return Get<double>(entry_offset::mc); }
  void setMc(double v) { Set(entry_offset::mc, v); }
  double coasc() const { return Get<double>(entry_offset::coasc); }
  void setCoasc(double v) { Set(entry_offset::coasc, v); }
  double polarasc() const { return Get<double>(entry_offset::polarasc); }
  void setPolarasc(double v) { Set(entry_offset::polarasc, v); }
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
  char zodsel() const { return Letter(entry_offset::zodsel); }
  void setZodsel(char v) { SetLetter(entry_offset::zodsel, v); }
  char housesys() const { return Letter(entry_offset::housesys); }
  void setHousesys(char v) { SetLetter(entry_offset::housesys, v); }
  char usertype() const { return Letter(entry_offset::usertype); }
  void setUsertype(char v) { SetLetter(entry_offset::usertype, v); }
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
  char calcastyn() const { return Letter(entry_offset::calcastyn); }
  void setCalcastyn(char v) { SetLetter(entry_offset::calcastyn, v); }
  int32_t dstTable() const { return Get<int32_t>(entry_offset::dstTable); }
  void setDstTable(int32_t v) { Set(entry_offset::dstTable, v); }
  bool calcComplete() const { return Letter(entry_offset::calcComplete) == 'Y'; }
  void setCalcComplete(bool v) { SetLetter(entry_offset::calcComplete, v ? 'Y' : 'N'); }
  std::string brthdatsrc() const { return GetChars(entry_offset::brthdatsrc, 2); }
  void setBrthdatsrc(const std::string& v) { SetChars(entry_offset::brthdatsrc, 2, v); }
  std::string brthdatacc() const { return GetChars(entry_offset::brthdatacc, 2); }
  void setBrthdatacc(const std::string& v) { SetChars(entry_offset::brthdatacc, 2, v); }
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
  void InitNewEntry(char defaultZodsel, int32_t entryCount);
};

static_assert(sizeof(double) == 8 && sizeof(int32_t) == 4);

}  // namespace vostrane
