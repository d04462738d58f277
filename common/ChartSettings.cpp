// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ChartSettings.h"

#include <cmath>

#include "common/AyanamsaNames.h"
#include "common/HouseSystemNames.h"

namespace vostrane {
namespace {

constexpr int kFirstHouseSystemText = 10007;
constexpr int kHouseSystemTexts = 9;
constexpr int kTropicalText = 10018;
constexpr int kSiderealText = 10019;

}  // namespace

int HouseSystemCount() { return static_cast<int>(HouseSystemTable().size()); }

char HouseSystemLetterAt(int index) {
  if (index < 0 || index >= HouseSystemCount()) return kDefaultHouseSystem;
  return HouseSystemTable()[static_cast<size_t>(index)].letter;
}

int HouseSystemIndex(char letter) {
  const std::optional<HouseSystemId> id = HouseSystemOfLetter(letter);
  return static_cast<int>(id.value_or(HouseSystemId::Placidus));
}

char HouseSystemOrDefault(char letter) { return HouseSystemLetterAt(HouseSystemIndex(letter)); }

int ZodiacCount() { return 1 + static_cast<int>(AyanamsaTable().size()); }

char ZodiacLetterAt(int index) {
  if (index <= 0 || index >= ZodiacCount()) return 'T';
  return AyanamsaTable()[static_cast<size_t>(index - 1)].zodiacLetter;
}

int ZodiacIndex(char letter) {
  if (!IsAyanamsaLetter(letter)) return 0;
  return 1 + static_cast<int>(*AyanamsaOfZodiacLetter(letter));
}

char ZodiacOrDefault(char letter) { return ZodiacLetterAt(ZodiacIndex(letter)); }

std::vector<char> OfferedZodiacLetters() {
  std::vector<char> letters;
  for (int i = 0; i < ZodiacCount(); ++i)
    if (ZodiacLetterAt(i) != ZodiacLetterOf(AyanamsaKind::UserDefined))
      letters.push_back(ZodiacLetterAt(i));
  return letters;
}

std::string HouseSystemDisplayName(char letter, const MessageTextLookup& messageText) {
  const int index = HouseSystemIndex(letter);
  if (index < kHouseSystemTexts) return messageText(kFirstHouseSystemText + index);
  return HouseSystemTable()[static_cast<size_t>(index)].name;
}

std::string ZodiacDisplayName(char letter, const MessageTextLookup& messageText) {
  const char zodiac = ZodiacOrDefault(letter);
  if (zodiac == 'T') return messageText(kTropicalText);
  return messageText(kSiderealText) + ", " + NameOfAyanamsa(*AyanamsaOfZodiacLetter(zodiac));
}

SaveQuestion SaveQuestionOf(char option) {
  if (option == 'Y') return SaveQuestion::Ask;
  if (option == 'G' || option == 'S') return SaveQuestion::Always;
  return SaveQuestion::Never;
}

char SaveOptionFor(SaveQuestion choice, char current) {
  if (SaveQuestionOf(current) == choice) return current;
  switch (choice) {
    case SaveQuestion::Ask: return 'Y';
    case SaveQuestion::Always: return 'S';
    case SaveQuestion::Never: break;
  }
  return 'N';
}

Preferences ReadPreferences(const ControlRecord& control) {
  Preferences p;
  p.houseSystem = control.defaultHouseSystemLetter();
  p.zodiac = ZodiacOrDefault(control.defaultZodiacLetter());
  p.saveQuestion = SaveQuestionOf(control.saveOption());
  p.warnDuplicateName = control.warnDuplicateName();
  const double degrees = control.Get<double>(control_offset::defaultUserAyanamsaDegrees);
  const double epoch = control.Get<double>(control_offset::defaultUserAyanamsaEpoch);
  if (std::isfinite(degrees) && std::fabs(degrees) <= 360.0) p.userAyanamsa.degrees = degrees;
  // An epoch outside the years -3000 to 3500 (or none) is the default one.
  if (std::isfinite(epoch) && epoch > 625000.0 && epoch < 3000000.0) p.userAyanamsa.epochJd = epoch;
  return p;
}

void WritePreferences(const Preferences& p, ControlRecord& control) {
  control.SetLetter(control_offset::defaultHouseSystemLetter, HouseSystemOrDefault(p.houseSystem));
  control.SetLetter(control_offset::defaultZodiacLetter, ZodiacOrDefault(p.zodiac));
  control.SetLetter(control_offset::saveOption, SaveOptionFor(p.saveQuestion, control.saveOption()));
  control.SetLetter(control_offset::warnDuplicateName, p.warnDuplicateName ? 'Y' : 'N');
  if (ZodiacOrDefault(p.zodiac) == ZodiacLetterOf(AyanamsaKind::UserDefined)) {
    control.Set<double>(control_offset::defaultUserAyanamsaDegrees, p.userAyanamsa.degrees);
    control.Set<double>(control_offset::defaultUserAyanamsaEpoch, p.userAyanamsa.epochJd);
  }
}

}  // namespace vostrane
