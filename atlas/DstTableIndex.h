// SPDX-License-Identifier: GPL-3.0-or-later
// The daylight-time table index "DSTRECS.DAT": 2808 little-endian unsigned
// 16-bit words; word k is the first record in "DST.FIL" of table k + 1.
// Loaded once at start-up and kept while the program runs.
#pragma once

#include <array>
#include <cstdint>

namespace vostrane {

constexpr int kDstTableCount = 2808;
inline constexpr const char* kDstIndexFileName = "DSTRECS.DAT";

struct DstTableIndex {
  std::array<uint16_t, kDstTableCount> firstRecord{};
  bool loaded = false;  // false: every table number counts as 0 (no table)
};

DstTableIndex& DstIndex();

// Reads "DSTRECS.DAT" into DstIndex(), showing the not-found and read
// messages; start-up goes on whatever happens.
void LoadDstTableIndex();

}  // namespace vostrane
