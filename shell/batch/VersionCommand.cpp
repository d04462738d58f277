// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "shell/batch/BatchCommands.h"

namespace vostrane::batch {

int RunVersion(const Args& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "vostrane-batch: version takes no arguments\n");
    return 2;
  }
  std::printf("Vostrane %s\n", VOSTRANE_VERSION_TEXT);
  return 0;
}

}  // namespace vostrane::batch
