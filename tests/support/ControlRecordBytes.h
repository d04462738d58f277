// SPDX-License-Identifier: GPL-3.0-or-later
// Control records for tests that fill ZORCTRL.DAT with a pattern: every
// field the pattern puts out of range takes the installed record's bytes,
// so the record passes the program's range check and the pattern stays
// wherever it is not interpreted.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "common/ControlRecord.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {

inline std::string InRangeControlBytes(std::string pattern) {
  std::ifstream in(InstallFile(kControlFileName), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  const std::string installed = s.str();
  EXPECT_EQ(installed.size(), kControlRecordSize);
  pattern.resize(kControlRecordSize, '\0');
  if (installed.size() != kControlRecordSize) return pattern;
  ControlRecord r;
  std::memcpy(r.Data(), pattern.data(), kControlRecordSize);
  while (const auto fault = ControlRecordFault(r)) {
    const size_t n = std::min<size_t>(8, kControlRecordSize - *fault);
    std::memcpy(r.Data() + *fault, installed.data() + *fault, n);
  }
  return std::string(reinterpret_cast<const char*>(r.Data()), kControlRecordSize);
}

}  // namespace vostrane::test
