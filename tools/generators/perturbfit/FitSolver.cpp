// SPDX-License-Identifier: GPL-3.0-or-later
#include "FitSolver.h"

#include <cmath>

NormalEquations::NormalEquations(int unknowns, int rightHandSides)
    : n_(unknowns),
      m_(rightHandSides),
      ata_(static_cast<size_t>(unknowns) * unknowns, 0.0),
      atb_(static_cast<size_t>(rightHandSides) * unknowns, 0.0) {}

void NormalEquations::Add(const double* row, const double* rhs) {
  for (int i = 0; i < n_; ++i) {
    const double ri = row[i];
    double* line = &ata_[static_cast<size_t>(i) * n_];
    for (int j = i; j < n_; ++j) line[j] += ri * row[j];
    for (int k = 0; k < m_; ++k) atb_[static_cast<size_t>(k) * n_ + i] += ri * rhs[k];
  }
}

void NormalEquations::Solve(std::vector<double>& first, std::vector<double>& second) const {
  const int n = n_;
  std::vector<double> L(static_cast<size_t>(n) * n, 0.0);
  double trace = 0;
  for (int i = 0; i < n; ++i) trace += ata_[static_cast<size_t>(i) * n + i];
  const double ridge = n ? 1e-12 * trace / n : 0.0;
  for (int j = 0; j < n; ++j) {
    double d = ata_[static_cast<size_t>(j) * n + j] + ridge;
    for (int k = 0; k < j; ++k)
      d -= L[static_cast<size_t>(j) * n + k] * L[static_cast<size_t>(j) * n + k];
    const double djj = std::sqrt(d > 0 ? d : 1e-300);
    L[static_cast<size_t>(j) * n + j] = djj;
    for (int i = j + 1; i < n; ++i) {
      double s = ata_[static_cast<size_t>(j) * n + i];
      for (int k = 0; k < j; ++k)
        s -= L[static_cast<size_t>(i) * n + k] * L[static_cast<size_t>(j) * n + k];
      L[static_cast<size_t>(i) * n + j] = s / djj;
    }
  }
  auto solve = [&](int which, std::vector<double>& x) {
    x.assign(n, 0.0);
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i) {
      double s = atb_[static_cast<size_t>(which) * n + i];
      for (int k = 0; k < i; ++k) s -= L[static_cast<size_t>(i) * n + k] * y[k];
      y[i] = s / L[static_cast<size_t>(i) * n + i];
    }
    for (int i = n - 1; i >= 0; --i) {
      double s = y[i];
      for (int k = i + 1; k < n; ++k) s -= L[static_cast<size_t>(k) * n + i] * x[k];
      x[i] = s / L[static_cast<size_t>(i) * n + i];
    }
  };
  solve(0, first);
  if (m_ > 1) solve(1, second);
}
