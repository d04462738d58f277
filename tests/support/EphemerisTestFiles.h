// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the generated ephemeris files of the installation folder visible in
// a test's working folder (by symbolic links: the files are only read).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "astro/AsteroidFiles.h"
#include "astro/LunarApogeeTable.h"
#include "astro/OuterPlanetFiles.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {

inline void LinkEphemerisFiles(const TempFolder& folder) {
  auto link = [&](const std::string& name) {
    const std::string source = InstallFile(name);
    if (access(source.c_str(), R_OK) != 0) return;
    ASSERT_EQ(symlink(source.c_str(), (folder.Path() + "/" + name).c_str()), 0) << name;
  };
  for (int n = 13; n <= 25; ++n) {
    link(OuterFileName(kLrzPrefix, n));
    link(OuterFileName(kChiPrefix, n));
  }
  for (const char* name : kAsteroidFileNames) link(name);
  link("FXSTARS.DAT");
  link(kApogeeTableName);
}

// The ephemeris files and a copy of the installed control file (the batch
// tool reads it, and a missing one is an error that fails the run).
inline void PrepareBatchFolder(const TempFolder& folder) {
  LinkEphemerisFiles(folder);
  std::ifstream in(InstallFile("ZORCTRL.DAT"), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  ASSERT_EQ(bytes.str().size(), 641u) << "the installed ZORCTRL.DAT";
  folder.Write("ZORCTRL.DAT", bytes.str());
}

}  // namespace vostrane::test
