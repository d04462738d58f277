// SPDX-License-Identifier: GPL-3.0-or-later
// The derive sub-command of vostrane-batch: appends a derived chart of an
// entry (transits, progressions, directions, returns, relocated, composite
// and harmonic charts) to the session file, uncalculated; calc fills it.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "derived/DerivedRequest.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/RecordFile.h"
#include "session/SessionFile.h"
#include "shell/batch/BatchCommands.h"
#include "shell/batch/BirthFields.h"
#include "session/SessionAppend.h"

namespace vostrane::batch {
namespace {

struct KindSyntax {
  const char* name;
  DerivedKind kind;
  const char* usage;
};

const KindSyntax kKinds[] = {
    {"transit", DerivedKind::Transit, "transit DATE TIME LAT LON ZONE DST [PLACE]"},
    {"progressed", DerivedKind::Progressed, "progressed DATE"},
    {"solar-arc", DerivedKind::SolarArc, "solar-arc DATE"},
    {"solar-return", DerivedKind::SolarReturn, "solar-return YEAR [LAT LON ZONE DST [PLACE]]"},
    {"lunar-return", DerivedKind::LunarReturn, "lunar-return DATE [LAT LON ZONE DST [PLACE]]"},
    {"planet-return", DerivedKind::PlanetReturn, "planet-return BODY DATE"},
    {"relocated", DerivedKind::Relocated, "relocated LAT LON ZONE DST [PLACE]"},
    {"composite", DerivedKind::Composite, "composite OTHER"},
    {"harmonic", DerivedKind::Harmonic, "harmonic N"},
};

const char* const kReturnBodies[] = {"mercury", "venus", "mars", "jupiter", "saturn"};

int Fail(const std::string& text, int status) {
  std::fprintf(stderr, "vostrane-batch: %s\n", text.c_str());
  return status;
}

// The date and time (and place) checked as the new command checks them;
// the message of the first wrong one.
std::optional<std::string> ReadMoment(const std::string& date, const std::string& time,
                                      DerivedRequest& r) {
  ChartEntry probe;
  if (auto wrong = ApplyBirthFields({date, time, "0", "0", "0", "N", "", ""}, 'T', 0, probe))
    return wrong;
  r.month = probe.month();
  r.day = probe.day();
  r.year = probe.year();
  r.hours = probe.hours();
  r.minutes = probe.minutes();
  r.seconds = probe.seconds();
  return std::nullopt;
}

// LAT LON ZONE DST [PLACE] starting at args[i]; the place name defaults to
// the coordinates.
std::optional<std::string> ReadPlace(const Args& a, size_t i, DerivedRequest& r) {
  ChartEntry probe;
  if (auto wrong = ApplyBirthFields(
          {"01/01/2000", "00:00:00", a[i], a[i + 1], a[i + 2], a[i + 3], "", ""}, 'T', 0, probe))
    return wrong;
  DerivedPlace p;
  p.latitude = probe.latitude();
  p.longitude = probe.longitude();
  p.zoneHoursWest = probe.zoneHoursWest();
  p.daylightCode = probe.daylightCode();
  if (a.size() > i + 4) {
    p.name = Utf8ToCp1252(a[i + 4]);
    if (p.name.size() > 25 || Cp1252ToUtf8(p.name) != a[i + 4])
      return std::string("the place holds up to 25 Windows-1252 characters");
  } else {
    char text[40];
    std::snprintf(text, sizeof text, "%.2f%c %.2f%c", std::abs(p.latitude), p.latitude < 0 ? 'S' : 'N',
                  std::abs(p.longitude), p.longitude < 0 ? 'E' : 'W');
    p.name = text;
  }
  r.place = p;
  return std::nullopt;
}

std::optional<int> ReturnBody(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (int k = 0; k < 5; ++k)
    if (text == kReturnBodies[k]) return k + 2;
  return std::nullopt;
}

// The request from the arguments after the kind; the message when they do
// not fit the kind's form.
std::optional<std::string> ReadRequest(const KindSyntax& syntax, const Args& a, DerivedRequest& r) {
  const std::string form = std::string("the form is: derive BASE ") + syntax.usage;
  const size_t n = a.size();
  switch (syntax.kind) {
    case DerivedKind::Transit:
      if (n != 6 && n != 7) return form;
      if (auto wrong = ReadMoment(a[0], a[1], r)) return wrong;
      return ReadPlace(a, 2, r);
    case DerivedKind::Progressed:
    case DerivedKind::SolarArc:
      if (n != 1) return form;
      return ReadMoment(a[0], "00:00:00", r);
    case DerivedKind::SolarReturn: {
      if (n != 1 && n != 5 && n != 6) return form;
      const auto year = ParseInt(a[0]);
      if (!year) return std::string("the year must be a whole number");
      if (auto wrong = ReadMoment("01/01/" + a[0], "00:00:00", r)) return wrong;
      return n > 1 ? ReadPlace(a, 1, r) : std::nullopt;
    }
    case DerivedKind::LunarReturn:
      if (n != 1 && n != 5 && n != 6) return form;
      if (auto wrong = ReadMoment(a[0], "00:00:00", r)) return wrong;
      return n > 1 ? ReadPlace(a, 1, r) : std::nullopt;
    case DerivedKind::PlanetReturn: {
      if (n != 2) return form;
      const auto body = ReturnBody(a[0]);
      if (!body) return std::string("the body must be one of Mercury, Venus, Mars, Jupiter, Saturn");
      r.body = *body;
      return ReadMoment(a[1], "00:00:00", r);
    }
    case DerivedKind::Relocated:
      if (n != 4 && n != 5) return form;
      return ReadPlace(a, 0, r);
    case DerivedKind::Composite: {
      if (n != 1) return form;
      const auto other = ParseInt(a[0]);
      if (!other) return std::string("the other entry must be a number");
      r.secondBase = *other;
      return std::nullopt;
    }
    case DerivedKind::Harmonic: {
      if (n != 1) return form;
      const auto h = ParseInt(a[0]);
      if (!h) return std::string("the harmonic must be a whole number");
      r.harmonic = *h;
      return std::nullopt;
    }
  }
  return form;
}

// Entry n of the open session of `count` entries; an unused entry when
// there is none (the request then says which entry is missing).
ChartEntry ReadEntry(RecordFile& file, int n, int64_t count) {
  ChartEntry e;
  if (n < 1 || n > count || !file.Seek(n) || !file.Read(e.Data())) e = ChartEntry();
  return e;
}

std::string KindsUsage() {
  std::string text;
  for (const KindSyntax& k : kKinds) text += std::string("  ") + k.usage + "\n";
  return text;
}

}  // namespace

// derive BASE KIND ARGS...
int RunDerive(const Args& args) {
  if (args.size() < 2) return Fail("derive needs a base entry and a kind (see --help)", 2);
  const auto base = ParseInt(args[0]);
  if (!base) return Fail("the base entry must be a number", 2);
  const KindSyntax* syntax = nullptr;
  for (const KindSyntax& k : kKinds)
    if (args[1] == k.name) syntax = &k;
  if (!syntax) return Fail("unknown kind " + args[1] + "; the kinds are:\n" + KindsUsage(), 2);
  DerivedRequest request;
  request.kind = syntax->kind;
  request.base = *base;
  if (auto wrong = ReadRequest(*syntax, Args(args.begin() + 2, args.end()), request))
    return Fail(*wrong, 2);

  SessionAppend session;
  std::string error;
  if (!session.Open(true, error)) return Fail(error, 1);
  const int64_t count = session.Count();
  RecordFile& file = session.File();
  const ChartEntry baseEntry = ReadEntry(file, request.base, count);
  const ChartEntry second = ReadEntry(file, request.secondBase, count);
  const DerivedBuild built = BuildDerivedEntry(
      request, baseEntry, request.kind == DerivedKind::Composite ? &second : nullptr,
      static_cast<int32_t>(count));
  if (!built.ok) return Fail(built.error, 1);
  if (!session.Add(built.entry)) return Fail(std::string("cannot write ") + kSessionFileName, 1);
  std::printf("%lld\n", static_cast<long long>(count + 1));
  return 0;
}

}  // namespace vostrane::batch
