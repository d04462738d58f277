// SPDX-License-Identifier: GPL-3.0-or-later
// A validator for the text fields whose text is stored in Windows-1252
// (names and places): it refuses any character without a Windows-1252 code
// and names the first such character, so that the field can say why the
// key did nothing instead of dropping the character silently.
#pragma once

#include <QValidator>
#include <functional>

namespace vostrane {

class Cp1252Validator : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;

  // Runs with the refused character (a whole surrogate pair for characters
  // beyond the Basic Multilingual Plane).
  std::function<void(const QString& refused)> onRefused;

  State validate(QString& input, int& position) const override;
};

// The hint shown for a refused character.
QString RefusedCharacterHint(const QString& refused);

}  // namespace vostrane
