// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the table store tests: a places-like table, filling it,
// walking an order, and a progress receiver that records what it was told.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tablestore/DbfTable.h"

namespace vostrane::test {

inline std::vector<std::string> PlaceFields() {
  return {"NAME,C,25,0", "LATDEG,N,2,0", "LATNS,C,1,0", "DSTPTR,N,5,0", "CNTRYSTATE,C,3,0"};
}

inline std::vector<std::string> PlaceIndex() {
  return {"CITY,F,F,UPPER(NAME)", "", "CNTRYCITY,F,F,CNTRYSTATE+UPPER(NAME)", ""};
}

struct RecordingProgress : IndexProgress {
  std::vector<std::string> captions;
  uint32_t total = 0;
  uint32_t lastDone = 0;
  int ends = 0;
  void Begin(const std::string& caption, uint32_t records) override {
    captions.push_back(caption);
    total = records;
  }
  void Advance(uint32_t done) override { lastDone = done; }
  void End() override { ++ends; }
};

inline void OpenPlaces(DbfTable& t, IndexProgress* progress = nullptr,
                       const std::string& file = "places.dbf") {
  t.SetDbfFileName(file);
  t.SetDbfFields(PlaceFields());
  t.SetIndexList(PlaceIndex());
  t.SetProgress(progress);
  t.Open();
}

// Appends one place under the lock.
inline void AddPlace(DbfTable& t, const std::string& name, const std::string& country = "PEN",
                     int dst = 1) {
  ASSERT_TRUE(t.LockFile());
  t.SetTextField("NAME", name);
  t.SetTextField("CNTRYSTATE", country);
  t.SetIntegerField("DSTPTR", dst);
  t.AppendRecord();
  t.UnlockFile();
}

// The visible records in the current order, by record number.
inline std::vector<uint32_t> Walk(DbfTable& t) {
  std::vector<uint32_t> out;
  t.First();
  if (t.AtEnd()) return out;
  while (true) {
    out.push_back(t.RecordNumber());
    t.MoveBy(1);
    if (t.AtEnd()) break;
  }
  return out;
}

// The trimmed names of the visible records in the current order.
inline std::vector<std::string> WalkNames(DbfTable& t) {
  std::vector<std::string> out;
  for (uint32_t recno : Walk(t)) {
    t.Go(recno);
    std::string name = t.TextField("NAME");
    name.erase(name.find_last_not_of(' ') + 1);
    out.push_back(name);
  }
  return out;
}

}  // namespace vostrane::test
