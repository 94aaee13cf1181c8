// Conversion between the program's UTF-8 text and code page 932 (Shift_JIS as Windows
// writes it), the encoding of names inside stored high-score records.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvani {

// A character code page 932 cannot hold, and any byte that is not valid UTF-8, becomes
// "?"; everything else converts one for one.
std::string Utf8ToCp932(std::string_view utf8);
// A byte sequence that is not valid code page 932 becomes "?" per broken character.
std::string Cp932ToUtf8(std::string_view cp932);

// The longest prefix of `cp932` of at most `maxBytes` bytes that ends on a character
// boundary, so a double-byte character is never cut in half.
std::string TruncateCp932(std::string_view cp932, std::size_t maxBytes);

// Whether `byte` starts a double-byte character in code page 932.
constexpr bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace zelvani
