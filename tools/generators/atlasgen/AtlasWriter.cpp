// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/atlasgen/AtlasWriter.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "atlas/PlacesTable.h"
#include "platform/ByteOrder.h"
#include "platform/FileSystem.h"
#include "tablestore/DbfLayout.h"

namespace vostrane::atlasgen {
namespace {

void PutText(std::string& record, const DbfField& f, const std::string& text) {
  std::string value = text.substr(0, static_cast<size_t>(f.width));
  value.resize(static_cast<size_t>(f.width), ' ');
  record.replace(static_cast<size_t>(f.offset), value.size(), value);
}

void PutNumber(std::string& record, const DbfField& f, int value) {
  const std::string digits = std::to_string(value);
  if (digits.size() > static_cast<size_t>(f.width)) {
    throw std::runtime_error("value " + digits + " does not fit field " + f.name);
  }
  PutText(record, f, std::string(static_cast<size_t>(f.width) - digits.size(), ' ') + digits);
}

}  // namespace

std::string PlacesDbfBytes(const std::vector<AtlasRecord>& records, const std::string& dateText) {
  int year = 2000, month = 1, day = 1;
  if (std::sscanf(dateText.c_str(), "%d-%d-%d", &year, &month, &day) != 3) {
    throw std::runtime_error("bad date " + dateText);
  }
  std::string bytes = NewDbfBytes(PlaceFieldLines(), year, month, day);
  bytes.pop_back();  // the end-of-file byte follows the records
  const DbfLayout layout = ParseDbfHeader(kPlacesFileName,
                                          reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                                          static_cast<int64_t>(bytes.size()));
  auto field = [&](const char* name) -> const DbfField& {
    const int i = layout.FindField(name);
    if (i < 0) throw std::runtime_error(std::string("no field ") + name);
    return layout.fields[static_cast<size_t>(i)];
  };
  const DbfField& name = field("NAME");
  const DbfField &latDeg = field("LATDEG"), &latMin = field("LATMIN"), &latSec = field("LATSEC");
  const DbfField& latNs = field("LATNS");
  const DbfField &longDeg = field("LONGDEG"), &longMin = field("LONGMIN"), &longSec = field("LONGSEC");
  const DbfField& longEw = field("LONGEW");
  const DbfField& dstPtr = field("DSTPTR");
  const DbfField& highPop = field("HIGHPOPWNM");
  const DbfField& elevation = field("ELEVATION");
  const DbfField& countryState = field("CNTRYSTATE");
  const DbfField& searchKey = field("SRCHKEY");
  const DbfField& seeRecord = field("SEEREC");

  bytes.reserve(bytes.size() + records.size() * static_cast<size_t>(layout.recordLength) + 1);
  std::string record(static_cast<size_t>(layout.recordLength), ' ');
  for (const AtlasRecord& r : records) {
    record.assign(static_cast<size_t>(layout.recordLength), ' ');
    PutText(record, name, r.name);
    PutNumber(record, latDeg, r.latDeg);
    PutNumber(record, latMin, r.latMin);
    PutNumber(record, latSec, r.latSec);
    PutText(record, latNs, std::string(1, r.latNs));
    PutNumber(record, longDeg, r.longDeg);
    PutNumber(record, longMin, r.longMin);
    PutNumber(record, longSec, r.longSec);
    PutText(record, longEw, std::string(1, r.longEw));
    PutNumber(record, dstPtr, r.dstPtr);
    PutText(record, highPop, std::string(1, r.highPopulation));
    PutNumber(record, elevation, r.elevation);
    PutText(record, countryState, r.countryState);
    PutText(record, searchKey, r.searchKey);
    PutNumber(record, seeRecord, static_cast<int>(r.seeRecord));
    bytes += record;
  }
  const uint32_t count = static_cast<uint32_t>(records.size());
  WriteLe<uint32_t>(&bytes[kDbfCountOffset], count);
  bytes.push_back(kDbfEndOfFile);
  return bytes;
}

void WritePlacesTable(const std::string& folder, const std::string& dbfBytes) {
  namespace fs = std::filesystem;
  const fs::path work = fs::path(folder) / ".atlasgen.tmp";
  fs::remove_all(work);
  fs::create_directories(work);
  const fs::path tempTable = work / kPlacesFileName;
  if (!ReplaceFileContents(tempTable.string(), dbfBytes)) {
    throw std::runtime_error("cannot write " + tempTable.string());
  }
  std::string indexName;
  {
    DbfTable table;
    ConfigurePlacesTable(table, tempTable.string());
    table.Open();  // builds the production index beside the table
    indexName = fs::path(table.IndexFileName()).filename().string();
    table.Close();
  }
  const fs::path table = fs::path(folder) / kPlacesFileName;
  const fs::path index = fs::path(folder) / indexName;
  fs::remove(index);
  fs::rename(tempTable, table);
  fs::rename(work / indexName, index);
  fs::remove_all(work);
}

}  // namespace vostrane::atlasgen
