// SPDX-License-Identifier: GPL-3.0-or-later
// vostrane-batch render: draws the standard wheel page of a session entry
// ("AAA") into a PNG file (the page bitmap of the file device), a PDF or SVG
// file (the printer page at 600 dpi) or a JSON file (the screen page as data:
// every drawn item with its role and bounding box), with the second and
// third charts of a bi- or tri-wheel given by --with, on the paper of the
// settings or of --paper, --landscape and --portrait. The file is written
// whole or not at all: an earlier file stays as it was when writing fails,
// and the exit status is then 1. `--page points` draws the page of the
// lots and of the fixed stars on the chart's points (wheel/PointsPage.h)
// instead; `--page aspects` the aspect list and patterns, or with --with the
// aspects between two natal charts and their house overlay
// (wheel/AspectsPage.h); `--dial 90` (or 360, 45) the dial page of the
// chart's midpoints (wheel/DialPage.h) with its pointer at `--pointer DEG`.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/batch/BatchCommands.h"
#include "shell/batch/SiblingProgram.h"

#ifdef VOSTRANE_BATCH_RENDER
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include "shell/batch/PageJson.h"
#include "viewer/DerivedPage.h"
#include "viewer/ReturnZone.h"
#include "viewer/DrawingSettings.h"
#include "platform/MessageService.h"
#include "platform/RecordFile.h"
#include "atlas/DstTableIndex.h"
#include "platform/gui/Fonts.h"
#include "session/ChartEntry.h"
#include "session/SessionFile.h"
#include "common/ControlRecord.h"
#include "common/PointSettings.h"
#include "common/MessageTextFile.h"
#include "wheel/FontNames.h"
#include "wheel/DialPage.h"
#include "wheel/PageAssembly.h"
#include "wheel/PointsPage.h"
#include "wheel/AspectsPage.h"
#include "wheel/Synastry.h"
#include "wheel/PageMetrics.h"
#include "wheel/Paper.h"
#include "wheel/Rounding.h"
#include "wheel/PrinterSettings.h"
#include "wheel/gui/BitmapSurface.h"
#include "wheel/gui/PrinterSurface.h"
#include "wheel/gui/SvgSurface.h"
#endif

namespace vostrane::batch {

#ifdef VOSTRANE_BATCH_RENDER

namespace {

int Usage(const char* text) {
  std::fprintf(stderr, "vostrane-batch: %s (see --help)\n", text);
  return 2;
}

std::optional<int> EntryNumber(const std::string& text) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < 1 || v > 1000000) return std::nullopt;
  return static_cast<int>(v);
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Reads entry n of the session file; false when there is none.
bool ReadEntry(int n, ChartEntry& e) {
  RecordFile file;
  return n > 0 && file.Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadOnly) && file.Seek(n) &&
         file.Read(e.Data()) && e.used();
}

// Keeps the assembly captions quiet; the continue flag stays set.
class QuietHost : public SurfaceHost {};

// What the command line asks for.
struct RenderRequest {
  int entry = 0;
  std::string path;
  bool pdf = false, json = false, svg = false;
  std::optional<PaperKind> paper;           // --paper; else the settings'
  std::optional<bool> landscape;            // --landscape, --portrait
  std::vector<int> others;                  // the entries of rings 2 and 3
  double zoom = 0;                          // 0: the file device's own
  std::string code = kDefaultPrintoutCode;  // the wheel style's printout code
  bool pointsPage = false;                  // --page points: the lots and fixed stars
  int dial = 0;                             // --dial: the dial page of this many degrees
  double pointer = 0;                       // --pointer: the dial's pointer, degrees
  bool aspectsPage = false;                 // --page aspects: the aspect list and patterns
};

// What draws the page asked for onto a surface.
using PageDrawer = std::function<bool(DrawingSurface&)>;

