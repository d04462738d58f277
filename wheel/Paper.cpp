// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/Paper.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "common/ControlRecord.h"
#include "wheel/PageDefinition.h"
#include "wheel/Rounding.h"

namespace vostrane {

double PaperWidthInches(PaperKind kind) { return kind == PaperKind::Letter ? 8.5 : 210 / 25.4; }
double PaperHeightInches(PaperKind kind) { return kind == PaperKind::Letter ? 11.0 : 297 / 25.4; }
const char* PaperName(PaperKind kind) { return kind == PaperKind::Letter ? "Letter" : "A4"; }

PaperKind PaperOfLocale(const std::string& localeName) {
  // The territory is the two letters after the underscore: "en_US.UTF-8".
  const size_t underscore = localeName.find('_');
  if (underscore == std::string::npos || underscore + 3 > localeName.size()) return PaperKind::A4;
  const std::string territory = localeName.substr(underscore + 1, 2);
  static const std::array<const char*, 15> letterTerritories = {
      "US", "CA", "MX", "PH", "CL", "CO", "VE", "CR", "GT", "SV", "HN", "NI", "PA", "DO", "PR"};
  for (const char* t : letterTerritories)
    if (territory == t) return PaperKind::Letter;
  return PaperKind::A4;
}

PaperKind SystemPaper() {
  for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return PaperOfLocale(value);
  }
  return PaperKind::A4;
}

PaperChoice PaperChoiceFromLetters(char kind, char orientation) {
  PaperChoice p;
  p.kind = kind == 'L' ? PaperKind::Letter : kind == 'A' ? PaperKind::A4 : SystemPaper();
  p.landscape = orientation == 'L';
  return p;
}

char PaperKindLetter(PaperKind kind) { return kind == PaperKind::Letter ? 'L' : 'A'; }
char PaperOrientationLetter(bool landscape) { return landscape ? 'L' : 'P'; }

PaperChoice ReadPaperChoice(const ControlRecord& control) {
  return PaperChoiceFromLetters(control.Letter(control_offset::paperKind),
                                control.Letter(control_offset::paperOrientation));
}

void WritePaperChoice(const PaperChoice& chosen, ControlRecord& control) {
  const PaperChoice stored = ReadPaperChoice(control);
  if (chosen.kind != stored.kind)
    control.SetLetter(control_offset::paperKind, PaperKindLetter(chosen.kind));
  if (chosen.landscape != stored.landscape)
    control.SetLetter(control_offset::paperOrientation, PaperOrientationLetter(chosen.landscape));
}

PageMetrics PaperPrinterMetrics(const PaperChoice& paper, int dpi, const PageDefinition& def,
                                bool widerLines) {
  PrinterPage page;
  page.pixelWidth = RoundEven(PaperWidthInches(paper.kind) * dpi);
  page.pixelHeight = RoundEven(PaperHeightInches(paper.kind) * dpi);
  page.printableWidthMm = PaperWidthInches(paper.kind) * 25.4;
  page.printableHeightMm = PaperHeightInches(paper.kind) * 25.4;
  PageMetrics m;
  ComputePrinterPageMetrics(m, page, 'P', 0, 0, def);
  ComputeDerivedMetrics(m, def.lines, widerLines);
  if (paper.landscape) {
    const PrinterPage sheet{page.pixelHeight, page.pixelWidth, page.printableHeightMm,
                            page.printableWidthMm};
    TurnPageOntoSheet(m, sheet, 0, 0, def);
  }
  return m;
}

PageMetrics PaperScreenMetrics(const PaperChoice& paper, double zoom, double k) {
  PageMetrics m;
  ComputeScreenPageMetrics(m, zoom, true, RoundEven(PaperWidthInches(paper.kind) * 72),
                           RoundEven(PaperHeightInches(paper.kind) * 72), k);
  if (paper.landscape) TurnScreenSheet(m);
  return m;
}

void TurnScreenSheet(PageMetrics& m) { FitPageOnSheet(m, m.pageHeight + 2, m.pageWidth + 2); }

std::vector<PaperMetrics> AllPaperMetrics(const PageDefinition& def) {
  std::vector<PaperMetrics> all;
  for (PaperKind kind : {PaperKind::Letter, PaperKind::A4})
    for (bool landscape : {false, true}) {
      PaperMetrics p;
      p.paper = {kind, landscape};
      p.name = std::string(PaperName(kind)) + (landscape ? " landscape" : " portrait");
      p.screen = PaperScreenMetrics(p.paper, 1.0, 1.0);
      p.printer = PaperPrinterMetrics(p.paper, 600, def, false);
      all.push_back(std::move(p));
    }
  return all;
}

}  // namespace vostrane
