// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/WheelPage.h"

namespace vostrane {

double PointDeclination(const ChartEntry& e, int point) {
  if (point >= 0 && point <= 12) return e.body(BodyArray::Decl, point);
  if (point >= 13 && point <= 17) return e.body(BodyArray::Decl, point + 3);
  if (point == 18) return e.body(BodyArray::Decl, 15);
  if (point == 19) return -e.body(BodyArray::Decl, 10);
  return 0;
}

}  // namespace vostrane
