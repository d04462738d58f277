// SPDX-License-Identifier: GPL-3.0-or-later
// "QIRTEXT.DAT": texts by number and in sequence.
#include "common/MessageTextFile.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vostrane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::BeginInput();
  fuzz::WriteFile(kMessageTextFileName, data, size);
  if (!OpenMessageTextFile()) fuzz::Fail("an existing file did not open");
  const int records = static_cast<int>(size / kMessageTextRecordSize);
  for (int k = 0; k <= records + 1 && k <= 64; ++k)
    if (MessageText(k).size() > 70 && MessageText(k) != kUnreadableText) fuzz::Fail("text too long");
  if (PositionAtMessageText(1))
    for (int k = 0; k <= records && k <= 64; ++k) NextMessageText();
  CloseMessageTextFile();
  return 0;
}
