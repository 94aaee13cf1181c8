// The help file quotes the program's own words in 「」: every such quote must be text the
// program shows, so that help and program say the same. The program's texts are read from
// its sources: the string literals of the code and the strings of the forms.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zelvani {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = ZELVANI_SOURCE_DIR;
const std::string kOpen = "「";
const std::string kClose = "」";
const std::string kEllipsis = "…";  // in a quote: a name or number the program fills in

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// Line breaks and menu accelerators ("(&N)", "&") are not part of what a quote says.
std::string Normalised(std::string text) {
  text = std::regex_replace(text, std::regex(R"(\(&[A-Za-z0-9]\))"), "");
  text = ReplaceAll(text, "\n", "");
  return ReplaceAll(text, "&", "");
}

std::string XmlText(std::string text) {
  text = std::regex_replace(text, std::regex("<[^>]*>"), "");
  for (const auto& [entity, character] :
       {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}, {"&amp;", "&"}})
    text = ReplaceAll(text, entity, character);
  return text;
}

// A text with place-holders ("%1の番です") counts as its pieces between them, the filled-in
// names and numbers being what "…" stands for in a quote.
void InsertPieces(const std::string& text, std::set<std::string>& out) {
  const std::regex placeholder("%[1-9]");
  for (std::sregex_token_iterator piece(text.begin(), text.end(), placeholder, -1), end;
       piece != end; ++piece)
    out.insert(Normalised(*piece));
}

// The string literals of C++ code, comments and character literals skipped.
void CollectLiterals(const std::string& code, std::set<std::string>& out) {
  for (size_t i = 0; i < code.size(); ++i) {
    if (code.compare(i, 2, "//") == 0) {
      i = code.find('\n', i);
      if (i == std::string::npos)
        return;
    } else if (code.compare(i, 2, "/*") == 0) {
      i = code.find("*/", i + 2);
      if (i == std::string::npos)
        return;
      ++i;
    } else if (code[i] == '\'') {
      i += code[i + 1] == '\\' ? 3 : 2;
    } else if (code[i] == '"') {
      std::string literal;
      for (++i; i < code.size() && code[i] != '"'; ++i) {
        if (code[i] == '\\' && i + 1 < code.size()) {
          ++i;
          literal += code[i] == 'n' ? '\n' : code[i];
        } else {
          literal += code[i];
        }
      }
      InsertPieces(literal, out);
    }
  }
}

std::set<std::string> ProgramTexts() {
  std::set<std::string> texts;
  const std::regex formString("<string[^>]*>([^<]*)</string>");
  for (const char* folder : {"logic", "desktop"}) {
    for (const auto& entry : fs::recursive_directory_iterator(kSource / folder)) {
      const fs::path& path = entry.path();
      const std::string text = ReadFile(path);
      if (path.extension() == ".ui") {
        for (std::sregex_iterator m(text.begin(), text.end(), formString), end; m != end; ++m)
          InsertPieces(XmlText((*m)[1]), texts);
      } else if (path.extension() == ".cpp" || path.extension() == ".h") {
        CollectLiterals(text, texts);
      }
    }
  }
  texts.erase("");
  return texts;
}

// The outermost 「」 quotes of the help's text, tags and entities resolved.
std::vector<std::string> HelpQuotes() {
  const std::string text = XmlText(ReadFile(kSource / "desktop/dialogs/help/Zelvani.hlp"));
  std::vector<std::string> quotes;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, kOpen.size(), kOpen) == 0) {
      if (depth++ == 0)
        start = i + kOpen.size();
    } else if (text.compare(i, kClose.size(), kClose) == 0 && depth > 0) {
      if (--depth == 0)
        quotes.push_back(Normalised(text.substr(start, i - start)));
    }
  }
  return quotes;
}

bool IsCharacterStart(const std::string& text, size_t at) {
  return at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
}

size_t Characters(const std::string& text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i)
    count += IsCharacterStart(text, i);
  return count;
}

// Whether `piece` is what the program shows: inside one of its texts, or texts it joins
// (the end of one, whole ones, the start of another), as "あなた" + "の番です。…". Ends
// and starts of a single character would let almost anything through.
bool ProgramShows(const std::string& piece, const std::set<std::string>& texts) {
  const auto any = [&texts](auto test) {
    for (const std::string& text : texts)
      if (test(text))
        return true;
    return false;
  };
  const auto inside = [&](const std::string& s) {
    return any([&s](const std::string& t) { return t.find(s) != std::string::npos; });
  };
  const auto ending = [&](const std::string& s) {
    return Characters(s) > 1 && any([&s](const std::string& t) { return t.ends_with(s); });
  };
  const auto starting = [&](const std::string& s) {
    return Characters(s) > 1 && any([&s](const std::string& t) { return t.starts_with(s); });
  };
  if (inside(piece))
    return true;
  // reached[i]: the piece up to i is the end of a text followed by whole texts.
  std::vector<bool> reached(piece.size() + 1, false);
  for (size_t i = 1; i < piece.size(); ++i)
    reached[i] = IsCharacterStart(piece, i) && ending(piece.substr(0, i));
  for (size_t i = 1; i < piece.size(); ++i) {
    if (!reached[i])
      continue;
    if (starting(piece.substr(i)))
      return true;
    for (size_t j = i + 1; j < piece.size(); ++j)
      if (!reached[j] && IsCharacterStart(piece, j) && texts.count(piece.substr(i, j - i)))
        reached[j] = true;
  }
  return false;
}

TEST(HelpText, EveryQuoteInTheHelpIsTextTheProgramShows) {
  const std::set<std::string> texts = ProgramTexts();
  const std::vector<std::string> quotes = HelpQuotes();
  ASSERT_GT(quotes.size(), 30u);
  ASSERT_TRUE(texts.count("ポンします"));
  for (const std::string& quote : quotes) {
    size_t from = 0;
    for (size_t to = quote.find(kEllipsis);; to = quote.find(kEllipsis, from)) {
      const std::string piece = quote.substr(from, to == std::string::npos ? to : to - from);
      EXPECT_TRUE(piece.empty() || ProgramShows(piece, texts)) << "「" << quote << "」";
      if (to == std::string::npos)
        break;
      from = to + kEllipsis.size();
    }
  }
}

}  // namespace
}  // namespace zelvani
