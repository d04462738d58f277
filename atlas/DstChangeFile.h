// SPDX-License-Identifier: GPL-3.0-or-later
// The daylight-change file "DST.FIL": 8-byte records holding, per daylight
// table, the dated changes of zone and observance. It is open exactly while
// the birth data form is active; the daylight-time lookup reads it.
#pragma once

#include "platform/RecordFile.h"

namespace vostrane {

constexpr size_t kDstChangeRecordSize = 8;
inline constexpr const char* kDstChangeFileName = "DST.FIL";

// Opens the file read-only. When it cannot be opened, shows message texts
// 8938 and 8953 joined and returns false; the form goes on without it. A
// file that differs from the installation's list is named in an error
// message and not opened.
bool OpenDstChangeFile();
// Closes the file if it is open.
void CloseDstChangeFile();
bool DstChangeFileIsOpen();
// The open file, for the lookup to position and read.
RecordFile& DstChangeFile();

}  // namespace vostrane
