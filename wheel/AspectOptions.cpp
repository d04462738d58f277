// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectOptions.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/FileSystem.h"
#include "platform/MessageService.h"

namespace vostrane {

namespace {
constexpr char kMagic[4] = {'V', 'A', 'O', '1'};
constexpr int kMinFactor = 10;
constexpr int kMaxDeclinationOrbTenths = 50;
constexpr int kMaxMidpointOrbTenths = 50;

uint8_t Tenths(double orb) {
  return static_cast<uint8_t>(std::clamp(std::lround(orb * 10.0), 0L, long{kMaxDeclinationOrbTenths}));
}
}  // namespace

BodyClass BodyClassOf(int point) {
  if (point <= 1) return BodyClass::Luminaries;
  if (point <= 4) return BodyClass::Personal;
  if (point <= 6) return BodyClass::Social;
  if (point <= 9 || point == 17) return BodyClass::Outer;  // Chiron moves with the outer planets
  if (point == 11 || point == 12 || point == 20 || point == 21) return BodyClass::Angles;
  return BodyClass::Points;  // nodes, Part of Fortune, asteroids, hypothetical planets
}

const char* BodyClassName(BodyClass c) {
  static const char* const names[kBodyClassCount] = {
      "Luminaries", "Personal planets", "Social planets", "Outer planets", "Angles", "Points"};
  return names[static_cast<int>(c)];
}

AspectOptions::AspectOptions() {
  std::memcpy(bytes.data(), kMagic, sizeof kMagic);
  for (int c = 0; c < kBodyClassCount; ++c) bytes[5 + c] = 100;
  bytes[12] = bytes[14] = 10;  // 1 degree when switched on
}

double AspectOptions::PairFactor(int pointA, int pointB) const {
  return std::max(Factor(BodyClassOf(pointA)), Factor(BodyClassOf(pointB)));
}

void AspectOptions::SetParallel(bool on, double orb) {
  bytes[11] = on ? 1 : 0;
  bytes[12] = Tenths(orb);
}

void AspectOptions::SetContraparallel(bool on, double orb) {
  bytes[13] = on ? 1 : 0;
  bytes[14] = Tenths(orb);
}

double AspectOptions::MidpointOrb() const {
  return bytes[15] == 0 ? kDefaultMidpointOrb : bytes[15] / 10.0;
}

void AspectOptions::SetMidpointOrb(double orb) {
  bytes[15] = static_cast<uint8_t>(std::clamp(std::lround(orb * 10.0), 1L, long{kMaxMidpointOrbTenths}));
}

bool AspectOptions::Valid() const {
  if (std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) return false;
  if (bytes[4] > 3) return false;
  for (int c = 0; c < kBodyClassCount; ++c)
    if (bytes[5 + c] < kMinFactor) return false;  // a byte holds at most 255 %
  return bytes[11] <= 1 && bytes[13] <= 1 && bytes[12] <= kMaxDeclinationOrbTenths &&
         bytes[14] <= kMaxDeclinationOrbTenths && bytes[15] <= kMaxMidpointOrbTenths;
}

bool ReadAspectOptions(AspectOptions& options, const std::string& path) {
  options = AspectOptions{};
  if (!FileExists(path)) return true;
  const std::optional<std::string> data = ReadWholeFile(path);
  AspectOptions read;
  if (data && data->size() == kAspectOptionsSize)
    std::memcpy(read.bytes.data(), data->data(), kAspectOptionsSize);
  if (!data || data->size() != kAspectOptionsSize || !read.Valid()) {
    ShowMessage(std::string("ERROR!  File ") + kAspectOptionsFileName +
                    " is damaged. The orb factors and declination aspects are back at their defaults; "
                    "set them again under Preferences, Aspects.",
                MsgIcon::Error);
    return false;
  }
  options = read;
  return true;
}

bool WriteAspectOptions(const AspectOptions& options, const std::string& path) {
  return ReplaceFileContents(
      path, std::string(reinterpret_cast<const char*>(options.bytes.data()), options.bytes.size()));
}

}  // namespace vostrane
