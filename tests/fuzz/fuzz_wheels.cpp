// SPDX-License-Identifier: GPL-3.0-or-later
// "WHEELS.DAT" records and "WHEELSG.DAT" picture groups: the style reads by
// printout code and the pictures drawn on a recording surface.
#include "wheel/RecordingSurface.h"
#include "wheel/WheelPictures.h"
#include "wheel/WheelStyleFile.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vostrane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  fuzz::BeginInput();
  fuzz::WriteFile(kWheelStyleFileName, data + 4, size - 4);
  fuzz::WriteFile(kPictureFileName, data + 4, size - 4);
  WheelStyleFile styles;
  if (!styles.Open()) fuzz::Fail("an existing style file did not open");
  const std::string code = {static_cast<char>('A' + data[0] % 26), static_cast<char>('A' + data[1] % 26),
                            static_cast<char>('A' + data[2] % 26)};
  for (char category : {'S', 'B', 'C'}) {
    WheelDefinition def;
    styles.Read(code, category, def);
    styles.Read("AAA", category, def);
  }
  styles.Close();
  const int group = data[3] % 27;  // 0 and 26 lie outside the groups
  if (ReadPictureGroup(group).size() > static_cast<size_t>(kPicturesPerGroup))
    fuzz::Fail("more than twenty pictures in a group");
  RecordingSurface surface;
  DrawPictureGroup(surface, group);
  return 0;
}
