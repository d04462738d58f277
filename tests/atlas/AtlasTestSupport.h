// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the atlas tests: hand-made daylight-time tables and small
// atlases written into the test's working folder, with the installed
// message texts beside them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "atlas/DstChangeFile.h"
#include "atlas/DstChangeRecord.h"
#include "atlas/DstTableIndex.h"
#include "atlas/PlaceSearchKey.h"
#include "atlas/PlacesTable.h"
#include "common/MessageTextFile.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {

inline DstChangeRecord Change(int year, int month, int day, int hour, int minute, int zoneHours,
                              int zoneMinutes, int code) {
  DstChangeRecord r;
  r.year = static_cast<uint8_t>(year - kDstBaseYear);
  r.month = static_cast<uint8_t>(month);
  r.day = static_cast<uint8_t>(day);
  r.hour = static_cast<uint8_t>(hour);
  r.minute = static_cast<uint8_t>(minute);
  r.zoneHours = static_cast<uint8_t>(zoneHours);
  r.zoneMinutes = static_cast<uint8_t>(zoneMinutes);
  r.code = static_cast<uint8_t>(code);
  return r;
}

// A record after every moment a lookup can reach, as the generated tables end.
inline DstChangeRecord EndOfTable() { return DstChainEndRecord(100, 0, kStandardTime); }
// How the tables of older installations ended: on 1 January 2025.
inline DstChangeRecord EndOf2024Table() { return Change(2025, 1, 1, 0, 0, 100, 0, kStandardTime); }

inline std::string ChangeFileBytes(const std::vector<DstChangeRecord>& records) {
  std::string bytes;
  for (const DstChangeRecord& r : records) {
    for (uint8_t b : r.Encode()) bytes.push_back(static_cast<char>(b));
  }
  return bytes;
}

// All 2808 words; tables beyond the given ones start at record 0.
inline std::string IndexBytes(const std::vector<uint16_t>& firstRecords) {
  std::string bytes(static_cast<size_t>(kDstTableCount) * 2, '\0');
  for (size_t k = 0; k < firstRecords.size(); ++k) {
    bytes[2 * k] = static_cast<char>(firstRecords[k] & 0xFF);
    bytes[2 * k + 1] = static_cast<char>(firstRecords[k] >> 8);
  }
  return bytes;
}

struct PlaceSpec {
  std::string name;
  int dstPtr = 0;
  std::string countryState = "XXX";
  std::string latitude = "40N4251";    // DDNMMSS
  std::string longitude = "074W0021";  // DDDEMMSS
  int rank = 0;                        // among the places of its city name
  uint32_t seeRecord = 0;              // another name: the record of its place
};

// A working folder with the installed message texts open, and, when
// written, daylight-time tables and an atlas.
class AtlasFolder {
 public:
  AtlasFolder() {
    std::filesystem::copy_file(InstallFile(kMessageTextFileName),
                               folder_.Path() + "/" + kMessageTextFileName);
    OpenMessageTextFile();
  }
  ~AtlasFolder() {
    CloseDstChangeFile();
    ClosePlacesTable();
    CloseMessageTextFile();
    DstIndex() = DstTableIndex();
  }

  // Writes "DSTRECS.DAT" and "DST.FIL", loads the index and opens the file.
  void WriteTables(const std::vector<uint16_t>& firstRecords,
                   const std::vector<DstChangeRecord>& records) {
    folder_.Write(kDstIndexFileName, IndexBytes(firstRecords));
    folder_.Write(kDstChangeFileName, ChangeFileBytes(records));
    LoadDstTableIndex();
    OpenDstChangeFile();
  }

  // Writes "places.dbf" with the places in the given order and opens it as
  // the program's atlas.
  void WritePlaces(const std::vector<PlaceSpec>& places) {
    {
      DbfTable t;
      ConfigurePlacesTable(t);
      t.Open();
      while (!t.LockFile()) {
      }
      for (const PlaceSpec& p : places) {
        t.SetTextField("NAME", p.name);
        t.SetIntegerField("LATDEG", std::stoi(p.latitude.substr(0, 2)));
        t.SetTextField("LATNS", p.latitude.substr(2, 1));
        t.SetIntegerField("LATMIN", std::stoi(p.latitude.substr(3, 2)));
        t.SetIntegerField("LATSEC", std::stoi(p.latitude.substr(5, 2)));
        t.SetIntegerField("LONGDEG", std::stoi(p.longitude.substr(0, 3)));
        t.SetTextField("LONGEW", p.longitude.substr(3, 1));
        t.SetIntegerField("LONGMIN", std::stoi(p.longitude.substr(4, 2)));
        t.SetIntegerField("LONGSEC", std::stoi(p.longitude.substr(6, 2)));
        t.SetIntegerField("DSTPTR", p.dstPtr);
        t.SetTextField("CNTRYSTATE", p.countryState);
        t.SetIntegerField("SEEREC", p.seeRecord);
        const size_t comma = p.name.find(',');
        const std::string region = comma == std::string::npos ? "" : p.name.substr(comma + 1);
        t.SetTextField("SRCHKEY", PlaceSearchKey(FoldPlaceText(p.name.substr(0, comma)), p.rank,
                                                 FoldPlaceText(region)));
        t.AppendRecord();
      }
      t.UnlockFile();
      t.Close();
    }
    OpenPlacesTable();
  }

  const TempFolder& Folder() const { return folder_; }

 private:
  TempFolder folder_;
};

}  // namespace vostrane::test
