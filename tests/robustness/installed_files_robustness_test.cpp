// SPDX-License-Identifier: GPL-3.0-or-later
// Every data file of the installation damaged in turn in a copy of the
// installation folder: zeroed, random bytes where the run reads, one byte
// changed there, cut to half, removed. The real batch tool must name the
// file in a message, exit non-zero, and hold no value from the damaged part
// in `dump` or the place list. (The page commands only need to refuse: a
// page is drawn from whole files or not at all.)
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "astro/AsteroidFiles.h"
#include "astro/LunarApogeeTable.h"
#include "common/MessageTextFile.h"
#include "platform/InstalledFiles.h"
#include "tests/driver/BatchRunner.h"
#include "tests/robustness/Damage.h"
#include "wheel/FontNames.h"

#ifdef VOSTRANE_BATCH

namespace vostrane::test {
namespace {

namespace fs = std::filesystem;

// 9 October 1995, 12:00 UT: Julian day 2450000, the middle of the files
// numbered 24 (node 625 of 1250).
constexpr const char* kChartArgs = "new Probe 10/09/1995 12:00:00 42.36 71.06 0 N Boston";
constexpr double kChartJd = 2450000.0;

// What a run does with the installation and what it must not show.
enum class Run { Chart, Page, EmblemPage, Pdf, Place, NewEntry };

struct Case {
  std::string file;
  Run run;
  std::vector<int> slots;  // Chart: the body slots the file serves
};

// A copy of the installation folder as the working folder: links to every
// file, a real copy of the control file (the program may write it), and an
// entry calculated with the good files.
class InstallationCopy {
 public:
  InstallationCopy() {
    const fs::path from = fs::path(InstallFile(kManifestFileName)).parent_path();
    for (const auto& item : fs::recursive_directory_iterator(from)) {
      const fs::path relative = fs::relative(item.path(), from);
      const fs::path to = fs::path(folder_.Path()) / relative;
      if (item.is_directory()) fs::create_directories(to);
      else if (relative == "ZORCTRL.DAT") fs::copy_file(item.path(), to);
      else if (item.is_regular_file() && relative.string().find("INPUT") == std::string::npos &&
               relative.extension() != ".VDX" && relative != "names.dbf")
        fs::create_symlink(item.path(), to);
    }
    int status = 0;
    RunBatch(kChartArgs, &status);
    EXPECT_EQ(status, 0);
    RunBatch("calc", &status);
    EXPECT_EQ(status, 0);
  }
  void Damage(const std::string& name, const std::optional<std::string>& bytes) {
    fs::remove(fs::path(folder_.Path()) / name);
    if (bytes) folder_.Write(name, *bytes);
  }

