// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/MajorAspects.h"

#include "platform/FileSystem.h"
#include "wheel/AspectSetFile.h"

namespace vostrane {

std::vector<double> MajorAspectAngles() {
  AspectSet set;
  std::vector<double> angles;
  if (FileExists(kAspectSetFileName) && ReadAspectSet('1', "AAA", set))
    for (int i = 1; i <= kAspectCount; ++i)
      if (set.Entry(i).InUse() && set.Entry(i).Angle() <= 180) angles.push_back(set.Entry(i).Angle());
  if (angles.empty()) angles = {0, 60, 90, 120, 180};
  return angles;
}

}  // namespace vostrane
