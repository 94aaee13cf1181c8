#include "desktop/platform/Win32Registry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "logic/storage/StoreProblem.h"

namespace zelvani {

namespace {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty())
    return std::wstring();
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (length <= 0)
    return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty())
    return std::string();
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  if (length <= 0)
    return std::string();
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

// Registry paths take only "\"; a leading one would name no key at all.
std::wstring KeyPath(const std::string& path) {
  std::wstring wide = Widen(path);
  for (wchar_t& c : wide)
    if (c == L'/')
      c = L'\\';
  const std::size_t first = wide.find_first_not_of(L'\\');
  return first == std::wstring::npos ? std::wstring() : wide.substr(first);
}

// The player's reason, in the game's language whatever the system's.
Text ErrorText(LSTATUS status) {
  switch (status) {
    case ERROR_ACCESS_DENIED:
      return StoreProblemText(StoreProblem::AccessDenied);
    case ERROR_DISK_FULL:
      return StoreProblemText(StoreProblem::DiskFull);
    case ERROR_WRITE_PROTECT:
      return StoreProblemText(StoreProblem::ReadOnlyPlace);
    case ERROR_FILENAME_EXCED_RANGE:
      return StoreProblemText(StoreProblem::NameTooLong);
    case ERROR_ALREADY_EXISTS:
      return StoreProblemText(StoreProblem::TooManyBackups);
    default:
      return StoreProblemText(StoreProblem::Other, static_cast<long>(status));
  }
}

class Win32Key : public RegistryKey {
 public:
  explicit Win32Key(HKEY key) : key_(key) {}
  ~Win32Key() override { RegCloseKey(key_); }
  Win32Key(const Win32Key&) = delete;
  Win32Key& operator=(const Win32Key&) = delete;

  bool ValueExists(const std::string& name) override {
    return RegQueryValueExW(key_, Widen(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
  }

  ReadResult<std::string> ReadString(const std::string& name) override {
    ReadResult<std::string> result;
    DWORD type = 0;
    std::vector<BYTE> data;
    result.Status = Query(name, type, data);
    if (result.Status != ReadStatus::Ok)
      return result;
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
      result.Status = ReadStatus::WrongType;
      return result;
    }
    // The data is UTF-16 with or without its terminating NUL; an odd byte is ignored.
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    if (!text.empty())
      std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    const std::size_t nul = text.find(L'\0');
    if (nul != std::wstring::npos)
      text.resize(nul);
    result.Value = Narrow(text);
    return result;
  }

  ReadResult<std::vector<std::uint8_t>> ReadBinary(const std::string& name) override {
    ReadResult<std::vector<std::uint8_t>> result;
    DWORD type = 0;
    std::vector<BYTE> data;
    result.Status = Query(name, type, data);
    if (result.Status != ReadStatus::Ok)
      return result;
    if (type != REG_BINARY) {
      result.Status = ReadStatus::WrongType;
      return result;
    }
    result.Value.assign(data.begin(), data.end());
    return result;
  }

  bool WriteString(const std::string& name, const std::string& value) override {
    const std::wstring text = Widen(value);
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_, Widen(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
  }

  bool WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) override {
    return RegSetValueExW(key_, Widen(name).c_str(), 0, REG_BINARY,
                          value.empty() ? nullptr : value.data(),
                          static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
  }

  bool DeleteValue(const std::string& name) override {
    const LSTATUS status = RegDeleteValueW(key_, Widen(name).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  }

 private:
  // Reads a value of any type; the size is asked first and asked again if the value
  // grew in between.
  ReadStatus Query(const std::string& name, DWORD& type, std::vector<BYTE>& data) {
    const std::wstring valueName = Widen(name);
    for (int attempt = 0; attempt < 3; ++attempt) {
      DWORD size = 0;
      LSTATUS status = RegQueryValueExW(key_, valueName.c_str(), nullptr, &type, nullptr, &size);
      if (status == ERROR_FILE_NOT_FOUND)
        return ReadStatus::Missing;
      if (status != ERROR_SUCCESS)
        return ReadStatus::WrongType;
      data.assign(size, 0);
      status = RegQueryValueExW(key_, valueName.c_str(), nullptr, &type,
                                data.empty() ? nullptr : data.data(), &size);
      if (status == ERROR_MORE_DATA)
        continue;
      if (status == ERROR_FILE_NOT_FOUND)
        return ReadStatus::Missing;
      if (status != ERROR_SUCCESS)
        return ReadStatus::WrongType;
      data.resize(size);
      return ReadStatus::Ok;
    }
    return ReadStatus::WrongType;
  }

  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(const std::string& path, bool create) {
  const std::wstring subKey = KeyPath(path);
  if (subKey.empty())
    return nullptr;
  if (create) {
    for (const std::wstring& unsafe : notBackedUp_)
      if (subKey.compare(0, unsafe.size(), unsafe) == 0) {
        failure_ = {"HKEY_CURRENT_USER\\" + Narrow(unsafe),
                    StoreProblemText(StoreProblem::NoBackup)};
        return nullptr;
      }
  }
  HKEY key = nullptr;
  LSTATUS status;
  if (create) {
    status = RegCreateKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  } else {
    // Keys are opened for writing too, as created ones are; a key this user may only
    // read (another program's, say) still opens for reading.
    status = RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (status == ERROR_ACCESS_DENIED)
      status = RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key);
  }
  if (status != ERROR_SUCCESS) {
    if (create)
      failure_ = {"HKEY_CURRENT_USER\\" + Narrow(subKey), ErrorText(status)};
    return nullptr;
  }
  return std::make_unique<Win32Key>(key);
}

bool Win32Registry::KeepBackup(const std::string& path) {
  const std::wstring program = KeyPath(path);
  if (program.empty())
    return false;
  if (backedUp_.count(program))
    return true;
  HKEY source = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, program.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS) {
    backedUp_.insert(program);  // nothing stored, nothing to keep
    return true;
  }
  LSTATUS status = ERROR_ALREADY_EXISTS;
  std::wstring name;
  for (int number = 1; number <= 999; ++number) {
    name = program + (number == 1 ? std::wstring() : L"." + std::to_wstring(number)) + L".bad";
    HKEY target = nullptr;
    DWORD disposition = 0;
    status = RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, nullptr, &target, &disposition);
    if (status != ERROR_SUCCESS)
      break;
    if (disposition == REG_OPENED_EXISTING_KEY) {
      RegCloseKey(target);
      status = ERROR_ALREADY_EXISTS;
      continue;
    }
    status = RegCopyTreeW(source, nullptr, target);
    RegCloseKey(target);
    if (status != ERROR_SUCCESS)
      RegDeleteTreeW(HKEY_CURRENT_USER, name.c_str());
    break;
  }
  RegCloseKey(source);
  if (status == ERROR_SUCCESS) {
    backedUp_.insert(program);
    notBackedUp_.erase(program);
    return true;
  }
  notBackedUp_.insert(program);
  failure_ = {"HKEY_CURRENT_USER\\" + Narrow(name), ErrorText(status)};
  return false;
}

}  // namespace zelvani