// Reads the arguments into `r`; returns the usage status when they are wrong.
std::optional<int> ParseRenderArgs(const Args& args, RenderRequest& r) {
  if (args.size() < 2) return Usage("render needs an entry number and a file name");
  const auto n = EntryNumber(args[0]);
  r.path = args[1];
  if (!n) return Usage("the entry number must be 1 or more");
  r.entry = *n;
  r.pdf = EndsWith(r.path, ".pdf");
  r.json = EndsWith(r.path, ".json");
  r.svg = EndsWith(r.path, ".svg");
  if (!r.pdf && !r.json && !r.svg && !EndsWith(r.path, ".png"))
    return Usage("the file name must end in .png, .pdf, .svg or .json");
  for (size_t i = 2; i < args.size(); i += 2) {
    if (args[i] == "--landscape" || args[i] == "--portrait") {
      r.landscape = args[i] == "--landscape";
      --i;  // no value
      continue;
    }
    if (i + 1 >= args.size()) return Usage("--with, --zoom, --code and --paper need a value");
    if (args[i] == "--paper") {
      if (args[i + 1] == "a4" || args[i + 1] == "A4") r.paper = PaperKind::A4;
      else if (args[i + 1] == "letter" || args[i + 1] == "Letter") r.paper = PaperKind::Letter;
      else return Usage("--paper must be a4 or letter");
    } else if (args[i] == "--with") {
      const auto m = EntryNumber(args[i + 1]);
      if (!m) return Usage("--with needs an entry number");
      r.others.push_back(*m);
    } else if (args[i] == "--zoom") {
      r.zoom = std::atof(args[i + 1].c_str());
      if (!(r.zoom >= 0.5 && r.zoom <= 8)) return Usage("--zoom must be 0.5 to 8");
    } else if (args[i] == "--page") {
      if (args[i + 1] != "wheel" && args[i + 1] != "points" && args[i + 1] != "aspects")
        return Usage("--page must be wheel, points or aspects");
      r.pointsPage = args[i + 1] == "points";
      r.aspectsPage = args[i + 1] == "aspects";
    } else if (args[i] == "--dial") {
      r.dial = std::atoi(args[i + 1].c_str());
      if (!IsDialModulus(r.dial)) return Usage("--dial must be 90, 360 or 45");
    } else if (args[i] == "--pointer") {
      char* end = nullptr;
      r.pointer = std::strtod(args[i + 1].c_str(), &end);
      if (*end != '\0' || !(r.pointer >= 0 && r.pointer < 360))
        return Usage("--pointer must be 0 to 360");
    } else if (args[i] == "--code") {
      r.code = args[i + 1];
      if (r.code.size() != 3 || r.code.find_first_not_of("ABCDEFGHIJ") != std::string::npos)
        return Usage("--code must be three letters A to J");
    } else {
      return Usage(
          "render takes --with M (at most twice), --zoom Z, --code CCC, --paper a4|letter, "
          "--landscape, --portrait, --page wheel|points|aspects, --dial 90|360|45 and --pointer DEG");
    }
  }
  if (r.others.size() > 2) return Usage("render draws at most a tri-wheel (two --with)");
  return std::nullopt;
}

// Reads the charts of the rings; false, with a message, when one is missing
// or not completely calculated (it would be drawn with its bodies at 0
// degrees Aries).
bool ReadRingCharts(const RenderRequest& r, std::vector<ChartEntry>& charts) {
  charts.assign(1 + r.others.size(), ChartEntry{});
  for (size_t i = 0; i < charts.size(); ++i) {
    const int number = i == 0 ? r.entry : r.others[i - 1];
    if (!ReadEntry(number, charts[i])) {
      std::fprintf(stderr, "vostrane-batch: there is no entry %d in %s\n", number, kSessionFileName);
      return false;
    }
  }
  for (size_t i = 0; i < charts.size(); ++i)
    if (!charts[i].calcComplete()) {
      const int number = i == 0 ? r.entry : r.others[i - 1];
      std::fprintf(
          stderr,
          "vostrane-batch: entry %d of %s is not completely calculated; run \"vostrane-batch calc\" "
          "and mend what its messages name first\n",
          number, kSessionFileName);
      return false;
    }
  return true;
}

