// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/wheeldata/AngleSource.h"

#include <algorithm>
#include <sstream>

#include "tools/generators/wheeldata/SourceValues.h"
#include "wheel/AspectSetEditing.h"

namespace vostrane::wheeldata {

namespace {

// "d:mm" or "d:mm:ss" into its parts.
bool ParseAngle(const std::string& text, int parts, int maxDegrees, int out[3], std::string& error) {
  std::vector<std::string> pieces;
  std::stringstream in(text);
  std::string piece;
  while (std::getline(in, piece, ':')) pieces.push_back(piece);
  if (static_cast<int>(pieces.size()) != parts) {
    error = "'" + text + "' should be " + (parts == 3 ? "d:mm:ss" : "d:mm");
    return false;
  }
  const long limits[3] = {maxDegrees, 59, 59};
  for (int i = 0; i < parts; ++i) {
    long v = 0;
    if (!ParseInt(pieces[i], 0, limits[i], v, error)) return false;
    out[i] = static_cast<int>(v);
  }
  return true;
}

bool ParseNamed(const std::string& text, const std::vector<std::string>& names, int maximum, int& value,
                std::string& error) {
  for (size_t i = 0; i < names.size(); ++i)
    if (text == names[i]) {
      value = static_cast<int>(i);
      return true;
    }
  long v = 0;
  if (!ParseInt(text, 0, maximum, v, error)) return false;
  value = static_cast<int>(v);
  return true;
}

bool ParseAspectLine(const std::string& line, AspectSet& set, std::string& error) {
  std::stringstream in(line);
  std::vector<std::string> c;
  std::string word;
  while (in >> word) c.push_back(word);
  if (c.size() != 10) {
    error = "expected 10 columns: no short angle planets sun/moon screen print style weight line";
    return false;
  }
  long number = 0;
  if (!ParseInt(c[0], 1, kAspectCount, number, error)) return false;
  if (set.Entry(static_cast<int>(number)).InUse()) {
    error = "aspect " + c[0] + " defined twice";
    return false;
  }
  if (c[1].size() > 4) {
    error = "short name '" + c[1] + "' is longer than 4 characters";
    return false;
  }
  int angle[3], orb[3], sunOrb[3];
  if (!ParseAngle(c[2], 3, 180, angle, error) || !ParseAngle(c[3], 2, 90, orb, error) ||
      !ParseAngle(c[4], 2, 90, sunOrb, error))
    return false;
  if (angle[0] == 180 && (angle[1] || angle[2])) {
    error = "an angle is at most 180:00:00";
    return false;
  }
  int32_t screen = 0, print = 0;
  if (!ParseColour(c[5], true, screen, error) || !ParseColour(c[6], true, print, error)) return false;
  int style = 0, weight = 0, mode = 0;
  if (!ParseNamed(c[7], {"solid", "dashed", "dotted", "dashdot"}, 255, style, error) ||
      !ParseNamed(c[8], {}, 255, weight, error) ||
      !ParseNamed(c[9], {"none", "straight", "centre", "bend"}, 255, mode, error))
    return false;
  AspectEntry e;
  e.degrees = static_cast<uint8_t>(angle[0]);
  e.minutes = static_cast<uint8_t>(angle[1]);
  e.seconds = static_cast<uint8_t>(angle[2]);
  e.orbDegrees = static_cast<uint8_t>(orb[0]);
  e.orbMinutes = static_cast<uint8_t>(orb[1]);
  e.sunOrbDegrees = static_cast<uint8_t>(sunOrb[0]);
  e.sunOrbMinutes = static_cast<uint8_t>(sunOrb[1]);
  e.screenColour = static_cast<uint8_t>(screen);
  e.printColour = static_cast<uint8_t>(print);
  e.lineStyle = static_cast<uint8_t>(style);
  e.weight = static_cast<uint8_t>(weight);
  e.lineMode = static_cast<uint8_t>(mode);
  set.SetEntry(static_cast<int>(number), e);
  set.SetShortName(static_cast<int>(number), c[1]);
  return true;
}

}  // namespace

bool ComputeCandidates(AspectSet& set, std::string& error) {
  for (int t = 0; t < kCandidateRows; ++t) set.SetCandidates(t, {});
  return ComputeCandidateRows(set, 1.0, error);
}

AngleSource ParseAngleSource(const std::string& content, const std::string& fileName) {
  AngleSource out;
  for (AspectSet& s : out.sets) s.Clear();
  AspectSet* current = nullptr;
  bool seen[3] = {false, false, false};
  auto fail = [&](int line, const std::string& message) {
    out.errors.push_back({fileName, line, message});
  };
  WalkSectionedSource(
      content, fail,
      [&](const std::string& name, int number, int lineNo) {
        current = nullptr;
        if (name.empty()) return;
        if (name != "set" || number > 3) {
          fail(lineNo, "expected [set 1], [set 2] or [set 3]");
        } else if (seen[number - 1]) {
          fail(lineNo, "set " + std::to_string(number) + " defined twice");
        } else {
          seen[number - 1] = true;
          current = &out.sets[number - 1];
        }
      },
      [&](const std::string& line, int lineNo) {
        std::string error;
        if (!current) fail(lineNo, "aspect line outside a [set N] section");
        else if (!ParseAspectLine(line, *current, error)) fail(lineNo, error);
      });
  for (int s = 0; s < 3; ++s) {
    if (!seen[s]) fail(0, "set " + std::to_string(s + 1) + " is missing");
    std::string error;
    if (!ComputeCandidates(out.sets[s], error)) fail(0, "set " + std::to_string(s + 1) + ": " + error);
  }
  return out;
}

std::string BuildAngleFile(const AngleSource& source) {
  std::string bytes;
  for (const AspectSet& s : source.sets)
    bytes.append(reinterpret_cast<const char*>(s.Data()), kAspectSetSize);
  return bytes;
}

}  // namespace vostrane::wheeldata
