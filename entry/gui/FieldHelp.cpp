// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/gui/FieldHelp.h"

#include <utility>

namespace vostrane {

std::string HelpSectionOfField(const std::string& objectName) {
  static const std::pair<const char*, const char*> kSections[] = {
      {"NameField", "name"},          {"NameFileList", "name"},   {"DateField", "date"},
      {"TimeField", "time"},          {"PlaceField", "places"},   {"LatitudeField", "latitude"},
      {"LongitudeField", "latitude"}, {"ZoneHoursField", "zone"}, {"ZoneMinutesField", "zone"},
      {"EastWestField", "zone"},      {"DaylightField", "zone"},  {"HouseSystem", "chart-settings"},
      {"Zodiac", "chart-settings"},
  };
  for (const auto& [field, section] : kSections)
    if (objectName == field) return section;
  return "entering";
}

}  // namespace vostrane
