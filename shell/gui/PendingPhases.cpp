#include "shell/gui/PendingPhases.h"

#include "platform/MessageService.h"
#include "shell/RunState.h"

namespace vostrane {

void PendingPhases::ShowBirthDataForm(QWidget*) {
  ShowMessage("Birth data entry is not available in this version of Vostrane.",
              MsgIcon::Information);
  RunState = 'Q';
}

void PendingPhases::CalculateSession(QWidget*) {}

void PendingPhases::PrepareDrawing() {}

void PendingPhases::ShowViewer(QWidget*, QObject*, ViewerSize) { RunState = 'Q'; }

void PendingPhases::CloseViewer() {}

}  // namespace vostrane
