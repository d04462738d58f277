// SPDX-License-Identifier: GPL-3.0-or-later
// The printer settings of the control record as the drawing surface uses
// them: two printer configurations ('1' every printout but wheels, '2'
// wheels), the device-mode letters and the decision how a page ends.
#pragma once

#include <string>

#include "wheel/Paper.h"

namespace vostrane {

class ControlRecord;

struct PrinterConfiguration {
  int printerIndex = -2;  // -2 the default printer
  double paperWidth = 0;  // inches, 0 = not set
  double paperHeight = 0;
  int copies = 1;
  std::string deviceLetters = "XXXXXXXXX";  // dither, media, ICM intent, ICM method,
                                            // collate, TrueType, duplex, colour, quality
  bool monochrome = false;
  bool textBackBlack = false;   // text background colour: white or black
  bool textBackOpaque = false;  // text background style: transparent or opaque
};

struct PrinterSettings {
  PrinterConfiguration config1;
  PrinterConfiguration config2;
  bool oneDocumentPerPrintout = true;
  bool widerLines = false;
  // The paper and orientation chosen in Preferences (a document without a
  // paper size of its own, a PDF or SVG file, is made on it).
  PaperChoice paper;
  // The print job's name and the PDF document's title; the viewer sets the
  // title of the printout (ChartTitle.h).
  std::string jobTitle = "Vostrane";

  // Configuration '1', else '2'.
  const PrinterConfiguration& Config(char configuration) const {
    return configuration == '1' ? config1 : config2;
  }
  PrinterConfiguration& Config(char configuration) { return configuration == '1' ? config1 : config2; }
  // The printer index to use: the default printer (-2) for either
  // configuration when configuration 1 uses it.
  int PrinterIndexFor(char configuration) const;
  // Paper size for the page scaling: configuration 1's when it is in use and
  // both are set, otherwise configuration 2's when both are set, else 0, 0.
  void PaperSizeFor(char configuration, double& width, double& height) const;
};

PrinterSettings PrinterSettingsFromControl(const ControlRecord& control);

// The device-mode fields a configuration changes; 0 leaves a field as it is.
// Letters outside a field's table leave it unchanged too.
struct DeviceModeRequest {
  int copies = 0;      // above 1 only
  char dither = 0;     // C coarse, F fine, G grey scale, L line art, N none
  char media = 0;      // G glossy, S standard, T transparency
  char icmIntent = 0;  // C contrast, E colorimetric, S saturate
  char icmMethod = 0;  // D driver, N none, P device, S system
  char collate = 0;    // F false, T true
  char trueType = 0;   // B bitmap, D download, P substitute device font
  char duplex = 0;     // H horizontal, S simplex, V vertical
  char colour = 0;     // C colour, M monochrome
  char quality = 0;    // D draft, H high, L low, M medium
  bool Empty() const;
};
DeviceModeRequest DeviceModeFromLetters(const std::string& letters, int copies);

// How a printer page ends (EndPage): a new page follows, or the document is
// ended (the final page, one document per printout, the viewer's continue
// flag still set) or aborted (the user interrupted).
enum class PageEnd { NewPage, EndDocument, AbortDocument };
PageEnd DecidePageEnd(bool final, bool oneDocumentPerPrintout, bool documentOpen, bool continueFlag);

}  // namespace vostrane
