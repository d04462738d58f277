// SPDX-License-Identifier: GPL-3.0-or-later
// chart-csv IN.csv OUT.csv: natal charts for research batches. Each row of
// birth data (name, date, time, latitude, longitude, zone, daylight, and
// optionally zodiac and house system; a header line first) becomes one row
// of the Julian day, delta T, angles, the mean node, the twelve cusps and
// every body's longitude,
// latitude, daily motion, right ascension and declination. Rows are read,
// calculated and written one at a time, so memory does not grow with the
// number of rows. A wrong row is reported with its line number and skipped.
// OUT.csv is written under a private temporary name and replaces an older
// file only when it is complete.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <fstream>
#include <string>
#include <vector>

#include "astro/AnalyticTheory.h"
#include "astro/Houses.h"
#include "astro/PlanetPass.h"
#include "derived/EntryCalculation.h"
#include "platform/FileSystem.h"
#include "session/ChartEntry.h"
#include "session/NameFileImage.h"
#include "session/driver/CalcMessages.h"
#include "common/ChartSettings.h"
#include "common/ControlRecord.h"
#include "shell/batch/BatchCommands.h"
#include "shell/batch/BirthFields.h"
#include "common/CsvRows.h"

namespace vostrane::batch {
namespace {

struct Body {
  const char* name;
  int slot;
};
// Every body slot but the four angles (their own columns).
constexpr Body kBodies[] = {
    {"sun", 0},        {"moon", 1},         {"mercury", 2},      {"venus", 3},    {"mars", 4},
    {"jupiter", 5},    {"saturn", 6},       {"uranus", 7},       {"neptune", 8},  {"pluto", 9},
    {"true_node", 10}, {"lilith_mean", 21}, {"lilith_true", 22}, {"fortune", 15}, {"ceres", 16},
    {"pallas", 17},    {"juno", 18},        {"vesta", 19},       {"chiron", 20},  {"cupido", 23},
    {"hades", 24},     {"zeus", 25},        {"kronos", 26},      {"apollon", 27}, {"admetos", 28},
    {"vulcanus", 29},  {"poseidon", 30}};
constexpr BodyArray kValues[] = {BodyArray::Lon, BodyArray::Lat, BodyArray::Speed, BodyArray::Ra,
                                 BodyArray::Decl};
constexpr const char* kValueNames[] = {"lon", "lat", "speed", "ra", "decl"};

class RowWriter {
 public:
  explicit RowWriter(std::FILE* out) : out_(out) {}
  void Text(const std::string& s) {
    Separator();
    std::fputs(CsvField(s).c_str(), out_);
  }
  void Number(double v, int decimals) {
    Separator();
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::fwrite(buf, 1, static_cast<size_t>(r.ptr - buf), out_);
  }
  void Empty() { Separator(); }
  void End() {
    std::fputc('\n', out_);
    first_ = true;
  }

 private:
  void Separator() {
    if (!first_) std::fputc(',', out_);
    first_ = false;
  }
  std::FILE* out_;
  bool first_ = true;
};

void WriteHeader(RowWriter& w) {
  for (const char* h :
       {"name", "julday", "deltat", "asc", "mc", "vertex", "eastpt", "coasc", "polarasc", "mean_node"})
    w.Text(h);
  for (int c = 1; c <= 12; ++c) w.Text("cusp" + std::to_string(c));
  for (const Body& b : kBodies)
    for (const char* v : kValueNames) w.Text(std::string(b.name) + "_" + v);
  w.End();
}

void WriteChart(RowWriter& w, const std::string& name, const ChartEntry& e) {
  w.Text(name);
  w.Number(e.julianDayUt(), 8);
  w.Number(e.deltaTSeconds(), 3);
  for (double a : {e.asc(), e.mc(), e.vertex(), e.eastPoint(), e.coAscendant(), e.polarAscendant(),
                   e.moonNodeDeg()})
    w.Number(a, 7);
  // Cusps 7 to 12 are the opposite points of cusps 1 to 6.
  for (int c = 1; c <= 12; ++c)
    w.Number(c <= 6 ? e.cusp(c) : std::fmod(e.cusp(c - 6) + 180.0, 360.0), 7);
  for (const Body& b : kBodies)
    for (BodyArray a : kValues) {
      if (!e.bodyAvailable(b.slot)) w.Empty();
      else w.Number(e.body(a, b.slot), 7);
    }
  w.End();
}

}  // namespace

int RunChartCsv(const Args& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "vostrane-batch: chart-csv needs IN.csv and OUT.csv (see --help)\n");
    return 2;
  }
  const std::string& inName = args[0];
  const std::string& outName = args[1];
  std::ifstream in(inName, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "vostrane-batch: cannot read %s\n", inName.c_str());
    return 1;
  }
  OpenControlFile();
  const char zodiac = ZodiacOrDefault(Control().defaultZodiacLetter());
  const bool geocentricLatitude = Control().geocentricLatitude();
  if (ControlFileIsOpen()) CloseControlFile();

  // A private temporary file: a link or file planted under any fixed name
  // beside OUT.csv is never written through.
  std::string temp;
  const int fd = CreateTempBeside(outName, temp);
  std::FILE* out = fd < 0 ? nullptr : fdopen(fd, "wb");
  if (!out) {
    if (fd >= 0) close(fd), std::remove(temp.c_str());
    std::fprintf(stderr, "vostrane-batch: cannot write %s\n", outName.c_str());
    return 1;
  }
  static char buffer[1 << 16];
  std::setvbuf(out, buffer, _IOFBF, sizeof buffer);
  RowWriter writer(out);
  WriteHeader(writer);

  AnalyticTheory theory;  // one calculation run for the whole file
  CsvReader reader(in);
  std::vector<std::string> f;
  long written = 0, skipped = 0;
  reader.Next(f);  // the header line
  while (reader.Next(f)) {
    if (f.size() == 1 && f[0].empty() && !reader.Fault()) continue;  // an empty line
    auto skip = [&](const std::string& why) {
      std::fprintf(stderr, "%s line %d: %s; row skipped\n", inName.c_str(), reader.Line(), why.c_str());
      ++skipped;
    };
    if (reader.Fault()) {
      skip(*reader.Fault());
      continue;
    }
    if (f.size() < 7 || f.size() > 9) {
      skip(
          "expected 7 to 9 fields: name, date, time, latitude, longitude, zone, daylight[, zodiac[, "
          "houses]]");
      continue;
    }
    const BirthFields fields{
        f[1], f[2], f[3], f[4], f[5], f[6], f.size() > 7 ? f[7] : "", f.size() > 8 ? f[8] : ""};
    ChartEntry e;
    if (const auto wrong = ApplyBirthFields(fields, zodiac, 1, e)) {
      skip(*wrong);
      continue;
    }
    NameFileImage image;
    CalcReport houses;
    CalcHouses(e, image, geocentricLatitude, houses);
    ShowCalcReport(houses);
    PlanetFlags flags;
    CalcReport planets;
    CalcPlanets(e, image, flags, theory, planets);
    ShowCalcReport(planets);
    WriteChart(writer, f[0], e);
    ++written;
  }
  const bool ok = !std::ferror(out) && std::fclose(out) == 0 &&
                  std::rename(temp.c_str(), outName.c_str()) == 0;
  if (!ok) {
    std::remove(temp.c_str());
    std::fprintf(stderr, "vostrane-batch: cannot write %s\n", outName.c_str());
    return 1;
  }
  std::fprintf(stderr, "%ld charts written to %s, %ld rows skipped\n", written, outName.c_str(),
               skipped);
  return 0;
}

}  // namespace vostrane::batch
