#include "tools/batch/BatchCommands.h"

namespace vostrane::batch {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"version", "", "print the program version", RunVersion},
      {"new", "NAME MM/DD/YYYY HH:MM:SS LAT LON ZONE DST [PLACE [ZODIAC [HOUSES]]]",
       "append a natal entry to INPUT.FIL (created when missing); latitude and longitude in\n"
       "      degrees, north and west positive; zone in hours, west positive; DST one of\n"
       "      N Y W D L; ZODIAC T or S (default from ZORCTRL.DAT); HOUSES A to I (default F)",
       RunNew},
      {"calc", "", "calculate every entry of INPUT.FIL in place, as the program does", RunCalc},
      {"dump", "N", "print entry N of INPUT.FIL as one JSON object", RunDump},
      {"render", "N FILE [--with M [--with K]] [--zoom Z]",
       "draw the standard wheel page of entry N into FILE: .png the page bitmap, .pdf the\n"
       "      printer at 600 dpi, .json the screen page as data (every drawn item with its role\n"
       "      and bounding box); --with adds the second and third chart of a bi- or tri-wheel,\n"
       "      --zoom sets the bitmap's zoom; exits 1, keeping an earlier FILE, when it cannot\n"
       "      be written",
       RunRender},
  };
  return commands;
}

}  // namespace vostrane::batch
