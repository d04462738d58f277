// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/atlasgen/PlaceNames.h"

#include <cstdint>

#include "atlas/PlaceSearchKey.h"
#include "platform/CodePage.h"
#include "platform/TextTrim.h"

namespace vostrane::atlasgen {
namespace {

std::string Tidy(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  return TrimRight(out);
}

// The letters of Windows-1252's upper half: the accented letters and the
// caron and ligature letters (not the multiplication and division signs).
bool IsCodePageLetter(unsigned char b) {
  if (b >= 0xC0) return b != 0xD7 && b != 0xF7;
  return b == 0x8A || b == 0x8C || b == 0x8E || b == 0x9A || b == 0x9C || b == 0x9E || b == 0x9F;
}

// Short words that do not end a shortened name ("Sankt Georgen im").
bool IsConnector(const std::string& word) {
  static const char* const kWords[] = {
      "de", "del", "della", "da",  "do",  "dos", "das", "di",  "du",  "des", "la",   "le",  "les",  "el",
      "al", "im",  "am",    "an",  "der", "den", "van", "von", "of",  "on",  "upon", "sur", "sous", "en",
      "y",  "e",   "i",     "and", "the", "na",  "nad", "pod", "bei", "ob",  "a",    "in",  "au"};
  for (const char* w : kWords) {
    if (word == w) return true;
  }
  return false;
}

}  // namespace

std::string WholeWordsWithin(const std::string& text, size_t room) {
  if (text.size() <= room) return text;
  std::vector<size_t> ends;  // positions after each word
  for (size_t i = 1; i < text.size(); ++i) {
    if ((text[i] == ' ' || text[i] == '-') && text[i - 1] != ' ' && text[i - 1] != '-')
      ends.push_back(i);
  }
  for (auto it = ends.rbegin(); it != ends.rend(); ++it) {
    if (*it > room) continue;
    std::string cut = text.substr(0, *it);
    // Drop dangling connectors ("Rio de" -> "Rio") unless nothing is left.
    for (;;) {
      const size_t blank = cut.find_last_of(" -");
      if (blank == std::string::npos || !IsConnector(cut.substr(blank + 1))) break;
      cut.erase(blank);
    }
    return cut;
  }
  return "";
}

// The text in `room` characters with its last words down to their initials
// ("São Paulo de Olivença" -> "São Paulo de O."); "" when that does not fit.
std::string WithInitials(const std::string& text, size_t room) {
  std::vector<std::string> words;
  for (size_t start = 0; start < text.size();) {
    const size_t blank = std::min(text.find(' ', start), text.size());
    if (blank > start) words.push_back(text.substr(start, blank - start));
    start = blank + 1;
  }
  for (size_t keep = words.size() - 1; keep >= 1 && keep < words.size(); --keep) {
    std::string out;
    for (size_t w = 0; w < words.size(); ++w) {
      const std::string folded = FoldPlaceText(words[w]);
      if (folded.empty()) continue;
      // Numbers stay whole; brackets and marks go with the shortened words.
      const bool number = folded[0] >= '0' && folded[0] <= '9';
      const std::string word = w < keep ? words[w] : number ? folded : folded.substr(0, 1) + ".";
      out += (out.empty() ? "" : " ") + word;
    }
    if (out.size() <= room) return out;
  }
  return "";
}

std::string ToAscii(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    if (const char32_t c = NextUtf8CodePoint(utf8, i)) out += AsciiFormOf(c);
  }
  return out;
}

std::string ToWindows1252(const std::string& utf8, bool* exact) {
  std::string out;
  bool lossless = true;
  for (size_t i = 0; i < utf8.size();) {
    const size_t from = i;
    const char32_t c = NextUtf8CodePoint(utf8, i);
    if (c == 0) {
      lossless = false;
      continue;
    }
    if (c < 0x80 || (c >= 0x2010 && c <= 0x201D) || c == 0x02BB || c == 0x02BC || c == 0x00B4) {
      const std::string ascii = AsciiFormOf(c);
      if (ascii.empty()) lossless = false;
      out += ascii;
      continue;
    }
    const std::string one = Utf8ToCp1252(utf8.substr(from, i - from));
    if (one.size() == 1 && IsCodePageLetter(static_cast<unsigned char>(one[0]))) {
      out += one;
      continue;
    }
    lossless = false;
    out += AsciiFormOf(c);
  }
  if (exact) *exact = lossless;
  return out;
}

std::string CityName(const GeoPlace& place) {
  std::string city = ToWindows1252(place.name);
  if (const size_t comma = city.find(','); comma != std::string::npos) city.erase(comma);
  city = Tidy(city);
  if (city.empty()) {
    city = ToAscii(place.asciiName);
    if (const size_t comma = city.find(','); comma != std::string::npos) city.erase(comma);
    city = Tidy(city);
  }
  return city;
}

std::string AtlasName(const std::string& city, const std::string& qualifier, const std::string& region,
                      bool mayCut) {
  const std::string tail = (qualifier.empty() ? "" : " " + qualifier) + ", " + region;
  if (tail.size() >= kAtlasNameWidth) return "";
  const size_t room = kAtlasNameWidth - tail.size();
  std::string shown = WholeWordsWithin(city, room);
  // A lone short word says too little ("Al" of "Al Mutayrifi"): initials.
  if (shown.size() < 4 && shown != city) shown = WithInitials(city, room);
  if (shown.empty()) {
    // One word longer than the room: cut, and marked as cut.
    if (room < 4 || !mayCut) return "";
    shown = TrimRightOf(city.substr(0, room - 1), " -") + '.';
  }
  return shown + tail;
}

bool RegionOf(const GeoPlace& place, const Regions& regions, PlaceRegion& out) {
  const auto country = regions.countries.find(place.country);
  if (country == regions.countries.end()) return false;
  out.region = country->second.name.size() <= kFullCountryNameWidth ? country->second.name
                                                                    : country->second.shortName;
  out.countryState = country->second.alpha3;
  if (place.country == "US") {
    if (const auto state = regions.usStates.find(place.admin1); state != regions.usStates.end()) {
      out.region = state->second.postal;
      out.countryState = state->second.code3;
    }
  } else if (place.country == "CA") {
    if (const auto province = regions.canadianProvinces.find(place.admin1);
        province != regions.canadianProvinces.end()) {
      out.region = province->second;
    }
  }
  return true;
}

}  // namespace vostrane::atlasgen
