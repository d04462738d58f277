// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/wheeldata/WheelSource.h"

#include <functional>

#include "tools/generators/wheeldata/SourceValues.h"

namespace vostrane::wheeldata {

namespace {

namespace o = wheel_offset;

enum class Type { Letter, Letters3, Int16, Colour, Place, ColourPair };

struct Field {
  Type type;
  size_t offset;
};

const char* const kPointNames[19] = {"Sun",     "Moon",      "Mercury",   "Venus",   "Mars",
                                     "Jupiter", "Saturn",    "Uranus",    "Neptune", "Pluto",
                                     "Node",    "Ascendant", "Midheaven", "Ceres",   "Pallas",
                                     "Juno",    "Vesta",     "Chiron",    "Fortune"};

// The field names of the source file with the type and offset of each.
struct FieldTable {
  std::map<std::string, Field> f;
  void letter(const std::string& k, size_t off) { f[k] = {Type::Letter, off}; }
  void i16(const std::string& k, size_t off) { f[k] = {Type::Int16, off}; }
  void colour(const std::string& k, size_t off) { f[k] = {Type::Colour, off}; }
  void place(const std::string& k, size_t off) { f[k] = {Type::Place, off}; }
};

// The points shown and the wheel.
void AddPointAndWheelFields(FieldTable& t) {
  t.letter("points.asteroids", o::asteroids);
  t.letter("points.chiron", o::chiron);
  t.letter("points.fortune", o::partOfFortune);
  t.letter("points.node", o::nodeShown);
  t.letter("points.southNode", o::southNodeShown);
  t.letter("points.trueNode", o::trueNode);
  t.letter("points.anglesInAspects", o::anglesInAspects);
  t.letter("points.anglesRing2", o::anglesRing2);
  t.letter("points.anglesRing3", o::anglesRing3);
  // The wheel.
  t.i16("wheel.size", o::wheelSize);
  t.place("wheel.centre", o::wheelCentreX);
  t.letter("wheel.lineStyle", o::ringLineStyle);
  t.letter("wheel.houseRingCircle", o::houseRingCircle);
  t.letter("wheel.aspectCircle", o::aspectCircle);
  t.letter("wheel.outerRingCircles", o::outerRingCircles);
  t.letter("wheel.degreeScale", o::degreeScale);
  t.letter("wheel.glyphColumns", o::glyphColumns);
  t.letter("wheel.glyphSpacing", o::glyphSpacing);
  t.letter("wheel.aspectLines", o::aspectLines);
  t.letter("wheel.pointerLines", o::pointerLines);
  t.letter("wheel.dashedCusps", o::dashedCusps);
  t.letter("wheel.thickAngles", o::thickAngles);
  t.letter("wheel.spreadLabels", o::spreadLabels);
  t.letter("wheel.equalSectors", o::equalSectors);
  t.letter("wheel.bendCusps", o::bendCusps);
  t.letter("wheel.interceptedSigns", o::interceptedSigns);
  t.letter("wheel.aspectSet", o::aspectSet);
  t.colour("wheel.ringColour", o::ringColour);
  t.i16("wheel.pictureGroup", o::pictureGroup);
}

// Fonts, styles, sizes and colours of the page's texts and glyphs.
void AddTextStyleFields(FieldTable& t) {
  t.letter("header.font", o::headerFont);
  t.letter("header.style", o::headerStyle);
  t.i16("header.size", o::headerSize);
  t.colour("header.colour", o::headerColour);
  t.letter("header.layout", o::headerLayout);
  t.letter("cuspLabels.font", o::cuspLabelFont);
  t.letter("cuspLabels.style", o::cuspLabelStyle);
  t.i16("cuspLabels.size", o::cuspLabelSize);
  t.colour("cuspLabels.colour", o::cuspLabelColour);
  t.letter("planetGlyphs.style", o::planetGlyphStyle);
  t.i16("planetGlyphs.size", o::planetGlyphSize);
  t.letter("degrees.font", o::degreeFont);
  t.letter("degrees.style", o::degreeStyle);
  t.i16("degrees.size", o::degreeSize);
  t.letter("signGlyphs.style", o::signGlyphStyle);
  t.i16("signGlyphs.size", o::signGlyphSize);
  t.letter("minutes.font", o::minuteFont);
  t.letter("minutes.style", o::minuteStyle);
  t.i16("minutes.size", o::minuteSize);
  t.letter("retrograde.style", o::retrogradeStyle);
  t.i16("retrograde.size", o::retrogradeSize);
  t.letter("houseNumbers.mode", o::houseNumbers);
  t.letter("houseNumbers.font", o::houseNumberFont);
  t.letter("houseNumbers.style", o::houseNumberStyle);
  t.i16("houseNumbers.size", o::houseNumberSize);
  t.letter("tables.font", o::tableFont);
  t.letter("tables.style", o::tableStyle);
  t.i16("tables.size", o::tableSize);
  t.colour("tables.colour", o::tableColour);
  t.letter("tableHeadings.font", o::tableHeadingFont);
  t.letter("tableHeadings.style", o::tableHeadingStyle);
  t.i16("tableHeadings.size", o::tableHeadingSize);
  t.colour("frames.colour", o::frameColour);
  t.letter("credit.font", o::creditFont);
  t.letter("credit.style", o::creditStyle);
  t.colour("credit.colour", o::creditColour);
  t.i16("credit.line", o::creditLine);
}

// The position tables, legends and the other tables.
void AddTableFields(FieldTable& t) {
  for (int i = 0; i < 5; ++i) {
    const std::string n = std::to_string(i + 1);
    t.letter("positionTable" + n + ".points", o::positionTableDefs + 4 * i);
    t.f["positionTable" + n + ".columns"] = {Type::Letters3, o::positionTableDefs + 4 * i + 1};
    t.place("positionTable" + n + ".place", o::positionTablePlaces + 4 * i);
    t.place("legend" + n + ".place", o::legendPlaces + 4 * i);
    t.letter("legend" + n + ".shown", o::legendShown + i);
    t.place("parallelBox" + n + ".place", o::parallelBoxPlaces + 4 * i);
    t.i16("parallelBox" + n + ".lines", o::parallelBoxSizes + 4 * i);
    t.i16("parallelBox" + n + ".second", o::parallelBoxSizes + 4 * i + 2);
  }
  t.letter("legend1.points", o::legendRange1);
  t.letter("legend2.points", o::legendRange2);
  t.letter("legend2.heading", o::legend2Heading);
  t.letter("legend4.filter", o::aspectLegendFilter);
  t.letter("furtherPoints.shown", o::furtherPointsTable);
  t.letter("furtherPoints.option", o::furtherPointsOption);
  t.place("furtherPoints.place", o::furtherPointsPlace);
  t.letter("elements.shown", o::elementsTable);
  t.place("elements.place", o::elementsTablePlace);
  t.letter("parallels.shown", o::parallelsTable);
}

// Aspect grids.
void AddGridFields(FieldTable& t) {
  for (int g = 0; g < 2; ++g) {
    const std::string n = "grid" + std::to_string(g + 1);
    t.letter(n + ".shown", g == 0 ? o::grid1Shown : o::grid2Shown);
    t.i16(n + ".left", o::gridLeft + 2 * g);
    t.i16(n + ".top", o::gridTop + 2 * g);
    t.i16(n + ".right", o::gridRight + 2 * g);
    t.i16(n + ".bottom", o::gridBottom + 2 * g);
    t.letter(n + ".glyphs", o::gridGlyphs + g);
    t.letter(n + ".orbs", o::gridOrbs + g);
    t.letter(n + ".distances", o::gridDistances + g);
    t.letter(n + ".points", o::gridPoints + g);
    t.letter(n + ".frame", o::gridFrame + g);
    t.letter(n + ".rightToLeft", o::gridRightToLeft + g);
    t.letter(n + ".repeat", o::gridRepeat + g);
  }
  t.letter("grids.font", o::gridFont);
  t.letter("grids.glyphStyle", o::gridGlyphStyle);
  t.i16("grids.glyphSize", o::gridGlyphSize);
  t.colour("grids.cellColour", o::gridCellColour);
}

// Point colours: screen, print.
void AddPointColourFields(FieldTable& t) {
  for (int p = 0; p < 19; ++p)
    t.f[std::string("colour.") + kPointNames[p]] = {Type::ColourPair,
                                                    o::pointColours + 8 * static_cast<size_t>(p)};
}

const std::map<std::string, Field>& Fields() {
  static const std::map<std::string, Field> fields = [] {
    FieldTable t;
    AddPointAndWheelFields(t);
    AddTextStyleFields(t);
    AddTableFields(t);
    AddGridFields(t);
    AddPointColourFields(t);
    return t.f;
  }();
  return fields;
}

bool Apply(WheelDefinition& def, const Field& field, const std::string& value, std::string& error) {
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
