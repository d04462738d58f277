// SPDX-License-Identifier: GPL-3.0-or-later
// vostrane-batch graph: the graphic ephemeris of a period with the points of
// a calculated entry, as a PNG (the page bitmap, landscape), a PDF (the
// printer surface at 600 dpi) or an SVG (the same sideways page at 600 dpi).
// The file is written whole or not at all.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/batch/BatchCommands.h"
#include "shell/batch/SiblingProgram.h"

#ifdef VOSTRANE_BATCH_RENDER
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include "common/Calendar.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "platform/RecordFile.h"
#include "platform/gui/Fonts.h"
#include "session/SessionFile.h"
#include "timeline/EphemerisCurves.h"
#include "timeline/TimelineText.h"
#include "shell/batch/TimelineArgs.h"
#include "viewer/DrawingSettings.h"
#include "viewer/GraphicEphemeris.h"
#include "wheel/FontNames.h"
#include "wheel/PageMetrics.h"
#include "wheel/gui/BitmapSurface.h"
#include "wheel/gui/PrinterSurface.h"
#include "wheel/gui/SvgSurface.h"
#endif

namespace vostrane::batch {

#ifdef VOSTRANE_BATCH_RENDER

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool ReadEntry(int n, ChartEntry& e) {
  RecordFile file;
  return n > 0 && file.Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadOnly) && file.Seek(n) &&
         file.Read(e.Data()) && e.used();
}

// The page of the graph: the screen page turned on its side, at twice the
// viewer's size.
PageMetrics LandscapeMetrics() {
  PageMetrics m;
  ComputeScreenPageMetrics(m, 2.0, false, 0, 0, 1.0);
  std::swap(m.pageWidth, m.pageHeight);
  std::swap(m.width, m.height);
  return m;
}

bool WritePng(const std::string& path, const GraphicEphemeris& g,
              const std::array<std::string, 16>& fonts) {
  BitmapSurface bitmap;
  bitmap.SetPage(LandscapeMetrics());
  bitmap.SetFontNames(fonts);
  if (!bitmap.BeginPrintout('2', 'L')) return false;
  DrawGraphicEphemeris(bitmap, g);
  bitmap.EndPage(true);
  QSaveFile out(QString::fromStdString(path));
  if (!out.open(QIODevice::WriteOnly)) return false;
  if (bitmap.Image().save(&out, "PNG") && out.commit()) return true;
  out.cancelWriting();
  return false;
}

bool WritePdf(const std::string& path, const GraphicEphemeris& g,
              const std::array<std::string, 16>& fonts) {
  OpenControlFile();
  PrinterSettings settings = DrawingSettingsFromControl(Control()).printer;
  settings.jobTitle = "Graphic ephemeris";
  PrinterSurface printer(settings);
  printer.SetPdfOutput(path);
  printer.SetPdfResolution(600);
  printer.SetFontNames(fonts);
  bool drawn = printer.BeginPrintout('1', 'L');
  if (drawn) {
    DrawGraphicEphemeris(printer, g);
    printer.EndPage(true);
  }
  const bool written = printer.EndDocument() && drawn && !printer.WriteFailed();
  if (ControlFileIsOpen()) CloseControlFile();
  return written;
}

bool WriteSvg(const std::string& path, const GraphicEphemeris& g,
              const std::array<std::string, 16>& fonts) {
  OpenControlFile();
  PrinterSettings settings = DrawingSettingsFromControl(Control()).printer;
  if (ControlFileIsOpen()) CloseControlFile();
  // The upright page of the chosen paper, turned on its side.
  settings.paper.landscape = false;
  PageMetrics m = SvgPageMetrics(settings);
  std::swap(m.pageWidth, m.pageHeight);
  std::swap(m.width, m.height);
  return WriteSvgFile(path, m, kSvgDotsPerInch, "Graphic ephemeris", fonts, nullptr,
                      [&](DrawingSurface& s) {
                        if (!s.BeginPrintout('1', 'L')) return false;
                        DrawGraphicEphemeris(s, g);
                        s.EndPage(true);
                        return true;
                      });
}

}  // namespace

int RunGraph(const Args& args) {
  TimelineRequest r;
  if (auto wrong = ParseTimelineArgs(args, 4, r)) {
    std::fprintf(stderr, "vostrane-batch: %s (see --help)\n", wrong->c_str());
    return 2;
  }
  const std::string path = r.positional[3];
  const bool pdf = EndsWith(path, ".pdf");
  const bool svg = EndsWith(path, ".svg");
  if (!pdf && !svg && !EndsWith(path, ".png")) {
    std::fprintf(stderr, "vostrane-batch: the file name must end in .png, .pdf or .svg (see --help)\n");
    return 2;
  }
  ChartEntry base;
  if (!ReadEntry(r.base, base) || !base.calcComplete()) {
    std::fprintf(stderr, "vostrane-batch: entry %d is missing or not completely calculated\n", r.base);
    return 1;
  }
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int argc = 1;
  char name[] = "vostrane-batch";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  if (!FontFamilyInstalled(kGlyphFontFamily) && !AddFontFile("zorastro.ttf"))
    std::fprintf(stderr, "vostrane-batch: the glyph font zorastro.ttf could not be loaded\n");

  GraphicEphemeris g;
  g.fromJd = r.options.fromJd;
  g.toJd = r.options.toJd;
  g.modulus = r.modulus;
  g.points = BasePoints(base, r.options.cusps);
  g.title = "Graphic ephemeris, modulo " + std::to_string(static_cast<int>(r.modulus)) + "\xB0, " +
            IsoUtc(g.fromJd).substr(0, 10) + " to " + IsoUtc(g.toJd - 1).substr(0, 10) + ": " +
            base.name();
  AnalyticTheory theory;
  CalcReport report;
  const std::vector<int> bodies = r.options.bodies.empty() ? GraphBodies(g.fromJd, g.toJd)
                                                           : r.options.bodies;
  g.curves = SampleEphemerisCurves(base, bodies, g.fromJd, g.toJd, 1200, theory, report);
  if (report.Ended()) {
    std::fprintf(stderr, "vostrane-batch: the ephemeris files cannot serve the period\n");
    return 1;
  }
  if (!OpenMessageTextFile()) {
    std::fprintf(stderr, "vostrane-batch: %s\n", MessageTextFileMissingText().c_str());
    return 1;
  }
  const std::array<std::string, 16> fonts = LoadFontNames();
  CloseMessageTextFile();
  const bool written = pdf   ? WritePdf(path, g, fonts)
                       : svg ? WriteSvg(path, g, fonts)
                             : WritePng(path, g, fonts);
  if (!written) {
    std::fprintf(stderr, "vostrane-batch: cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("%s\n", path.c_str());
  return 0;
}

#elif defined(VOSTRANE_BATCH_RENDER_PROGRAM)

int RunGraph(const Args& args) {
  return RunSiblingProgram(VOSTRANE_BATCH_RENDER_PROGRAM, "graph", args);
}

#else

int RunGraph(const Args&) {
  std::fprintf(stderr, "vostrane-batch: graph needs the program built with its windows (Qt)\n");
  return 1;
}

#endif

}  // namespace vostrane::batch
