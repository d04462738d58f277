// SPDX-License-Identifier: GPL-3.0-or-later
// The data entry phase as the shell starts it: the birth data form, created
// once and kept until the program ends, shown modally for a new session.
#pragma once

#include <QPointer>

class QWidget;

namespace vostrane {

class BirthDataForm;
struct ShellState;

class BirthDataPhase {
 public:
  // Shows the birth data form modally (creating it on first use as a child
  // of `parent`, which then owns it). On return the phase of `state` is
  // CalculateAndShow or MainMenu and the session file holds its terminator.
  void ShowBirthDataForm(QWidget* parent, ShellState& state);

  // The form, created on the first call with the given parent.
  BirthDataForm& CreateBirthDataForm(QWidget* parent);

  // The form, or nullptr before its first use.
  BirthDataForm* BirthDataWindow() const;

 private:
  QPointer<BirthDataForm> form_;  // owned by its parent
};

}  // namespace vostrane
