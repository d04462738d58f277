// SPDX-License-Identifier: GPL-3.0-or-later
// Cosines and sines of the integer multiples of an angle, by repeated
// rotation from one cosine and one sine. A trigonometric series in integer
// multiples of a few arguments then needs two library calls per argument
// instead of one per term, and each term is a few products.
#pragma once

#include <array>

#include "astro/CosSin.h"

namespace vostrane {

class MultipleAngles {
 public:
  static constexpr int kMax = 24;  // the largest multiple kept

  // Multiples 0 to n (at most kMax) of the angle x in radians; only these
  // may be asked for afterwards.
  void Set(double x, int n) {
    c_[0] = 1;
    s_[0] = 0;
    if (n < 1) return;
    const CosSin first = CosSinOf(x);
    c_[1] = first.c;
    s_[1] = first.s;
    for (int m = 2; m <= n; ++m) {
      c_[m] = c_[m - 1] * c_[1] - s_[m - 1] * s_[1];
      s_[m] = s_[m - 1] * c_[1] + c_[m - 1] * s_[1];
    }
  }
  // cos and sin of m times the angle, m from -n to n.
  CosSin Of(int m) const { return m >= 0 ? CosSin{c_[m], s_[m]} : CosSin{c_[-m], -s_[-m]}; }
  // cos and sin of m times the angle, m from 0 to n.
  double Cos(int m) const { return c_[m]; }
  double Sin(int m) const { return s_[m]; }

 private:
  // Left unset beyond n: a series sets up to a few dozen of these per
  // evaluation, and clearing them all would cost more than the recurrence.
  std::array<double, kMax + 1> c_, s_;
};

}  // namespace vostrane
