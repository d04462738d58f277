// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the outer-planet ephemeris files: "LRZ5_" + number (Jupiter,
// Saturn, Uranus, Neptune, Pluto) and "CHI_" + number (Chiron). Each file
// covers 100000 days, 1250 nodes 80 days apart at Julian days 80k + 0.5; a
// node holds, per body, heliocentric longitude (0.001 arc second),
// distance and height above the ecliptic (1e-7 AU) as 32-bit integers
// stored most significant byte first.
#pragma once

#include <cstdint>
#include <string>

namespace vostrane {

constexpr int kOuterNodeStep = 80;
constexpr int kOuterNodesPerFile = 1250;
constexpr int kOuterDaysPerFile = 100000;
constexpr int kLrzWidth = 15;  // integers per node in an "LRZ5_" file
constexpr int kChiWidth = 3;   // integers per node in a "CHI_" file
constexpr const char* kLrzPrefix = "LRZ5_";
constexpr const char* kChiPrefix = "CHI_";
// Scaling of the stored integers. The files are written by tools/generators/ephemgen
// from the independent ephemeris (heliocentric, geometric, mean ecliptic
// and equinox of date), so rounding to these units costs at most 0.0005"
// and 5e-8 AU; with the interpolation between the 80-day nodes the
// apparent longitudes stay within 0.64" (Jupiter 0.63", Saturn 0.35",
// Uranus 0.64", Neptune 0.31", Pluto 0.34", Chiron 0.35") of the
// independent ephemeris over 1700-2200 (test
// EphemerisAccuracy.ApparentLongitudesFollowTheReferenceFrom1700To2200).
constexpr double kOuterLonUnit = 3600000.0;    // integer units per degree
constexpr double kOuterDistUnit = 10000000.0;  // integer units per AU

// The node's Julian day truncated toward zero to an integer.
int64_t OuterNodeDay(double nodeJd);
// floor(day / 100000) of the node's truncated Julian day.
int OuterFileNumber(double nodeJd);
// Prefix, then the number in decimal, "M" before the digits when negative.
std::string OuterFileName(const std::string& prefix, int number);
// Integer index of the node's first integer within its file.
int64_t OuterNodeIndex(double nodeJd, int width);
// Julian day of node n (0 to 1249) of file `number`.
double OuterNodeJd(int number, int n);

}  // namespace vostrane
