// SPDX-License-Identifier: GPL-3.0-or-later
// The program's progress window of an index rebuild: shown with "Indexing "
// + the index file name + "..." while the keys are built, gone afterwards.
#include <gtest/gtest.h>

#include <QProgressDialog>

#include "platform/FileSystem.h"
#include "tablestore/gui/IndexProgressWindow.h"
#include "tests/support/TempFolder.h"
#include "tests/tablestore/TableTestSupport.h"

namespace vostrane::test {
namespace {

// Notes what the window showed while the rebuild ran.
class WatchedWindow : public IndexProgressWindow {
 public:
  void Advance(uint32_t done) override {
    IndexProgressWindow::Advance(done);
    if (Window()) {
      label = Window()->labelText().toStdString();
      visible = Window()->isVisible();
      value = Window()->value();
    }
  }
  std::string label;
  bool visible = false;
  int value = -1;
};

TEST(IndexProgressWindow, ShowsTheRebuildOfAMissingIndex) {
  TempFolder folder;
  {
    DbfTable t;
    OpenPlaces(t);
    for (const char* n : {"Aachen", "Berlin", "Chur"}) AddPlace(t, n);
  }
  ASSERT_TRUE(EraseFile("places.VDX"));
  WatchedWindow window;
  DbfTable t;
  OpenPlaces(t, &window);
  EXPECT_EQ(window.label, "Indexing places.VDX...");
  EXPECT_TRUE(window.visible);
  EXPECT_EQ(window.value, 1000);  // all three records done
  EXPECT_EQ(window.Window(), nullptr);
}

}  // namespace
}  // namespace vostrane::test
