// SPDX-License-Identifier: GPL-3.0-or-later
// The error the table store raises: it carries the message text that the
// application's default handler shows to the user.
#pragma once

#include <stdexcept>
#include <string>

namespace vostrane {

class TableError : public std::runtime_error {
 public:
  explicit TableError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace vostrane
