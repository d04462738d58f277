// SPDX-License-Identifier: GPL-3.0-or-later
// gen_wheeldata KIND SOURCE OUTPUT: builds one installation file of the
// chart wheel from its readable source in data/wheels/:
//   wheels    wheels.txt    -> WHEELS.DAT  (wheel styles)
//   angles    angles.txt    -> ANGLES.DAT  (aspect sets with candidate tables)
//   pictures  pictures.txt  -> WHEELSG.DAT (picture groups)
//   bitmap    NAME.pix      -> NAME.BMP    (a picture, from pixel art)
//   pagedef   pagew.def     -> PAGEW.DEF   (checked and copied)
// Any error in the source is reported as file:line and nothing is written;
// the output is replaced through a temporary file.
#include <iostream>

#include "tools/generators/textgen/SourceFile.h"
#include "tools/generators/wheeldata/AngleSource.h"
#include "tools/generators/wheeldata/PictureSource.h"
#include "tools/generators/wheeldata/WheelSource.h"

using namespace vostrane::textgen;
using namespace vostrane::wheeldata;

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: gen_wheeldata wheels|angles|pictures|bitmap|pagedef SOURCE OUTPUT\n";
    return 2;
  }
  const std::string kind = argv[1], sourcePath = argv[2], outputPath = argv[3];
  std::string content;
  if (!ReadSource(sourcePath, content)) return 1;

  std::vector<SourceError> errors;
  std::string bytes;
  if (kind == "wheels") {
    const WheelSource source = ParseWheelSource(content, sourcePath);
    errors = source.errors;
    if (errors.empty()) bytes = BuildWheelFile(source);
  } else if (kind == "angles") {
    const AngleSource source = ParseAngleSource(content, sourcePath);
    errors = source.errors;
    if (errors.empty()) bytes = BuildAngleFile(source);
  } else if (kind == "pictures") {
    const PictureSource source = ParsePictureSource(content, sourcePath);
    errors = source.errors;
    if (errors.empty()) bytes = BuildPictureFile(source);
  } else if (kind == "bitmap") {
    BuildBitmapFromPixelArt(content, sourcePath, bytes, errors);
  } else if (kind == "pagedef") {
    if (CheckPageDefinition(content, sourcePath, errors)) bytes = content;
  } else {
    std::cerr << "unknown kind '" << kind << "'\n";
    return 2;
  }
  if (!errors.empty()) {
    PrintErrors(errors);
    std::cerr << outputPath << " was not written\n";
    return 1;
  }
  return WriteOutput(outputPath, bytes) ? 0 : 1;
}
