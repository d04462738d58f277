#include "shell/gui/AppPhases.h"

#include "atlas/gui/AtlasPlaceLookup.h"
#include "derived/gui/TDerivedForm.h"
#include "entry/gui/BirthDataPhase.h"
#include "entry/gui/TFormBDat.h"
#include "names/gui/NameFileOnForm.h"
#include "session/driver/gui/TCalHouPlaForm.h"
#include "viewer/gui/ViewerPhase.h"

namespace vostrane {
namespace {

// The atlas behind the form's place field and the derived chart dialog.
AtlasPlaceLookup& Atlas() {
  static AtlasPlaceLookup atlas;
  return atlas;
}

std::optional<ChartEntry> AskWithAtlas(QWidget* parent, const std::vector<ChartEntry>& entries,
                                       int base) {
  return AskDerivedChart(parent, entries, base, &Atlas());
}

}  // namespace

void AppPhases::ShowBirthDataForm(QWidget* parent) {
  const bool first = BirthDataForm() == nullptr;
  TFormBDat& form = CreateBirthDataForm(parent);
  // The form lives until the program ends; its name list and place lookup
  // are attached once, when it is made.
  if (first) {
    form.SetPlaceLookup(&Atlas());
    form.SetDerivedChartDialog(AskWithAtlas);
    AttachNameFile(form);
  }
  form.RunSession();
}

void AppPhases::CalculateSession(QWidget* parent) {
  TCalHouPlaForm progress(parent);
  progress.show();
  progress.repaint();
  progress.CalcTheHouAndPla();
}

void AppPhases::PrepareDrawing() { PrepareViewerDrawing(); }

void AppPhases::ShowViewer(QWidget* parent, ViewerSize size) {
  SetViewerDerivedChartDialog(AskWithAtlas);
  ShowViewerWindow(parent, size.height, size.printoutHeight);
}

void AppPhases::CloseViewer() { CloseViewerWindow(); }

namespace {
SessionPhases* g_phases = nullptr;
}  // namespace

SessionPhases& Phases() {
  static AppPhases phases;
  return g_phases ? *g_phases : phases;
}
void SetPhases(SessionPhases* phases) { g_phases = phases; }

}  // namespace vostrane
