// Which language a start speaks, from the options' choice and the environment.
#include "logic/settings/Language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zelvani {
namespace {

Language FromEnvironment(const std::map<std::string, std::string>& variables) {
  return SystemLanguage([&variables](const char* name) -> const char* {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.c_str();
  });
}

TEST(SystemLanguage, FollowsTheLocaleOfMessagesAndJapaneseWhenThereIsNone) {
  EXPECT_EQ(FromEnvironment({}), Language::Japanese);
  EXPECT_EQ(FromEnvironment({{"LANG", "C.UTF-8"}}), Language::Japanese);
  EXPECT_EQ(FromEnvironment({{"LANG", "ja_JP.UTF-8"}}), Language::Japanese);
  EXPECT_EQ(FromEnvironment({{"LANG", "en_GB.UTF-8"}}), Language::English);
  // A language with no translation of its own reads English.
  EXPECT_EQ(FromEnvironment({{"LANG", "de_DE.UTF-8"}}), Language::English);
  // LC_ALL before LC_MESSAGES before LANG.
  EXPECT_EQ(FromEnvironment({{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}),
            Language::Japanese);
  EXPECT_EQ(FromEnvironment({{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LC_ALL", "POSIX"}}),
            Language::Japanese);
  EXPECT_EQ(FromEnvironment({{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LC_ALL", "en_US"}}),
            Language::English);
}

TEST(SystemLanguage, LanguageListsPreferencesUnlessTheLocaleIsC) {
  EXPECT_EQ(FromEnvironment({{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "fr:en:ja"}}),
            Language::English);
  EXPECT_EQ(FromEnvironment({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de:ja"}}), Language::Japanese);
  EXPECT_EQ(FromEnvironment({{"LANG", "C"}, {"LANGUAGE", "en"}}), Language::Japanese);
  EXPECT_EQ(FromEnvironment({{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", ""}}), Language::Japanese);
}

TEST(TerminalLanguage, IsEnglishWithNoLocale) {
  EXPECT_EQ(TerminalLanguage([](const char*) -> const char* { return nullptr; }),
            Language::English);
  EXPECT_EQ(TerminalLanguage([](const char* name) -> const char* {
              return std::string(name) == "LC_ALL" ? "ja_JP.UTF-8" : nullptr;
            }),
            Language::Japanese);
}

TEST(ChosenLanguage, TheOptionsChoiceWinsOverTheSystem) {
  const Environment english = [](const char* name) -> const char* {
    return std::string(name) == "LANG" ? "en_US.UTF-8" : nullptr;
  };
  EXPECT_EQ(ChosenLanguage(LanguageChoice::Automatic, english), Language::English);
  EXPECT_EQ(ChosenLanguage(LanguageChoice::Japanese, english), Language::Japanese);
  EXPECT_EQ(ChosenLanguage(LanguageChoice::English, {}), Language::English);
}

}  // namespace
}  // namespace zelvani
