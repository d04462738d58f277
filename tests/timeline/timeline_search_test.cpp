// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "astro/AngleHelpers.h"
#include "astro/BodyPosition.h"
#include "astro/BodySlots.h"
#include "astro/TimeScales.h"
#include "atlas/DstTableIndex.h"
#include "tests/derived/DerivedSession.h"
#include "tests/support/TempFolder.h"
#include "timeline/PlaceClock.h"
#include "timeline/TimelineSearch.h"
#include "timeline/TimelineText.h"

namespace vostrane {
namespace {

constexpr double kMinute = 1.0 / 1440;

// A calculated natal chart whose points the tests may move; the session
// keeps the ephemeris files in the working folder while the test runs.
class Base {
 public:
  Base() {
    session_.Add(test::Natal("Ada", 12, 10, 1980, 13, 0, 51.5, 0.12, 0));
    session_.Calculate();
    chart = session_.Result(1);
  }
  std::vector<TimelineEvent> Search(const TimelineOptions& o) {
    CalcReport report;
    TimelineResult r = SearchTimeline(chart, o, theory, report);
    EXPECT_TRUE(report.Statuses().empty());
    return r.events;
  }
  ChartEntry chart;
  AnalyticTheory theory;

 private:
  test::DerivedSession session_;
};

TimelineOptions Only(std::initializer_list<EventKind> kinds, double from, double to) {
  TimelineOptions o;
  std::fill(std::begin(o.kinds), std::end(o.kinds), false);
  for (EventKind k : kinds) o.kinds[static_cast<int>(k)] = true;
  o.fromJd = from;
  o.toJd = to;
  return o;
}

// The moments a longitude passes a target, from samples every `step` days
// interpolated linearly: what the search must agree with.
std::vector<double> DenseScan(const std::function<double(double)>& lon, double target, double from,
                              double to, double step) {
  std::vector<double> found;
  double ta = from, fa = DiffDeg(target, lon(from));
  for (double tb = from + step; tb <= to; tb += step) {
    const double fb = DiffDeg(target, lon(tb));
    if ((fa < 0) != (fb < 0) && std::fabs(fa) < 90 && std::fabs(fb) < 90)
      found.push_back(ta + (tb - ta) * fa / (fa - fb));
    ta = tb;
    fa = fb;
  }
  return found;
}

void ExpectSameMoments(std::vector<double> dense, std::vector<double> search, const std::string& what) {
  std::sort(dense.begin(), dense.end());
  std::sort(search.begin(), search.end());
  ASSERT_EQ(dense.size(), search.size()) << what;
  for (size_t i = 0; i < dense.size(); ++i)
    EXPECT_NEAR(search[i], dense[i], kMinute) << what << " hit " << i + 1;
}

TEST(TimelineSearch, TransitsAgreeWithADenseScanAndCountTheirPasses) {
  Base base;
  const double from = GregorianJulDay(1, 1, 2025), to = GregorianJulDay(6, 30, 2026);
  // Saturn's loop of 2025: a point in the middle of it is hit three times,
  // a point outside it once, without a station inside the stay.
  auto stations = base.Search(Only({EventKind::Station}, from, to));
  std::erase_if(stations, [](const TimelineEvent& e) { return e.body != slot::Saturn; });
  ASSERT_EQ(stations.size(), 2u);
  const double loopMiddle = ModAngle(
      360, stations[0].bodyLon + 0.5 * DiffDeg(stations[0].bodyLon, stations[1].bodyLon));
  base.chart.setLon(slot::Sun, loopMiddle);
  base.chart.setLon(slot::Moon, ModAngle(360, stations[0].bodyLon + 20));

  TimelineOptions o = Only({EventKind::Transit}, from, to);
  o.bodies = {slot::Moon, slot::Saturn};
  o.aspects = {0, 90};
  const auto events = base.Search(o);
  for (int body : {slot::Moon, slot::Saturn})
    for (int point : {slot::Sun, slot::Moon, slot::Mars, slot::Ascendant})
      for (double aspect : {0.0, 90.0}) {
        const double p = point == slot::Ascendant ? base.chart.asc() : base.chart.lon(point);
        auto lon = [&](double jd) {
          CalcReport report;
          return TropicalLongitude(base.theory, body, jd, report);
        };
        std::vector<double> dense;
        for (double side : aspect == 0 ? std::vector<double>{0} : std::vector<double>{aspect, -aspect}) {
          const auto d = DenseScan(lon, ModAngle(360, p + side), from, to,
                                   body == slot::Moon ? 1.0 / 24 : 0.25);
          dense.insert(dense.end(), d.begin(), d.end());
        }
        std::vector<double> found;
        for (const TimelineEvent& e : events)
          if (e.body == body && e.point == point && e.aspect == aspect) found.push_back(e.jd);
        ExpectSameMoments(dense, found, TimelinePointName(body) + " to " + TimelinePointName(point));
      }

  std::vector<TimelineEvent> triple;
  for (const TimelineEvent& e : events)
    if (e.body == slot::Saturn && e.point == slot::Sun && e.aspect == 0) triple.push_back(e);
  ASSERT_EQ(triple.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(triple[k].pass, k + 1);
    EXPECT_EQ(triple[k].passes, 3);
    EXPECT_DOUBLE_EQ(triple[k].enters, triple[0].enters);
    EXPECT_DOUBLE_EQ(triple[k].leaves, triple[0].leaves);
  }
  EXPECT_TRUE(triple[1].retrograde);
  // The stay begins and ends where Saturn is the orb away from the point.
  CalcReport report;
  for (double edge : {triple[0].enters, triple[2].leaves})
    EXPECT_NEAR(
        std::fabs(DiffDeg(loopMiddle, TropicalLongitude(base.theory, slot::Saturn, edge, report))),
        o.orb, 1e-4);

  // A hit just inside the period's start is found once, as the same pass.
  o.fromJd = triple[1].jd - 30.0 / 86400;
  int atEdge = 0;
  for (const TimelineEvent& e : base.Search(o))
    if (e.body == slot::Saturn && e.point == slot::Sun && e.aspect == 0 &&
        std::fabs(e.jd - triple[1].jd) < kMinute) {
      ++atEdge;
      EXPECT_EQ(e.pass, 2);
    }
  EXPECT_EQ(atEdge, 1);
}

TEST(TimelineSearch, NewAndFullMoonsAgreeWithADenseScan) {
  Base base;
  const double from = GregorianJulDay(3, 1, 2024), to = GregorianJulDay(3, 1, 2025);
  const auto events = base.Search(Only({EventKind::NewMoon, EventKind::FullMoon}, from, to));
  auto elongation = [&](double jd) {
    return ModAngle(360,
                    BodyAt(base.theory, slot::Moon, jd).lon - BodyAt(base.theory, slot::Sun, jd).lon);
  };
  for (EventKind kind : {EventKind::NewMoon, EventKind::FullMoon}) {
    std::vector<double> found;
    for (const TimelineEvent& e : events)
      if (e.kind == kind) found.push_back(e.jd);
    ExpectSameMoments(DenseScan(elongation, kind == EventKind::NewMoon ? 0 : 180, from, to, 1.0 / 24),
                      found, EventKindName(kind));
  }
}

// The eclipses of 2020 to 2030 as a published canon lists them: each found
// once, of its kind (a hybrid may pass for total or annular), greatest
// eclipse within ten minutes.
TEST(TimelineSearch, FindsEveryEclipseOf2020To2030WithItsKind) {
  std::ifstream in(test::SourceFile("tests/timeline/data/eclipses-2020-2030.tsv"));
  ASSERT_TRUE(in.good());
  struct Listed {
    double jd;
    bool solar;
    std::string kind;
  };
  std::vector<Listed> listed;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    int y, mo, d, h, mi, s;
    char body[16], kind[16];
    ASSERT_EQ(
        std::sscanf(line.c_str(), "%d-%d-%d %d:%d:%d %15s %15s", &y, &mo, &d, &h, &mi, &s, body, kind),
        8);
    listed.push_back({GregorianJulDay(mo, d, y) + (h + mi / 60.0 + s / 3600.0) / 24,
                      body == std::string("solar"), kind});
  }
  ASSERT_EQ(listed.size(), 50u);

