// What the shell's run-state loop asks of the three phases of a session:
// data entry, calculation and viewing. The subsystems that carry out each
// phase implement it; the shell only steers.
#pragma once

class QWidget;
class QObject;

namespace vostrane {

struct ViewerSize {
  int height = 680;
  int printoutHeight = 635;
};

class SessionPhases {
 public:
  virtual ~SessionPhases() = default;
  // Shows the birth data form modally; on return RunState is CalculateAndShow or MainMenu and
  // the session file holds its terminator.
  virtual void ShowBirthDataForm(QWidget* parent) = 0;
  // Calculates every entry of the session file in place, showing progress.
  virtual void CalculateSession(QWidget* parent) = 0;
  // Copies the printout options of the control record into the drawing settings.
  virtual void PrepareDrawing() = 0;
  // Shows the viewer modally; on return RunState is NewList or MainMenu.
  virtual void ShowViewer(QWidget* parent, ViewerSize size) = 0;
  // Releases what the viewer held after a viewing.
  virtual void CloseViewer() = 0;
};

// The phases available in this build.
SessionPhases& Phases();
// Replaces the phases (not owned); tests install their own.
void SetPhases(SessionPhases* phases);

}  // namespace vostrane