bool RenderPdf(const std::string& path, const DrawingSettings& settings,
               const std::array<std::string, 16>& fonts, WheelPageAssembler& assembler,
               const WheelPageInput& page, const PageDrawer& draw, SurfaceHost& host) {
  // The PDF's title names the inner chart, as the viewer's would.
  PrinterSettings printerSettings = settings.printer;
  printerSettings.jobTitle = ViewerCaption(*page.inner, assembler.Names(), page.lookup);
  PrinterSurface printer(printerSettings);
  printer.SetPdfOutput(path);
  printer.SetPdfResolution(600);
  printer.SetFontNames(fonts);
  printer.SetHost(&host);
  const bool drawn = draw(printer);
  return printer.EndDocument() && drawn && !printer.WriteFailed();
}

std::string PageDataJson(const WheelPageAssembler& assembler, const PageMetrics& m,
                         std::vector<PageItem> items) {
  batch::PageData data;
  data.width = m.pageWidth;
  data.height = m.pageHeight;
  data.items = std::move(items);
  data.wheel = assembler.WheelRadius() > 0;
  data.cx = assembler.Setup().cx;
  data.cy = assembler.Setup().cy;
  data.radii = WheelRadii(data.items, data.cx, data.cy);
  data.cusps = assembler.Rings().Ring(1).cusps;
  data.ascendant = data.cusps[0];
  return PageToJson(data);
}

// PNG: the page bitmap of the file device, with its zoom, proportions and
// black-and-white setting. JSON: the screen page at zoom 1.
bool RenderBitmap(const RenderRequest& r, const DrawingSettings& settings,
                  const std::array<std::string, 16>& fonts, WheelPageAssembler& assembler,
                  const PageDrawer& draw, SurfaceHost& host) {
  const ScreenPageSettings& file = settings.file;
  BitmapSurface bitmap;
  PageMetrics m;
  const double zoom = r.json ? 1.0 : r.zoom > 0 ? r.zoom : file.zoom;
  // The page takes the paper's proportions when the file device asks for
  // them (the data page when a paper is named), turned on a sideways
  // sheet.
  const PaperChoice& paper = settings.printer.paper;
  const bool proportions = r.json ? r.paper.has_value() : file.printerProportions;
  ComputeScreenPageMetrics(m, zoom, proportions, RoundEven(PaperWidthInches(paper.kind) * 72),
                           RoundEven(PaperHeightInches(paper.kind) * 72), 1.0);
  if (paper.landscape && !r.json) TurnScreenSheet(m);
  // The picture is the printed page drawn at the screen page's size; the
  // data page keeps the screen's own layout.
  if (r.json) bitmap.SetPage(m);
  else bitmap.SetPrintedPage(m, SvgPageMetrics(settings.printer), kSvgDotsPerInch);
  bitmap.SetMonochrome(r.json ? settings.screen.monochrome : file.monochrome);
  bitmap.SetFontNames(fonts);
  bitmap.SetHost(&host);
  std::vector<PageItem> items;
  if (r.json) bitmap.SetItemSink(&items);
  if (!draw(bitmap)) return false;
  // QSaveFile writes a temporary file and renames it only when every byte
  // went to disk.
  QSaveFile out(QString::fromStdString(r.path));
  if (!out.open(QIODevice::WriteOnly)) return false;
  bool ok;
  if (r.json) {
    const std::string text = PageDataJson(assembler, m, std::move(items));
    ok = out.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
  } else {
    ok = bitmap.Image().save(&out, "PNG");
  }
  const bool written = ok && out.commit();
  if (!written) out.cancelWriting();
  return written;
}

}  // namespace

