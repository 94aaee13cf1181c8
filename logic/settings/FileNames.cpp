#include "logic/settings/FileNames.h"

#include <filesystem>
#include <system_error>

namespace zelvani {

namespace {

std::size_t LastSeparator(const std::string& name) {
  return name.find_last_of("\\/:");
}

}  // namespace

std::string ExtensionUpper(const std::string& fileName) {
  const std::size_t dot = fileName.find_last_of('.');
  const std::size_t sep = LastSeparator(fileName);
  if (dot == std::string::npos || (sep != std::string::npos && dot < sep))
    return {};
  std::string ext = fileName.substr(dot);
  for (char& c : ext)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  return ext;
}

std::string FileNamePart(const std::string& fileName) {
  const std::size_t sep = LastSeparator(fileName);
  return sep == std::string::npos ? fileName : fileName.substr(sep + 1);
}

std::string DirectoryPart(const std::string& fileName) {
  const std::size_t sep = LastSeparator(fileName);
  return sep == std::string::npos ? std::string() : fileName.substr(0, sep + 1);
}

bool IsRootedPath(const std::string& fileName) {
  const std::filesystem::path path(fileName);
  return path.has_root_directory() || path.has_root_name();
}

std::string FullPath(const std::string& fileName) {
  if (fileName.empty())
    return {};
  // Names are UTF-8 everywhere in the game. A path made from plain chars would read them
  // in the Windows code page instead, and hand them back garbled.
  const std::u8string name(fileName.begin(), fileName.end());
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(name, error);
  if (error)
    return fileName;
  const std::u8string full = path.lexically_normal().u8string();
  return std::string(full.begin(), full.end());
}

}  // namespace zelvani
