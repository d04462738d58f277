// The viewing phase as the shell runs it: the viewer window, made once and
// kept until the program ends, shown modally for each viewing with the
// drawing settings the shell copied from the control record.
#pragma once

#include "derived/DerivedChartDialog.h"

class QObject;
class QWidget;

namespace vostrane {

class TBtnRightDlgWheel;

// Copies the printout options of the control record into the drawing
// settings the next viewing uses.
void PrepareViewerDrawing();

// Shows the viewer modally (made on first use as a child of `parent`) with
// the client height the shell chose; the printout area's height belongs to
// the report view, which this viewer does not show. On return RunState is
// NewList or MainMenu.
void ShowViewerWindow(QWidget* parent, int height, int printoutHeight);

// The dialog behind "Add Derived Chart..." for the viewings that follow.
void SetViewerDerivedChartDialog(DerivedChartDialog dialog);

// Releases whatever the viewer still holds after a viewing.
void CloseViewerWindow();

// The viewer, or nullptr before its first use.
TBtnRightDlgWheel* ViewerWindow();

}  // namespace vostrane
