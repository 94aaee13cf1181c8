// The settings store kept in INI files by QSettings: the program key
// "Software\<Organisation>\<Application>" is the file <folder>/<Organisation>/<Application>.ini
// and its subkeys are groups. Text values are strings, binary values byte arrays.
#pragma once

#include <QString>
#include <map>
#include <memory>

#include "logic/storage/Registry.h"

class QSettings;

namespace zelvani {

class QtRegistry : public Registry {
 public:
  // `folder` holds one folder per organisation; empty means the user's configuration
  // folder ($XDG_CONFIG_HOME, else ~/.config).
  explicit QtRegistry(const QString& folder = QString());
  ~QtRegistry() override;

  // A file that cannot be read as INI is copied aside at once, when it is first opened.
  std::unique_ptr<RegistryKey> OpenKey(const std::string& path, bool create) override;
  // Writes every file that changed. A file is replaced atomically, so a failure leaves
  // the previous file whole.
  bool Flush() override;
  // The copies are "<name>.ini.bad", then "<name>.ini.2.bad", "<name>.ini.3.bad" and so
  // on: an existing copy is never replaced.
  bool KeepBackup(const std::string& path) override;
  StoreFailure LastFailure() const override { return failure_; }

  // The file behind a program key ("Software\Hollyfen\Zelvani"); empty for a path that
  // names no program key.
  QString FileOf(const std::string& path) const;

 private:
  struct File;
  // The file of that name, read when first asked for.
  File* FileFor(const QString& path);
  bool MakeBackup(File& file);
  void Fail(const QString& place, const Text& reason);

  QString folder_;
  StoreFailure failure_;
  std::map<QString, std::unique_ptr<File>> files_;
};

// The store of the platform: the Win32 registry on Windows, QSettings files elsewhere.
std::unique_ptr<Registry> OpenUserRegistry();

}  // namespace zelvani
