#include "logic/program/Text.h"

namespace zelvani {

Text Translatable(const char* context, const char* pattern) {
  Text text;
  text.context_ = context;
  text.pattern_ = pattern;
  return text;
}

Text Text::Verbatim(std::string text) {
  Text result;
  result.verbatim_ = std::move(text);
  return result;
}

Text Text::Joined(Text separator, std::vector<Text> items) {
  Text result;
  result.args_ = std::move(items);
  result.separator_ = std::make_shared<Text>(std::move(separator));
  return result;
}

Text& Text::Arg(std::string verbatim) & {
  args_.push_back(Verbatim(std::move(verbatim)));
  return *this;
}

Text& Text::Arg(int number) & {
  return Arg(std::to_string(number));
}

Text& Text::Arg(Text piece) & {
  args_.push_back(std::move(piece));
  return *this;
}

bool Text::Empty() const {
  return *pattern_ == '\0' && verbatim_.empty() && args_.empty();
}

std::string Text::Render(const Translator& translate) const {
  if (separator_) {
    const std::string separator = separator_->Render(translate);
    std::string joined;
    for (std::size_t i = 0; i < args_.size(); ++i)
      joined += (i > 0 ? separator : std::string()) + args_[i].Render(translate);
    return joined;
  }
  if (*pattern_ == '\0')
    return verbatim_;
  std::vector<std::string> values;
  values.reserve(args_.size());
  for (const Text& arg : args_)
    values.push_back(arg.Render(translate));
  const std::string pattern = translate ? translate(context_, pattern_) : std::string(pattern_);
  return FillPlaceholders(pattern, values);
}

std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& values) {
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9' &&
        static_cast<std::size_t>(next - '1') < values.size()) {
      text += values[next - '1'];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace zelvani
