// The settings store in the Windows registry, below HKEY_CURRENT_USER. Built on Windows
// only. Text is stored as REG_SZ, binary values as REG_BINARY; every write goes through at
// once.
#pragma once

#include "settings/Registry.h"

namespace zelvani {

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(const std::string& path, bool create) override;
  bool Flush() override { return true; }
};

}  // namespace zelvani
