// SPDX-License-Identifier: GPL-3.0-or-later
// lotgen: checks the readable list of lots with the program's reader and
// installs it:
//   lotgen data/lots/lots.txt OUT/LOTS.DAT
// A line the reader refuses is named and nothing is written.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "astro/ArabicParts.h"
#include "platform/FileSystem.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: lotgen lots.txt OUT/LOTS.DAT\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) {
    std::fprintf(stderr, "lotgen: cannot read %s\n", argv[1]);
    return 1;
  }
  const vostrane::LotList list = vostrane::ParseLots(text.str(), argv[1]);
  if (!list.error.empty()) {
    std::fprintf(stderr, "lotgen: %s\n", list.error.c_str());
    return 1;
  }
  if (!vostrane::ReplaceFileContents(argv[2], text.str())) {
    std::fprintf(stderr, "lotgen: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
