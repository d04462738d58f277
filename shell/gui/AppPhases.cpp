#include "shell/gui/AppPhases.h"

#include "atlas/gui/AtlasPlaceLookup.h"
#include "entry/gui/BirthDataPhase.h"
#include "entry/gui/TFormBDat.h"
#include "names/gui/NameFileOnForm.h"
#include "session/driver/gui/TCalHouPlaForm.h"

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

namespace {
SessionPhases* g_phases = nullptr;
}  // namespace

SessionPhases& Phases() {
  static AppPhases phases;
  return g_phases ? *g_phases : phases;
}
void SetPhases(SessionPhases* phases) { g_phases = phases; }

}  // namespace vostrane
