// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/batch/PointsJson.h"

#include "platform/MessageService.h"
#include "shell/batch/JsonWriter.h"
#include "wheel/ChartLots.h"
#include "wheel/ChartStars.h"

namespace vostrane::batch {

std::string FixedStarsJson(const ChartEntry& entry, double orb) {
  const FixedStarList list = ReadFixedStarFile();
  if (!list.error.empty()) {
    ShowMessage(list.error, list.missing ? MsgIcon::Warning : MsgIcon::Error);
    return "[]";
  }
  const ChartStars chart = StarsOfChart(list.stars, entry, orb);
  std::string out = "[";
  for (size_t s = 0; s < list.stars.size(); ++s) {
    const StarPlace& p = chart.places[s];
    out += (s ? ", " : "") + std::string("{\"name\": ") + JsonString(list.stars[s].name) +
           ", \"lon\": " + JsonNumber(p.lon) + ", \"lat\": " + JsonNumber(p.lat) +
           ", \"decl\": " + JsonNumber(p.decl) + ", \"contacts\": [";
    bool first = true;
    for (const StarContact& c : chart.contacts) {
      if (c.star != static_cast<int>(s)) continue;
      out += (first ? "" : ", ") + std::string("{\"point\": ") + JsonString(StarPointName(c.slot)) +
             ", \"kind\": \"" + StarContactName(c.kind) + "\", \"orb\": " + JsonNumber(c.orb) + "}";
      first = false;
    }
    out += "]}";
  }
  return out + "]";
}

std::string LotsJson(const ChartEntry& entry) {
  const LotList list = ReadLotFile();
  if (!list.error.empty()) {
    ShowMessage(list.error, list.missing ? MsgIcon::Warning : MsgIcon::Error);
    return "[]";
  }
  const bool night = LotPointsOfChart(entry).night;
  const std::vector<double> longitudes = LotsOfChart(list.lots, entry);
  std::string out = "[";
  for (size_t k = 0; k < list.lots.size(); ++k) {
    const Lot& lot = list.lots[k];
    out += (k ? ", " : "") + std::string("{\"name\": ") + JsonString(lot.name) +
           ", \"lon\": " + JsonNumber(longitudes[k]) +
           ", \"formula\": " + JsonString(lot.FormulaFor(night)) + "}";
  }
  return out + "]";
}

}  // namespace vostrane::batch
