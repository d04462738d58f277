#include "entry/gui/BirthDataPhase.h"

#include "entry/gui/TFormBDat.h"

namespace vostrane {

TFormBDat& BirthDataPhase::CreateBirthDataForm(QWidget* parent) {
  if (!form_) form_ = new TFormBDat(parent);
  return *form_;
}

void BirthDataPhase::ShowBirthDataForm(QWidget* parent, ShellState& state) {
  CreateBirthDataForm(parent).RunSession(state);
}

TFormBDat* BirthDataPhase::BirthDataForm() const { return form_.data(); }

}  // namespace vostrane
