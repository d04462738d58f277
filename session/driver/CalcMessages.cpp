#include "session/driver/CalcMessages.h"

#include "platform/MessageService.h"

namespace vostrane {

namespace {

std::string OuterPlanetText(const CalcStatus& s) {
  const std::string record = std::to_string(s.record);
  switch (s.fault) {
    case CalcFault::MissingRecord:
      return "Unable to read record # " + record + " from file " + s.file.str() +
             " not on disk.  Program ended.";
    case CalcFault::ShortRecord: return "ERROR! Unable to read data from ephemeris file. Program ended.";
    case CalcFault::DamagedRecord:
      return "Ephemeris file " + s.file.str() + " is damaged at record # " + record +
             ".  Program ended.";
    default: return "File " + s.file.str() + " not on disk.  Program ended.";
  }
}

std::string AsteroidText(const CalcStatus& s) {
  if (s.fault == CalcFault::MissingFile)
    return "ERROR!!!   File " + s.file.str() + " not on disk. Ephemeris for birth year not on disk!";
  return "ERROR!!!  Not able to read record # " + std::to_string(s.record) + " from file " +
         s.file.str() + ". Ephemeris for birth year not on disk.";
}

}  // namespace

std::string CalcStatusText(const CalcStatus& status) {
  switch (status.source) {
    case CalcSource::OuterPlanets: return OuterPlanetText(status);
    case CalcSource::Asteroids: return AsteroidText(status);
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
