// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the aspect sets of "ANGLES.DAT": the candidate rows computed from
// the entries, and the whole file held as read so that a set written back
// keeps every byte the program does not use (candidate rows past 180, any
// bytes after the third set).
#pragma once

#include <string>

#include "wheel/AspectSetFile.h"

namespace vostrane {

inline constexpr int kAspectSets = 3;

// Rows 0..180 of the candidate table from the entries in use and the wider of
// their two orbs times `orbScale` (the largest orb factor). Rows past 180 are
// left alone. False with `error` set when a row would list more than 39.
bool ComputeCandidateRows(AspectSet& set, double orbScale, std::string& error);

class AspectSetFileImage {
 public:
  // Reads the whole file. A file that is missing, shorter than its three
  // sets or not as installed is named in a message; false then.
  bool Load(const std::string& path = kAspectSetFileName);
  // Set n (1..3) as it stands in the file.
  AspectSet Set(int n) const;
  // Puts an edited set back as set n: its entries, short names and
  // recomputed candidate rows; every other byte stays.
  bool PutSet(int n, const AspectSet& edited, double orbScale, std::string& error);
  // Writes the file (the previous one stays when that fails) and brings its
  // line of the installation's list up to date.
  bool Save(const std::string& path = kAspectSetFileName) const;
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace vostrane
