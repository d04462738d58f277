// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers in byte buffers: the expected bytes are written out by hand, as the
// file formats lay them down, so a swapped or shifted byte shows at once.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/ByteOrder.h"
#include "platform/PackedRecord.h"

namespace vostrane {
namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> out;
  for (int v : values) out.push_back(static_cast<uint8_t>(v));
  return out;
}

TEST(ByteOrder, LittleEndianReadsTheLowByteFirst) {
  EXPECT_EQ(ReadLe<uint16_t>(Bytes({0x41, 0x01}).data()), 0x0141);
  EXPECT_EQ(ReadLe<int16_t>(Bytes({0xFE, 0xFF}).data()), -2);
  EXPECT_EQ(ReadLe<uint32_t>(Bytes({0x10, 0x27, 0x00, 0x00}).data()), 10000u);  // a dBase record count
  EXPECT_EQ(ReadLe<int32_t>(Bytes({0x00, 0x00, 0x00, 0x80}).data()), INT32_MIN);
  EXPECT_EQ(ReadLe<uint64_t>(Bytes({1, 2, 3, 4, 5, 6, 7, 8}).data()), 0x0807060504030201ull);
  EXPECT_EQ(ReadLe<int64_t>(Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).data()), -2);
  // Julian day 2451545.0 (2000 January 1.5) as an IEEE double.
  EXPECT_EQ(ReadLe<double>(Bytes({0x00, 0x00, 0x00, 0x80, 0x2C, 0xB4, 0x42, 0x41}).data()), 2451545.0);
  EXPECT_EQ(ReadLe<double>(Bytes({0, 0, 0, 0, 0, 0, 0xE0, 0xBF}).data()), -0.5);
  EXPECT_EQ(ReadLe<float>(Bytes({0x00, 0x00, 0xC0, 0x3F}).data()), 1.5f);
  EXPECT_EQ(ReadLe<char>(Bytes({'Y'}).data()), 'Y');
}

TEST(ByteOrder, BigEndianReadsTheHighByteFirst) {
  EXPECT_EQ(ReadBe<uint32_t>(Bytes({0x00, 0x00, 0x01, 0x02}).data()), 258u);
  EXPECT_EQ(ReadBe<int32_t>(Bytes({0xFF, 0xFF, 0xFF, 0xFE}).data()), -2);  // a z below the ecliptic
  EXPECT_EQ(ReadBe<int32_t>(Bytes({0x7F, 0xFF, 0xFF, 0xFF}).data()), INT32_MAX);
  EXPECT_EQ(ReadBe<uint16_t>(Bytes({0x01, 0x41}).data()), 0x0141);
  EXPECT_EQ(ReadBe<uint64_t>(Bytes({1, 2, 3, 4, 5, 6, 7, 8}).data()), 0x0102030405060708ull);
}

TEST(ByteOrder, WritesLayTheBytesDownInOrderAndTouchNothingElse) {
  std::vector<uint8_t> b(12, 0xAA);
  WriteLe<uint16_t>(b.data() + 1, 0x0141);
  WriteBe<int32_t>(b.data() + 3, -2);
  WriteLe<uint32_t>(b.data() + 7, 10000);
  EXPECT_EQ(b, Bytes({0xAA, 0x41, 0x01, 0xFF, 0xFF, 0xFF, 0xFE, 0x10, 0x27, 0x00, 0x00, 0xAA}));

  std::string text(10, '-');
  WriteLe<double>(&text[1], 2451545.0);
  EXPECT_EQ(text, std::string("-\x00\x00\x00\x80\x2C\xB4\x42\x41-", 10));
}

TEST(ByteOrder, EveryWidthComesBackAsWrittenAtAnyOffset) {
  uint8_t buffer[16];
  for (size_t at = 0; at < 8; ++at) {
    for (int64_t v :
         {INT64_MIN, int64_t{-1}, int64_t{0}, int64_t{1}, int64_t{0x0123456789ABCDEF}, INT64_MAX}) {
      WriteLe<int64_t>(buffer + at, v);
      EXPECT_EQ(ReadLe<int64_t>(buffer + at), v);
      WriteBe<int64_t>(buffer + at, v);
      EXPECT_EQ(ReadBe<int64_t>(buffer + at), v);
      const auto v32 = static_cast<int32_t>(v);
      WriteLe<int32_t>(buffer + at, v32);
      EXPECT_EQ(ReadLe<int32_t>(buffer + at), v32);
      WriteBe<int32_t>(buffer + at, v32);
      EXPECT_EQ(ReadBe<int32_t>(buffer + at), v32);
      const auto v16 = static_cast<int16_t>(v);
      WriteLe<int16_t>(buffer + at, v16);
      EXPECT_EQ(ReadLe<int16_t>(buffer + at), v16);
    }
    for (double d : {0.0, -0.0, 1e-300, -123.456, 359.99999, 2451545.0}) {
      WriteLe<double>(buffer + at, d);
      const double back = ReadLe<double>(buffer + at);
      EXPECT_EQ(std::memcmp(&back, &d, sizeof d), 0) << d;  // -0.0 keeps its sign
    }
  }
}

// Index entries end in a big-endian record number so that entries with equal
// keys sort by record when compared byte by byte.
TEST(ByteOrder, BigEndianNumbersSortAsTheirBytes) {
  const uint32_t numbers[] = {0, 1, 255, 256, 65535, 65536, 16777216, 0xFFFFFFFF};
  for (uint32_t a : numbers) {
    for (uint32_t b : numbers) {
      uint8_t ea[4], eb[4];
      WriteBe<uint32_t>(ea, a);
      WriteBe<uint32_t>(eb, b);
      const int bytes = std::memcmp(ea, eb, 4);
      EXPECT_EQ(bytes < 0, a < b) << a << " " << b;
      EXPECT_EQ(bytes == 0, a == b) << a << " " << b;
    }
  }
}

TEST(ByteOrder, PackedRecordFieldsAreLittleEndian) {
  PackedRecord<16> r;
  r.Set<int32_t>(1, -5000000);  // -1 degree in the name file's fixed point
  r.Set<int16_t>(5, 300);
  r.Set<double>(7, -0.5);
  EXPECT_EQ(std::vector<uint8_t>(r.Data(), r.Data() + 16),
            Bytes({0x00, 0xC0, 0xB4, 0xB3, 0xFF, 0x2C, 0x01, 0, 0, 0, 0, 0, 0, 0xE0, 0xBF, 0x00}));
  EXPECT_EQ(r.Get<int32_t>(1), -5000000);
  EXPECT_EQ(r.Get<int16_t>(5), 300);
  EXPECT_EQ(r.Get<double>(7), -0.5);
}

}  // namespace
}  // namespace vostrane
