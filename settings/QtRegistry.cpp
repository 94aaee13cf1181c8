#include "settings/QtRegistry.h"

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#ifdef _WIN32
#include "settings/Win32Registry.h"
#endif

namespace zelvani {

namespace {

// "\Software\Org\App\A\B" → {"Software", "Org", "App", "A", "B"}; "/" separates as well.
QStringList SplitPath(const std::string& path) {
  QString text = QString::fromStdString(path);
  text.replace(QLatin1Char('/'), QLatin1Char('\\'));
  return text.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

}  // namespace

struct QtRegistry::File {
  std::unique_ptr<QSettings> Settings;
  QString Path;
  // The unreadable file found at start has been moved to "<name>.bad".
  bool SetAside = false;
};

class QtRegistryKey : public RegistryKey {
 public:
  QtRegistryKey(QSettings& settings, const QString& group) : settings_(settings), group_(group) {}

  bool ValueExists(const std::string& name) override { return settings_.contains(Key(name)); }

  ReadResult<std::string> ReadString(const std::string& name) override {
    ReadResult<std::string> result;
    const QString key = Key(name);
    if (!settings_.contains(key))
      return result;
    const QVariant value = settings_.value(key);
    // A hand-written list ("a, b") or a typed value ("@Rect(...)") is not plain text.
    if (value.typeId() != QMetaType::QString) {
      result.Status = ReadStatus::WrongType;
      return result;
    }
    result.Status = ReadStatus::Ok;
    result.Value = value.toString().toStdString();
    return result;
  }

  ReadResult<std::vector<std::uint8_t>> ReadBinary(const std::string& name) override {
    ReadResult<std::vector<std::uint8_t>> result;
    const QString key = Key(name);
    if (!settings_.contains(key))
      return result;
    const QVariant value = settings_.value(key);
    if (value.typeId() != QMetaType::QByteArray) {
      result.Status = ReadStatus::WrongType;
      return result;
    }
    const QByteArray bytes = value.toByteArray();
    result.Status = ReadStatus::Ok;
    result.Value.assign(bytes.begin(), bytes.end());
    return result;
  }

  bool WriteString(const std::string& name, const std::string& value) override {
    settings_.setValue(Key(name), QString::fromStdString(value));
    return true;
  }

  bool WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) override {
    settings_.setValue(Key(name), QByteArray(reinterpret_cast<const char*>(value.data()),
                                             static_cast<qsizetype>(value.size())));
    return true;
  }

  bool DeleteValue(const std::string& name) override {
    // remove() would also take a whole group of that name; only a value is meant.
    const QString key = Key(name);
    if (settings_.contains(key))
      settings_.remove(key);
    return true;
  }

 private:
  QString Key(const std::string& name) const {
    const QString value = QString::fromStdString(name);
    return group_.isEmpty() ? value : group_ + QLatin1Char('/') + value;
  }

  QSettings& settings_;
  QString group_;
};

QtRegistry::QtRegistry(const QString& folder) : folder_(folder) {
  if (folder_.isEmpty())
    folder_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QtRegistry::~QtRegistry() = default;

QString QtRegistry::FileOf(const std::string& path) const {
  const QStringList parts = SplitPath(path);
  if (parts.size() < 3 || parts[0].compare(QLatin1String("Software"), Qt::CaseInsensitive) != 0)
    return QString();
  return folder_ + QLatin1Char('/') + parts[1] + QLatin1Char('/') + parts[2] +
         QLatin1String(".ini");
}

QtRegistry::File* QtRegistry::FileFor(const QString& organisation, const QString& application) {
  const QString path = folder_ + QLatin1Char('/') + organisation + QLatin1Char('/') + application +
                       QLatin1String(".ini");
  auto found = files_.find(path);
  if (found != files_.end())
    return found->second.get();
  auto file = std::make_unique<File>();
  file->Path = path;
  file->Settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
  // Only this file counts: no organisation-wide or system-wide fallbacks.
  file->Settings->setFallbacksEnabled(false);
  // Parse every section now, so a file that is not INI shows in status() before the
  // first write.
  file->Settings->allKeys();
  File* result = file.get();
  files_.emplace(path, std::move(file));
  return result;
}

std::unique_ptr<RegistryKey> QtRegistry::OpenKey(const std::string& path, bool create) {
  const QStringList parts = SplitPath(path);
  if (parts.size() < 3 || parts[0].compare(QLatin1String("Software"), Qt::CaseInsensitive) != 0)
    return nullptr;
  const QString group = parts.mid(3).join(QLatin1Char('/'));
  if (!create) {
    // A key exists when its file does and, for a subkey, when its group holds anything.
    if (!QFile::exists(folder_ + QLatin1Char('/') + parts[1] + QLatin1Char('/') + parts[2] +
                       QLatin1String(".ini")))
      return nullptr;
  }
  File* file = FileFor(parts[1], parts[2]);
  QSettings& settings = *file->Settings;
  if (!create && !group.isEmpty()) {
    settings.beginGroup(group);
    const bool exists = !settings.allKeys().isEmpty();
    settings.endGroup();
    if (!exists)
      return nullptr;
  }
  // Groups come into being with their first value, so creating needs no write.
  return std::make_unique<QtRegistryKey>(settings, group);
}

bool QtRegistry::Flush() {
  bool ok = true;
  for (auto& [path, file] : files_) {
    QSettings& settings = *file->Settings;
    if (settings.status() == QSettings::FormatError && !file->SetAside) {
      // The file could not be read as INI: keep it aside before anything replaces it.
      const QString bad = path + QLatin1String(".bad");
      QFile::remove(bad);
      file->SetAside = QFile::rename(path, bad);
      if (!file->SetAside) {
        ok = false;
        continue;
      }
    }
    if (file->SetAside) {
      // The first object keeps its read error for good; a fresh one on the same file
      // shares the pending values and reports only how this write went.
      QSettings fresh(path, QSettings::IniFormat);
      fresh.setFallbacksEnabled(false);
      fresh.sync();
      ok = ok && fresh.status() == QSettings::NoError;
      continue;
    }
    settings.sync();
    ok = ok && settings.status() == QSettings::NoError;
  }
  return ok;
}

std::unique_ptr<Registry> OpenUserRegistry() {
#ifdef _WIN32
  return std::make_unique<Win32Registry>();
#else
  return std::make_unique<QtRegistry>();
#endif
}

}  // namespace zelvani
