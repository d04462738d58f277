// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window of an index rebuild: "Indexing " + the index file name
// + "..." as its title and text, with a bar over the table's records. It
// shows itself when a rebuild of a table with records begins and goes when
// it ends; the program keeps one for the life of its tables.
#pragma once

#include <memory>

#include "tablestore/IndexProgress.h"

class QProgressDialog;

namespace vostrane {

class IndexProgressWindow : public IndexProgress {
 public:
  IndexProgressWindow();
  ~IndexProgressWindow() override;

  void Begin(const std::string& caption, uint32_t totalRecords) override;
  void Advance(uint32_t recordsDone) override;
  void End() override;

  // The window while a rebuild runs (for tests), or null.
  QProgressDialog* Window() const { return window_.get(); }

 private:
  std::unique_ptr<QProgressDialog> window_;
  uint32_t total_ = 0;
};

}  // namespace vostrane