 private:
  TempFolder folder_;
};

// The byte the run reads first in the file, so that damage there is met.
size_t ReadOffset(const std::string& name, const std::string& good) {
  if (name.rfind("LRZ5_", 0) == 0) return 625 * 60 + 5 * 12;
  if (name.rfind("CHI_", 0) == 0) return 625 * 12 + 4;
  if (name.find(".E87") != std::string::npos) {
    double start;
    std::memcpy(&start, good.data(), sizeof start);
    return static_cast<size_t>((kChartJd - start) / kAsteroidStep) * kAsteroidRecordSize + 10;
  }
  // The apogee table's node of the chart's day (one byte into its longitude).
  if (name == kApogeeTableName) return 34982 * kApogeeNodeBytes + 1;
  if (name == "ZORCTRL.DAT") return 88;  // the zodiac of a new entry
  if (name == "QIRTEXT.DAT") return (kFirstFontNameText - 1) * kMessageTextRecordSize + 5;
  if (name == "WHEELS.DAT" || name == "ANGLES.DAT" || name == "WHEELSG.DAT") return 4;  // style AAA
  if (name == "places.dbf") return good.find("Boston");  // a record the place list reads
  return good.size() / 2;
}

struct Damaged {
  std::string label;
  std::optional<std::string> bytes;  // nothing: removed
};

std::vector<Damaged> DamagesOf(const std::string& name, const std::string& good) {
  const size_t at = ReadOffset(name, good);
  std::mt19937 random(static_cast<uint32_t>(good.size()));
  std::string noise = good;
  for (size_t i = at; i < std::min(at + 8, good.size()); ++i) noise[i] = static_cast<char>(random());
  std::string flipped = good;
  flipped[at] = static_cast<char>(flipped[at] ^ 0x80);
  return {{"zeroed", std::string(good.size(), '\0')},
          {"random bytes at " + std::to_string(at), noise},
          {"one byte changed at " + std::to_string(at), flipped},
          {"cut to half", good.substr(0, good.size() / 2)},
          {"removed", std::nullopt}};
}

// The values of "key": [...] in a dump, as texts ("null" for a body
// without values).
std::vector<std::string> DumpList(const std::string& json, const std::string& key) {
  std::vector<std::string> values;
  const size_t at = json.find("\"" + key + "\": [");
  if (at == std::string::npos) return values;
  const size_t end = json.find(']', at);
  std::string item;
  for (size_t i = at + key.size() + 5; i < end; ++i) {
    if (json[i] == ',') values.push_back(item), item.clear();
    else if (json[i] != ' ') item += json[i];
  }
  values.push_back(item);
  return values;
}

void ExpectNoDamagedValues(const Case& c, int status, const std::string& output) {
  switch (c.run) {
    case Run::Chart: {
      // The entry was calculated with the good files; after the damaged
      // run its bodies are null (left out) or the run ended before writing
      // it back (the Julian day of the calculation stays, the bodies too,
      // and the exit status says so).
      int dumpStatus = 0;
      const std::string dump = RunBatch("dump 1", &dumpStatus);
      ASSERT_EQ(dumpStatus, 0);
      const auto lon = DumpList(dump, "lon");
      ASSERT_GT(lon.size(), 20u) << dump;
      for (int s : c.slots) {
        const bool fatal = output.find("Program ended") != std::string::npos;
        EXPECT_TRUE(lon[static_cast<size_t>(s)] == "null" || fatal) << "slot " << s << ": " << lon[s];
      }
      break;
    }
    case Run::Place: EXPECT_EQ(output.find("\"zone\""), std::string::npos) << output; break;
    case Run::NewEntry: {
      int dumpStatus = 0;
      const std::string dump = RunBatch("dump 2", &dumpStatus);
      // The default zodiac of the damaged record is not taken.
      EXPECT_NE(dump.find("\"zodsel\": \"T\""), std::string::npos) << dump;
      break;
    }
    case Run::Page:
    case Run::EmblemPage:
    case Run::Pdf: EXPECT_FALSE(fs::exists("page.json") && fs::file_size("page.json") == 0); break;
  }
  (void)status;
}

std::string Command(Run run) {
  switch (run) {
    case Run::Chart: return "calc";
    case Run::Page: return "render 1 page.json";
    case Run::EmblemPage: return "render 1 page.json --code AAC";  // the style with the emblem
    case Run::Pdf: return "render 1 page.pdf";
    case Run::Place: return "place Boston 06/15/1990 12:00:00";
    case Run::NewEntry: return kChartArgs;
  }
  return {};
}

TEST(InstalledFilesRobustness, EveryDamagedFileIsNamedFailsTheRunAndGivesNoValue) {
  const std::vector<Case> cases = {
      {"LRZ5_24", Run::Chart, {5, 6, 7, 8, 9}},
      {"CHI_24", Run::Chart, {20}},
      {"NVCER21P.E87", Run::Chart, {16}},
      {"NVVES21P.E87", Run::Chart, {19}},
      {kApogeeTableName, Run::Chart, {}},  // true Lilith falls back to the lunar theory
      {"DSTRECS.DAT", Run::Place, {}},
      {"DST.FIL", Run::Place, {}},
      {"places.dbf", Run::Place, {}},
      {"QIRTEXT.DAT", Run::Page, {}},
      {"ZORCTRL.DAT", Run::NewEntry, {}},
      {"WHEELS.DAT", Run::Page, {}},
      {"ANGLES.DAT", Run::Page, {}},
      {"WHEELSG.DAT", Run::EmblemPage, {}},
      {"PICTURES/EMBLEM.BMP", Run::EmblemPage, {}},
      {"PAGEW.DEF", Run::Pdf, {}},
  };
  for (const Case& c : cases) {
#ifndef VOSTRANE_BATCH_DRAWS_PAGES
    if (c.run == Run::Page || c.run == Run::EmblemPage || c.run == Run::Pdf) continue;
#endif
    const std::string good = InstalledBytes(c.file);
    ASSERT_FALSE(good.empty()) << c.file;
    const std::string shortName = fs::path(c.file).filename().string();
    for (const Damaged& d : DamagesOf(c.file, good)) {
      SCOPED_TRACE(c.file + " " + d.label + ": " + Command(c.run));
      InstallationCopy copy;
      copy.Damage(c.file, d.bytes);
      int status = 0;
      const std::string output = RunBatch(Command(c.run), &status, /*errors=*/true);
      EXPECT_NE(status, 0) << output;
      EXPECT_NE(output.find(shortName), std::string::npos) << output;
      ExpectNoDamagedValues(c, status, output);
    }
  }
}

// The list of installed files itself: damaged, it is an error; missing (a
// folder put together by hand), a warning once, and the files are checked
// for their layout only.
TEST(InstalledFilesRobustness, TheListItselfDamagedIsAnErrorAndMissingAWarning) {
  const std::string good = InstalledBytes(kManifestFileName);
  for (const Damaged& d : DamagesOf(kManifestFileName, good)) {
    SCOPED_TRACE(d.label);
    InstallationCopy copy;
    copy.Damage(kManifestFileName, d.bytes);
    int status = 0;
    const std::string output = RunBatch("dump 1", &status, /*errors=*/true);
    EXPECT_NE(output.find(kManifestFileName), std::string::npos) << output;
    if (d.bytes) {
      EXPECT_NE(status, 0) << output;
      EXPECT_NE(output.find("error: "), std::string::npos) << output;
    } else {
      EXPECT_EQ(status, 0) << output;
      EXPECT_NE(output.find("warning: "), std::string::npos) << output;
    }
  }
}

}  // namespace
}  // namespace vostrane::test

#endif
