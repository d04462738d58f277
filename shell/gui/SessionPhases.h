// SPDX-License-Identifier: GPL-3.0-or-later
// What the shell's run-state loop asks of the three phases of a session:
// data entry, calculation and viewing. The subsystems that carry out each
// phase implement it; the shell only steers. The program hands its phases
// to the main window; tests hand their own.
#pragma once

class QWidget;
class QObject;

namespace vostrane {

struct ShellState;

struct ViewerSize {
  int height = 680;
  int printoutHeight = 635;
};

class SessionPhases {
 public:
  virtual ~SessionPhases() = default;
  // Shows the birth data form modally; on return the phase of `state` is
  // CalculateAndShow or MainMenu and the session file holds its terminator.
  virtual void ShowBirthDataForm(QWidget* parent, ShellState& state) = 0;
  // Calculates every entry of the session file in place, showing progress.
  virtual void CalculateSession(QWidget* parent) = 0;
  // Copies the printout options of the control record into the drawing settings.
  virtual void PrepareDrawing() = 0;
  // Shows the viewer modally; on return the phase of `state` says where the
  // shell goes next.
  virtual void ShowViewer(QWidget* parent, ShellState& state, ViewerSize size) = 0;
  // Releases what the viewer held after a viewing.
  virtual void CloseViewer() = 0;
};

}  // namespace vostrane
