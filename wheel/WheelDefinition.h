// SPDX-License-Identifier: GPL-3.0-or-later
// One wheel style: a 453-byte record of "WHEELS.DAT" saying which rings,
// labels, tables, grids and pictures a wheel page shows, where they sit and
// in which fonts, sizes and colours. The record is kept as raw bytes (the
// bytes no one reads stay as they were); the named offsets and accessors
// below are the ones the wheel page uses. Integers are little-endian.
#pragma once

#include <cstdint>
#include <string>

#include "platform/PackedRecord.h"
#include "wheel/StyleLetters.h"

namespace vostrane {

inline constexpr size_t kWheelDefinitionSize = 453;

namespace wheel_offset {
constexpr size_t asteroids = 0;         // points 13..16: 'Y' wheel+aspects, 'y' wheel only
constexpr size_t chiron = 1;            // point 17: 'Y'
constexpr size_t houseRingCircle = 2;   // 'Y'
constexpr size_t aspectCircle = 3;      // 'Y'
constexpr size_t ringLineStyle = 4;     // 'D','d','v' double; 'D','N' BW, 'T','d' 2 BW, else 4 BW
constexpr size_t outerRingCircles = 5;  // 'Y'
constexpr size_t degreeScale = 6;       // 'Y' scale ring, 'N' none
constexpr size_t glyphColumns = 7;      // 'N' per-house direction
constexpr size_t glyphSpacing = 9;      // 'R' tighter, 'Y' looser
constexpr size_t aspectLines = 10;      // 'Y' / 'A'..'O' / 'N','P'
constexpr size_t pointerLines = 11;     // 'Y'
constexpr size_t dashedCusps = 12;      // 'Y'
constexpr size_t thickAngles = 13;      // 'Y'
constexpr size_t headerFont = 15;
constexpr size_t cuspLabelFont = 16;
constexpr size_t gridFont = 17;
constexpr size_t tableHeadingFont = 18;
constexpr size_t tableFont = 19;
constexpr size_t creditFont = 20;
constexpr size_t furtherPointsTable = 24;  // 'Y'
constexpr size_t parallelsTable = 25;      // 'Y'
constexpr size_t aspectSet = 26;           // '1'..'3'
constexpr size_t trueNode = 27;            // 'T' true node
constexpr size_t elementsTable = 28;       // 'Y': table at 398/400
constexpr size_t partOfFortune = 29;       // point 18: 'Y' / 'y'
constexpr size_t spreadLabels = 30;        // 'Y'
constexpr size_t houseNumbers = 31;        // 'N','C','R','E'
constexpr size_t equalSectors = 32;        // 'Y'
constexpr size_t bendCusps = 33;           // 'Y'
constexpr size_t furtherPointsOption = 34;
constexpr size_t degreeFont = 36;
constexpr size_t minuteFont = 38;
constexpr size_t houseNumberFont = 40;
constexpr size_t legendRange1 = 41;
constexpr size_t legendRange2 = 42;
constexpr size_t legend2Heading = 43;      // 'P' "Planet"
constexpr size_t aspectLegendFilter = 44;  // 'A','B','C', else all
constexpr size_t nodeShown = 45;           // point 10
constexpr size_t southNodeShown = 46;      // point 19
constexpr size_t anglesInAspects = 47;     // points 11, 12
constexpr size_t interceptedSigns = 53;
constexpr size_t anglesRing2 = 54;
constexpr size_t anglesRing3 = 55;
constexpr size_t headerLayout = 57;  // 'L','R','M','C'
constexpr size_t headerStyle = 61;
constexpr size_t cuspLabelStyle = 62;
constexpr size_t gridGlyphStyle = 63;
constexpr size_t creditStyle = 64;
constexpr size_t planetGlyphStyle = 65;
constexpr size_t degreeStyle = 66;
constexpr size_t signGlyphStyle = 67;
constexpr size_t minuteStyle = 68;
constexpr size_t retrogradeStyle = 69;
constexpr size_t houseNumberStyle = 70;
constexpr size_t wheelSize = 77;     // i16, 0 = no wheel (2500 for sizes)
constexpr size_t wheelCentreX = 79;  // i16 page units
constexpr size_t wheelCentreY = 81;
constexpr size_t headerSize = 85;  // i16 sizes in points
constexpr size_t cuspLabelSize = 87;
constexpr size_t gridGlyphSize = 89;
constexpr size_t creditLine = 91;  // i16: -1 no credit line
constexpr size_t planetGlyphSize = 93;
constexpr size_t degreeSize = 95;
constexpr size_t signGlyphSize = 97;
constexpr size_t minuteSize = 99;
constexpr size_t retrogradeSize = 101;
constexpr size_t houseNumberSize = 103;
constexpr size_t pictureGroup = 105;  // i16: 0 none, 1..25
constexpr size_t frameColour = 109;   // i32 colours
constexpr size_t ringColour = 113;
constexpr size_t gridCellColour = 117;
constexpr size_t tableColour = 121;
constexpr size_t cuspLabelColour = 125;
constexpr size_t headerColour = 129;
constexpr size_t creditColour = 133;
constexpr size_t pointColours = 150;         // 19 x (screen i32, print i32)
constexpr size_t positionTablePlaces = 302;  // 5 x (x, y) i16
constexpr size_t parallelBoxPlaces = 322;    // 5 x (x, y) i16
constexpr size_t parallelBoxSizes = 342;     // 5 x (lines, second value) i16
constexpr size_t legendPlaces = 362;         // 5 x (x, y) i16
constexpr size_t gridLeft = 382;             // 2 x i16
constexpr size_t gridTop = 386;
constexpr size_t gridRight = 390;
constexpr size_t gridBottom = 394;
constexpr size_t elementsTablePlace = 398;  // (x, y) i16
constexpr size_t furtherPointsPlace = 402;  // (x, y) i16
constexpr size_t tableHeadingSize = 406;    // i16
constexpr size_t tableSize = 408;           // i16
constexpr size_t positionTableDefs = 410;   // 5 x 4 chars
constexpr size_t legendShown = 430;         // 5 chars
constexpr size_t tableHeadingStyle = 435;
constexpr size_t tableStyle = 436;
constexpr size_t grid1Shown = 437;
constexpr size_t grid2Shown = 438;
constexpr size_t gridGlyphs = 439;  // per grid (grid 1 first): 'N','B', else glyphs
constexpr size_t gridOrbs = 441;
constexpr size_t gridDistances = 443;
constexpr size_t gridPoints = 445;  // 'A'..'D'
constexpr size_t gridFrame = 447;
constexpr size_t gridRightToLeft = 449;
constexpr size_t gridRepeat = 451;
}  // namespace wheel_offset

struct PagePlace {
  int16_t x = 0;
  int16_t y = 0;
};

class WheelDefinition : public PackedRecord<kWheelDefinitionSize> {
 public:
  bool Flag(size_t offset) const { return Letter(offset) == 'Y'; }
  // The font style of a style letter (headerStyle, tableStyle, ...).
  TextStyle Style(size_t offset) const { return TextStyleFromLetter(Letter(offset)); }
  RingLines ringLines() const { return RingLinesFromLetter(Letter(wheel_offset::ringLineStyle)); }
  HeaderLayout headerLayout() const {
    return HeaderLayoutFromLetter(Letter(wheel_offset::headerLayout));
  }
  int16_t I16(size_t offset) const { return Get<int16_t>(offset); }
  void SetI16(size_t offset, int16_t v) { Set(offset, v); }
  int32_t I32(size_t offset) const { return Get<int32_t>(offset); }
  void SetI32(size_t offset, int32_t v) { Set(offset, v); }

