// Reading and writing the little-endian integers of the stored binary records, whatever
// the byte order of the machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelvani {

using Bytes = std::vector<std::uint8_t>;

inline void PutUint16(Bytes& out, std::size_t at, std::uint16_t value) {
  out[at] = static_cast<std::uint8_t>(value & 0xFF);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutInt32(Bytes& out, std::size_t at, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i)
    out[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

inline std::uint16_t GetUint16(const std::uint8_t* in) {
  return static_cast<std::uint16_t>(in[0] | (in[1] << 8));
}

inline std::int32_t GetInt32(const std::uint8_t* in) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i)
    bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

}  // namespace zelvani
