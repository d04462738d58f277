// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/ChartTitle.h"

#include "platform/TextTrim.h"
#include "common/AngleTime.h"
#include "derived/DerivedEncoding.h"
#include "wheel/PageText.h"
#include "wheel/ReturnMoment.h"

namespace vostrane {

namespace {

// Long texts of the name tables (PageNames::longTexts).
constexpr int kNatalTitle = 52;
constexpr int kKindTitles = 40;          // chart types 0..3: 40 + type
constexpr int kCompositeSubTitles = 22;  // composite sub-type s: 22 + s
constexpr int kProgressedTitles = 13;    // progressed sub-type s: 13 + s
constexpr int kReturnTitle = 33;         // "Return"
constexpr int kSpecialTitle = 45;
constexpr int kRelocatedTitle = 51;  // "Relocated to"
constexpr int kPlanetReturnTitle = 82;
constexpr int kUserZodiacTitle = 86;
constexpr int kLongestChain = 50;

std::string Two(int n) { return (n >= 0 && n <= 9 ? "0" : "") + std::to_string(n); }

// A return is named by its date at its own place.
std::string ForDateIn(const ChartEntry& e) {
  if (const std::optional<LocalMoment> m = ReturnLocalMoment(e))
    return " for " + DateText(m->local.date.month, m->local.date.day, m->local.date.year) + " in " +
           e.place();
  return " for " + DateText(e.month(), e.day(), e.year()) + " in " + e.place();
}

// The date a progressed or directed chart was made for; its own date is the
// progressed moment, shown in the header as "ACD:".
std::string TargetDate(const ChartEntry& e) {
  const int m = e.printoutParam(derived::kTargetMonth), d = e.printoutParam(derived::kTargetMonth + 1),
            y = e.printoutParam(derived::kTargetMonth + 2);
  if (derived::IsEntryDate(m, d, y)) return DateText(m, d, y);
  return DateText(e.month(), e.day(), e.year());
}

std::string DerivedAscendantNote(double latitude) {
  const DegreesMinutesSeconds d = SplitDegrees(latitude);
  std::string note = " (Derived Asc. for Lat. " + std::to_string(d.degrees) + " " +
                     (latitude < 0 ? "S" : "N") + " " + Two(d.minutes);
  if (d.seconds != 0) note += " " + Two(d.seconds);
  return note + ") ";
}

}  // namespace

std::string OwnChartTitle(const ChartEntry& e, const PageNames& names) {
  std::string title;
  if (e.harmonic() > 1)
    title += std::to_string(e.harmonic()) + OrdinalSuffix(e.harmonic()) + " Harmonic ";
  if (e.userZodiacType() != 'A' && e.userZodiacType() != 0)
    title += names.LongText(kUserZodiacTitle) + " ";
  const int sub = e.chartSubtype();
  switch (e.chartType()) {
    case 0: title += names.LongText(kNatalTitle); break;
    case 1:
      title += names.LongText(kKindTitles + 1) + " (" + names.LongText(kCompositeSubTitles + sub) + ") ";
      if (sub == 1) title += DerivedAscendantNote(e.latitude());
      break;
    case 2:
    case 3: title += names.LongText(kKindTitles + e.chartType()) + ForDateIn(e); break;
    case 4: title += names.LongText(kProgressedTitles + sub) + " for " + TargetDate(e); break;
    case 5:
      // A harmonic chart of another chart: "5th Harmonic Chart".
      if (e.harmonic() > 1) title += "Chart";
      else
        title += names.LongText(kSpecialTitle) + " " + std::string(1, static_cast<char>('A' + sub % 26));
      break;
    case 6: title += names.LongText(kRelocatedTitle) + " " + e.place(); break;
    case 7:
      // The returning planet and the kind of return, joined by "-".
      title += names.PointName(sub <= 9 ? sub : 0) + "-" + names.LongText(kReturnTitle) + " (" +
               names.LongText(kPlanetReturnTitle) + ")" + ForDateIn(e);
      break;
    case 8:
      title += "Transits for " + DateText(e.month(), e.day(), e.year()) + " at " +
               ClockText(e.hours(), e.minutes(), e.seconds()) + " in " + e.place();
      break;
    default: break;
  }
  return title;
}

std::string ChartTitle(const ChartEntry& e, const PageNames& names, const EntryLookup& lookup) {
  std::string title = OwnChartTitle(e, names);
  if (!lookup || e.chartType() == 0) return title;
  if (e.chartType() == 1) {
    ChartEntry a, b;
    const int ra = e.baseEntry(), rb = e.secondBaseEntry();
    if (ra > 0 && lookup(ra, a)) title += "  Chart " + std::to_string(ra) + ": " + DisplayName(a.name());
    if (rb > 0 && lookup(rb, b))
      title += " AND Chart " + std::to_string(rb) + ": " + DisplayName(b.name());
    return title;
  }
  ChartEntry current = e;
  for (int depth = 0; depth < kLongestChain && current.chartType() != 0; ++depth) {
    const int base = current.baseEntry();
    ChartEntry next;
    if (base <= 0 || !lookup(base, next)) break;
    if (next.chartType() == 1) {
      title += "  COMPOSITE is " + OwnChartTitle(next, names);
      break;
    }
    title += "  OF  " + OwnChartTitle(next, names);
    // A progression or direction names the birth it starts from.
    if (current.chartType() == chart_type::kProgressed)
      title += " of " + DateText(next.month(), next.day(), next.year());
    current = next;
  }
  return title;
}

std::string ChartName(const ChartEntry& e, const EntryLookup& lookup) {
  ChartEntry a, b;
  if (e.chartType() == chart_type::kComposite && lookup && e.baseEntry() > 0 &&
      e.secondBaseEntry() > 0 && lookup(e.baseEntry(), a) && lookup(e.secondBaseEntry(), b))
    return DisplayName(a.name()) + " / " + DisplayName(b.name());
  return DisplayName(e.name());
}

std::string PrintoutTitle(const ChartEntry& e, const PageNames& names) {
  return "Vostrane - " + Trim(e.name()) + " - " + Trim(OwnChartTitle(e, names));
}

}  // namespace vostrane
