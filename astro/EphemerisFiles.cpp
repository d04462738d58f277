#include "astro/EphemerisFiles.h"

#include <algorithm>
#include <fstream>

namespace vostrane {
namespace {

std::optional<std::string> ReadStart(const std::string& name, size_t maxBytes) {
  std::ifstream in(name, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  std::string bytes(std::min(static_cast<size_t>(size), maxBytes), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<size_t>(in.gcount()) != bytes.size()) return std::nullopt;
  return bytes;
}

}  // namespace

const std::string* EphemerisFiles::Get(const std::string& name, size_t maxBytes) {
  auto it = files_.find(name);
  if (it == files_.end()) it = files_.emplace(name, ReadStart(name, maxBytes)).first;
  return it->second ? &*it->second : nullptr;
}

}  // namespace vostrane
