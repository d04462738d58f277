// SPDX-License-Identifier: GPL-3.0-or-later
// The viewing phase as the shell runs it: the viewer window, made once and
// kept until the program ends, shown modally for each viewing with the
// drawing settings the shell copied from the control record.
#pragma once

#include <QPointer>

#include "entry/gui/DerivedChartDialog.h"
#include "viewer/DrawingSettings.h"

class QObject;
class QWidget;

namespace vostrane {

class ChartViewer;
struct ShellState;

class ViewerPhase {
 public:
  // Copies the printout options of the control record into the drawing
  // settings the next viewing uses.
  void PrepareViewerDrawing();

  // Shows the viewer modally (made on first use as a child of `parent`,
  // which then owns it) with the client height the shell chose; the
  // printout area's height belongs to the report view, which this viewer
  // does not show. The viewer reads and sets `shell`: on return its phase
  // says where the shell goes next.
  void ShowViewerWindow(QWidget* parent, ShellState& shell, int height, int printoutHeight);

  // The dialog behind "Add Derived Chart..." for the viewings that follow.
  void SetViewerDerivedChartDialog(DerivedChartDialog dialog);

  // Releases whatever the viewer still holds after a viewing.
  void CloseViewerWindow();

  // The viewer, or nullptr before its first use.
  ChartViewer* ViewerWindow() const;

 private:
  QPointer<ChartViewer> window_;
  DrawingSettings settings_;
  DerivedChartDialog derivedDialog_;
};

}  // namespace vostrane
