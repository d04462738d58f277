// SPDX-License-Identifier: GPL-3.0-or-later
#include "derived/DerivedKindTitle.h"

#include "derived/DerivedRequest.h"

namespace vostrane {

std::string DerivedKindTitle(const ChartEntry& entry) {
  const std::optional<DerivedKind> kind = KindOfEntry(entry);
  if (!kind) return "";
  std::string title = DerivedKindName(*kind);
  if (*kind == DerivedKind::Harmonic) title += " " + std::to_string(entry.harmonic());
  if (*kind == DerivedKind::PlanetReturn)
    title += std::string(" (") + ReturnBodyName(entry.chartSubtype()) + ")";
  return title;
}

std::string ChartKindHeading(const ChartEntry& entry) {
  if (entry.chartType() == chart_type::kNatal) return "Natal";
  const std::optional<DerivedKind> kind = KindOfEntry(entry);
  if (!kind) return "Chart";
  switch (*kind) {
    case DerivedKind::Progressed: return "Progressed";
    case DerivedKind::SolarArc: return "Solar Arc";
    case DerivedKind::Relocated: return "Relocated";
    case DerivedKind::Composite: return "Composite";
    case DerivedKind::Harmonic: return "Harmonic";
    default: return DerivedKindName(*kind);
  }
}

const char* ReturnBodyName(int slot) {
  static const char* const names[] = {"Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
  if (slot < kReturnBodyFirst || slot > kReturnBodyLast) return "";
  return names[slot - kReturnBodyFirst];
}

}  // namespace vostrane
