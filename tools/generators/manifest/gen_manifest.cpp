// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the list of installed files "MANIFEST.TXT" into the installation
// folder: gen_manifest FOLDER NAME... (names relative to the folder).
#include <cstdio>
#include <string>
#include <vector>

#include "platform/InstalledFiles.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: gen_manifest FOLDER NAME...\n");
    return 2;
  }
  const std::vector<std::string> names(argv + 2, argv + argc);
  std::string error;
  if (!vostrane::WriteManifest(argv[1], names, error)) {
    std::fprintf(stderr, "gen_manifest: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
