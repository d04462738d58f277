// The phases of a session as this build carries them out: the calculation
// driver with its progress window; data entry and viewing where this build
// has them, otherwise the pending stand-ins.
#pragma once

#include "shell/gui/PendingPhases.h"

namespace vostrane {

class AppPhases : public PendingPhases {
 public:
  void CalculateSession(QWidget* parent) override;
};

}  // namespace vostrane
