// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/driver/CalcDriver.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/MessageService.h"
#include "session/SessionFile.h"
#include "common/ControlRecord.h"

namespace vostrane {
namespace {

double OneStepInto360(double x) {
  if (x >= 360.0) x -= 360.0;
  if (x < 0.0) x += 360.0;
  return x;
}

class Driver {
 public:
  Driver(CalcProgress& progress, NameFileWriteBack& nameFile, ChartCalculator& calculator,
         bool geocentricLatitude)
      : progress_(progress), nameFile_(nameFile), calc_(calculator), geoLat_(geocentricLatitude) {}

  int Run() {
    progress_.SetStepCaption(kCaptionFor);
    // One walk finds every entry's level; the entries are then calculated
    // level by level, each read once, so that a chain of derived charts
    // costs reads in proportion to its length, not to its length squared.
    std::vector<std::vector<int>> byLevel;
    const int count = CountEntries(byLevel);
    for (const std::vector<int>& records : byLevel) {
      for (const int record : records) {
        ChartEntry entry;
        SessionAccess(SessionOperation::ReadAt, entry, record);
        progress_.SetEntryName(entry.name());
        Calculate(entry, record, count);
        progress_.SetEntryName("");
      }
    }
    SessionAccess(SessionOperation::Close, scratch_);
    return failedDerived_;
  }

 private:
  // Walks the list once to its terminator; returns the number of entries
  // and lists the record numbers of each level. A level can be at most
  // count - 1 in a real chain of derived charts; an entry of a larger or a
  // negative stored level (a damaged file) is not calculated.
  int CountEntries(std::vector<std::vector<int>>& byLevel) {
    std::vector<std::pair<int, int>> levels;  // record, level
    SessionAccess(SessionOperation::OpenReadFirst, scratch_);
    while (scratch_.used()) {
      levels.emplace_back(static_cast<int>(levels.size()) + 1, scratch_.level());
      SessionAccess(SessionOperation::ReadNext, scratch_);
    }
    const int count = static_cast<int>(levels.size());
    for (const auto& [record, level] : levels) {
      if (level < 0 || level > count) continue;
      if (static_cast<size_t>(level) >= byLevel.size()) byLevel.resize(static_cast<size_t>(level) + 1);
      byLevel[static_cast<size_t>(level)].push_back(record);
    }
    return count;
  }

  // Reads entry n, another entry of the list than `record`; false when
  // there is none (a link of a damaged or foreign file).
  bool ReadOther(int n, int record, int count, ChartEntry& out) {
    if (n < 1 || n > count || n == record) return false;
    SessionAccess(SessionOperation::ReadAt, out, n);
    return out.used();
  }

  // Fills a derived entry from its bases and writes it. A chart that cannot
  // be made is reported and left as it was, not calculated further (and so
  // not drawn); false then.
  bool CalcDerivedChart(ChartEntry& entry, const ChartEntry& base, int record, int count) {
    ChartEntry second;
    const bool haveSecond = entry.secondBaseEntry() != 0 &&
                            ReadOther(entry.secondBaseEntry(), record, count, second);
    ChartEntry work = entry;
    if (auto error = calc_.Derived(work, base, haveSecond ? &second : nullptr, geoLat_)) {
      ShowMessage("Entry " + std::to_string(record) + " (" + entry.name() + "): " + *error,
                  MsgIcon::Warning);
      ++failedDerived_;
      return false;
    }
    entry = work;
    SessionAccess(SessionOperation::WriteAt, entry, record);
    return true;
  }

