#include "tools/wheeldata/WheelSource.h"

#include <functional>

#include "tools/wheeldata/SourceValues.h"

namespace vostrane::wheeldata {

namespace {

namespace o = wheel_offset;

enum class Type { Letter, Letters3, Int16, Colour, Place, ColourPair };

struct Field {
  Type type;
  size_t offset;
};

const char* const kPointNames[19] = {"Sun",     "Moon",    "Mercury", "Venus",     "Mars",
                                     "Jupiter", "Saturn",  "Uranus",  "Neptune",   "Pluto",
                                     "Node",    "Ascendant", "Midheaven", "Ceres", "Pallas",
                                     "Juno",    "Vesta",   "Chiron",  "Fortune"};

const std::map<std::string, Field>& Fields() {
  static const std::map<std::string, Field> fields = [] {
    std::map<std::string, Field> f;
    auto letter = [&](const std::string& k, size_t off) { f[k] = {Type::Letter, off}; };
    auto i16 = [&](const std::string& k, size_t off) { f[k] = {Type::Int16, off}; };
    auto colour = [&](const std::string& k, size_t off) { f[k] = {Type::Colour, off}; };
    auto place = [&](const std::string& k, size_t off) { f[k] = {Type::Place, off}; };
    // Points shown.
    letter("points.asteroids", o::asteroids);
    letter("points.chiron", o::chiron);
    letter("points.fortune", o::partOfFortune);
    letter("points.node", o::nodeShown);
    letter("points.southNode", o::southNodeShown);
    letter("points.trueNode", o::trueNode);
    letter("points.anglesInAspects", o::anglesInAspects);
    letter("points.anglesRing2", o::anglesRing2);
    letter("points.anglesRing3", o::anglesRing3);
    // The wheel.
    i16("wheel.size", o::wheelSize);
    place("wheel.centre", o::wheelCentreX);
    letter("wheel.lineStyle", o::ringLineStyle);
    letter("wheel.houseRingCircle", o::houseRingCircle);
    letter("wheel.aspectCircle", o::aspectCircle);
    letter("wheel.outerRingCircles", o::outerRingCircles);
    letter("wheel.degreeScale", o::degreeScale);
    letter("wheel.glyphColumns", o::glyphColumns);
    letter("wheel.glyphSpacing", o::glyphSpacing);
    letter("wheel.aspectLines", o::aspectLines);
    letter("wheel.pointerLines", o::pointerLines);
    letter("wheel.dashedCusps", o::dashedCusps);
    letter("wheel.thickAngles", o::thickAngles);
    letter("wheel.spreadLabels", o::spreadLabels);
    letter("wheel.equalSectors", o::equalSectors);
    letter("wheel.bendCusps", o::bendCusps);
    letter("wheel.interceptedSigns", o::interceptedSigns);
    letter("wheel.aspectSet", o::aspectSet);
    colour("wheel.ringColour", o::ringColour);
    i16("wheel.pictureGroup", o::pictureGroup);
    // Fonts, styles, sizes and colours of the page's texts and glyphs.
    letter("header.font", o::headerFont);
    letter("header.style", o::headerStyle);
    i16("header.size", o::headerSize);
    colour("header.colour", o::headerColour);
    letter("header.layout", o::headerLayout);
    letter("cuspLabels.font", o::cuspLabelFont);
    letter("cuspLabels.style", o::cuspLabelStyle);
    i16("cuspLabels.size", o::cuspLabelSize);
    colour("cuspLabels.colour", o::cuspLabelColour);
    letter("planetGlyphs.style", o::planetGlyphStyle);
    i16("planetGlyphs.size", o::planetGlyphSize);
    letter("degrees.font", o::degreeFont);
    letter("degrees.style", o::degreeStyle);
    i16("degrees.size", o::degreeSize);
    letter("signGlyphs.style", o::signGlyphStyle);
    i16("signGlyphs.size", o::signGlyphSize);
    letter("minutes.font", o::minuteFont);
    letter("minutes.style", o::minuteStyle);
    i16("minutes.size", o::minuteSize);
    letter("retrograde.style", o::retrogradeStyle);
    i16("retrograde.size", o::retrogradeSize);
    letter("houseNumbers.mode", o::houseNumbers);
    letter("houseNumbers.font", o::houseNumberFont);
    letter("houseNumbers.style", o::houseNumberStyle);
    i16("houseNumbers.size", o::houseNumberSize);
    letter("tables.font", o::tableFont);
    letter("tables.style", o::tableStyle);
    i16("tables.size", o::tableSize);
    colour("tables.colour", o::tableColour);
    letter("tableHeadings.font", o::tableHeadingFont);
    letter("tableHeadings.style", o::tableHeadingStyle);
    i16("tableHeadings.size", o::tableHeadingSize);
    colour("frames.colour", o::frameColour);
    letter("credit.font", o::creditFont);
    letter("credit.style", o::creditStyle);
    colour("credit.colour", o::creditColour);
    i16("credit.line", o::creditLine);
    // Tables.
    for (int i = 0; i < 5; ++i) {
      const std::string n = std::to_string(i + 1);
      letter("positionTable" + n + ".points", o::positionTableDefs + 4 * i);
      f["positionTable" + n + ".columns"] = {Type::Letters3, o::positionTableDefs + 4 * i + 1};
      place("positionTable" + n + ".place", o::positionTablePlaces + 4 * i);
      place("legend" + n + ".place", o::legendPlaces + 4 * i);
      letter("legend" + n + ".shown", o::legendShown + i);
      place("parallelBox" + n + ".place", o::parallelBoxPlaces + 4 * i);
      i16("parallelBox" + n + ".lines", o::parallelBoxSizes + 4 * i);
      i16("parallelBox" + n + ".second", o::parallelBoxSizes + 4 * i + 2);
    }
    letter("legend1.points", o::legendRange1);
    letter("legend2.points", o::legendRange2);
    letter("legend2.heading", o::legend2Heading);
    letter("legend4.filter", o::aspectLegendFilter);
    letter("furtherPoints.shown", o::furtherPointsTable);
    letter("furtherPoints.option", o::furtherPointsOption);
    place("furtherPoints.place", o::furtherPointsPlace);
    letter("elements.shown", o::elementsTable);
    place("elements.place", o::elementsTablePlace);
    letter("parallels.shown", o::parallelsTable);
    // Aspect grids.
    for (int g = 0; g < 2; ++g) {
      const std::string n = "grid" + std::to_string(g + 1);
      letter(n + ".shown", g == 0 ? o::grid1Shown : o::grid2Shown);
      i16(n + ".left", o::gridLeft + 2 * g);
      i16(n + ".top", o::gridTop + 2 * g);
      i16(n + ".right", o::gridRight + 2 * g);
      i16(n + ".bottom", o::gridBottom + 2 * g);
      letter(n + ".glyphs", o::gridGlyphs + g);
      letter(n + ".orbs", o::gridOrbs + g);
      letter(n + ".distances", o::gridDistances + g);
      letter(n + ".points", o::gridPoints + g);
      letter(n + ".frame", o::gridFrame + g);
      letter(n + ".rightToLeft", o::gridRightToLeft + g);
      letter(n + ".repeat", o::gridRepeat + g);
    }
    letter("grids.font", o::gridFont);
    letter("grids.glyphStyle", o::gridGlyphStyle);
    i16("grids.glyphSize", o::gridGlyphSize);
    colour("grids.cellColour", o::gridCellColour);
    // Point colours: screen, print.
    for (int p = 0; p < 19; ++p)
      f[std::string("colour.") + kPointNames[p]] = {Type::ColourPair,
                                                     o::pointColours + 8 * static_cast<size_t>(p)};
    return f;
  }();
  return fields;
}

bool Apply(WheelDefinition& def, const Field& field, const std::string& value,
           std::string& error) {
  std::vector<long> v;
  int32_t c1 = 0, c2 = 0;
  switch (field.type) {
    case Type::Letter:
      if (value.size() != 1) {
        error = "expected one letter, found '" + value + "'";
        return false;
      }
      def.SetLetter(field.offset, value[0]);
      return true;
    case Type::Letters3:
      if (value.size() != 3) {
        error = "expected three letters, found '" + value + "'";
        return false;
      }
      for (size_t i = 0; i < 3; ++i) def.SetLetter(field.offset + i, value[i]);
      return true;
    case Type::Int16:
      if (!ParseIntList(value, 1, -32768, 32767, v, error)) return false;
      def.SetI16(field.offset, static_cast<int16_t>(v[0]));
      return true;
    case Type::Place:
      if (!ParseIntList(value, 2, -32768, 32767, v, error)) return false;
      def.SetI16(field.offset, static_cast<int16_t>(v[0]));
      def.SetI16(field.offset + 2, static_cast<int16_t>(v[1]));
      return true;
    case Type::Colour:
      if (!ParseColour(value, false, c1, error)) return false;
      def.SetI32(field.offset, c1);
      return true;
    case Type::ColourPair: {
      const size_t comma = value.find(',');
      if (comma == std::string::npos) {
        error = "expected two colours: screen, print";
        return false;
      }
      if (!ParseColour(value.substr(0, comma), false, c1, error) ||
          !ParseColour(value.substr(comma + 1), false, c2, error))
        return false;
      def.SetI32(field.offset, c1);
      def.SetI32(field.offset + 4, c2);
      return true;
    }
  }
  return false;
}

int CategoryBase(int record) { return record > 2000 ? 2001 : record > 1000 ? 1001 : 1; }

}  // namespace

WheelSource ParseWheelSource(const std::string& content, const std::string& fileName) {
  WheelSource out;
  WheelDefinition* current = nullptr;
  bool anyKey = false;
  auto fail = [&](int line, const std::string& message) {
    out.errors.push_back({fileName, line, message});
  };
  WalkSectionedSource(
      content, fail,
      [&](const std::string& name, int number, int lineNo) {
        current = nullptr;
        if (name.empty()) return;
        if (name != "record" || number > 9999) {
          fail(lineNo, "expected [record N] with N from 1 to 9999");
          return;
        }
        if (out.records.count(number))
          fail(lineNo, "record " + std::to_string(number) + " defined twice");
        current = &out.records[number];
        *current = WheelDefinition();
        anyKey = false;
      },
      [&](const std::string& line, int lineNo) {
        std::string error;
        std::string key, value;
        if (!SplitKeyValue(line, key, value)) {
          fail(lineNo, "expected key = value");
          return;
        }
        if (!current) {
          fail(lineNo, "key outside a [record N] section");
          return;
        }
        if (key == "base") {
          long base = 0;
          if (anyKey) {
            fail(lineNo, "base must be the first key of a record");
          } else if (!ParseInt(value, 1, 9999, base, error)) {
            fail(lineNo, error);
          } else if (!out.records.count(static_cast<int>(base)) ||
                     &out.records[static_cast<int>(base)] == current) {
            fail(lineNo, "base record " + value + " is not defined above");
          } else {
            *current = out.records[static_cast<int>(base)];
          }
          anyKey = true;
          return;
        }
        anyKey = true;
        const auto field = Fields().find(key);
        if (field == Fields().end()) {
          fail(lineNo, "unknown key '" + key + "'");
          return;
        }
        if (!Apply(*current, field->second, value, error)) fail(lineNo, key + ": " + error);
      });
  if (out.errors.empty() && out.records.empty()) fail(0, "no [record N] section");
  return out;
}

std::string BuildWheelFile(const WheelSource& source) {
  if (source.records.empty()) return {};
  const int last = source.records.rbegin()->first;
  std::string bytes;
  bytes.reserve(static_cast<size_t>(last) * kWheelDefinitionSize);
  for (int n = 1; n <= last; ++n) {
    auto it = source.records.find(n);
    if (it == source.records.end()) it = source.records.find(CategoryBase(n));
    const WheelDefinition def = it != source.records.end() ? it->second : WheelDefinition();
    bytes.append(reinterpret_cast<const char*>(def.Data()), kWheelDefinitionSize);
  }
  return bytes;
}

std::vector<std::string> WheelSourceKeys() {
  std::vector<std::string> keys;
  for (const auto& [key, field] : Fields()) keys.push_back(key + " @" + std::to_string(field.offset));
  return keys;
}

}  // namespace vostrane::wheeldata
