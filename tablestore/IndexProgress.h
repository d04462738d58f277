// SPDX-License-Identifier: GPL-3.0-or-later
// Progress of an index rebuild, reported to whoever shows it (the GUI shows
// a progress window with the caption "Indexing " + index file name + "...").
#pragma once

#include <cstdint>
#include <string>

namespace vostrane {

class IndexProgress {
 public:
  virtual ~IndexProgress() = default;
  virtual void Begin(const std::string& caption, uint32_t totalRecords) = 0;
  virtual void Advance(uint32_t recordsDone) = 0;
  virtual void End() = 0;
};

}  // namespace vostrane
