// SPDX-License-Identifier: GPL-3.0-or-later
// What the name-file benchmarks share: the birth data they store for every
// person (one London birth, so that only the names differ between records)
// and a name file in a scratch folder.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "entry/BirthDataFields.h"
#include "names/NameTable.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

inline BirthDataFields LondonBenchPerson(const std::string& name) {
  BirthDataFields f;
  f.name = name;
  f.date = "03051961";
  f.time = "023000P";
  f.place = "London, United Kingdom";
  f.latitude = "51N3000";
  f.longitude = "000W0700";
  f.zoneHours = "00";
  f.zoneMinutes = "00";
  f.zoneEastWest = "W";
  f.daylight = "N";
  f.dstTable = "";
  return f;
}

// An empty name file, open, in a folder of its own under /tmp (named from
// `pattern`, which ends in XXXXXX); the folder goes with the object.
class ScratchNameTable {
 public:
  explicit ScratchNameTable(std::string pattern) {
    folder_ = mkdtemp(pattern.data());
    OpenNameTable(table_, folder_ + "/" + kNamesFileName);
  }
  ~ScratchNameTable() {
    table_.Close();
    std::filesystem::remove_all(folder_);
  }
  ScratchNameTable(const ScratchNameTable&) = delete;
  ScratchNameTable& operator=(const ScratchNameTable&) = delete;
  DbfTable& table() { return table_; }

 private:
  std::string folder_;
  DbfTable table_;
};

}  // namespace vostrane
