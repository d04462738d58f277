// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/gui/BirthDataPhase.h"

#include "entry/gui/BirthDataForm.h"

namespace vostrane {

BirthDataForm& BirthDataPhase::CreateBirthDataForm(QWidget* parent) {
  if (!form_) form_ = new BirthDataForm(parent);
  return *form_;
}

void BirthDataPhase::ShowBirthDataForm(QWidget* parent, ShellState& state) {
  CreateBirthDataForm(parent).RunSession(state);
}

BirthDataForm* BirthDataPhase::BirthDataWindow() const { return form_.data(); }

}  // namespace vostrane
