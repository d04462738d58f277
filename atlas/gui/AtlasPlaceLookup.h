// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas behind the birth data form: the place lookup dialog, the exact
// lookup of a place name, reading a place into the form and the zone
// re-check, on the program's atlas table (PlacesTable()) and daylight-time
// tables. Table store errors are shown and the form goes on.
#pragma once

#include <cstdint>
#include <string>

#include "atlas/PlaceLookup.h"

namespace vostrane {

class AtlasPlaceLookup : public PlaceLookup {
 public:
  void BeginSession() override;
  // Shows PlaceDialog over the form that asks, beside its "PlaceButton"
  // button. The forms that ask (the birth data form, the derived-chart
  // dialog) are modal, so the asking one is the modal window on top. nullopt
  // when the atlas could not be opened at start-up: the typed text stays.
  std::optional<PlaceChoice> ChoosePlace(const std::string& placeText) override;
  bool IsAtlasPlace(const std::string& placeText) override;
  FocusAfterRead ReadPlace(BirthDataFields& fields, int chartType) override;
  void RecheckZone(BirthDataFields& fields, char what) override;
  // Opens "DST.FIL" for the lookup when data entry does not hold it open.
  void ZoneAtMoment(BirthDataFields& fields) override;
  std::optional<LocalClockCheck> CheckClock(const BirthDataFields& fields) override;

 private:
  // The record chosen in the dialog last and the name it put into the form.
  struct Chosen {
    uint32_t record = 0;
    std::string name;
  };
  Chosen chosen_;
  bool unavailableShown_ = false;  // the unavailable note, once per data entry
};

}  // namespace vostrane