int RunRender(const Args& args) {
  RenderRequest r;
  if (const auto usage = ParseRenderArgs(args, r)) return *usage;
  std::vector<ChartEntry> charts;
  if (!ReadRingCharts(r, charts)) return 1;

  // Qt draws without a display when there is none.
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int argc = 1;
  char name[] = "vostrane-batch";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  if (!FontFamilyInstalled(kGlyphFontFamily) && !AddFontFile("zorastro.ttf"))
    std::fprintf(stderr, "vostrane-batch: the glyph font zorastro.ttf could not be loaded\n");

  OpenControlFile();
  if (!OpenMessageTextFile()) {
    std::fprintf(stderr, "vostrane-batch: %s\n", MessageTextFileMissingText().c_str());
    return 1;
  }
  // A return is shown at its place's clock, from the place's daylight table.
  LoadDstTableIndex();
  for (ChartEntry& chart : charts) TakeReturnZoneFromItsTable(chart);
  WheelPageAssembler assembler(LoadPageNames());
  const std::array<std::string, 16> fonts = LoadFontNames();
  WheelPageInput page;
  page.category = r.others.empty() ? 'R' : r.others.size() == 1 ? 'B' : 'T';
  page.code = r.code;
  page.inner = &charts[0];
  page.second = r.others.size() >= 1 ? &charts[1] : nullptr;
  page.third = r.others.size() >= 2 ? &charts[2] : nullptr;
  page.lookup = ReadEntry;
  page.placeStyle = Control().Letter(control_offset::placeNameStyle);
  page.points = ReadPointSettings(Control());
  DrawingSettings settings = DrawingSettingsFromControl(Control());
  if (r.paper) settings.printer.paper.kind = *r.paper;
  if (r.landscape) settings.printer.paper.landscape = *r.landscape;
  QuietHost host;
  // The points page: the lots and stars of the installation's files, with a
  // message naming a file that cannot be read (the page then says so).
  FixedStarList stars;
  LotList lots;
  if (r.pointsPage || page.points.wheelLots != 0) {
    lots = ReadLotFile();
    if (!lots.error.empty()) ShowMessage(lots.error, lots.missing ? MsgIcon::Warning : MsgIcon::Error);
    page.lots = &lots.lots;
  }
  if (r.pointsPage) {
    stars = ReadFixedStarFile();
    if (!stars.error.empty())
      ShowMessage(stars.error, stars.missing ? MsgIcon::Warning : MsgIcon::Error);
  }
  PointsPageInput points;
  points.chart = &charts[0];
  points.lots = &lots.lots;
  points.stars = &stars.stars;
  points.starOrb = Control().fixedStarOrb();
  AspectsPageInput aspects;
  aspects.inner = &charts[0];
  // Two natal charts make a comparison; any other second chart is left out.
  if (page.second && ComparableCharts(charts[0], *page.second)) aspects.outer = page.second;
  aspects.code = r.code;
  const DialPageInput dial = r.dial > 0 ? DialPageOf(charts[0], r.code, r.dial, r.pointer)
                                        : DialPageInput{};
  const PageDrawer draw = [&](DrawingSurface& s) {
    if (r.dial > 0) return AssembleDialPage(s, dial, assembler.Names());
    if (r.aspectsPage) return AssembleAspectsPage(s, aspects, assembler.Names());
    return r.pointsPage ? AssemblePointsPage(s, points, assembler.Names())
                        : assembler.AssembleWheelPage(s, page);
  };

  bool written = false;
  if (r.pdf) {
    written = RenderPdf(r.path, settings, fonts, assembler, page, draw, host);
  } else if (r.svg) {
    const std::string title = ViewerCaption(*page.inner, assembler.Names(), page.lookup);
    written = WriteSvgFile(r.path, SvgPageMetrics(settings.printer), kSvgDotsPerInch, title, fonts,
                           &host, draw);
    if (!written) std::fprintf(stderr, "vostrane-batch: cannot write %s\n", r.path.c_str());
  } else {
    written = RenderBitmap(r, settings, fonts, assembler, draw, host);
    if (!written) std::fprintf(stderr, "vostrane-batch: cannot write %s\n", r.path.c_str());
  }
  const int status = written ? 0 : 1;
  CloseMessageTextFile();
  if (ControlFileIsOpen()) CloseControlFile();
  if (status == 0) std::printf("%s\n", r.path.c_str());
  return status;
}

#elif defined(VOSTRANE_BATCH_RENDER_PROGRAM)

// The drawing program of the same build takes over (see CMakeLists.txt).
int RunRender(const Args& args) {
  return RunSiblingProgram(VOSTRANE_BATCH_RENDER_PROGRAM, "render", args);
}

#else

int RunRender(const Args&) {
  std::fprintf(stderr, "vostrane-batch: render needs the program built with its windows (Qt)\n");
  return 1;
}

#endif

}  // namespace vostrane::batch
