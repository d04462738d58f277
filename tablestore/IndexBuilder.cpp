// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/IndexBuilder.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "platform/ByteOrder.h"
#include "tablestore/IndexFile.h"

namespace vostrane {

namespace {

constexpr size_t kReadChunkBytes = 4 << 20;

std::string SortEntries(const std::string& entries, size_t width, uint32_t count) {
  std::vector<uint32_t> order(count);
  std::iota(order.begin(), order.end(), 0u);
  const char* base = entries.data();
  std::sort(order.begin(), order.end(), [base, width](uint32_t a, uint32_t b) {
    return std::memcmp(base + a * width, base + b * width, width) < 0;
  });
  std::string sorted(entries.size(), '\0');
  char* out = sorted.data();
  for (uint32_t i : order) {
    std::memcpy(out, base + i * width, width);
    out += width;
  }
  return sorted;
}

}  // namespace

std::vector<std::string> BuildSortedBases(const DbfFile& table, const std::vector<TagDefinition>& tags,
                                          uint32_t count, IndexProgress* progress,
                                          const std::string& caption) {
  // The progress display is closed however the build ends.
  struct ProgressScope {
    IndexProgress* p;
    ~ProgressScope() {
      if (p) p->End();
    }
  } scope{progress};
  if (progress) progress->Begin(caption, count);
  const size_t recordLength = static_cast<size_t>(table.Layout().recordLength);
  std::vector<std::string> entries(tags.size());
  for (size_t t = 0; t < tags.size(); ++t)
    entries[t].resize(static_cast<size_t>(count) * (tags[t].KeyLength() + 4));

  const uint32_t chunk = static_cast<uint32_t>(std::max<size_t>(1, kReadChunkBytes / recordLength));
  std::string records;
  for (uint32_t first = 1; first <= count; first += chunk) {
    const uint32_t n = std::min(chunk, count - first + 1);
    table.ReadRecords(first, n, records);
    for (uint32_t i = 0; i < n; ++i) {
      const uint32_t recno = first + i;
      const char* record = records.data() + static_cast<size_t>(i) * recordLength;
      for (size_t t = 0; t < tags.size(); ++t) {
        const size_t keyLength = tags[t].KeyLength();
        char* out = entries[t].data() + static_cast<size_t>(recno - 1) * (keyLength + 4);
        tags[t].key.Evaluate(record, out);
        WriteBe<uint32_t>(out + keyLength, recno);
      }
    }
    if (progress) progress->Advance(first + n - 1);
  }
  std::vector<std::string> bases;
  for (size_t t = 0; t < tags.size(); ++t) {
    bases.push_back(SortEntries(entries[t], tags[t].KeyLength() + 4, count));
    std::string().swap(entries[t]);
  }
  return bases;
}

}  // namespace vostrane
