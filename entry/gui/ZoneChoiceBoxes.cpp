// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/gui/ZoneChoiceBoxes.h"

#include <QComboBox>
#include <algorithm>
#include <cstring>

#include "entry/BirthDataFields.h"

namespace vostrane {
namespace {

constexpr int kDaylightRows = 5;
constexpr const char* kObservances[kDaylightRows] = {"Standard time", "Daylight time", "War time",
                                                     "Double daylight time", "Local mean time"};

}  // namespace

QComboBox* NewEastWestBox(QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName("ZoneEastWest");
  box->addItems({"West", "East"});
  return box;
}

QComboBox* NewDaylightBox(QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName("Daylight");
  for (int i = 0; i < kDaylightRows; ++i)
    box->addItem(QString(QChar(kDaylightLetters[i])) + "  " + kObservances[i]);
  return box;
}

void ChooseDaylightLetter(QComboBox* box, const std::string& letter) {
  const char* found = letter.size() == 1 ? std::strchr(kDaylightLetters, letter[0]) : nullptr;
  box->setCurrentIndex(found && *found ? static_cast<int>(found - kDaylightLetters) : 0);
}

char ChosenDaylightLetter(const QComboBox* box) {
  return kDaylightLetters[std::clamp(box->currentIndex(), 0, kDaylightRows - 1)];
}

}  // namespace vostrane
