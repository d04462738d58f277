#include "entry/gui/FieldHelp.h"

#include <utility>

namespace vostrane {

std::string HelpSectionOfField(const std::string& objectName) {
  static const std::pair<const char*, const char*> kSections[] = {
      {"EditName", "name"},         {"ListBox1", "name"},     {"MaskEdDate", "date"},
      {"MaskEdTime", "time"},       {"EditPlace", "places"},  {"MaskEdLat", "latitude"},
      {"MaskEdLong", "latitude"},   {"MaskEdTZHrs", "zone"},  {"MaskEdTZMins", "zone"},
      {"MaskEdTzEW", "zone"},       {"MaskEdDstObs", "zone"}, {"HouseSystem", "chart-settings"},
      {"Zodiac", "chart-settings"},
  };
  for (const auto& [field, section] : kSections)
    if (objectName == field) return section;
  return "entering";
}

}  // namespace vostrane
