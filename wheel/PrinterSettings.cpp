// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PrinterSettings.h"

#include <cstring>

#include "common/ControlRecord.h"

namespace vostrane {

int PrinterSettings::PrinterIndexFor(char configuration) const {
  if (config1.printerIndex == -2) return -2;
  return Config(configuration).printerIndex;
}

void PrinterSettings::PaperSizeFor(char configuration, double& width, double& height) const {
  width = height = 0;
  if (configuration == '1' && config1.paperWidth > 0 && config1.paperHeight > 0) {
    width = config1.paperWidth;
    height = config1.paperHeight;
  } else if (config2.paperWidth > 0 && config2.paperHeight > 0) {
    width = config2.paperWidth;
    height = config2.paperHeight;
  }
}

PrinterSettings PrinterSettingsFromControl(const ControlRecord& c) {
  namespace o = control_offset;
  PrinterSettings s;
  auto fill = [&](PrinterConfiguration& p, size_t index, size_t width, size_t height, size_t copies,
                  size_t letters, size_t mono, size_t backColour, size_t backStyle) {
    p.printerIndex = c.Get<int16_t>(index);
    p.paperWidth = c.Get<double>(width);
    p.paperHeight = c.Get<double>(height);
    if (!(p.paperWidth > 0 && p.paperWidth < 100)) p.paperWidth = 0;  // NaN, junk
    if (!(p.paperHeight > 0 && p.paperHeight < 100)) p.paperHeight = 0;
    p.copies = c.Get<int32_t>(copies);
    p.deviceLetters = c.GetChars(letters, 9);
    p.monochrome = c.Letter(mono) == 'Y';
    p.textBackBlack = c.Letter(backColour) - 'A' == 1;
    p.textBackOpaque = c.Letter(backStyle) - 'A' == 1;
  };
  fill(s.config1, o::printerIndex1, o::paperWidth1, o::paperHeight1, o::copies1, o::deviceLetters1,
       o::monoPrinter1, o::textBackColour1, o::textBackStyle1);
  fill(s.config2, o::printerIndex2, o::paperWidth2, o::paperHeight2, o::copies2, o::deviceLetters2,
       o::monoPrinter2, o::textBackColour2, o::textBackStyle2);
  s.oneDocumentPerPrintout = c.Letter(o::onePrinterDocPerPrintout) == 'Y';
  s.widerLines = c.Letter(o::doublePenWidths) == 'Y';
  s.paper = ReadPaperChoice(c);
  return s;
}

bool DeviceModeRequest::Empty() const {
  return copies == 0 && !dither && !media && !icmIntent && !icmMethod && !collate && !trueType &&
         !duplex && !colour && !quality;
}

DeviceModeRequest DeviceModeFromLetters(const std::string& letters, int copies) {
  DeviceModeRequest r;
  if (copies > 1) r.copies = copies;
  auto pick = [&](size_t i, const char* allowed) -> char {
    if (i >= letters.size()) return 0;
    const char c = letters[i];
    return c != 'X' && c != 0 && std::strchr(allowed, c) ? c : 0;
  };
  r.dither = pick(0, "CFGLN");
  r.media = pick(1, "GST");
  r.icmIntent = pick(2, "CES");
  r.icmMethod = pick(3, "DNPS");
  r.collate = pick(4, "FT");
  r.trueType = pick(5, "BDP");
  r.duplex = pick(6, "HSV");
  r.colour = pick(7, "CM");
  r.quality = pick(8, "DHLM");
  return r;
}

PageEnd DecidePageEnd(bool final, bool oneDocumentPerPrintout, bool documentOpen, bool continueFlag) {
  if (final && oneDocumentPerPrintout && documentOpen)
    return continueFlag ? PageEnd::EndDocument : PageEnd::AbortDocument;
  return PageEnd::NewPage;
}

}  // namespace vostrane
