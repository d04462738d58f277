#include "common/ChartSettings.h"

#include <string_view>

namespace vostrane {
namespace {

constexpr int kFirstHouseSystemText = 10007;
constexpr int kTropicalText = 10018;
constexpr int kSiderealText = 10019;

}  // namespace

int HouseSystemIndex(char letter) {
  const size_t i = std::string_view(kHouseSystemLetters).find(letter);
  return i == std::string_view::npos ? HouseSystemIndex(kDefaultHouseSystem) : static_cast<int>(i);
}

char HouseSystemOrDefault(char letter) { return kHouseSystemLetters[HouseSystemIndex(letter)]; }

char ZodiacOrDefault(char letter) { return letter == 'S' ? 'S' : 'T'; }

int HouseSystemTextNumber(char letter) { return kFirstHouseSystemText + HouseSystemIndex(letter); }

int ZodiacTextNumber(char letter) {
  return ZodiacOrDefault(letter) == 'S' ? kSiderealText : kTropicalText;
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
  p.houseSystem = control.defaultHousesys();
  p.zodiac = ZodiacOrDefault(control.defaultZodsel());
  p.saveQuestion = SaveQuestionOf(control.saveOption());
  p.warnDuplicateName = control.warnDuplicateName();
  return p;
}

void WritePreferences(const Preferences& p, ControlRecord& control) {
  control.SetLetter(control_offset::defaultHousesys, HouseSystemOrDefault(p.houseSystem));
  control.SetLetter(control_offset::defaultZodsel, ZodiacOrDefault(p.zodiac));
  control.SetLetter(control_offset::saveOption, SaveOptionFor(p.saveQuestion, control.saveOption()));
  control.SetLetter(control_offset::warnDuplicateName, p.warnDuplicateName ? 'Y' : 'N');
}

}  // namespace vostrane
