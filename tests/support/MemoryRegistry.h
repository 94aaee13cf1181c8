// An in-memory settings store for tests: keys by path, values that are text, binary or
// of a third kind the game never writes (to stand for a value of the wrong type), and
// switches that make writes or the final flush fail; backups are counted.
#pragma once

#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "logic/storage/Registry.h"

namespace zelvani {

// A value of a kind neither text nor binary, such as a registry DWORD.
struct OtherValue {
  int Number = 0;
  bool operator==(const OtherValue&) const = default;
};

using StoredValue = std::variant<std::string, std::vector<std::uint8_t>, OtherValue>;

class MemoryRegistry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(const std::string& path, bool create) override;
  bool Flush() override {
    ++Flushes;
    return FlushSucceeds;
  }
  bool KeepBackup(const std::string&) override {
    ++Backups;
    return true;
  }
  StoreFailure LastFailure() const override { return Failure; }

  // Paths without the leading "\", "/" turned into "\".
  static std::string Normal(const std::string& path);

  bool HasKey(const std::string& path) const { return Keys.count(Normal(path)) > 0; }
  bool Has(const std::string& path, const std::string& name) const;
  const StoredValue* Find(const std::string& path, const std::string& name) const;
  std::string Text(const std::string& path, const std::string& name) const;
  std::vector<std::uint8_t> Binary(const std::string& path, const std::string& name) const;
  // Stores a value directly, creating its key.
  void Put(const std::string& path, const std::string& name, const StoredValue& value);

  std::set<std::string> Keys;
  std::map<std::string, std::map<std::string, StoredValue>> Values;
  // Writes left before every further write is refused; negative for no limit.
  int WritesAllowed = -1;
  int Writes = 0;
  bool FlushSucceeds = true;
  int Flushes = 0;
  int Backups = 0;
  StoreFailure Failure;
};

}  // namespace zelvani
