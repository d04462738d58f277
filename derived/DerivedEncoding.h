// SPDX-License-Identifier: GPL-3.0-or-later
// How each derived kind is stored in the entry record: chart type, sub-type
// and the printout parameter elements that carry the kind's date and body.
#pragma once

#include <cstdint>

#include "session/ChartEntry.h"
#include "common/Calendar.h"

namespace vostrane::derived {

// Chart types.
constexpr uint8_t kCompositeType = chart_type::kComposite;
constexpr uint8_t kSolarReturnType = chart_type::kSolarReturn;
constexpr uint8_t kLunarReturnType = chart_type::kLunarReturn;
constexpr uint8_t kProgressedType = chart_type::kProgressed;
constexpr uint8_t kHarmonicType = chart_type::kNoCalculation;  // neither houses nor planets
constexpr uint8_t kRelocatedType = chart_type::kRelocated;
constexpr uint8_t kPlanetReturnType = chart_type::kPlanetReturn;
constexpr uint8_t kTransitType = chart_type::kEvent;

// Sub-types (progressed and directed charts as numbered in the kind texts;
// the driver gives directions neither houses nor planets).
constexpr uint8_t kSecondaryProgressed = 1;
constexpr uint8_t kSolarArcDirected = 2;
constexpr uint8_t kNearMidpoints = 2;

// Printout parameter elements.
constexpr int kTargetMonth = 73;        // 73..75: target date of a progression or
                                        // direction, the date a return is searched after
constexpr int kTargetHours = 182;       // 182..184: time of that date
constexpr int kFromViewer = 76;         // 1 in a progressed chart
constexpr int kCreatedCount = 77;       // entries when made; progressed: the base entry
constexpr int kReturnBody = 78;         // planet return: body slot 2..6
constexpr int kReturnZoneSeconds = 79;  // return: the place's zone, seconds west
constexpr int kReturnDaylight = 80;     // return: the place's daylight code + 1 (0: none kept)
constexpr int kGroup7Bases = 301;       // 301..325: base entry of every row (progressed)
constexpr int kBiWheelSecond = 501;     // bi-wheel row 1: the base chart
constexpr int kTriWheelSecond = 526;    // tri-wheel row 1: the two bases
constexpr int kTriWheelThird = 551;

// The years an entry may hold.
constexpr int kMinYear = -999;
constexpr int kMaxYear = 2300;

inline bool IsEntryDate(int month, int day, int year) {
  return month >= 1 && month <= 12 && year >= kMinYear && year <= kMaxYear && day >= 1 &&
         day <= DaysInMonth(month, year);
}

constexpr int kMinHarmonic = 2;
constexpr int kMaxHarmonic = 180;
constexpr int kFirstReturnBody = 2;  // Mercury
constexpr int kLastReturnBody = 6;   // Saturn

}  // namespace vostrane::derived
