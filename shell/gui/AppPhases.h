// The phases of a session as this build carries them out: the birth data
// form, the calculation driver with its progress window, and viewing where
// this build has it, otherwise the pending stand-in.
#pragma once

#include "shell/gui/PendingPhases.h"

namespace vostrane {

class AppPhases : public PendingPhases {
 public:
  void ShowBirthDataForm(QWidget* parent) override;
  void CalculateSession(QWidget* parent) override;
};

}  // namespace vostrane