  // Wheel radius setting: offset 77 (0 = no wheel).
  int wheelSize() const { return I16(wheel_offset::wheelSize); }
  // Point colours; point 19 takes the pair of point 10. Points outside
  // 0..19 give colour 0.
  int32_t pointScreenColour(int point) const { return PointColour(point, 0); }
  int32_t pointPrintColour(int point) const { return PointColour(point, 1); }
  void setPointColours(int point, int32_t screen, int32_t print);
  // Places and settings of the numbered page elements (index 0..4).
  PagePlace positionTablePlace(int i) const { return Place(wheel_offset::positionTablePlaces, i); }
  PagePlace parallelBoxPlace(int i) const { return Place(wheel_offset::parallelBoxPlaces, i); }
  // Capacity in lines (x) and second sizing value (y) of a parallels box.
  PagePlace parallelBoxSize(int i) const { return Place(wheel_offset::parallelBoxSizes, i); }
  PagePlace legendPlace(int i) const { return Place(wheel_offset::legendPlaces, i); }
  PagePlace elementsTablePlace() const { return Place(wheel_offset::elementsTablePlace, 0); }
  PagePlace furtherPointsPlace() const { return Place(wheel_offset::furtherPointsPlace, 0); }
  // Position table i: range letter and three column letters.
  std::string positionTableDef(int i) const;
  bool legendShown(int i) const { return i >= 0 && i < 5 && Flag(wheel_offset::legendShown + i); }
  // Per-grid bytes (grid 1 or 2) of the pairs at 439..452, and the grid's
  // area in page units.
  char gridLetter(size_t pairOffset, int grid) const { return Letter(pairOffset + (grid == 2 ? 1 : 0)); }
  int16_t gridValue(size_t pairOffset, int grid) const { return I16(pairOffset + (grid == 2 ? 2 : 0)); }

 private:
  int32_t PointColour(int point, int which) const;
  PagePlace Place(size_t base, int i) const;
};

}  // namespace vostrane
