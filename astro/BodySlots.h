// SPDX-License-Identifier: GPL-3.0-or-later
// Slot numbers of the per-body arrays of a chart entry.
#pragma once

namespace vostrane::slot {

constexpr int Sun = 0;
constexpr int Moon = 1;
constexpr int Mercury = 2;
constexpr int Venus = 3;
constexpr int Mars = 4;
constexpr int Jupiter = 5;
constexpr int Saturn = 6;
constexpr int Uranus = 7;
constexpr int Neptune = 8;
constexpr int Pluto = 9;
constexpr int TrueNode = 10;
constexpr int Ascendant = 11;
constexpr int Midheaven = 12;
constexpr int Vertex = 13;
constexpr int EastPoint = 14;
constexpr int PartOfFortune = 15;
constexpr int Ceres = 16;
constexpr int Pallas = 17;
constexpr int Juno = 18;
constexpr int Vesta = 19;
constexpr int Chiron = 20;
// The Moon's mean and osculating apogee (Black Moon Lilith), in the two
// slots between Chiron and the hypothetical planets. Entries calculated
// before they were added hold the Sun's place there (session/LunarApogeeSlots.h).
constexpr int MeanApogee = 21;
constexpr int OsculatingApogee = 22;
constexpr int FirstHypothetical = 23;  // Cupido; Poseidon is 30
constexpr int LastBody = 30;

}  // namespace vostrane::slot
