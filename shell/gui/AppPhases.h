// The phases of a session as this build carries them out: the birth data
// form, the calculation driver with its progress window, and the viewer.
#pragma once

#include "shell/gui/SessionPhases.h"

namespace vostrane {

class AppPhases : public SessionPhases {
 public:
  void ShowBirthDataForm(QWidget* parent) override;
  void CalculateSession(QWidget* parent) override;
  void PrepareDrawing() override;
  void ShowViewer(QWidget* parent, ViewerSize size) override;
  void CloseViewer() override;
};

}  // namespace vostrane
