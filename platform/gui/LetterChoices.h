// SPDX-License-Identifier: GPL-3.0-or-later
// Choice lists whose items each stand for one letter of a record (a house
// system, a zodiac): the letter rides along as the item's data, so the list
// can be ordered and named for the user while the record keeps its letter.
#pragma once

class QComboBox;
class QString;

namespace vostrane {

// Adds an item showing text for letter.
void AddLetterChoice(QComboBox* box, char letter, const QString& text);
// The letter of item index; '\0' when there is no such item.
char LetterChoiceAt(const QComboBox* box, int index);
// The letter of the current item; '\0' when none is current.
char ChosenLetter(const QComboBox* box);
// Makes the item of letter current; false (and the list unchanged) when no
// item has it.
bool ChooseLetter(QComboBox* box, char letter);

}  // namespace vostrane
