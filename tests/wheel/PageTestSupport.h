// SPDX-License-Identifier: GPL-3.0-or-later
// Charts, styles and installation files for the tests of the wheel page.
#pragma once

#include <array>
#include <cmath>
#include <string>

#include "session/ChartEntry.h"
#include "tests/support/TempFolder.h"
#include "tests/wheel/WheelTestSupport.h"
#include "wheel/PageAssembly.h"
#include "wheel/PageNames.h"
#include "wheel/Rounding.h"
#include "wheel/WheelPage.h"

namespace vostrane::test {

// A calculated natal chart: Placidus-like cusps from an Ascendant of 126,
// the planets spread over the zodiac, all direct but Mercury.
inline ChartEntry MakeChart(const std::string& name = "Doe, John") {
  ChartEntry e;
  e.InitNewEntry('T', 1);
  e.setName(name);
  e.setPlace("New York, NY");
  e.setMonth(3);
  e.setDay(5);
  e.setYear(1961);
  e.setHours(14);
  e.setMinutes(30);
  e.setLatitude(40.7128);
  e.setLongitude(74.006);
  e.setZoneHoursWest(5);
  e.setUniversalTimeHours(19.5);
  e.setAyanamsaDeg(24.2);
  e.setDeltaTSeconds(33.7);
  e.setRamcRad(0.3804);
  e.setMoonNodeDeg(155.96);
  const double cusps[6] = {126.34, 146.94, 172.05, 203.55, 240.12, 275.79};
  for (int h = 1; h <= 6; ++h) e.setCusp(h, cusps[h - 1]);
  e.setAsc(126.34);
  e.setMc(23.55);
  const double lons[21] = {345.0,  202.0, 324.4, 25.0,  94.2,  298.2, 296.7, 142.9, 221.2, 156.7, 156.2,
                           126.34, 23.55, 262.5, 110.1, 343.4, 356.3, 328.1, 316.0, 350.7, 332.9};
  for (int s = 0; s < 21; ++s) {
    e.setLon(s, lons[s]);
    e.setBody(BodyArray::Speed, s, s == 2 ? -0.12 : 0.5);
    e.setBody(BodyArray::Decl, s, 5.0 + s);
  }
  return e;
}

// A style with every page element off: the wheel test style with table
// fonts and sizes, no grids, legends, tables, pictures or credit line.
inline WheelDefinition PageStyle() {
  WheelDefinition d = PlainStyle();
  namespace o = wheel_offset;
  for (size_t off : {o::headerFont, o::gridFont, o::creditFont}) d.SetLetter(off, 'B');
  for (size_t off : {o::headerStyle, o::gridGlyphStyle, o::creditStyle}) d.SetLetter(off, 'N');
  d.SetI16(o::headerSize, 10);
  d.SetI16(o::gridGlyphSize, 10);
  d.SetI16(o::creditLine, -1);
  d.SetLetter(o::headerLayout, 'L');
  d.SetLetter(o::aspectSet, '1');
  for (size_t off :
       {o::grid1Shown, o::grid2Shown, o::furtherPointsTable, o::parallelsTable, o::elementsTable})
    d.SetLetter(off, 'N');
  for (int i = 0; i < 5; ++i) d.SetLetter(o::legendShown + i, 'N');
  return d;
}

// Writes WHEELS.DAT with `single` as record 1, `bi` as 1001 and `tri` as
// 2001, and ANGLES.DAT with the major aspects as set 1.
inline void WriteInstallation(const TempFolder& folder, const WheelDefinition& single,
                              const WheelDefinition& bi, const WheelDefinition& tri) {
  std::string wheels(2001 * kWheelDefinitionSize, '\0');
  auto put = [&](int record, const WheelDefinition& d) {
    wheels.replace((record - 1) * kWheelDefinitionSize, kWheelDefinitionSize,
                   reinterpret_cast<const char*>(d.Data()), kWheelDefinitionSize);
  };
  put(1, single);
  put(1001, bi);
  put(2001, tri);
  folder.Write("WHEELS.DAT", wheels);
  const AspectTables major = MajorAspects();
  std::string angles;
  for (int set = 0; set < 3; ++set)
    angles.append(reinterpret_cast<const char*>(major.set.Data()), kAspectSetSize);
  folder.Write("ANGLES.DAT", angles);
}

// A page of the given style and rings on a surface, for the tests of single
// page parts. The charts and setup live in the object.
struct PageFixture {
  RecordingSurface surface;
  WheelDefinition def;
  PageNames names = DefaultPageNames();
  AspectTables aspects = MajorAspects();
  std::array<ChartEntry, 3> charts;
  RingArrays rings;
  WheelSetup setup;

  explicit PageFixture(const WheelDefinition& style, char category = 'R') : def(style) {
    charts[0] = MakeChart();
    charts[1] = MakeChart("Second");
    charts[2] = MakeChart("Third");
    Refill(category);
  }
  // After a change of the charts or the style.
  void Refill(char category) {
    rings = FillRingArrays(def, category, charts[0], &charts[1], &charts[2]);
    setup = ComputeWheelSetup(def, category, surface.Metrics());
  }
  void UseTableFontForTest() { Page().UseTableFont(); }
  WheelPage Page() {
    WheelPage p{surface, def, rings, {}, names, aspects, setup, "AAA"};
    for (int r = 0; r < rings.Count(); ++r) p.charts[r] = &charts[r];
    return p;
  }
};

}  // namespace vostrane::test
