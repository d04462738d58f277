// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/gui/AppPhases.h"

#include "atlas/gui/AtlasPlaceLookup.h"
#include "derived/gui/DerivedChartRequestDialog.h"
#include "entry/gui/BirthDataPhase.h"
#include "entry/gui/BirthDataForm.h"
#include "names/gui/NameFileOnForm.h"
#include "session/driver/gui/CalculationProgress.h"
#include "viewer/gui/ViewerPhase.h"

namespace vostrane {
namespace {

// The derived chart dialog with `atlas` behind its place field.
DerivedChartDialog AskWithAtlas(AtlasPlaceLookup* atlas) {
  return [atlas](QWidget* parent, const std::vector<ChartEntry>& entries, int base) {
    return AskDerivedChart(parent, entries, base, atlas);
  };
}

}  // namespace

void AppPhases::ShowBirthDataForm(QWidget* parent, ShellState& state) {
  const bool first = birthData_.BirthDataWindow() == nullptr;
  BirthDataForm& form = birthData_.CreateBirthDataForm(parent);
  // The form lives until the program ends; its name list and place lookup
  // are attached once, when it is made.
  if (first) {
    form.SetPlaceLookup(&atlas_);
    form.SetDerivedChartDialog(AskWithAtlas(&atlas_));
    AttachNameFile(form);
  }
  form.RunSession(state);
}

void AppPhases::CalculateSession(QWidget* parent) {
  CalculationProgress progress(parent);
  progress.show();
  progress.repaint();
  progress.CalculateSessionCharts();
}

void AppPhases::PrepareDrawing() { viewer_.PrepareViewerDrawing(); }

void AppPhases::ShowViewer(QWidget* parent, ShellState& state, ViewerSize size) {
  viewer_.SetViewerDerivedChartDialog(AskWithAtlas(&atlas_));
  viewer_.ShowViewerWindow(parent, state, size.height, size.printoutHeight);
}

void AppPhases::CloseViewer() { viewer_.CloseViewerWindow(); }

}  // namespace vostrane
