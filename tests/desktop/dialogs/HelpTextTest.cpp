// The help files quote the program's own words, the Japanese in 「」 and the English in "":
// every such quote must be text the program shows, so that help and program say the same.
// The program's Japanese texts are read from its sources (the string literals of the code
// and the strings of the forms), its English ones from the translation file.
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

// Menu accelerators ("(&N)", "&") are not part of what a quote says, nor are spaces and
// line breaks: a box breaks its lines where the help's text runs on.
std::string Normalised(std::string text) {
  text = std::regex_replace(text, std::regex(R"(\(&[A-Za-z0-9]\))"), "");
  for (const char* space : {"\n", " ", "\u00a0"})
    text = ReplaceAll(text, space, "");
  return ReplaceAll(text, "&", "");
}

std::string XmlText(std::string text) {
  text = std::regex_replace(text, std::regex("<[^>]*>"), "");
  for (const auto& [entity, character] : {std::pair{"&lt;", "<"},
                                          {"&gt;", ">"},
                                          {"&quot;", "\""},
                                          {"&apos;", "'"},
                                          {"&nbsp;", " "},
                                          {"&amp;", "&"}})
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

// The English the program shows: the translations, and the texts it never translates.
std::set<std::string> EnglishTexts() {
  std::set<std::string> texts;
  const std::string file = ReadFile(kSource / "translations/zelvani_en.ts");
  const std::regex translation("<translation[^>]*>([^<]*)</translation>");
  for (std::sregex_iterator m(file.begin(), file.end(), translation), end; m != end; ++m)
    InsertPieces(XmlText((*m)[1]), texts);
  // The code's own literals: "OK", and the language box's "日本語", shown in every language.
  texts.merge(ProgramTexts());
  texts.erase("");
  return texts;
}

// The outermost quotes of a help file's text, tags and entities resolved. Quotes marked
// alike at both ends do not nest.
std::vector<std::string> HelpQuotes(const char* file, const std::string& open,
                                    const std::string& close) {
  const std::string text = XmlText(ReadFile(kSource / "desktop/dialogs/help" / file));
  std::vector<std::string> quotes;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (depth > 0 && text.compare(i, close.size(), close) == 0) {
      if (--depth == 0)
        quotes.push_back(Normalised(text.substr(start, i - start)));
      i += close.size() - 1;
    } else if (text.compare(i, open.size(), open) == 0) {
      if (depth++ == 0)
        start = i + open.size();
      i += open.size() - 1;
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
    for (size_t j = i + 1; j <= piece.size(); ++j)
      if (!reached[j] && IsCharacterStart(piece, j) && texts.count(piece.substr(i, j - i)))
        reached[j] = true;
  }
  return reached[piece.size()];
}

// Each piece of a quote between the "…" that stand for names and numbers is text the
// program shows.
void ExpectProgramShows(const std::vector<std::string>& quotes,
                        const std::set<std::string>& texts) {
  for (const std::string& quote : quotes) {
    size_t from = 0;
    for (size_t to = quote.find(kEllipsis);; to = quote.find(kEllipsis, from)) {
      const std::string piece = quote.substr(from, to == std::string::npos ? to : to - from);
      EXPECT_TRUE(piece.empty() || ProgramShows(piece, texts)) << "[" << quote << "]";
      if (to == std::string::npos)
        break;
      from = to + kEllipsis.size();
    }
  }
}

TEST(HelpText, EveryQuoteInTheHelpIsTextTheProgramShows) {
  const std::set<std::string> texts = ProgramTexts();
  const std::vector<std::string> quotes = HelpQuotes("Zelvani.hlp", "「", "」");
  ASSERT_GT(quotes.size(), 30u);
  ASSERT_TRUE(texts.count("ポンします"));
  ExpectProgramShows(quotes, texts);
}

TEST(HelpText, EveryQuoteInTheEnglishHelpIsTextTheEnglishProgramShows) {
  const std::set<std::string> texts = EnglishTexts();
  const std::vector<std::string> quotes = HelpQuotes("Zelvani.en.hlp", "\"", "\"");
  ASSERT_GT(quotes.size(), 30u);
  ASSERT_TRUE(texts.count("Pon!"));
  ExpectProgramShows(quotes, texts);
}

}  // namespace
}  // namespace zelvani
