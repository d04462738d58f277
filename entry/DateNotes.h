// SPDX-License-Identifier: GPL-3.0-or-later
// The date in words beside the date field, and the notes the form gives
// when a natal chart's date lies before the calendar reform: the Old Style
// question and its answers.
#pragma once

#include <string>

#include "common/Calendar.h"

namespace vostrane {

// "January 5, 1990"; a negative year is shown as its absolute value
// followed by " B.C." ("March 15, 44 B.C.").
std::string DateInWords(const CalendarDate& date);

// Years before 1753 may be given in the Old Style calendar.
bool NeedsOldStyleQuestion(int year);

// The Gregorian date of the same Julian day as the given Julian-calendar
// (Old Style) date.
CalendarDate OldStyleToNewStyle(const CalendarDate& oldStyle);

inline constexpr const char* kOldStyleQuestionText =
    "The year of this chart is before 1753. Dates before about this time are often given in the "
    "Old Style (Julian) calendar rather than the New Style (Gregorian) calendar. If the date is "
    "given in the Old Style calendar, it can be converted to the New Style calendar. Do you want "
    "the date converted to the New Style calendar now?";
inline constexpr const char* kOldStyleConvertedText =
    "Date has been converted to New Style calendar date.";

// An Old Style leap day that the New Style calendar lacks (February 29,
// 1700) is converted without a question, with this note.
std::string OldStyleOnlyText(const CalendarDate& oldStyle, const CalendarDate& newStyle);

// The note after "No": the date stays, and the New Style equivalent is named.
std::string OldStyleKeptText(const CalendarDate& newStyle);

}  // namespace vostrane
