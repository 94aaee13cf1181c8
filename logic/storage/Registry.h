// The per-user settings store as the game sees it: keys named by backslash paths below
// the user's hive ("Software\Hollyfen\Zelvani\Rule"), each holding named text and
// binary values. Back ends: QSettings files here, the Win32 registry on Windows, and an
// in-memory one in tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "logic/program/Text.h"

namespace zelvani {

enum class ReadStatus {
  Ok,
  // No value of that name.
  Missing,
  // A value exists but holds another kind of data (text where binary belongs, or the
  // reverse, or anything the store cannot give as either).
  WrongType,
};

template <typename T>
struct ReadResult {
  ReadStatus Status = ReadStatus::Missing;
  T Value{};

  bool Ok() const { return Status == ReadStatus::Ok; }
};

// One open key. Closing is destroying it.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  virtual bool ValueExists(const std::string& name) = 0;
  virtual ReadResult<std::string> ReadString(const std::string& name) = 0;
  virtual ReadResult<std::vector<std::uint8_t>> ReadBinary(const std::string& name) = 0;
  // Writes return false when the store refuses the value.
  virtual bool WriteString(const std::string& name, const std::string& value) = 0;
  virtual bool WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) = 0;
  // Deleting a value that does not exist succeeds.
  virtual bool DeleteValue(const std::string& name) = 0;
};

// Where and why the store last failed to keep something; both empty when it never did.
struct StoreFailure {
  // The file (or key) that could not be written.
  std::string Place;
  Text Reason;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens the key at `path` (a leading "\" is ignored). With `create` a missing key is
  // made; without it a missing key gives null. Null also when the key cannot be opened.
  virtual std::unique_ptr<RegistryKey> OpenKey(const std::string& path, bool create) = 0;
  // Makes everything written so far lasting. False when the store could not keep it; a
  // store that writes through at once simply answers true.
  virtual bool Flush() = 0;

  // Keeps a copy of what the program key `path` held when this store first read it, beside
  // it and under a name no later copy takes over; a copy with the same content already
  // there counts as kept. Until the copy is kept, Flush leaves that key's data as it is
  // and fails. True when the copy is kept (or there was nothing stored to copy).
  virtual bool KeepBackup(const std::string& path) = 0;
  virtual StoreFailure LastFailure() const = 0;
};

}  // namespace zelvani
