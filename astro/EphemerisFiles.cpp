#include "astro/EphemerisFiles.h"

#include "platform/FileSystem.h"

namespace vostrane {

const std::string* EphemerisFiles::Get(const std::string& name) {
  auto it = files_.find(name);
  if (it == files_.end()) it = files_.emplace(name, ReadWholeFile(name)).first;
  return it->second ? &*it->second : nullptr;
}

}  // namespace vostrane
