// SPDX-License-Identifier: GPL-3.0-or-later
// What the birth data form asks of the atlas and the daylight-time tables:
// the place lookup dialog, the exact lookup of a place name, reading a place
// into the form, and the zone re-check after the date or time changed.
// NoPlaceLookup serves a program without an atlas: typed places are kept as
// typed and the user types latitude, longitude and zone.
#pragma once

#include <optional>
#include <string>

#include "atlas/LocalClock.h"
#include "session/BirthDataTexts.h"

namespace vostrane {

// The outcome of the place lookup dialog.
struct PlaceChoice {
  char outcome = 'C';  // 'C' cancelled, 'O' "Place Not on File", 'G' a place was chosen
  std::string text;    // the dialog's place text
};

// Where the form puts the focus after a place was read.
enum class FocusAfterRead { ZoneHours, Name };

class PlaceLookup {
 public:
  virtual ~PlaceLookup() = default;

  // Data entry begins: the atlas is set to its name order.
  virtual void BeginSession() = 0;

  // Shows the place lookup dialog over the form that asks, for the place
  // typed so far. nullopt when there is no atlas to look in: the field keeps
  // what was typed.
  virtual std::optional<PlaceChoice> ChoosePlace(const std::string& placeText) = 0;

  // True when the text (trailing blanks removed, upper-cased) is exactly an
  // atlas name.
  virtual bool IsAtlasPlace(const std::string& placeText) = 0;

  // Reads the atlas place named by fields.place into the fields: latitude,
  // longitude and daylight table number, and for a natal chart the zone and
  // daylight fields from the daylight-time tables, with their warnings.
  virtual FocusAfterRead ReadPlace(BirthDataFields& fields, int chartType) = 0;

  // The re-check after the date ('D') or the time ('T') of a natal chart
  // whose place is from the atlas changed: asks before changing the zone.
  virtual void RecheckZone(BirthDataFields& fields, char what) = 0;

  // The zone and daylight letter in force at the fields' date and time for
  // their daylight table, without a question (a derived chart's own moment
  // at a place already read). Without tables the fields stay.
  virtual void ZoneAtMoment(BirthDataFields& /*fields*/) {}

  // Whether the fields' clock time fell in a gap or a repeat of the clocks
  // at their place (its daylight table); nullopt without tables.
  virtual std::optional<LocalClockCheck> CheckClock(const BirthDataFields&) { return std::nullopt; }
};

class NoPlaceLookup : public PlaceLookup {
 public:
  void BeginSession() override {}
  std::optional<PlaceChoice> ChoosePlace(const std::string&) override { return std::nullopt; }
  bool IsAtlasPlace(const std::string&) override { return false; }
  FocusAfterRead ReadPlace(BirthDataFields&, int) override { return FocusAfterRead::ZoneHours; }
  void RecheckZone(BirthDataFields&, char) override {}
};

}  // namespace vostrane
