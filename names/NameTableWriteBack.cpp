// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/NameTableWriteBack.h"

#include <cstdio>

#include "names/NameTable.h"
#include "names/TableLock.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"

namespace vostrane {
namespace {

constexpr int kTimeValueWidth = 25;

// The character fields of the eight body blocks, in image order.
constexpr const char* kBodyFields[8] = {"ZODLONGSTR", "ZODLATSTR",  "ZODMOTSTR", "HELIOLOSTR",
                                        "HELIOLASTR", "HELIOMOSTR", "RTASCSTR",  "DECLINSTR"};

std::string Bytes(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace

std::string TimeValueText(double value) {
  char text[400];
  std::snprintf(text, sizeof text, "%.25f", value);
  return std::string(text).substr(0, kTimeValueWidth);
}

void NameTableWriteBack::PositionOn(const std::string& name, int32_t linkedRecord) {
  positioned_ = false;
  name_ = name;
  linkedRecord_ = linkedRecord;
  if (!table_.IsOpen()) return;
  try {
    positioned_ = Find();
    if (!positioned_) {
      // A linked person who is not on file does not get the values: that is
      // said, not passed over.
      ++failed_;
      ShowMessage(PersonGoneText(name_), MsgIcon::Warning);
    }
  } catch (const TableError& e) {
    ++failed_;
    ShowMessage(e.what(), MsgIcon::Error);
  }
}

bool NameTableWriteBack::LinkedRecordHoldsName() {
  if (linkedRecord_ < 1 || static_cast<uint32_t>(linkedRecord_) > table_.RecordCount()) return false;
  table_.Go(static_cast<uint32_t>(linkedRecord_));
  return !table_.Deleted() && NameKey(Trim(table_.TextField("NAME"))) == NameKey(Trim(name_));
}

bool NameTableWriteBack::Find() {
  if (NameIsOnFile(table_, name_)) return true;
  if (!LinkedRecordHoldsName()) return false;
  table_.RebuildIndex();
  return NameIsOnFile(table_, name_);
}

void NameTableWriteBack::WriteBack(const NameFileImage& image, bool fullSet) {
  if (!positioned_) return;
  Post([&] {
    table_.SetTextField("GMT", TimeValueText(image.Get<double>(image_offset::universalTimeHours)));
    table_.SetTextField("JULDAY", TimeValueText(image.Get<double>(image_offset::julianDayUt)));
    table_.SetTextField("OBLIQ", TimeValueText(image.Get<double>(image_offset::obliquityRad)));
    table_.SetTextField("AYAN", TimeValueText(image.Get<double>(image_offset::ayanamsaDeg)));
    table_.SetTextField("DELTAT", TimeValueText(image.Get<double>(image_offset::deltaTSeconds)));
    table_.SetTextField("T", TimeValueText(image.Get<double>(image_offset::centuriesSince1900Ut)));
    table_.SetTextField("ZODSEL", std::string(1, image.Letter(image_offset::zodiac)));
    table_.SetIntegerField("RAMC", image.Get<int32_t>(image_offset::ramcRad));
    table_.SetIntegerField("MOONNODE", image.Get<int32_t>(image_offset::node));
    table_.SetIntegerField("VERTEX", image.Get<int32_t>(image_offset::vertex));
    table_.SetIntegerField("EASTPT", image.Get<int32_t>(image_offset::eastPoint));
    table_.SetIntegerField("ASC", image.Get<int32_t>(image_offset::asc));
    table_.SetIntegerField("MC", image.Get<int32_t>(image_offset::mc));
    table_.SetIntegerField("COASC", image.Get<int32_t>(image_offset::coAscendant));
    table_.SetIntegerField("POLARASC", image.Get<int32_t>(image_offset::polarAscendant));
    table_.SetTextField("HOUSEPOSTR", Bytes(image.Data() + image_offset::housePositions, 216));
    if (fullSet) {
      for (int b = 0; b < 8; ++b) table_.SetTextField(kBodyFields[b], Bytes(image.BodyBlock(b), 128));
    }
  });
}

void NameTableWriteBack::StoreCalculatedFlags(const PlanetFlags& flags) {
  if (!positioned_) return;
  Post([&] {
    table_.SetTextField("CALCYN", std::string(1, flags.planetsCalculated));
    table_.SetTextField("CALCASTYN", std::string(1, flags.asteroidsCalculated));
    table_.SetTextField("CALCTNP", std::string(1, flags.hypotheticalsCalculated));
  });
}

void NameTableWriteBack::Post(const std::function<void()>& setFields) {
  bool found = true;
  try {
    const bool posted = WriteUnderLock(table_, [&] {
      // The person is found again under the lock: another program may have
      // moved the records since the entry was positioned.
      found = Find();
      if (!found) return;
      setFields();
      table_.SaveRecord();
      if (table_.Deleted()) table_.UndeleteRecord();
    });
    if (!posted) {
      ++failed_;
      ShowMessage(kWriteBackBusyText, MsgIcon::Warning);
    } else if (!found) {
      // Removed by another program meanwhile: nobody else gets the values.
      positioned_ = false;
      ++failed_;
      ShowMessage(PersonGoneText(name_), MsgIcon::Warning);
    }
  } catch (const TableError& e) {
    ++failed_;
    ShowMessage(e.what(), MsgIcon::Error);
  }
}

std::string PersonGoneText(const std::string& name) {
  return "The calculated values of " + name +
         " were not stored: the person is no longer in the name file names.dbf.";
}

}  // namespace vostrane
