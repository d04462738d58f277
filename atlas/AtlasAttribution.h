// SPDX-License-Identifier: GPL-3.0-or-later
// The credit the atlas data asks for, shown where the program names its
// sources (the About box) and in the README.
#pragma once

namespace vostrane {

inline constexpr const char* kAtlasAttribution =
    "Places: GeoNames (geonames.org), CC BY 4.0; time zones: the IANA time zone database.";

}  // namespace vostrane
