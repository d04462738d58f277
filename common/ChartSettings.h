// SPDX-License-Identifier: GPL-3.0-or-later
// The chart settings a user chooses: the house system and the zodiac of a
// chart (with the message texts that name them), and the preferences kept
// in the control record: the defaults of a new chart, the question whether
// to save a new person in the name file, and the duplicate-name warning.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/AyanamsaNames.h"
#include "common/ControlRecord.h"

namespace vostrane {

namespace control_offset {
// The user-defined ayanamsa of new charts whose default zodiac is 'U':
// its mean value in degrees at an epoch (a Julian day; 0 = 1900 January
// 0.5). Records written before the setting hold zeros there.
constexpr size_t defaultUserAyanamsaDegrees = 602;  // f64
constexpr size_t defaultUserAyanamsaEpoch = 610;    // f64
}  // namespace control_offset

// The house systems of common/HouseSystemNames.h and the zodiacs (tropical
// 'T', then the sidereal ones of common/AyanamsaNames.h), by their place in
// those lists as a form offers them.
constexpr char kDefaultHouseSystem = 'F';
int HouseSystemCount();
char HouseSystemLetterAt(int index);
int ZodiacCount();
char ZodiacLetterAt(int index);

// A house system letter as the calculation takes it: a known letter as it
// is, anything else Placidus; and its place in the list.
char HouseSystemOrDefault(char letter);
int HouseSystemIndex(char letter);
// A known zodiac letter as it is, anything else 'T' (tropical); and its
// place in the list.
char ZodiacOrDefault(char letter);
int ZodiacIndex(char letter);

// The names shown for a house system and a zodiac. The first nine house
// systems and the words tropical and sidereal come from the message texts
// (10007 + the system's place, 10018 tropical, 10019 sidereal), read with
// messageText; a sidereal zodiac adds the ayanamsa's name.
// The zodiac letters a choice list offers: every one but the user-defined
// ayanamsa, whose value and epoch such a list cannot take.
std::vector<char> OfferedZodiacLetters();

using MessageTextLookup = std::function<std::string(int)>;
std::string HouseSystemDisplayName(char letter, const MessageTextLookup& messageText);
std::string ZodiacDisplayName(char letter, const MessageTextLookup& messageText);

// The name file question when a new person is left unsaved: the control
// record's letters are 'Y' ask, 'G' or 'S' save without asking, any other
// never.
enum class SaveQuestion { Ask, Never, Always };
SaveQuestion SaveQuestionOf(char option);
// The letter for a choice; the current letter stays when it already means
// the same ('G' stays 'G', whose save also goes without its note).
char SaveOptionFor(SaveQuestion choice, char current);

struct Preferences {
  char houseSystem = kDefaultHouseSystem;  // of a new chart
  char zodiac = 'T';                       // of a new chart
  SaveQuestion saveQuestion = SaveQuestion::Ask;
  bool warnDuplicateName = true;
  UserAyanamsa userAyanamsa;  // for the zodiac 'U'
};

Preferences ReadPreferences(const ControlRecord& control);
// Sets the four preference bytes (offsets 43, 88, 89, 90) and, for the
// user-defined zodiac, its value and epoch; every other byte of the record
// stays as it is.
void WritePreferences(const Preferences& preferences, ControlRecord& control);

}  // namespace vostrane
