// SPDX-License-Identifier: GPL-3.0-or-later
// gen_zorctrl SOURCE OUTPUT: builds the control file "ZORCTRL.DAT", one
// record of program-wide options, from its readable source (see
// ControlSource.h). Any error in the source is reported as file:line and
// nothing is written.
#include <iostream>

#include "common/ControlRecord.h"
#include "tools/generators/textgen/ControlSource.h"

using namespace vostrane::textgen;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: gen_zorctrl SOURCE OUTPUT\n";
    return 2;
  }
  const std::string sourcePath = argv[1];
  std::string content;
  if (!ReadSource(sourcePath, content)) return 1;
  const ControlSource source = ParseControlSource(content, sourcePath, vostrane::kControlRecordSize);
  if (!source.errors.empty()) {
    PrintErrors(source.errors);
    std::cerr << argv[2] << " was not written\n";
    return 1;
  }
  const std::string record = BuildControlRecord(source.fields, vostrane::kControlRecordSize);
  return WriteOutput(argv[2], record) ? 0 : 1;
}
