// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFile.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

bool ReadTableFile(const std::string& path, TableFile& out, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  out = TableFile{};
  std::string line;
  bool header = false;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line[0] == '#') {
      out.comments.push_back(line.size() > 2 ? line.substr(2) : "");
      continue;
    }
    if (!header) {
      if (line != "j\tk\tA\tpA\tB\tpB\tx") {
        error = path + ": unexpected header line " + std::to_string(number);
        return false;
      }
      header = true;
      continue;
    }
    std::istringstream fields(line);
    TableTerm t;
    if (!(fields >> t.j >> t.k >> t.A >> t.pA >> t.B >> t.pB >> t.x) || t.x < 0 || t.x > 15) {
      error = path + ": bad term on line " + std::to_string(number);
      return false;
    }
    out.terms.push_back(t);
  }
  if (!header) {
    error = path + ": no header line";
    return false;
  }
  return true;
}

bool WriteTableFile(const std::string& path, const TableFile& table, std::string& error) {
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::trunc);
    if (!out) {
      error = "cannot write " + temp;
      return false;
    }
    for (const std::string& c : table.comments) out << "# " << c << "\n";
    out << "j\tk\tA\tpA\tB\tpB\tx\n";
    char buf[160];
    for (const TableTerm& t : table.terms) {
      std::snprintf(buf, sizeof buf, "%d\t%d\t%.4f\t%.3f\t%d\t%.3f\t%d\n", t.j, t.k, t.A, PhaseDeg(t.pA),
                    t.B, PhaseDeg(t.pB), t.x);
      out << buf;
    }
    if (!out.flush()) {
      error = "cannot write " + temp;
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error = "cannot replace " + path;
    return false;
  }
  return true;
}

double PhaseDeg(double x) {
  double p = std::fmod(x, 360.0);
  if (p < 0) p += 360.0;
  // Printing with three decimals must not turn 359.9999 into 360.000.
  if (p >= 359.9995) p = 0.0;
  return p;
}
