// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/batch/BatchCommands.h"

namespace vostrane::batch {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"version", "", "print the program version", RunVersion},
      {"new", "NAME MM/DD/YYYY HH:MM:SS LAT LON ZONE DST [PLACE [ZODIAC [HOUSES]]]",
       "append a natal entry to INPUT.FIL (created when missing); latitude and longitude in\n"
       "      degrees, north and west positive; zone in hours, west positive; DST one of\n"
       "      N Y W D L; ZODIAC T (tropical) or a sidereal letter: S Fagan-Bradley, L Lahiri,\n"
       "      R Raman, K Krishnamurti, Y Yukteshwar, C True Chitrapaksha, D Djwhal Khul\n"
       "      (default from ZORCTRL.DAT); HOUSES a letter A to U or a name such as\n"
       "      \"Whole Sign\" (default F, Placidus)",
       RunNew},
      {"derive", "BASE KIND ARGS...",
       "append a derived chart of entry BASE to INPUT.FIL, to be filled by calc; DATE is\n"
       "      MM/DD/YYYY, TIME HH:MM:SS, the place LAT LON ZONE DST as for new (a return without\n"
       "      one is made at the base's place); the kinds:\n"
       "      transit DATE TIME LAT LON ZONE DST [PLACE]      progressed DATE\n"
       "      solar-arc DATE                                  solar-return YEAR [LAT LON ZONE DST "
       "[PLACE]]\n"
       "      lunar-return DATE [LAT LON ZONE DST [PLACE]]    planet-return BODY DATE "
       "(Mercury..Saturn)\n"
       "      relocated LAT LON ZONE DST [PLACE]              composite OTHER\n"
       "      harmonic N (2 to 180)",
       RunDerive},
      {"calc", "", "calculate every entry of INPUT.FIL in place, as the program does", RunCalc},
      {"dump", "N", "print entry N of INPUT.FIL as one JSON object", RunDump},
      {"chart-csv", "IN.csv OUT.csv",
       "calculate a natal chart for every row of IN.csv (header line, then name, MM/DD/YYYY,\n"
       "      HH:MM:SS, latitude, longitude, zone, daylight[, zodiac[, houses]], as for new) and\n"
       "      write one row per chart to OUT.csv: Julian day, delta T, angles, cusps and every\n"
       "      body's longitude, latitude, daily motion, right ascension and declination",
       RunChartCsv},
      {"render",
       "N FILE [--with M [--with K]] [--zoom Z] [--code CCC] [--paper a4|letter]\n"
       "      [--landscape|--portrait] [--page wheel|points|aspects] [--dial 90|360|45 [--pointer DEG]]",
       "draw the standard wheel page of entry N into FILE: .png the page bitmap, .pdf the\n"
       "      printer at 600 dpi, .svg the same page as SVG (glyphs as outlines), .json the\n"
       "      screen page as data (every drawn item with its role and bounding box); --with adds\n"
       "      the second and third chart of a bi- or tri-wheel, --zoom sets the bitmap's zoom,\n"
       "      --code the wheel style (printout code, default AAA), --paper and --landscape or\n"
       "      --portrait the sheet (default: Preferences, else the locale's paper, upright; on a\n"
       "      sideways sheet the wheel stands left and the tables right); --page points draws the page\n"
       "      of fixed stars and lots in place of the wheel, --page aspects the aspect list and\n"
       "      patterns (with --with M, two natal charts' inter-aspects and house overlay); --dial\n"
       "      draws the midpoint dial of that many degrees with its pointer at DEG (default 0),\n"
       "      the midpoint tree under the pointer and the midpoints in 90-degree order; exits 1,\n"
       "      keeping an earlier FILE, when it cannot be written",
       RunRender},
      {"place", "TEXT [MM/DD/YYYY HH:MM:SS]",
       "print, as one JSON array, the places the place lookup lists for TEXT: the row, the name,\n"
       "      latitude and longitude in degrees (north and west positive) and the DST table; with a\n"
       "      local date and time (24 hours) also the zone (hours, west positive) and daylight letter\n"
       "      that reading the place fills in",
       RunPlace},
      {"import", "FILE [--replace | --list]",
       "add the persons of FILE to names.dbf: AAF (#A93 and #B93 lines) when the name ends in\n"
       "      .aaf, else CSV with a header (name, MM/DD/YYYY, HH:MM:SS, latitude, longitude, zone,\n"
       "      daylight, zodiac, houses, place, as for chart-csv); lists each line it cannot read\n"
       "      and exits 1 after any; a person on file with other birth data is kept unless\n"
       "      --replace; characters outside Windows-1252 are transliterated and named; with\n"
       "      --list the persons are added to INPUT.FIL as natal charts instead",
       RunImport},
      {"export", "FILE [--list]",
       "write every person of names.dbf (with --list: every natal chart of INPUT.FIL) to\n"
       "      FILE, AAF or CSV as for import",
       RunExport},
      {"events",
       "BASE FROM TO [--kinds LIST] [--aspects LIST] [--orb DEG] [--bodies LIST] [--cusps] [--csv]",
       "print the timeline of calculated entry BASE from FROM to the end of TO (MM/DD/YYYY or\n"
       "      YYYY-MM-DD, Greenwich time) as a JSON array (--csv: CSV): exact transits, progressions\n"
       "      and solar arcs to its points, ingresses, stations, New and Full Moons, eclipses and\n"
       "      returns; --kinds transit,progressed,solar-arc,ingress,station,new-moon,full-moon,\n"
       "      solar-eclipse,lunar-eclipse,return; --aspects degrees (default aspect set 1 of\n"
       "      ANGLES.DAT); --orb (default 1); --bodies Sun,Moon,...; --place N the local time of\n"
       "      entry N's place",
       RunEvents},
      {"graph", "BASE FROM TO FILE [--modulus 360|90|45|30] [--bodies LIST] [--cusps]",
       "draw the graphic ephemeris from FROM to the end of TO with the points of calculated entry\n"
       "      BASE as horizontal lines into FILE (.png the page bitmap, .pdf the printer at 600 dpi,\n"
       "      .svg the same page as SVG);\n"
       "      longitudes modulo 360 degrees unless --modulus says otherwise",
       RunGraph},
  };
  return commands;
}

}  // namespace vostrane::batch
