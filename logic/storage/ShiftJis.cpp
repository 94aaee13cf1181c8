#include "logic/storage/ShiftJis.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace zelvani {

namespace {

bool IsUtf8Continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// How many bytes of `rest` its first character takes: its lead byte and the continuation
// bytes that follow, as many as the lead byte asks for. A broken sequence is skipped by
// the same count, so it never swallows the next good character.
std::size_t Utf8CharacterLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  std::size_t length = 1;
  if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  std::size_t n = 1;
  while (n < length && n < rest.size() && IsUtf8Continuation(static_cast<unsigned char>(rest[n])))
    ++n;
  return n;
}

bool IsCp932TrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

std::size_t Cp932CharacterLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  if (IsCp932LeadByte(lead) && rest.size() > 1 &&
      IsCp932TrailByte(static_cast<unsigned char>(rest[1])))
    return 2;
  return 1;
}

#ifdef _WIN32

constexpr UINT kCodePage932 = 932;

// The system's converters treat a broken character in ways of their own: bad code page
// 932 turns into a katakana middle dot, a broken UTF-8 sequence may take the next
// character with it, and a character beyond the 16-bit plane gives two marks. So each
// character is converted alone, and every failure becomes exactly one "?".

// Decodes `text` one character at a time; `length` tells how long the character at the
// front of what remains is.
std::wstring Widen(UINT codePage, std::string_view text, std::size_t (*length)(std::string_view)) {
  std::wstring wide;
  wchar_t units[4];
  while (!text.empty()) {
    const std::size_t step = length(text);
    const int count = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(),
                                          static_cast<int>(step), units, 4);
    if (count > 0)
      wide.append(units, static_cast<std::size_t>(count));
    else
      wide += L'?';
    text.remove_prefix(step);
  }
  return wide;
}

// Characters code page 932 cannot hold become "?", never a look-alike.
std::string NarrowToCp932(const std::wstring& wide) {
  std::string text;
  char bytes[8];
  for (std::size_t i = 0; i < wide.size();) {
    const bool pair =
        IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && IS_LOW_SURROGATE(wide[i + 1]);
    const int units = pair ? 2 : 1;
    BOOL defaulted = FALSE;
    const int count = WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide.data() + i,
                                          units, bytes, sizeof bytes, "?", &defaulted);
    if (count > 0 && !defaulted)
      text.append(bytes, static_cast<std::size_t>(count));
    else
      text += '?';
    i += static_cast<std::size_t>(units);
  }
  return text;
}

std::string NarrowToUtf8(const std::wstring& wide) {
  if (wide.empty())
    return std::string();
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0)
    return std::string();
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
  return NarrowToCp932(Widen(CP_UTF8, utf8, Utf8CharacterLength));
}

std::string Cp932ToUtf8(std::string_view cp932) {
  return NarrowToUtf8(Widen(kCodePage932, cp932, Cp932CharacterLength));
}

#else

// One direction of conversion, opened once. Opening a converter sets up the code page's
// tables, which costs far more than converting a short name, and names are converted at
// every game's end; an iconv_t must not be shared between threads, so each thread keeps
// its own.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Opened())
      iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Opened() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Get() const { return cd_; }

 private:
  iconv_t cd_;
};

Converter& Utf8ToCp932Converter() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

Converter& Cp932ToUtf8Converter() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

// Runs iconv over the whole input. Whenever a character cannot be converted, writes "?"
// and skips that character, whose length `skip` tells from the bytes that remain.
std::string Convert(Converter& converter, std::string_view input,
                    std::size_t (*skip)(std::string_view)) {
  std::string result;
  if (input.empty())
    return result;
  if (!converter.Opened()) {
    // No converter at all: keep plain ASCII, mark the rest.
    for (unsigned char c : input)
      result += c < 0x80 ? static_cast<char>(c) : '?';
    return result;
  }
  const iconv_t cd = converter.Get();
  // From the initial state, whatever the last conversion left.
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char buffer[256];
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    result.append(buffer, sizeof buffer - outLeft);
    if (rc != static_cast<std::size_t>(-1))
      break;
    if (errno == E2BIG)
      continue;
    // EILSEQ or EINVAL (a sequence cut short at the end): one "?" for the character.
    result += '?';
    const std::size_t step = skip(std::string_view(in, inLeft));
    in += step;
    inLeft -= step;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return result;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
  return Convert(Utf8ToCp932Converter(), utf8, Utf8CharacterLength);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  return Convert(Cp932ToUtf8Converter(), cp932, Cp932CharacterLength);
}

#endif

std::string TruncateCp932(std::string_view cp932, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < cp932.size()) {
    // A lead byte always takes its successor along, so that a cut never leaves half a
    // character behind, even in bytes that are not valid code page 932.
    const std::size_t width = IsCp932LeadByte(static_cast<unsigned char>(cp932[end])) ? 2 : 1;
    const std::size_t next = end + width;
    if (next > maxBytes || next > cp932.size())
      break;
    end = next;
  }
  return std::string(cp932.substr(0, end));
}

}  // namespace zelvani
