// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real vostrane-batch in the working folder and reads the numbers
// of its JSON output.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

#ifdef VOSTRANE_BATCH

namespace vostrane::test {

// Standard output of the command (with its error output when `errors`);
// the exit status in *status.
inline std::string RunBatch(const std::string& args, int* status, bool errors = false) {
  const std::string command = std::string(VOSTRANE_BATCH) + " " + args +
                              (errors ? " 2>&1" : " 2>/dev/null");
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buf[4096];
  while (size_t n = fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
  const int raw = pclose(pipe);
  *status = WEXITSTATUS(raw);
  return out;
}

// The numbers after "key": in a flat JSON object (one number or a list).
inline std::vector<double> JsonNumbers(const std::string& json, const std::string& key) {
  const size_t at = json.find("\"" + key + "\": ");
  if (at == std::string::npos) return {};
  const char* p = json.c_str() + at + key.size() + 4;
  std::vector<double> values;
  const bool list = *p == '[';
  if (list) ++p;
  do {
    char* end = nullptr;
    values.push_back(std::strtod(p, &end));
    p = end;
    while (*p == ',' || *p == ' ') ++p;
  } while (list && *p != ']');
  return values;
}

}  // namespace vostrane::test

#endif
