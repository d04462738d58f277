#include "tools/batch/BatchCommands.h"

namespace vostrane::batch {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"version", "", "print the program version", RunVersion},
  };
  return commands;
}

}  // namespace vostrane::batch
