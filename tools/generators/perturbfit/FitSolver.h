// SPDX-License-Identifier: GPL-3.0-or-later
// Least squares by normal equations and a Cholesky factorisation, for a
// few hundred unknowns and several right-hand sides sharing one design.
#pragma once

#include <vector>

class NormalEquations {
 public:
  NormalEquations(int unknowns, int rightHandSides);
  // Adds one observation: a design row of `unknowns` values and one value
  // per right-hand side.
  void Add(const double* row, const double* rhs);
  // Solves for the first two right-hand sides. A tiny ridge keeps nearly
  // dependent columns from blowing up.
  void Solve(std::vector<double>& first, std::vector<double>& second) const;

 private:
  int n_, m_;
  std::vector<double> ata_;  // n x n, upper triangle used
  std::vector<double> atb_;  // m x n
};
