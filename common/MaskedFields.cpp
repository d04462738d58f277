// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/MaskedFields.h"

#include <algorithm>

#include "common/FieldLayouts.h"
#include "common/NumberText.h"

namespace vostrane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Characters that end a unit waiting for digits.
bool IsSeparator(char c) {
  return c == ':' || c == '/' || c == ' ' || c == '.' || c == ',' || c == '\'' || c == '"' || c == '-';
}

char UpperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Padded(const FieldLayout& layout, const std::string& text) {
  std::string t = text.substr(0, static_cast<size_t>(layout.size));
  t.resize(static_cast<size_t>(layout.size), ' ');
  return t;
}

int UnitAt(const FieldLayout& layout, int index) {
  for (size_t u = 0; u < layout.units.size(); ++u) {
    const FieldUnit& unit = layout.units[u];
    if (index >= unit.start && index < unit.start + unit.width) return static_cast<int>(u);
  }
  return -1;
}

std::string UnitText(const FieldUnit& unit, const std::string& text) {
  return text.substr(static_cast<size_t>(unit.start), static_cast<size_t>(unit.width));
}

// Complete: every position filled; Waiting: digits typed, blanks after them;
// Empty: nothing typed (a year may hold its sign); Odd: anything else.
enum class UnitState { Complete, Waiting, Empty, Odd };

UnitState StateOf(const FieldUnit& unit, const std::string& text) {
  const std::string s = UnitText(unit, text);
  if (unit.kind == UnitKind::Letter) return s == " " ? UnitState::Empty : UnitState::Complete;
  size_t i = unit.kind == UnitKind::Year && s[0] == '-' ? 1 : 0;
  const size_t firstDigit = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  const size_t digits = i - firstDigit;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i < s.size()) return UnitState::Odd;
  if (digits == s.size() - firstDigit) return UnitState::Complete;
  return digits == 0 ? UnitState::Empty : UnitState::Waiting;
}

std::optional<int> UnitValue(const FieldUnit& unit, const std::string& text) {
  if (StateOf(unit, text) != UnitState::Complete || unit.kind == UnitKind::Letter) return std::nullopt;
  return ParseInteger(UnitText(unit, text));
}

std::string Capitalised(std::string text) {
  if (!text.empty()) text[0] = UpperLetter(text[0]);
  return text;
}

std::string UnitProblem(const FieldUnit& unit, const std::string& text) {
  if (unit.kind == UnitKind::Letter) {
    const char letter = text[static_cast<size_t>(unit.start)];
    return unit.letters.find(letter) == std::string::npos ? unit.rangeText : "";
  }
  const std::optional<int> value = UnitValue(unit, text);
  if (!value || (*value >= unit.minimum && *value <= unit.maximum)) return "";
  return Capitalised(unit.noun) + " " + std::to_string(*value) + unit.suffix +
         " is not possible: " + unit.rangeText + ".";
}

// A unit waiting for digits takes them right-aligned ("1 " is 01, a year
// "-4  " is -004); a unit with blanks between its digits has them as "0".
void CompleteUnit(const FieldLayout& layout, size_t u, std::string& text) {
  const FieldUnit& unit = layout.units[u];
  const UnitState state = StateOf(unit, text);
  if (state == UnitState::Complete || state == UnitState::Empty) return;
  std::string s = UnitText(unit, text);
  if (state == UnitState::Waiting) {
    const bool sign = unit.kind == UnitKind::Year && s[0] == '-';
    std::string digits;
    for (char c : s)
      if (IsDigit(c)) digits += c;
    const size_t room = s.size() - (sign ? 1 : 0);
    s = std::string(sign ? "-" : "") + std::string(room - digits.size(), '0') + digits;
  } else {
    std::replace(s.begin(), s.end(), ' ', '0');
  }
  text.replace(static_cast<size_t>(unit.start), s.size(), s);
  AfterUnitComplete(layout, u, text);
}

