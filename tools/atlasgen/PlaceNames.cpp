#include "tools/atlasgen/PlaceNames.h"

#include <cstdint>

namespace vostrane::atlasgen {
namespace {

// ASCII forms of the Latin-1 letters U+00C0 .. U+00FF.
const char* const kLatin1[64] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    "D", "N", "O", "O", "O", "O", "O", "x", "O", "U", "U", "U", "U", "Y", "Th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "y"};

// The base letter of a Latin Extended-A letter (U+0100 .. U+017F): they
// come in upper/lower pairs in alphabetical groups.
char LatinExtendedA(uint32_t c) {
  static const char* const bases =
      "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
  const uint32_t i = c - 0x100;
  return i < 128 ? bases[i] : 0;
}

std::string AsciiOf(uint32_t c) {
  if (c < 0x80) return c >= 0x20 && c != 0x7F ? std::string(1, static_cast<char>(c)) : "";
  if (c >= 0xC0 && c <= 0xFF) return kLatin1[c - 0xC0];
  if (const char b = LatinExtendedA(c)) return std::string(1, b);
  switch (c) {
    case 0x018F: return "E";  // schwa
    case 0x01DD: case 0x0259: return "e";
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: return "-";
    case 0x2018: case 0x2019: case 0x02BB: case 0x02BC: case 0x00B4: return "'";
    case 0x201C: case 0x201D: return "\"";
    default: return "";
  }
}

std::string Tidy(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace

std::string ToAscii(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    uint32_t c = b;
    size_t length = 1;
    if (b >= 0xF0) { c = b & 0x07; length = 4; }
    else if (b >= 0xE0) { c = b & 0x0F; length = 3; }
    else if (b >= 0xC0) { c = b & 0x1F; length = 2; }
    else if (b >= 0x80) { ++i; continue; }  // a stray continuation byte
    if (i + length > utf8.size()) break;
    for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out += AsciiOf(c);
    i += length;
  }
  return out;
}

std::string CityName(const GeoPlace& place) {
  std::string city = ToAscii(place.asciiName.empty() ? place.name : place.asciiName);
  if (const size_t comma = city.find(','); comma != std::string::npos) city.erase(comma);
  return Tidy(city);
}

std::string AtlasName(const std::string& city, const std::string& region, const std::string& shortRegion) {
  const std::string full = city + ", " + region;
  if (full.size() <= kAtlasNameWidth) return full;
  const std::string tail = ", " + shortRegion;
  if (city.size() + tail.size() <= kAtlasNameWidth) return city + tail;
  std::string cut = city.substr(0, kAtlasNameWidth - tail.size());
  while (!cut.empty() && (cut.back() == ' ' || cut.back() == '-')) cut.pop_back();
  return cut + tail;
}

bool RegionOf(const GeoPlace& place, const Regions& regions, PlaceRegion& out) {
  const auto country = regions.countries.find(place.country);
  if (country == regions.countries.end()) return false;
  out.region = country->second.name;
  out.shortRegion = country->second.shortName;
  out.countryState = country->second.alpha3;
  if (place.country == "US") {
    if (const auto state = regions.usStates.find(place.admin1); state != regions.usStates.end()) {
      out.region = out.shortRegion = state->second.postal;
      out.countryState = state->second.code3;
    }
  } else if (place.country == "CA") {
    if (const auto province = regions.canadianProvinces.find(place.admin1);
        province != regions.canadianProvinces.end()) {
      out.region = out.shortRegion = province->second;
    }
  }
  return true;
}

}  // namespace vostrane::atlasgen
