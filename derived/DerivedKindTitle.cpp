#include "derived/DerivedKindTitle.h"

#include "derived/DerivedRequest.h"

namespace vostrane {

std::string DerivedKindTitle(const ChartEntry& entry) {
  const std::optional<DerivedKind> kind = KindOfEntry(entry);
  if (!kind) return "";
  std::string title = DerivedKindName(*kind);
  if (*kind == DerivedKind::Harmonic) title += " " + std::to_string(entry.harmonic());
  if (*kind == DerivedKind::PlanetReturn)
    title += std::string(" (") + ReturnBodyName(entry.chartypxtr()) + ")";
  return title;
}

const char* ReturnBodyName(int slot) {
  static const char* const names[] = {"Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
  if (slot < kReturnBodyFirst || slot > kReturnBodyLast) return "";
  return names[slot - kReturnBodyFirst];
}

}  // namespace vostrane
