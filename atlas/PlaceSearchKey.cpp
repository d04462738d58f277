// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/PlaceSearchKey.h"

#include <cstdio>

namespace vostrane {
namespace {

// The folded form of one Windows-1252 byte that is not an ASCII letter or
// digit: the letters of the upper half, a separator (" ") or nothing.
const char* FoldUpperHalf(unsigned char b) {
  static const char* const kUpperHalf[64] = {
      "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
      "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "SS",
      "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
      "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "Y"};
  if (b >= 0xC0) return kUpperHalf[b - 0xC0];
  switch (b) {
    case ' ':
    case '-':
    case '/':
    case '_':
    case 0x96:
    case 0x97: return " ";
    case 0x8A:
    case 0x9A: return "S";  // S caron
    case 0x8C:
    case 0x9C: return "OE";  // OE ligature
    case 0x8E:
    case 0x9E: return "Z";  // Z caron
    case 0x9F: return "Y";  // Y diaeresis
    case 0x83: return "F";  // f hook
    default: return "";
  }
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::string FoldPlaceText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool pendingSeparator = false;
  for (char c : text) {
    auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') b = static_cast<unsigned char>(b - 0x20);
    const char letter[2] = {static_cast<char>(b), 0};
    const bool plain = (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9');
    const char* folded = plain ? letter : FoldUpperHalf(b);
    if (folded[0] == ' ') {
      pendingSeparator = !out.empty();
      continue;
    }
    if (folded[0] == '\0') continue;
    if (pendingSeparator) out += kPlaceKeySeparator;
    pendingSeparator = false;
    out += folded;
  }
  // A separator typed last stays: "New " looks for names of two words.
  if (pendingSeparator) out += kPlaceKeySeparator;
  return out;
}

PlaceQuery ParsePlaceQuery(std::string_view typed) {
  PlaceQuery q;
  const size_t comma = typed.find(',');
  q.city = FoldPlaceText(typed.substr(0, comma));
  if (comma != std::string_view::npos) {
    q.hasRegion = true;
    q.region = FoldPlaceText(typed.substr(comma + 1));
    while (!q.region.empty() && q.region.back() == kPlaceKeySeparator) q.region.pop_back();
    if (!q.region.empty() && q.region.front() == kPlaceKeySeparator) q.region.erase(0, 1);
    while (!q.city.empty() && q.city.back() == kPlaceKeySeparator) q.city.pop_back();
  }
  return q;
}

std::string PlaceSearchKey(std::string_view foldedCity, int rank, std::string_view foldedRegion) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%0*d", kPlaceRankDigits, rank);
  std::string key = std::string(foldedCity) + ' ' + digits + std::string(foldedRegion);
  key.resize(kPlaceSearchKeyWidth, ' ');
  return key;
}

bool KeyMatchesQuery(std::string_view key, const PlaceQuery& q) {
  if (!q.hasRegion) return StartsWith(key, q.city);
  if (!StartsWith(key, q.city) || key.size() <= q.city.size() || key[q.city.size()] != ' ') return false;
  const size_t region = q.city.size() + 1 + kPlaceRankDigits;
  return region <= key.size() && StartsWith(key.substr(region), q.region);
}

}  // namespace vostrane
