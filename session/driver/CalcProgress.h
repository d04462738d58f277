// SPDX-License-Identifier: GPL-3.0-or-later
// Where the calculation driver reports its progress: the step caption, the
// name of the entry being calculated and a line the planet pass may use.
#pragma once

#include <string>

namespace vostrane {

class CalcProgress {
 public:
  virtual ~CalcProgress() = default;
  virtual void SetStepCaption(const std::string& text) = 0;
  virtual void SetEntryName(const std::string& text) = 0;
  virtual void SetPlanetText(const std::string& text) = 0;
};

// Progress that goes nowhere (the batch tool, tests).
class SilentProgress : public CalcProgress {
 public:
  void SetStepCaption(const std::string&) override {}
  void SetEntryName(const std::string&) override {}
  void SetPlanetText(const std::string&) override {}
};

}  // namespace vostrane
