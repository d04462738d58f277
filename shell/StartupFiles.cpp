// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StartupFiles.h"

#include <sstream>

#include "platform/FileSystem.h"
#include "platform/RecordFile.h"
#include "platform/TextTrim.h"
#include "session/ChartEntry.h"
#include "session/SessionFile.h"
#include "common/FileCopy.h"

namespace vostrane {
namespace {

constexpr size_t kAboutTextLimit = 4096;

// The digit value of a character as the old file naming reads it: '0'..'9'
// give 0..9 and any other character its code minus that of '0' (so 'A' is 17).
int DigitValue(char c) { return static_cast<unsigned char>(c) - '0'; }

}  // namespace

bool UpdateScreenSelection(int screenWidth) {
  char marker = 'N';
  bool showNote = false;
  if (screenWidth < 750) {
    // Only the marker byte matters; a damaged marker counts as 'N', so that
    // the file never keeps anything but 'Y' or 'N'.
    if (auto bytes = ReadFileStart(kScreenSelectionFileName, 1); bytes && !bytes->empty())
      marker = (*bytes)[0] == 'Y' ? 'Y' : 'N';
    if (marker == 'N') {
      showNote = true;
      marker = 'Y';
    }
  }
  ReplaceFileContents(kScreenSelectionFileName, std::string(1, marker));
  return showNote;
}

std::vector<std::string> ReadAboutLines() {
  std::vector<std::string> lines;
  // Three label lines fit many times over into the start of the file; a
  // damaged, huge "y.dat" is not read further.
  const auto text = ReadFileStart("y.dat", kAboutTextLimit);
  if (!text) return lines;
  std::istringstream in(*text);
  std::string line;
  while (lines.size() < 3 && std::getline(in, line)) lines.push_back(TrimRightOf(line, " \t\r"));
  return lines;
}

void MoveControlFilesToTctl() {
  const auto names = ListFolder(".", "?ctl*.dat");
  if (!names || names->empty()) return;
  MakeFolder("TCTL");  // fails harmlessly when it exists
  for (const auto& name : *names) {
    if (CopyWholeFile(name, "TCTL/" + name, {.quiet = true})) EraseFile(name);
  }
}

int CtyEntryNumber(const std::string& name) {
  if (name.size() < 4) return 0;
  const int d1 = DigitValue(name[3]);
  if (d1 >= 1 && d1 <= 9 && name.size() >= 5 && name[4] >= '0' && name[4] <= '9')
    return 10 * d1 + (name[4] - '0');
  return d1;
}

void EraseOldPrintoutFiles() {
  for (const char* mask : {"*.BMP", "*.REP"}) {
    if (auto names = ListFolder(".", mask))
      for (const auto& name : *names) EraseFile(name);
  }
  const auto ctyFiles = ListFolder(".", "CTY*.FIL");
  if (!ctyFiles) return;
  RecordFile session;
  const bool open = session.Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadOnly);
  const int64_t records = open ? session.RecordCount() : 0;
  for (const auto& name : *ctyFiles) {
    if (!open || CtyEntryNumber(name) >= records) EraseFile(name);
  }
}

}  // namespace vostrane