// The index after unit u (the start of the next unit, or the end).
int After(const FieldLayout& layout, size_t u) { return layout.units[u].start + layout.units[u].width; }

FieldEdit Result(const FieldLayout& layout, std::string text, int caret) {
  FieldEdit edit;
  edit.problem = FieldProblem(layout, text);
  edit.text = std::move(text);
  edit.caret = std::clamp(caret, 0, layout.size);
  return edit;
}

FieldEdit Refused(const FieldLayout& layout, std::string text, int caret) {
  FieldEdit edit{std::move(text), caret, layout.typingHint};
  return edit;
}

FieldEdit TypeDigit(const FieldLayout& layout, std::string t, int caret, char digit) {
  int u = UnitAt(layout, caret);
  // A digit on a letter goes on to the number after it.
  if (u >= 0 && layout.units[static_cast<size_t>(u)].kind == UnitKind::Letter) {
    caret = After(layout, static_cast<size_t>(u));
    u = UnitAt(layout, caret);
  }
  if (u < 0) return Refused(layout, std::move(t), caret);
  const FieldUnit& unit = layout.units[static_cast<size_t>(u)];
  const int i = caret - unit.start;
  if (i == 0) {
    // The digit, then blanks to the unit's end (appended: see the year's sign
    // in TypeIntoField).
    std::string typed(1, digit);
    typed.append(static_cast<size_t>(unit.width - 1), ' ');
    t.replace(static_cast<size_t>(unit.start), static_cast<size_t>(unit.width), typed);
  } else {
    t[static_cast<size_t>(caret)] = digit;
  }
  ++caret;

  const UnitState state = StateOf(unit, t);
  if (state == UnitState::Waiting && i == 0 && unit.unitsDigitRule && unit.width == 2 &&
      (digit - '0') * 10 > unit.maximum) {
    t.replace(static_cast<size_t>(unit.start), 2, std::string("0") + digit);
    AfterUnitComplete(layout, static_cast<size_t>(u), t);
    return Result(layout, std::move(t), After(layout, static_cast<size_t>(u)));
  }
  if (state == UnitState::Complete) AfterUnitComplete(layout, static_cast<size_t>(u), t);
  return Result(layout, std::move(t), caret);
}

// Ends the unit at the caret when it waits for digits; true when the caret
// was inside a unit (not at its start).
bool EndUnitAtCaret(const FieldLayout& layout, std::string& t, int caret, int& unitEnded) {
  const int u = UnitAt(layout, caret);
  unitEnded = -1;
  if (u < 0 || caret == layout.units[static_cast<size_t>(u)].start) return false;
  CompleteUnit(layout, static_cast<size_t>(u), t);
  unitEnded = u;
  return true;
}

FieldEdit TypeLetter(const FieldLayout& layout, std::string t, int caret, size_t letterUnit,
                     char letter) {
  const int caretUnit = UnitAt(layout, caret);
  int ended = -1;
  EndUnitAtCaret(layout, t, caret, ended);
  t[static_cast<size_t>(layout.units[letterUnit].start)] = letter;
  // On the letter, or ending the unit just before it: the caret goes past
  // the letter; ending another unit: to the unit after that one.
  const int letterIndex = static_cast<int>(letterUnit);
  if (caretUnit == letterIndex || (ended >= 0 && ended + 1 == letterIndex))
    caret = After(layout, letterUnit);
  else if (ended >= 0) caret = After(layout, static_cast<size_t>(ended));
  return Result(layout, std::move(t), caret);
}

}  // namespace

