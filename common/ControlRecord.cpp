// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ControlRecord.h"

#include <cmath>
#include <optional>

#include "platform/MessageService.h"
#include "platform/RecordFile.h"
#include "common/ChartSettings.h"
#include "common/HouseSystemNames.h"

namespace vostrane {
namespace {

RecordFile& File() {
  static RecordFile file;
  return file;
}

bool InRange(double v, double low, double high) { return std::isfinite(v) && v >= low && v <= high; }

}  // namespace

double ControlRecord::fixedStarOrb() const {
  const double orb = Get<double>(control_offset::fixedStarOrb);
  return orb > 0.0 && orb <= 10.0 ? orb : 1.0;
}

std::optional<size_t> ControlRecordFault(const ControlRecord& r) {
  namespace o = control_offset;
  // The option letters: upper-case letters; the house system letter may be
  // 0 (a record written before the setting existed).
  for (size_t at : {o::onePrinterDocPerPrintout, o::textBackColour2, o::textBackColour1,
                    o::textBackStyle2, o::textBackStyle1, o::doublePenWidths, o::warnDuplicateName,
                    o::derivedOption, o::progressedTimeOption, o::defaultZodiacLetter, o::saveOption,
                    o::geocentricLatitude, o::monoFile, o::monoScreen, o::placeNameStyle,
                    o::screenProportions, o::fileProportions, o::monoPrinter1, o::monoPrinter2})
    if (r.Letter(at) < 'A' || r.Letter(at) > 'Z') return at;
  for (size_t k = 0; k < 9; ++k)
    for (size_t at : {o::deviceLetters1 + k, o::deviceLetters2 + k})
      if (r.Letter(at) < 'A' || r.Letter(at) > 'Z') return at;
  const char house = r.Letter(o::defaultHouseSystemLetter);
  if (house != 0 && !HouseSystemOfLetter(house)) return o::defaultHouseSystemLetter;
  const uint8_t printouts = r.Get<uint8_t>(o::defaultPrintouts);
  if (printouts > 40) return o::defaultPrintouts;
  for (size_t k = 1; k <= printouts; ++k)
    if (r.Letter(o::defaultPrintouts + k) < 'A' || r.Letter(o::defaultPrintouts + k) > 'Z')
      return o::defaultPrintouts + k;
  const int32_t colour = r.Get<int32_t>(o::viewerBackColour);
  if (colour < 0 || colour > 0xFFFFFF) return o::viewerBackColour;
  for (size_t at : {o::fileZoom, o::screenZoom})
    if (!InRange(r.Get<double>(at), 0.01, 100.0)) return at;
  for (size_t at : {o::paperWidth1, o::paperHeight1, o::paperWidth2, o::paperHeight2})
    if (!InRange(r.Get<double>(at), 0.0, 100.0)) return at;
  for (size_t at : {o::printerIndex1, o::printerIndex2})
    if (r.Get<int16_t>(at) < -2) return at;
  if (const double orb = r.Get<double>(o::fixedStarOrb); orb != 0.0 && !InRange(orb, 0.01, 10.0))
    return o::fixedStarOrb;
  for (size_t at : {o::copies1, o::copies2})
    if (r.Get<int32_t>(at) < 0 || r.Get<int32_t>(at) > 9999) return at;
  return std::nullopt;
}

char ControlRecord::defaultHouseSystemLetter() const {
  return HouseSystemOrDefault(Letter(control_offset::defaultHouseSystemLetter));
}

ControlRecord& Control() {
  static ControlRecord record;
  return record;
}

void OpenControlFile() {
  Control() = ControlRecord();
  if (!File().Open(kControlFileName, kControlRecordSize, RecordFile::Mode::ReadWrite) &&
      !File().Open(kControlFileName, kControlRecordSize, RecordFile::Mode::ReadOnly)) {
    ShowMessage("ERROR!  File ZORCTRL.DAT not on disk!!!", MsgIcon::Error);
    return;
  }
  ControlRecord read;
  if (!File().Read(read.Data())) {
    ShowMessage("ERROR!  Unable to read data from file ZORCTRL.DAT!!!", MsgIcon::Error);
    return;
  }
  // The program writes this file back, so no installation sum vouches for
  // it: its size and every value it interprets are checked instead.
  if (const int64_t size = File().SizeInBytes(); size != static_cast<int64_t>(kControlRecordSize)) {
    ShowMessage("ERROR!  File ZORCTRL.DAT has " + std::to_string(size) + " bytes instead of " +
                    std::to_string(kControlRecordSize) + "; it is damaged.",
                MsgIcon::Error);
  }
  if (const auto fault = ControlRecordFault(read)) {
    ShowMessage("ERROR!  File ZORCTRL.DAT holds a value out of range at byte " + std::to_string(*fault) +
                    " of record # 0; no setting of it is used.",
                MsgIcon::Error);
    return;
  }
  Control() = read;
}

bool WriteControlRecord() { return File().Seek(0) && File().Write(Control().Data()); }

void CloseControlFile() {
  if (!File().IsOpen()) {
    ShowMessage("ERROR!!! Attempted to close file ZORCTRL.DAT but it was already closed!",
                MsgIcon::Error);
    return;
  }
  File().Close();
}

bool ControlFileIsOpen() { return File().IsOpen(); }

}  // namespace vostrane
