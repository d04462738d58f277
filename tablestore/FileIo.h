// SPDX-License-Identifier: GPL-3.0-or-later
// Positioned whole reads and writes on a file descriptor, retried until the
// full length is transferred; false on any failure or short file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vostrane {

bool ReadAt(int fd, void* buffer, size_t size, int64_t offset);
bool WriteAt(int fd, const void* buffer, size_t size, int64_t offset);
// Size of the open file, or -1.
int64_t OpenFileSize(int fd);

}  // namespace vostrane