  Base base;
  const auto events = base.Search(Only({EventKind::SolarEclipse, EventKind::LunarEclipse},
                                       GregorianJulDay(1, 1, 2020), GregorianJulDay(1, 1, 2031)));
  EXPECT_EQ(events.size(), listed.size());
  for (const Listed& l : listed) {
    int matches = 0;
    for (const TimelineEvent& e : events) {
      if ((e.kind == EventKind::SolarEclipse) != l.solar || std::fabs(e.jd - l.jd) > 1) continue;
      ++matches;
      EXPECT_NEAR(e.jd, l.jd, 10 * kMinute) << l.kind << " eclipse at JD " << l.jd;
      const std::string kind = EclipseKindName(e.eclipse);
      const bool hybridAsCentral = l.kind == "hybrid" && (kind == "total" || kind == "annular");
      EXPECT_TRUE(kind == l.kind || hybridAsCentral)
          << kind << " for a " << l.kind << " eclipse at JD " << l.jd;
    }
    EXPECT_EQ(matches, 1) << "JD " << l.jd;
  }
}

// Events are shown in the clock the base's place kept on their day: London's
// table gives Greenwich time in winter and an hour ahead in summer.
TEST(TimelineSearch, LocalTimeFollowsThePlacesDaylightTable) {
  test::TempFolder folder;
  for (const char* name : {"DST.FIL", "DSTRECS.DAT"})
    ASSERT_EQ(symlink(test::InstallFile(name).c_str(), (folder.Path() + "/" + name).c_str()), 0);
  LoadDstTableIndex();
  ChartEntry london;
  london.setLongitude(0.12);
  london.setDstTable(308);
  EXPECT_DOUBLE_EQ(LocalHoursEast(london, GregorianJulDay(1, 15, 2026)), 0.0);
  EXPECT_DOUBLE_EQ(LocalHoursEast(london, GregorianJulDay(7, 15, 2026)), 1.0);
  EXPECT_EQ(IsoLocal(GregorianJulDay(7, 15, 2026) + 0.5, 1.0), "2026-07-15T13:00:00+01:00");
}

}  // namespace
}  // namespace vostrane
