#include "shell/MaskedFields.h"

#include <algorithm>
#include <initializer_list>

#include "shell/NumberText.h"

namespace vostrane {
namespace {

// A run of decimal digits (nothing else) as a number.
std::optional<int> Digits(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// A year field: digits with an optional leading minus sign.
std::optional<int> YearDigits(const std::string& text) {
  if (!text.empty() && text[0] == '-') {
    const std::optional<int> magnitude = Digits(text.substr(1));
    if (!magnitude) return std::nullopt;
    return -*magnitude;
  }
  return Digits(text);
}

bool IsThirtyDayMonth(int month) {
  return month == 4 || month == 6 || month == 9 || month == 11;
}

// Blanks in the first `count` positions take the previous text's character
// at the same position ("0" where the previous text is shorter).
void FillBlanksFromPrevious(std::string& text, const std::string& previous, size_t count) {
  for (size_t i = 0; i < text.size() && i < count; ++i) {
    if (text[i] == ' ') text[i] = i < previous.size() ? previous[i] : '0';
  }
}

// The key results shared by the date and time fields. Returns true when the
// key was one of them (the correction then stops).
bool HandleMoveKeys(FieldKey key, int rightLimit, std::initializer_list<int> separators,
                    FieldCorrection& out) {
  if (HandleFocusKeys(key, out)) return true;
  if (key != FieldKey::Right) return false;
  int& caret = out.field.caret;
  if (caret < rightLimit) {
    const bool separatorNext =
        std::find(separators.begin(), separators.end(), caret + 1) != separators.end();
    caret += separatorNext ? 2 : 1;
  }
  return true;
}

FieldCorrection Finish(const MaskedField& in, FieldCorrection out) {
  out.textChanged = out.field.text != in.text;
  return out;
}

FieldCorrection Restore(const MaskedField& in, const std::string& previous,
                        FieldCorrection out) {
  out.field.text = previous;
  return Finish(in, std::move(out));
}

}  // namespace

std::optional<CalendarDate> ParseDateText(const std::string& text) {
  if (text.size() != 8) return std::nullopt;
  const std::optional<int> month = ParseInteger(text.substr(0, 2));
  const std::optional<int> day = ParseInteger(text.substr(2, 2));
  const std::optional<int> year = ParseInteger(text.substr(4, 4));
  if (!month || !day || !year) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
  if (*month == 2 && *day > 29) return std::nullopt;
  if (IsThirtyDayMonth(*month) && *day > 30) return std::nullopt;
  if (*year < -999 || *year > 2300) return std::nullopt;
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

FieldCorrection CorrectDateField(const MaskedField& field, const std::string& previous,
                                 FieldKey key) {
  FieldCorrection out;
  out.field = field;
  std::string& t = out.field.text;
  if (t.size() < 8) t = previous;
  if (t.size() < 8) t.insert(0, 8 - t.size(), '0');
  if (out.field.selectionLength > 1) out.field.selectionLength = 1;

  // Display "MM/DD/YYYY": separators at 2 and 5.
  if (HandleMoveKeys(key, 10, {2, 5}, out)) return Finish(field, out);

  FillBlanksFromPrevious(t, previous, t.size());

  // Month.
  const std::optional<int> month = Digits(t.substr(0, 2));
  if (!month) return Restore(field, previous, out);
  if (*month < 1 || *month > 12) {
    if (t[0] == '1') {
      t[1] = '0';
    } else if (*month == 0) {
      t[1] = '1';
    } else {
      t[0] = '0';
      if (t[1] == '0') t[1] = '1';
    }
  }
  const int correctedMonth = *Digits(t.substr(0, 2));

  // Day.
  const std::optional<int> day = Digits(t.substr(2, 2));
  if (!day) return Restore(field, previous, out);
  const bool february = correctedMonth == 2;
  if (*day >= 32 || (february && *day >= 30) ||
      (*day == 31 && IsThirtyDayMonth(correctedMonth))) {
    t.replace(2, 2, february ? "28" : "30");
  } else if (*day == 0) {
    t.replace(2, 2, "01");
  }

  // Year.
  const std::optional<int> year = YearDigits(t.substr(4));
  if (!year) return Restore(field, previous, out);
  if (*year > 2300) {
    if (t[4] != '2') return Restore(field, previous, out);
    t[5] = '0';
  }
  return Finish(field, out);
}

FieldCorrection CorrectTimeField(const MaskedField& field, const std::string& previous,
                                 FieldKey key, ClockForm form) {
  FieldCorrection out;
  out.field = field;
  std::string& t = out.field.text;
  if (t.size() < 6) t = previous;

  const bool twelve = form == ClockForm::Hours12;
  // Display "HH:MM:SS" or "HH:MM:SS AM": separators at 2, 5 (and the blank
  // before the letter at 8).
  const bool moved = twelve ? HandleMoveKeys(key, 9, {2, 5, 8}, out)
                            : HandleMoveKeys(key, 8, {2, 5}, out);
  if (moved) return Finish(field, out);

  FillBlanksFromPrevious(t, previous, 6);
  if (t.size() < 6) return Restore(field, previous, out);

  const std::optional<int> hours = Digits(t.substr(0, 2));
  if (!hours) return Restore(field, previous, out);
  if (twelve) {
    if (*hours == 0) {
      t.replace(0, 2, out.field.caret == 1 ? "01" : "12");
    } else if (*hours > 12) {
      if (t[0] == '1') {
        t[1] = '0';
      } else {
        t[0] = '0';
        if (t[1] == '0') t[1] = '1';
      }
    }
  } else if (*hours > 23) {
    t.replace(0, 2, "23");
  }

  bool stepBack = false;
  for (size_t start : {size_t{2}, size_t{4}}) {
    const std::optional<int> value = Digits(t.substr(start, 2));
    if (!value) return Restore(field, previous, out);
    if (*value >= 60) {
      t[start] = '0';
      stepBack = true;
    }
  }
  if (stepBack && out.field.caret > 0) --out.field.caret;
  return Finish(field, out);
}

bool HandleFocusKeys(FieldKey key, FieldCorrection& out) {
  if (key == FieldKey::Enter || key == FieldKey::Down) {
    out.result = kFieldNext;
    return true;
  }
  if (key == FieldKey::Up) {
    out.result = kFieldPrevious;
    return true;
  }
  return false;
}

FieldCorrection CorrectLatitudeField(const MaskedField& field, const std::string& previous,
                                     FieldKey key) {
  FieldCorrection out;
  out.field = field;
  if (HandleFocusKeys(key, out)) return out;
  std::string& t = out.field.text;
  std::replace(t.begin(), t.end(), ' ', '0');
  if (!IsValidLatitudeText(t)) t = previous;
  return Finish(field, out);
}

}  // namespace vostrane
