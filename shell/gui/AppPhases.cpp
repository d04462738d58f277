#include "shell/gui/AppPhases.h"

#include "entry/gui/BirthDataPhase.h"
#include "session/driver/gui/TCalHouPlaForm.h"

namespace vostrane {

void AppPhases::ShowBirthDataForm(QWidget* parent) { vostrane::ShowBirthDataForm(parent); }

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
