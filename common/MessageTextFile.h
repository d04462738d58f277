// SPDX-License-Identifier: GPL-3.0-or-later
// The message text file "QIRTEXT.DAT": numbered texts of up to 70
// characters, text k in record k - 1 (records of 71 bytes, a length byte and
// 70 characters). Form captions, labels, name tables and many messages are
// read from it by number. The file stays open while the program runs.
#pragma once

#include <string>

namespace vostrane {

constexpr size_t kMessageTextRecordSize = 71;
inline constexpr const char* kMessageTextFileName = "QIRTEXT.DAT";
inline constexpr const char* kUnreadableText = "ERROR!!! UNABLE TO READ DATA!!!";

// Opens the file; false (after no message) when it cannot be opened or its
// size differs from the installation's list. A text whose record differs
// from the list reads as kUnreadableText; the first is named in a message.
bool OpenMessageTextFile();
// The message shown when the file cannot be opened: not on disk, or
// damaged (naming its records).
std::string MessageTextFileMissingText();
bool MessageTextFileIsOpen();
// Text k; on failure shows the read message and returns kUnreadableText.
std::string MessageText(int k);
// Positions so that the next NextMessageText() gives text k; shows the
// positioning message and returns false on failure.
bool PositionAtMessageText(int k);
// The text at the current position; shows the read message on failure.
std::string NextMessageText();
void CloseMessageTextFile();

}  // namespace vostrane
