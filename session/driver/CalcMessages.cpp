// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/driver/CalcMessages.h"

#include "platform/MessageService.h"

namespace vostrane {

namespace {

// The fault of a file the installation's list vouches for; empty for the
// other faults.
std::string CheckedFileText(const CalcStatus& s) {
  switch (s.fault) {
    case CalcFault::WrongSize:
      return "ERROR!  File " + s.file.str() + " has " + std::to_string(s.record) +
             " bytes, not the size it was installed with.";
    case CalcFault::FailedCheck:
      return "ERROR!  File " + s.file.str() + " is damaged at record # " + std::to_string(s.record) +
             ".";
    default: return {};
  }
}

std::string OuterPlanetText(const CalcStatus& s) {
  const std::string record = std::to_string(s.record);
  if (const std::string checked = CheckedFileText(s); !checked.empty())
    return checked + "  Re-install Vostrane.  Program ended.";
  switch (s.fault) {
    case CalcFault::MissingRecord:
      return "Unable to read record # " + record + " from file " + s.file.str() +
             " not on disk.  Program ended.";
    case CalcFault::ShortRecord:
      return "ERROR! Unable to read data from ephemeris file " + s.file.str() + " (record # " + record +
             " is cut short). Program ended.";
    case CalcFault::DamagedRecord:
      return "Ephemeris file " + s.file.str() + " is damaged at record # " + record +
             ".  Program ended.";
    default: return "File " + s.file.str() + " not on disk.  Program ended.";
  }
}

std::string ChironText(const CalcStatus& s) {
  const std::string checked = CheckedFileText(s);
  if (!checked.empty()) return checked + "  Chiron is left out of the charts.  Re-install Vostrane.";
  if (s.fault == CalcFault::MissingFile)
    return "ERROR!!!   File " + s.file.str() + " not on disk. Chiron is left out of the charts.";
  if (s.fault == CalcFault::DamagedRecord)
    return "ERROR!!!  File " + s.file.str() + " is damaged at record # " + std::to_string(s.record) +
           ". Chiron is left out of the charts.";
  return "ERROR!!!  Not able to read record # " + std::to_string(s.record) + " from file " +
         s.file.str() + ". Chiron is left out of the charts.";
}

std::string AsteroidText(const CalcStatus& s) {
  if (const std::string checked = CheckedFileText(s); !checked.empty())
    return checked + "  The asteroid is left out of the charts.  Re-install Vostrane.";
  if (s.fault == CalcFault::MissingFile)
    return "ERROR!!!   File " + s.file.str() + " not on disk. Ephemeris for birth year not on disk!";
  return "ERROR!!!  Not able to read record # " + std::to_string(s.record) + " from file " +
         s.file.str() + ". Ephemeris for birth year not on disk.";
}

std::string LunarApogeeText(const CalcStatus& s) {
  const std::string fallback =
      " True Lilith is calculated from the lunar theory instead (to about 9 arc minutes).";
  if (const std::string checked = CheckedFileText(s); !checked.empty())
    return checked + fallback + "  Re-install Vostrane.";
  if (s.fault == CalcFault::MissingFile)
    return "ERROR!!!   File " + s.file.str() + " not on disk." + fallback;
  return "ERROR!!!  File " + s.file.str() + " is damaged at record # " + std::to_string(s.record) + "." +
         fallback;
}

}  // namespace

std::string CalcStatusText(const CalcStatus& status) {
  switch (status.source) {
    case CalcSource::OuterPlanets: return OuterPlanetText(status);
    case CalcSource::Chiron: return ChironText(status);
    case CalcSource::Asteroids: return AsteroidText(status);
    case CalcSource::LunarApogee: return LunarApogeeText(status);
    case CalcSource::Ayanamsa: return kAyanamshaBadMessage;
    case CalcSource::HouseSystem:
      return "The entry's house system '" + std::string(1, static_cast<char>(status.record)) +
             "' is not known; its houses were calculated with Placidus.";
  }
  return {};
}

void ShowCalcStatus(const CalcStatus& status) {
  if (status.ok()) return;
  if (status.fatal()) EndProgram(CalcStatusText(status));
  ShowMessage(CalcStatusText(status),
              status.source == CalcSource::Ayanamsa || status.source == CalcSource::HouseSystem
                  ? MsgIcon::Information
                  : MsgIcon::Error);
}

void ShowCalcReport(const CalcReport& report) {
  for (const CalcStatus& status : report.Statuses()) ShowCalcStatus(status);
}

}  // namespace vostrane