  void Calculate(ChartEntry& entry, int record, int count) {
    // Marked incomplete on disk first: a calculation that ends early (a
    // fatal message ends the program) leaves an entry nobody draws.
    entry.setCalcComplete(false);
    SessionAccess(SessionOperation::WriteAt, entry, record);
    const bool linked = entry.nameRecord() > 0;
    if (entry.chartType() != 0) {
      progress_.SetStepCaption(kCaptionSecondary);
      ChartEntry base;
      if (ReadOther(entry.baseEntry(), record, count, base) &&
          !CalcDerivedChart(entry, base, record, count))
        return;
      SessionAccess(SessionOperation::ReadAt, entry, record);
    } else if (linked) {
      nameFile_.PositionOn(entry.name(), entry.nameRecord());
    }

    // One image per entry: the house step fills the time scales, angles and
    // cusps, the planet pass adds the bodies, and each write-back sends all.
    NameFileImage image;
    if (NeedsHouses(entry)) {
      progress_.SetStepCaption(kCaptionHouses);
      const bool update = calc_.Houses(entry, image, geoLat_);
      SessionAccess(SessionOperation::WriteAt, entry, record);
      if (update && linked) nameFile_.WriteBack(image, false);
    }

    if (NeedsPlanets(entry)) {
      progress_.SetStepCaption(kCaptionPlanets);
      const bool storeFlags = entry.level() == 0 && linked;
      PlanetFlags flags;
      const bool update = calc_.Planets(entry, image, flags, progress_, record);
      SessionAccess(SessionOperation::WriteAt, entry, record);
      if (update && linked) nameFile_.WriteBack(image, true);
      if (storeFlags) nameFile_.StoreCalculatedFlags(flags);
      if (entry.userZodiacType() != 'A') {
        ApplyUserZodiacOffset(entry, calc_.UserZodiacOffset(entry));
        SessionAccess(SessionOperation::WriteAt, entry, record);
      }
    }
    entry.setCalcComplete(true);
    SessionAccess(SessionOperation::WriteAt, entry, record);
  }

  CalcProgress& progress_;
  NameFileWriteBack& nameFile_;
  ChartCalculator& calc_;
  bool geoLat_;
  ChartEntry scratch_;
  int failedDerived_ = 0;
};

}  // namespace

bool NeedsHouses(const ChartEntry& entry) {
  const int type = entry.chartType();
  if (type == chart_type::kProgressed || type == chart_type::kNoCalculation) return false;
  return !(type == chart_type::kComposite && entry.chartSubtype() < 4);
}

bool NeedsPlanets(const ChartEntry& entry) {
  const int type = entry.chartType();
  const int sub = entry.chartSubtype();
  if (type == chart_type::kNoCalculation) return false;
  if (type == chart_type::kComposite && sub < 4) return false;
  return !(type == chart_type::kProgressed && (sub == 2 || sub == 3 || sub == 7 || sub == 8));
}

void ApplyUserZodiacOffset(ChartEntry& entry, double offset) {
  entry.setMoonNodeDeg(OneStepInto360(entry.moonNodeDeg() - offset));
  entry.setVertex(OneStepInto360(entry.vertex() - offset));
  entry.setEastPoint(OneStepInto360(entry.eastPoint() - offset));
  entry.setAsc(OneStepInto360(entry.asc() - offset));
  entry.setMc(OneStepInto360(entry.mc() - offset));
  entry.setCoAscendant(OneStepInto360(entry.coAscendant() - offset));
  entry.setPolarAscendant(OneStepInto360(entry.polarAscendant() - offset));
  for (int h = 1; h <= 6; ++h) entry.setCusp(h, OneStepInto360(entry.cusp(h) - offset));
  for (BodyArray array : {BodyArray::Lon, BodyArray::HLon, BodyArray::Ra})
    for (int slot = 0; slot <= 30; ++slot)
      entry.setBody(array, slot, OneStepInto360(entry.body(array, slot) - offset));
}

int CalculateSessionCharts(CalcProgress& progress, NameFileWriteBack& nameFile,
                           ChartCalculator& calculator, bool geocentricLatitude) {
  return Driver(progress, nameFile, calculator, geocentricLatitude).Run();
}

int CalculateSessionCharts(CalcProgress& progress, NameFileWriteBack& nameFile) {
  AstroCalculator calculator;
  return CalculateSessionCharts(progress, nameFile, calculator, Control().geocentricLatitude());
}

}  // namespace vostrane
