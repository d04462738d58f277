// The chart settings a user chooses: the house system and the zodiac of a
// chart (with the message texts that name them), and the preferences kept
// in the control record: the defaults of a new chart, the question whether
// to save a new person in the name file, and the duplicate-name warning.
#pragma once

#include "common/ControlRecord.h"

namespace vostrane {

// The house system letters in order: A Campanus, B Equal, C Koch,
// D Meridian, E Morinus, F Placidus, G Porphyry, H Regiomontanus,
// I Topocentric.
inline constexpr const char* kHouseSystemLetters = "ABCDEFGHI";
constexpr int kHouseSystemCount = 9;
constexpr char kDefaultHouseSystem = 'F';

// A house system letter as the calculation takes it: A..I as they are,
// anything else Placidus; and its place in kHouseSystemLetters.
char HouseSystemOrDefault(char letter);
int HouseSystemIndex(char letter);
// 'S' for sidereal, 'T' (tropical) for anything else.
char ZodiacOrDefault(char letter);
// The message text numbers of the names: 10007 + the system's place in
// kHouseSystemLetters, 10018 tropical, 10019 sidereal.
int HouseSystemTextNumber(char letter);
int ZodiacTextNumber(char letter);

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
};

Preferences ReadPreferences(const ControlRecord& control);
// Sets the four preference bytes (offsets 43, 88, 89, 90); every other byte
// of the record stays as it is.
void WritePreferences(const Preferences& preferences, ControlRecord& control);

}  // namespace vostrane
