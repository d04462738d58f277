// SPDX-License-Identifier: GPL-3.0-or-later
// The paper chart pages are printed on: Letter or A4, upright or sideways.
// The choice is kept in the control record (two letters); without one the
// paper of the system's locale is used. A printed page on a sideways sheet
// takes the sheet's shape at the upright page's text sizes
// (TurnPageOntoSheet in wheel/PageMetrics.h); the screen's own layout keeps
// the upright page, scaled to fit the sideways sheet (FitPageOnSheet).
#pragma once

#include <string>
#include <vector>

#include "wheel/PageMetrics.h"

namespace vostrane {

struct PageDefinition;
class ControlRecord;

enum class PaperKind { Letter, A4 };

struct PaperChoice {
  PaperKind kind = PaperKind::A4;
  bool landscape = false;
  friend bool operator==(const PaperChoice&, const PaperChoice&) = default;
};

// The upright sheet's size in inches.
double PaperWidthInches(PaperKind kind);
double PaperHeightInches(PaperKind kind);
const char* PaperName(PaperKind kind);  // "Letter", "A4"

// The paper of a POSIX locale name such as "en_US.UTF-8" or "es_MX":
// Letter in the countries that use it (the US, Canada, Mexico, the
// Philippines, Chile, Colombia and a few more of the Americas), A4 elsewhere
// and for "C", "POSIX" or no name.
PaperKind PaperOfLocale(const std::string& localeName);
// The paper of the system's locale: LC_ALL, else LC_PAPER, else LANG.
PaperKind SystemPaper();

// The control record's letters: kind 'L' Letter, 'A' A4, any other (a
// record written before the setting) the system's paper; orientation 'L'
// landscape, any other portrait.
PaperChoice PaperChoiceFromLetters(char kind, char orientation);
char PaperKindLetter(PaperKind kind);
char PaperOrientationLetter(bool landscape);
// The choice the control record holds, and storing one: the letters are
// written only when the choice differs from the one read, so that a record
// without the setting goes on following the locale until a paper is chosen.
PaperChoice ReadPaperChoice(const ControlRecord& control);
void WritePaperChoice(const PaperChoice& chosen, ControlRecord& control);

// Printer page metrics of a sheet of paper at `dpi`, the whole sheet
// printable, with the margins and lines of PAGEW.DEF: a sideways sheet's
// page takes the sheet's shape with the upright page's text metrics. The
// base offset (which depends on the fonts) is left at its default.
PageMetrics PaperPrinterMetrics(const PaperChoice& paper, int dpi, const PageDefinition& def,
                                bool widerLines);
// Screen page metrics at a zoom: the page takes the paper's proportions
// (616 wide), sideways sheets fitting the upright page.
PageMetrics PaperScreenMetrics(const PaperChoice& paper, double zoom, double k);
// Sideways sheet for a screen page already computed: the page is fitted
// onto a sheet of its height by its width.
void TurnScreenSheet(PageMetrics& m);

// Every paper and orientation with the page metrics of the screen (zoom 1)
// and of the printer (600 dpi), for checks that must hold on all of them.
struct PaperMetrics {
  PaperChoice paper;
  std::string name;  // "A4 portrait", "Letter landscape" ...
  PageMetrics screen;
  PageMetrics printer;
};
std::vector<PaperMetrics> AllPaperMetrics(const PageDefinition& def);

}  // namespace vostrane
