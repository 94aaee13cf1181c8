// The logic's texts are UTF-8 in std::string; Qt's are QString. One conversion serves
// every window.
#pragma once

#include <QString>
#include <string>

namespace zelvani {

inline QString ToQString(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace zelvani
