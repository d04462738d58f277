// SPDX-License-Identifier: GPL-3.0-or-later
// Birth data given as text (the arguments of `new`, the columns of
// `chart-csv`): checked field by field, with the message for the first
// field that is wrong.
#pragma once

#include <optional>
#include <string>

#include "session/ChartEntry.h"

namespace vostrane::batch {

struct BirthFields {
  std::string date;    // MM/DD/YYYY
  std::string time;    // HH:MM:SS
  std::string lat;     // degrees, north positive
  std::string lon;     // degrees, west positive
  std::string zone;    // hours, west positive
  std::string dst;     // one of N Y W D L
  std::string zodiac;  // T or S; empty: the default zodiac
  std::string houses;  // A to I; empty: F
};

// Makes the entry a new natal entry (number entryCount of its list) with
// the birth data, zodiac and house system; returns the message of the first
// wrong field, or nothing when all are right.
std::optional<std::string> ApplyBirthFields(const BirthFields& f, char defaultZodiac, int32_t entryCount,
                                            ChartEntry& entry);

std::optional<double> ParseNumber(const std::string& text);
std::optional<int> ParseInt(const std::string& text);

}  // namespace vostrane::batch
