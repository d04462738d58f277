// SPDX-License-Identifier: GPL-3.0-or-later
// gen_qirtext SOURCE OUTPUT: builds the message text file "QIRTEXT.DAT" from
// its readable source (see TextSource.h). Any error in the source is reported
// as file:line and nothing is written.
#include <iostream>

#include "tools/generators/textgen/TextSource.h"

using namespace vostrane::textgen;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: gen_qirtext SOURCE OUTPUT\n";
    return 2;
  }
  const std::string sourcePath = argv[1];
  std::string content;
  if (!ReadSource(sourcePath, content)) return 1;
  const TextSource source = ParseTextSource(content, sourcePath);
  if (!source.errors.empty()) {
    PrintErrors(source.errors);
    std::cerr << argv[2] << " was not written\n";
    return 1;
  }
  if (source.texts.empty()) {
    std::cerr << sourcePath << ": holds no text\n";
    return 1;
  }
  return WriteOutput(argv[2], BuildMessageTextFile(source.texts)) ? 0 : 1;
}
