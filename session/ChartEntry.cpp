#include "session/ChartEntry.h"

#include <algorithm>

namespace vostrane {

std::string ChartEntry::GetString(size_t offset, size_t capacity) const {
  const size_t length = std::min<size_t>(bytes_[offset], capacity);
  return std::string(reinterpret_cast<const char*>(bytes_.data() + offset + 1), length);
}

void ChartEntry::SetString(size_t offset, size_t capacity, const std::string& text) {
  const size_t length = std::min(text.size(), capacity);
  bytes_[offset] = static_cast<uint8_t>(length);
  std::memcpy(bytes_.data() + offset + 1, text.data(), length);
  std::fill(bytes_.begin() + offset + 1 + length, bytes_.begin() + offset + 1 + capacity, 0);
}

std::string ChartEntry::GetChars(size_t offset, size_t count) const {
  return std::string(reinterpret_cast<const char*>(bytes_.data() + offset), count);
}

void ChartEntry::SetChars(size_t offset, size_t count, const std::string& text, char fill) {
  for (size_t i = 0; i < count; ++i)
    bytes_[offset + i] = static_cast<uint8_t>(i < text.size() ? text[i] : fill);
}

void ChartEntry::InitNewEntry(char defaultZodsel, int32_t entryCount) {
  Clear();
  setUsed(true);
  setCharttype(0);
  setChartypxtr(0);
  setHarmonic(1);
  setSaveMarker('N');
  setZodsel(defaultZodsel == 'S' ? 'S' : 'T');
  setHousesys('F');
  setUsertype('A');
  setPrintoutParam(77, entryCount);
  setBrthdatsrc("XX");
  setBrthdatacc("XX");
  setBiography(1, "");
  setBiography(2, "");
  for (int f = 2; f <= 19; ++f) setPrintoutFlag(f, 'N');
}

}  // namespace vostrane
