// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/NameFileAccess.h"

#include "platform/MessageService.h"

namespace vostrane {

void NoNameFile::Save(const BirthDataFields&, ChartEntry&, int, bool&) {
  ShowMessage("Saving names is not available in this version of Vostrane.", MsgIcon::Information);
}

}  // namespace vostrane
