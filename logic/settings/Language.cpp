#include "logic/settings/Language.h"

#include <string_view>

namespace zelvani {

namespace {

// What one locale name ("ja_JP.UTF-8", "en", "C") asks for; nothing for an empty name.
enum class Asks { Nothing, NoLocale, Japanese, Other };

Asks AsksFor(std::string_view name) {
  if (name.empty())
    return Asks::Nothing;
  if (name == "C" || name == "POSIX" || name.starts_with("C."))
    return Asks::NoLocale;
  if (name.starts_with("ja"))
    return Asks::Japanese;
  return Asks::Other;
}

std::string_view Value(const Environment& environment, const char* name) {
  const char* value = environment ? environment(name) : nullptr;
  return value ? std::string_view(value) : std::string_view();
}

// The language the environment asks for; `noLocale` when it asks for none.
Language LanguageAskedFor(const Environment& environment, Language noLocale) {
  // The locale of messages: the first of LC_ALL, LC_MESSAGES and LANG that is set.
  Asks locale = Asks::Nothing;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = AsksFor(Value(environment, name));
    if (locale != Asks::Nothing)
      break;
  }
  // LANGUAGE lists languages by preference, and counts only with a locale other than "C".
  if (locale == Asks::Japanese || locale == Asks::Other) {
    std::string_view list = Value(environment, "LANGUAGE");
    while (!list.empty()) {
      const std::size_t colon = list.find(':');
      const std::string_view entry = list.substr(0, colon);
      list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
      if (entry.starts_with("ja"))
        return Language::Japanese;
      if (entry.starts_with("en"))
        return Language::English;
    }
  }
  if (locale == Asks::Nothing || locale == Asks::NoLocale)
    return noLocale;
  return locale == Asks::Other ? Language::English : Language::Japanese;
}

}  // namespace

Language SystemLanguage(const Environment& environment) {
  return LanguageAskedFor(environment, Language::Japanese);
}

Language TerminalLanguage(const Environment& environment) {
  return LanguageAskedFor(environment, Language::English);
}

Language ChosenLanguage(LanguageChoice choice, const Environment& environment) {
  switch (choice) {
    case LanguageChoice::Japanese:
      return Language::Japanese;
    case LanguageChoice::English:
      return Language::English;
    default:
      return SystemLanguage(environment);
  }
}

const char* LanguageCode(Language language) {
  return language == Language::English ? "en" : "ja";
}

}  // namespace zelvani