FieldEdit TypeIntoField(const FieldLayout& layout, const std::string& text, int caret, char typed) {
  std::string t = Padded(layout, text);
  caret = std::clamp(caret, 0, layout.size);
  if (IsDigit(typed)) return TypeDigit(layout, std::move(t), caret, typed);

  const int u = UnitAt(layout, caret);
  // The minus sign of a year B.C., typed where the year begins.
  if (typed == '-' && u >= 0 && layout.units[static_cast<size_t>(u)].kind == UnitKind::Year &&
      caret == layout.units[static_cast<size_t>(u)].start) {
    const FieldUnit& year = layout.units[static_cast<size_t>(u)];
    // Appended, not "-" + a temporary string, which g++ -O3 takes for an
    // overlapping copy (-Wrestrict).
    std::string signedYear = "-";
    signedYear.append(static_cast<size_t>(year.width - 1), ' ');
    t.replace(static_cast<size_t>(year.start), static_cast<size_t>(year.width), signedYear);
    return Result(layout, std::move(t), caret + 1);
  }

  const char letter = UpperLetter(typed);
  for (size_t l = 0; l < layout.units.size(); ++l) {
    const FieldUnit& unit = layout.units[l];
    if (unit.kind == UnitKind::Letter && unit.letters.find(letter) != std::string::npos)
      return TypeLetter(layout, std::move(t), caret, l, letter);
  }
  // The "M" of AM and PM has nothing to do.
  if (layout.kind == FieldKind::Time && letter == 'M') return Result(layout, std::move(t), caret);

  if (IsSeparator(typed)) {
    int ended = -1;
    if (EndUnitAtCaret(layout, t, caret, ended)) caret = After(layout, static_cast<size_t>(ended));
    return Result(layout, std::move(t), caret);
  }
  return Refused(layout, std::move(t), caret);
}

FieldEdit CompleteField(const FieldLayout& layout, const std::string& text) {
  std::string t = Padded(layout, text);
  for (size_t u = 0; u < layout.units.size(); ++u) CompleteUnit(layout, u, t);
  FieldEdit edit = Result(layout, t, 0);
  for (const FieldUnit& unit : layout.units) {
    if (!edit.problem.empty()) break;
    const UnitState state = StateOf(unit, t);
    if (state == UnitState::Empty && unit.kind == UnitKind::Letter) edit.problem = unit.rangeText;
    else if (state == UnitState::Empty) edit.problem = "The " + unit.noun + " is missing.";
    else if (state != UnitState::Complete) edit.problem = layout.typingHint;
  }
  return edit;
}

std::string FieldProblem(const FieldLayout& layout, const std::string& text) {
  const std::string t = Padded(layout, text);
  for (const FieldUnit& unit : layout.units) {
    if (StateOf(unit, t) != UnitState::Complete) continue;
    const std::string problem = UnitProblem(unit, t);
    if (!problem.empty()) return problem;
  }
  return CombinationProblem(layout, t);
}

namespace {

std::optional<int> Digits(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::optional<CalendarDate> ParseDateText(const std::string& text) {
  if (text.size() != 8) return std::nullopt;
  const std::optional<int> month = ParseInteger(text.substr(0, 2));
  const std::optional<int> day = ParseInteger(text.substr(2, 2));
  const std::optional<int> year = ParseInteger(text.substr(4, 4));
  if (!month || !day || !year) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
  if (*year < -999 || *year > 2300) return std::nullopt;
  if (*day > DaysInTypedMonth(*month, *year)) return std::nullopt;
  return CalendarDate{*month, *day, *year};
}

bool IsValidLatitudeText(const std::string& text) {
  std::string t = text;
  std::replace(t.begin(), t.end(), ' ', '0');
  if (t.size() <= 5 || t.size() > 7) return false;
  if (t[0] < '0' || t[0] > '9') return false;
  if (t[2] != 'N' && t[2] != 'S') return false;
  const std::optional<int> degrees = Digits(t.substr(0, 2));
  const std::optional<int> minutes = Digits(t.substr(3, 2));
  const std::optional<int> seconds = Digits(t.substr(5));
  if (!degrees || !minutes || !seconds) return false;
  if (*degrees > 90 || *minutes >= 60 || *seconds >= 60) return false;
  // Beyond the pole is no latitude: 90 degrees only as 90N0000 or 90S0000.
  return *degrees < 90 || (*minutes == 0 && *seconds == 0);
}

}  // namespace vostrane
