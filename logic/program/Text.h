// A text the player reads, kept as its Japanese pattern and the values that fill the
// pattern's place-holders %1..%9, so that the windows can translate the whole sentence and
// let each language order its words. Names and numbers fill place-holders as they are;
// pieces that are words themselves (a card's name, a reason) are texts of their own and are
// translated in turn. Rendered with no translator, a text is the Japanese the game has
// always shown.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zelvani {

// Gives the translation of `pattern`, a source text of `context`, or `pattern` itself
// when there is none.
using Translator = std::function<std::string(const char* context, const char* pattern)>;

class Text {
 public:
  // No text at all; renders as "".
  Text() = default;

  // A name, a number or a file's path: shown as it is in every language.
  static Text Verbatim(std::string text);
  // Items joined by a separator that is itself translated ("、" becomes ", ").
  static Text Joined(Text separator, std::vector<Text> items);

  // Fills the next place-holder, %1 first.
  Text& Arg(std::string verbatim) &;
  Text& Arg(int number) &;
  Text& Arg(Text piece) &;
  Text&& Arg(std::string verbatim) && { return std::move(Arg(std::move(verbatim))); }
  Text&& Arg(int number) && { return std::move(Arg(number)); }
  Text&& Arg(Text piece) && { return std::move(Arg(std::move(piece))); }

  // The text in the translator's language; the Japanese when `translate` is empty.
  std::string Render(const Translator& translate = {}) const;
  bool Empty() const;

  // The pattern a translator sees, for tests and tools.
  const char* Context() const { return context_; }
  const char* Pattern() const { return pattern_; }

 private:
  friend Text Translatable(const char* context, const char* pattern);

  const char* context_ = "";
  const char* pattern_ = "";
  std::string verbatim_;
  std::vector<Text> args_;
  // Set for a joined list: items are args_, the separator is this.
  std::shared_ptr<Text> separator_;
};

// A source text for the translators, with %1..%9 for the values that Arg fills in order.
// Both arguments must be string literals: the translation tool collects them from the
// source code, and the text keeps only their addresses.
Text Translatable(const char* context, const char* pattern);

// Puts each %N (N = 1..9) of `pattern` in place with values[N - 1] in a single pass, so a
// value that itself holds "%1" (a player may be called so) is left alone. A %N with no
// value stays as it is.
std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& values);

}  // namespace zelvani
