// The logic's texts are UTF-8 in std::string, or Text still to be translated; Qt's are
// QString. One conversion serves every window.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "logic/program/Text.h"

namespace zelvani {

inline QString ToQString(const std::string& text) {
  return QString::fromStdString(text);
}

// Looks a logic text's pattern up in the translations the application has installed.
inline std::string TranslateText(const char* context, const char* pattern) {
  return QCoreApplication::translate(context, pattern).toStdString();
}

// The text in the language the player reads.
inline std::string RenderText(const Text& text) {
  return text.Render(TranslateText);
}

inline QString ToQString(const Text& text) {
  return ToQString(RenderText(text));
}

}  // namespace zelvani
