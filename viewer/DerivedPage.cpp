// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/DerivedPage.h"

#include "derived/DerivedKindTitle.h"
#include "platform/TextTrim.h"

namespace vostrane {
namespace {

bool ReadBase(int record, const EntryLookup& lookup, ChartEntry& base) {
  return record > 0 && lookup && lookup(record, base) && base.used() && base.calcComplete();
}

}  // namespace

WheelPageInput PageCharts::Input(const EntryLookup& lookup) const {
  WheelPageInput page;
  page.category = category;
  page.inner = &inner;
  page.second = category == 'R' ? nullptr : &second;
  page.third = category == 'T' ? &third : nullptr;
  page.lookup = lookup;
  return page;
}

PageCharts ChartsOfPage(const ChartEntry& current, const EntryLookup& lookup) {
  PageCharts page;
  page.inner = current;
  if (current.chartType() == 0) return page;
  ChartEntry first, partner;
  const bool hasFirst = ReadBase(current.baseEntry(), lookup, first);
  const bool hasPartner = current.secondBaseEntry() != current.baseEntry() &&
                          ReadBase(current.secondBaseEntry(), lookup, partner);
  if (hasFirst && hasPartner) {
    page.category = 'T';
    page.inner = first;
    page.second = partner;
    page.third = current;
  } else if (hasFirst || hasPartner) {
    page.category = 'B';
    page.inner = hasFirst ? first : partner;
    page.second = current;
  }
  return page;
}

std::string ViewerCaption(const ChartEntry& current, const PageNames& names, const EntryLookup& lookup) {
  const std::string kind = DerivedKindTitle(current);
  if (kind.empty()) return PrintoutTitle(current, names);
  const std::string name = current.chartType() == chart_type::kComposite ? ChartName(current, lookup)
                                                                         : Trim(current.name());
  return "Vostrane - " + name + " - " + kind;
}

}  // namespace vostrane
