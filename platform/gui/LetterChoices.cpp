// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/LetterChoices.h"

#include <QComboBox>

namespace vostrane {

void AddLetterChoice(QComboBox* box, char letter, const QString& text) {
  box->addItem(text, QChar::fromLatin1(letter));
}

char LetterChoiceAt(const QComboBox* box, int index) {
  if (index < 0 || index >= box->count()) return '\0';
  return box->itemData(index).toChar().toLatin1();
}

char ChosenLetter(const QComboBox* box) { return LetterChoiceAt(box, box->currentIndex()); }

bool ChooseLetter(QComboBox* box, char letter) {
  const int index = box->findData(QChar::fromLatin1(letter));
  if (index < 0) return false;
  box->setCurrentIndex(index);
  return true;
}

}  // namespace vostrane
