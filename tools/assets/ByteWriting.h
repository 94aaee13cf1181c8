// Little-endian numbers appended to the bytes of a bitmap or wave file.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace zelvani::assets {

inline void Put16(QByteArray& out, std::uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>(v >> 8));
}

inline void Put32(QByteArray& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8)
    out.append(static_cast<char>((v >> shift) & 0xFF));
}

}  // namespace zelvani::assets
