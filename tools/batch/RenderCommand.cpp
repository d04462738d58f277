// vostrane-batch render: draws the standard wheel page of a session entry
// ("AAA") into a PNG file (the screen's page bitmap) or a PDF file (the
// printer surface at 600 dpi), with the second and third charts of a bi- or
// tri-wheel given by --with.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tools/batch/BatchCommands.h"

#ifdef VOSTRANE_BATCH_RENDER
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include "platform/RecordFile.h"
#include "platform/gui/Fonts.h"
#include "session/ChartEntry.h"
#include "session/SessionFile.h"
#include "shell/ControlRecord.h"
#include "shell/MessageTextFile.h"
#include "wheel/FontNames.h"
#include "wheel/PageAssembly.h"
#include "wheel/PageMetrics.h"
#include "wheel/PrinterSettings.h"
#include "wheel/gui/BitmapSurface.h"
#include "wheel/gui/PrinterSurface.h"
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
  return n > 0 && file.Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadOnly) &&
         file.Seek(n) && file.Read(e.Data()) && e.used();
}

// Keeps the assembly captions quiet; the continue flag stays set.
class QuietHost : public SurfaceHost {};

}  // namespace

int RunRender(const Args& args) {
  if (args.size() < 2) return Usage("render needs an entry number and a file name");
  const auto n = EntryNumber(args[0]);
  const std::string path = args[1];
  if (!n) return Usage("the entry number must be 1 or more");
  const bool pdf = EndsWith(path, ".pdf");
  if (!pdf && !EndsWith(path, ".png")) return Usage("the file name must end in .png or .pdf");
  std::vector<int> others;
  double zoom = 0;
  for (size_t i = 2; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) return Usage("--with and --zoom need a value");
    if (args[i] == "--with") {
      const auto m = EntryNumber(args[i + 1]);
      if (!m) return Usage("--with needs an entry number");
      others.push_back(*m);
    } else if (args[i] == "--zoom") {
      zoom = std::atof(args[i + 1].c_str());
      if (!(zoom >= 0.5 && zoom <= 8)) return Usage("--zoom must be 0.5 to 8");
    } else {
      return Usage("render takes --with M (at most twice) and --zoom Z");
    }
  }
  if (others.size() > 2) return Usage("render draws at most a tri-wheel (two --with)");

  std::vector<ChartEntry> charts(1 + others.size());
  if (!ReadEntry(*n, charts[0])) {
    std::fprintf(stderr, "vostrane-batch: there is no entry %d in %s\n", *n, kSessionFileName);
    return 1;
  }
  for (size_t i = 0; i < others.size(); ++i)
    if (!ReadEntry(others[i], charts[i + 1])) {
      std::fprintf(stderr, "vostrane-batch: there is no entry %d in %s\n", others[i], kSessionFileName);
      return 1;
    }

  // A chart whose calculation did not finish would be drawn with its bodies
  // at 0 degrees Aries: it is refused instead.
  for (size_t i = 0; i < charts.size(); ++i)
    if (!charts[i].calcComplete()) {
      const int number = i == 0 ? *n : others[i - 1];
      std::fprintf(stderr,
                   "vostrane-batch: entry %d of %s is not completely calculated; run \"vostrane-batch calc\" "
                   "and mend what its messages name first\n",
                   number, kSessionFileName);
      return 1;
    }

  // Qt draws without a display when there is none.
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int argc = 1;
  char name[] = "vostrane-batch";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  if (!FontFamilyInstalled("ZorlanAstro") && !AddFontFile("zorastro.ttf"))
    std::fprintf(stderr, "vostrane-batch: the glyph font zorastro.ttf could not be loaded\n");

  OpenControlFile();
  if (!OpenMessageTextFile()) {
    std::fprintf(stderr, "vostrane-batch: %s\n", MessageTextFileMissingText().c_str());
    return 1;
  }
  WheelPageAssembler assembler(LoadPageNames());
  const std::array<std::string, 16> fonts = LoadFontNames();
  WheelPageInput page;
  page.category = others.empty() ? 'R' : others.size() == 1 ? 'B' : 'T';
  page.inner = &charts[0];
  page.second = others.size() >= 1 ? &charts[1] : nullptr;
  page.third = others.size() >= 2 ? &charts[2] : nullptr;
  page.lookup = ReadEntry;
  QuietHost host;

  int status = 0;
  if (pdf) {
    PrinterSurface printer(PrinterSettingsFromControl(Control()));
    printer.SetPdfOutput(path);
    printer.SetPdfResolution(600);
    printer.SetFontNames(fonts);
    printer.SetHost(&host);
    if (!assembler.AssembleWheelPage(printer, page)) status = 1;
    printer.EndDocument();
  } else {
    BitmapSurface bitmap;
    PageMetrics m;
    const double z = zoom > 0 ? zoom : Control().screenZoom() > 0 ? Control().screenZoom() : 1.0;
    ComputeScreenPageMetrics(m, z, false, 0, 0, 1.0);
    bitmap.SetPage(m);
    bitmap.SetMonochrome(Control().Letter(control_offset::monoScreen) == 'Y');
    bitmap.SetFontNames(fonts);
    bitmap.SetHost(&host);
    if (!assembler.AssembleWheelPage(bitmap, page) ||
        !bitmap.Image().save(QString::fromStdString(path + ".tmp"), "PNG") ||
        std::rename((path + ".tmp").c_str(), path.c_str()) != 0) {
      std::remove((path + ".tmp").c_str());
      std::fprintf(stderr, "vostrane-batch: cannot write %s\n", path.c_str());
      status = 1;
    }
  }
  CloseMessageTextFile();
  if (ControlFileIsOpen()) CloseControlFile();
  if (status == 0) std::printf("%s\n", path.c_str());
  return status;
}

#else

int RunRender(const Args& args) {
  std::fprintf(stderr, "vostrane-batch: render needs the program built with its windows (Qt)\n");
  return 1;
}

#endif

}  // namespace vostrane::batch
