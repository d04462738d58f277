// Makes the generated ephemeris files of the installation folder visible in
// a test's working folder (by symbolic links: the files are only read).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "astro/AsteroidFiles.h"
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
}

}  // namespace vostrane::test
