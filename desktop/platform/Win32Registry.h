// The settings store in the Windows registry, below HKEY_CURRENT_USER. Built on Windows
// only. Text is stored as REG_SZ, binary values as REG_BINARY; every write goes through at
// once.
#pragma once

#include <set>
#include <string>

#include "logic/storage/Registry.h"

namespace zelvani {

class Win32Registry : public Registry {
 public:
  // A key below a program key whose wanted backup could not be made is not created.
  std::unique_ptr<RegistryKey> OpenKey(const std::string& path, bool create) override;
  bool Flush() override { return true; }
  // The copies are the keys "<key>.bad", "<key>.2.bad" and so on beside the program key;
  // an existing one is never replaced.
  bool KeepBackup(const std::string& path) override;
  StoreFailure LastFailure() const override { return failure_; }

 private:
  std::set<std::wstring> backedUp_;
  std::set<std::wstring> notBackedUp_;
  StoreFailure failure_;
};

}  // namespace zelvani
