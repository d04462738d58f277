// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation progress window: a caption and three labels (the step,
// the entry being calculated, and a line for the planet pass). Shown
// non-modally while the driver runs; labels are repainted at once because
// the calculation does not return to the event loop.
#pragma once

#include <QDialog>
#include <QLabel>

#include "session/driver/CalcProgress.h"

namespace vostrane {

class CalculationProgress : public QDialog, public CalcProgress {
  Q_OBJECT

 public:
  explicit CalculationProgress(QWidget* parent = nullptr);

  // Runs the driver over the session file with this window as its progress.
  void CalculateSessionCharts();

  void SetStepCaption(const std::string& text) override;
  void SetEntryName(const std::string& text) override;
  void SetPlanetText(const std::string& text) override;

  QString StepText() const { return step_->text(); }

 private:
  QLabel* step_ = nullptr;
  QLabel* name_ = nullptr;
  QLabel* planet_ = nullptr;
};

}  // namespace vostrane
