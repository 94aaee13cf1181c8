#include "logic/storage/CommaText.h"

namespace zelvani {

namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';

// Spaces and control characters; the bytes of multi-byte characters are never blanks.
bool IsBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F;
}

bool NeedsQuotes(const std::string& cell) {
  for (char c : cell)
    if (IsBlank(c) || c == kComma || c == kQuote)
      return true;
  return false;
}

std::string Quoted(const std::string& cell) {
  std::string text(1, kQuote);
  for (char c : cell) {
    if (c == kQuote)
      text += kQuote;
    text += c;
  }
  text += kQuote;
  return text;
}

}  // namespace

std::string ToCommaText(const std::vector<std::string>& cells) {
  if (cells.size() == 1 && cells[0].empty())
    return std::string(2, kQuote);
  std::string text;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0)
      text += kComma;
    text += NeedsQuotes(cells[i]) ? Quoted(cells[i]) : cells[i];
  }
  return text;
}

std::vector<std::string> ParseCommaText(std::string_view text) {
  std::vector<std::string> items;
  std::size_t p = 0;
  const std::size_t end = text.size();
  auto skipBlanks = [&] {
    while (p < end && IsBlank(text[p]))
      ++p;
  };
  skipBlanks();
  while (p < end) {
    std::string item;
    if (text[p] == kQuote) {
      ++p;
      while (p < end) {
        if (text[p] == kQuote) {
          // A doubled quote is one quote of the item; a single one closes it.
          if (p + 1 < end && text[p + 1] == kQuote) {
            item += kQuote;
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        item += text[p++];
      }
    } else {
      while (p < end && !IsBlank(text[p]) && text[p] != kComma)
        item += text[p++];
    }
    items.push_back(std::move(item));
    skipBlanks();
    if (p < end && text[p] == kComma) {
      ++p;
      skipBlanks();
    }
  }
  return items;
}

}  // namespace zelvani
