#include "support/MemoryRegistry.h"

namespace zelvani {

namespace {

class MemoryKey : public RegistryKey {
 public:
  MemoryKey(MemoryRegistry& registry, std::string path)
      : registry_(registry), path_(std::move(path)) {}

  bool ValueExists(const std::string& name) override { return registry_.Has(path_, name); }

  ReadResult<std::string> ReadString(const std::string& name) override {
    ReadResult<std::string> result;
    const StoredValue* value = registry_.Find(path_, name);
    if (!value)
      return result;
    if (const auto* text = std::get_if<std::string>(value)) {
      result.Status = ReadStatus::Ok;
      result.Value = *text;
    } else {
      result.Status = ReadStatus::WrongType;
    }
    return result;
  }

  ReadResult<std::vector<std::uint8_t>> ReadBinary(const std::string& name) override {
    ReadResult<std::vector<std::uint8_t>> result;
    const StoredValue* value = registry_.Find(path_, name);
    if (!value)
      return result;
    if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(value)) {
      result.Status = ReadStatus::Ok;
      result.Value = *bytes;
    } else {
      result.Status = ReadStatus::WrongType;
    }
    return result;
  }

  bool WriteString(const std::string& name, const std::string& value) override {
    return Write(name, value);
  }
  bool WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) override {
    return Write(name, value);
  }
  bool DeleteValue(const std::string& name) override {
    if (!Allowed())
      return false;
    registry_.Values[path_].erase(name);
    return true;
  }

 private:
  bool Allowed() {
    if (registry_.WritesAllowed == 0)
      return false;
    if (registry_.WritesAllowed > 0)
      --registry_.WritesAllowed;
    ++registry_.Writes;
    return true;
  }

  bool Write(const std::string& name, const StoredValue& value) {
    if (!Allowed())
      return false;
    registry_.Values[path_][name] = value;
    return true;
  }

  MemoryRegistry& registry_;
  std::string path_;
};

}  // namespace

std::string MemoryRegistry::Normal(const std::string& path) {
  std::string normal = path;
  for (char& c : normal)
    if (c == '/')
      c = '\\';
  const std::size_t first = normal.find_first_not_of('\\');
  return first == std::string::npos ? std::string() : normal.substr(first);
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenKey(const std::string& path, bool create) {
  const std::string normal = Normal(path);
  if (normal.empty())
    return nullptr;
  if (!Keys.count(normal)) {
    if (!create)
      return nullptr;
    // Creating a key creates its parents, as the registry does.
    for (std::size_t at = normal.find('\\'); at != std::string::npos;
         at = normal.find('\\', at + 1))
      Keys.insert(normal.substr(0, at));
    Keys.insert(normal);
  }
  return std::make_unique<MemoryKey>(*this, normal);
}

bool MemoryRegistry::Has(const std::string& path, const std::string& name) const {
  return Find(path, name) != nullptr;
}

const StoredValue* MemoryRegistry::Find(const std::string& path, const std::string& name) const {
  const auto key = Values.find(Normal(path));
  if (key == Values.end())
    return nullptr;
  const auto value = key->second.find(name);
  return value == key->second.end() ? nullptr : &value->second;
}

std::string MemoryRegistry::Text(const std::string& path, const std::string& name) const {
  const StoredValue* value = Find(path, name);
  const auto* text = value ? std::get_if<std::string>(value) : nullptr;
  return text ? *text : "<not text>";
}

std::vector<std::uint8_t> MemoryRegistry::Binary(const std::string& path,
                                                 const std::string& name) const {
  const StoredValue* value = Find(path, name);
  const auto* bytes = value ? std::get_if<std::vector<std::uint8_t>>(value) : nullptr;
  return bytes ? *bytes : std::vector<std::uint8_t>{};
}

void MemoryRegistry::Put(const std::string& path, const std::string& name,
                         const StoredValue& value) {
  OpenKey(path, true);
  Values[Normal(path)][name] = value;
}

}  // namespace zelvani
