// SPDX-License-Identifier: GPL-3.0-or-later
// The two choice boxes that complete a typed time zone wherever birth data
// is edited outside the main form: east or west of Greenwich, and the
// daylight letter with the observance it names.
#pragma once

#include <string>

class QComboBox;
class QWidget;

namespace vostrane {

// "West", "East" (object name "ZoneEastWest").
QComboBox* NewEastWestBox(QWidget* parent);

// The daylight letters N Y W D L in code order, each shown with its
// observance ("N  Standard time" ...; object name "Daylight").
QComboBox* NewDaylightBox(QWidget* parent);

// Chooses the row of a daylight letter ("Y"); anything else chooses
// standard time.
void ChooseDaylightLetter(QComboBox* box, const std::string& letter);

// The letter of the chosen row.
char ChosenDaylightLetter(const QComboBox* box);

}  // namespace vostrane
