// Validation and per-key correction of the masked date, time and latitude
// fields of the birth data form, as pure functions so that the form's key
// handlers stay thin and the rules can be tested without a window.
//
// The form calls a correction from the field's key handler, after the
// keystroke has reached the field, with
//   - the field's stored text (the mask's literal characters not included;
//     the date as MMDDYYYY, the time as HHMMSS or HHMMSSA, the latitude as
//     DDNMMSS),
//   - the caret position (selection start) and selection length, both
//     counted in the DISPLAYED text, literals included, from 0: in
//     "MM/DD/YYYY" the first day digit is at 3, in "HH:MM:SS AM" the first
//     minute digit is at 3 and the A/P letter at 9,
//   - the text the field held when it was entered (the "previous" text), and
//   - the key, reduced to FieldKey.
// It puts back the returned text when `textChanged` is set, then the caret
// and selection, and moves the focus when `result` asks for it.
#pragma once

#include <optional>
#include <string>

#include "shell/Calendar.h"

namespace vostrane {

// The keys the corrections tell apart; every other key is Other.
enum class FieldKey { Enter, Down, Up, Right, Other };

// What the caller does with the focus after a correction.
enum FieldMove : int {
  kFieldStay = 0,
  kFieldNext = 1,      // Enter or Down: focus the next field
  kFieldPrevious = 2,  // Up: focus the previous field
};

struct MaskedField {
  std::string text;         // stored text, without the mask's literals
  int caret = 0;            // selection start in the displayed text
  int selectionLength = 0;
};

struct FieldCorrection {
  MaskedField field;         // the corrected text, caret and selection
  bool textChanged = false;  // the text differs from the one passed in
  int result = kFieldStay;   // a FieldMove value
};

// The time field holds HHMMSS in 24-hour form ("HH:MM:SS") or HHMMSSA with
// the letter A or P in 12-hour form ("HH:MM:SS AM").
enum class ClockForm { Hours24, Hours12 };

// Date text MMDDYYYY: 8 characters, month 1 to 12, day 1 to 31 with at most
// 29 in February (whatever the year, since the user may type an Old Style
// date to be converted) and at most 30 in April, June, September and
// November, year -999 to 2300. nullopt when the text fails any rule.
std::optional<CalendarDate> ParseDateText(const std::string& text);

// Latitude text DDNMMSS: longer than 5 characters, a digit first, N or S
// third, degrees at most 90 (and exactly 90 only with 0 minutes and 0
// seconds), minutes and seconds below 60. Blanks count as "0".
bool IsValidLatitudeText(const std::string& text);

// Per-key correction of the date field:
//  1. a text shorter than 8 characters is replaced by the previous text,
//     then filled with "0" in front to 8; a selection longer than one
//     character is cut to one;
//  2. Enter and Down give kFieldNext, Up kFieldPrevious; Right moves the
//     caret (below position 10) by 2 from positions 1 and 4, over a
//     separator, and by 1 elsewhere; nothing else happens for these keys;
//  3. blanks take the character of the previous text at the same position;
//  4. a month outside 1 to 12 becomes 10 when its first digit is 1, 01 when
//     it is 00, otherwise its first digit becomes 0 (and a second digit 0
//     becomes 1);
//  5. day 32 or more, 30 or more in February, or 31 in a 30-day month
//     becomes 28 in February and 30 otherwise; day 00 becomes 01;
//  6. a year above 2300 gets 0 as second digit when its first is 2; any
//     other such year brings back the previous text;
//  7. text that does not parse brings back the previous text.
// So 13051990 becomes 10051990, 02311990 02281990, 04311990 04301990.
FieldCorrection CorrectDateField(const MaskedField& field, const std::string& previous,
                                 FieldKey key);

// Per-key correction of the time field: a text shorter than 6 characters is
// replaced by the previous text; Enter, Down and Up as for the date; Right
// moves the caret (below position 8, or 9 in 12-hour form) by one, jumping
// over the separators; blanks in the first 6 positions take the previous
// characters. In 12-hour form hour 00 becomes 01 when the caret is at
// position 1 (the first digit was just typed) and 12 otherwise, and an hour
// above 12 becomes 10 when its first digit is 1, otherwise its first digit
// becomes 0 (and a second digit 0 becomes 1): 13 gives 10, 25 gives 05. In
// 24-hour form an hour above 23 becomes 23. Minutes or seconds of 60 or more
// get 0 as first digit and the caret moves back one place. Text that does
// not parse brings back the previous text. The A/P letter is left alone.
FieldCorrection CorrectTimeField(const MaskedField& field, const std::string& previous,
                                 FieldKey key, ClockForm form);

// Enter and Down ask for the next field, Up for the previous one: sets the
// correction's result and returns true for those keys, false for others.
bool HandleFocusKeys(FieldKey key, FieldCorrection& out);

// Per-key correction of the latitude field: Enter, Down and Up as for the
// date; for any other key the text with its blanks turned into "0" is kept
// when IsValidLatitudeText accepts it, else the previous text comes back.
FieldCorrection CorrectLatitudeField(const MaskedField& field, const std::string& previous,
                                     FieldKey key);

}  // namespace vostrane
