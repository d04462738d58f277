// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the readable perturbation tables of data/perturbations:
// '#' comment lines, a header line, then one term per line with the columns
// j, k, A, pA, B, pB, x separated by tabs.
#pragma once

#include <string>
#include <vector>

struct TableTerm {
  int j = 0, k = 0;
  double A = 0, pA = 0;
  int B = 0;
  double pB = 0;
  int x = 0;
};

struct TableFile {
  std::vector<std::string> comments;  // without the leading "# "
  std::vector<TableTerm> terms;
};

// Returns false and sets error when the file is missing or malformed.
bool ReadTableFile(const std::string& path, TableFile& out, std::string& error);
// Writes through a temporary file so that a failure leaves the old file.
bool WriteTableFile(const std::string& path, const TableFile& table, std::string& error);

// Phase in degrees brought into [0, 360).
double PhaseDeg(double x);
