// SPDX-License-Identifier: GPL-3.0-or-later
// The phases of a session as this build carries them out: the birth data
// form, the calculation driver with its progress window, and the viewer.
// The windows are children of the main window; the phases outlive them.
#pragma once

#include "atlas/gui/AtlasPlaceLookup.h"
#include "entry/gui/BirthDataPhase.h"
#include "shell/gui/SessionPhases.h"
#include "viewer/gui/ViewerPhase.h"

namespace vostrane {

class AppPhases : public SessionPhases {
 public:
  void ShowBirthDataForm(QWidget* parent, ShellState& state) override;
  void CalculateSession(QWidget* parent) override;
  void PrepareDrawing() override;
  void ShowViewer(QWidget* parent, ShellState& state, ViewerSize size) override;
  void CloseViewer() override;

 private:
  // The atlas behind the form's place field and the derived chart dialog;
  // the phases outlive the windows that use it.
  AtlasPlaceLookup atlas_;
  BirthDataPhase birthData_;
  ViewerPhase viewer_;
};

}  // namespace vostrane
