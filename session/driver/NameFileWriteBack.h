// SPDX-License-Identifier: GPL-3.0-or-later
// How the calculation driver stores calculated values in the person's record
// of the name file. The name file implements it on its table; until a build
// has a name file, NoNameFileWriteBack stands in and stores nothing.
#pragma once

#include <cstdint>
#include <string>

#include "astro/PlanetPass.h"
#include "session/NameFileImage.h"

namespace vostrane {

class NameFileWriteBack {
 public:
  virtual ~NameFileWriteBack() = default;
  // Positions the name table on the person of this name (exact key);
  // `linkedRecord` is the record number the entry was linked to (0: none),
  // by which a person missed by a stale index is told from one not on file.
  virtual void PositionOn(const std::string& name, int32_t linkedRecord = 0) = 0;
  // Writes the image's values into the current record and posts it; with
  // fullSet also the eight blocks of body values.
  virtual void WriteBack(const NameFileImage& image, bool fullSet) = 0;
  // Sets CALCYN, CALCASTYN and CALCTNP of the current record and posts it.
  virtual void StoreCalculatedFlags(const PlanetFlags& flags) = 0;
};

class NoNameFileWriteBack : public NameFileWriteBack {
 public:
  void PositionOn(const std::string&, int32_t = 0) override {}
  void WriteBack(const NameFileImage&, bool) override {}
  void StoreCalculatedFlags(const PlanetFlags&) override {}
};

}  // namespace vostrane
