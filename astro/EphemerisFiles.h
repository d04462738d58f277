// The ephemeris files of one calculation run (outer planets, Chiron,
// asteroids): each is read whole the first time a position needs it and kept
// in memory until the run ends, so that a chart makes no file access after
// the first one that needed the file. A file that is missing is looked for
// once per run, and a fault of a file is reported once per run.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace vostrane {

class EphemerisFiles {
 public:
  // The file's first maxBytes bytes (all of a shorter file; nothing beyond
  // can be addressed), or nullptr when it is not on disk or cannot be read.
  const std::string* Get(const std::string& name, size_t maxBytes);
  // True the first time a fault of the file is reported in this run.
  bool FirstReport(const std::string& name) { return reported_.insert(name).second; }

 private:
  std::map<std::string, std::optional<std::string>> files_;
  std::set<std::string> reported_;
};

}  // namespace vostrane
