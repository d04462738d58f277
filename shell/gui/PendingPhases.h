// Stand-ins for the phases whose subsystems this build does not have yet:
// data entry tells the user it is not available and returns to the main
// menu; calculation and viewing do nothing and return to the main menu.
#pragma once

#include "shell/gui/SessionPhases.h"

namespace vostrane {

class PendingPhases : public SessionPhases {
 public:
  void ShowBirthDataForm(QWidget* parent) override;
  void CalculateSession(QWidget* parent) override;
  void PrepareDrawing() override;
  void ShowViewer(QWidget* parent, QObject* sender, ViewerSize size) override;
  void CloseViewer() override;
};

}  // namespace vostrane
