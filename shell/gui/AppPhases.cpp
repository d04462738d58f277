#include "shell/gui/AppPhases.h"

#include "atlas/gui/AtlasPlaceLookup.h"
#include "entry/gui/BirthDataPhase.h"
#include "entry/gui/TFormBDat.h"
#include "names/gui/NameFileOnForm.h"
#include "session/driver/gui/TCalHouPlaForm.h"
#include "viewer/gui/ViewerPhase.h"

namespace vostrane {

void AppPhases::ShowBirthDataForm(QWidget* parent) {
  const bool first = BirthDataForm() == nullptr;
  TFormBDat& form = CreateBirthDataForm(parent);
  // The form lives until the program ends; its name list and place lookup
  // are attached once, when it is made.
  if (first) {
    static AtlasPlaceLookup atlas;
    form.SetPlaceLookup(&atlas);
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

void AppPhases::ShowViewer(QWidget* parent, QObject* sender, ViewerSize size) {
  ShowViewerWindow(parent, sender, size.height, size.printoutHeight);
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
