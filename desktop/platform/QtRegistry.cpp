#include "desktop/platform/QtRegistry.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <cerrno>
#include <map>
#include <optional>

#ifdef _WIN32
#include "desktop/platform/Win32Registry.h"
#endif
#include "logic/storage/StoreProblem.h"

namespace zelvani {

namespace {

// "\Software\Org\App\A\B" → {"Software", "Org", "App", "A", "B"}; "/" separates as well.
QStringList SplitPath(const std::string& path) {
  QString text = QString::fromStdString(path);
  text.replace(QLatin1Char('/'), QLatin1Char('\\'));
  return text.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// Values written but not yet flushed; an empty one stands for a deleted value.
using PendingValues = std::map<QString, std::optional<QVariant>>;

// Backups are numbered from 1; the first has no number of its own.
constexpr int kMostBackups = 999;

QString BackupName(const QString& path, int number) {
  return number == 1 ? path + QLatin1String(".bad")
                     : path + QLatin1Char('.') + QString::number(number) + QLatin1String(".bad");
}

// The player's reason for a failed call that left `error` in errno.
Text ReasonOf(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return StoreProblemText(StoreProblem::AccessDenied);
    case ENOTDIR:
      return StoreProblemText(StoreProblem::NotAFolder);
    case EISDIR:
      return StoreProblemText(StoreProblem::IsAFolder);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return StoreProblemText(StoreProblem::DiskFull);
    case EROFS:
      return StoreProblemText(StoreProblem::ReadOnlyPlace);
    case ENAMETOOLONG:
      return StoreProblemText(StoreProblem::NameTooLong);
    case ENOENT:
      return StoreProblemText(StoreProblem::NoSuchFolder);
    default:
      return StoreProblemText(StoreProblem::Other, error);
  }
}

// Whether `path` may be read and written as the settings file: nothing there yet, or a
// regular file, also behind links. A pipe would block the first read for ever, and
// writing through a link to a device would replace the device.
bool IsFileOrNothing(const QString& path) {
  const QFileInfo info(path);
  if (info.isSymLink())
    return info.exists() && info.isFile();  // a link leading nowhere is no place either
  return !info.exists() || info.isFile();
}

// Why a path that IsFileOrNothing refused is no place for the settings.
Text NotAFileReason(const QString& path) {
  return StoreProblemText(QFileInfo(path).isDir() ? StoreProblem::IsAFolder
                                                  : StoreProblem::NotARegularFile);
}

// Why `path` cannot be written: tried with a throw-away copy of about the file's size,
// since QSettings tells only that its write failed. Empty when the trial succeeds.
Text WriteProblem(const QString& path, qint64 size) {
  errno = 0;
  QSaveFile trial(path);
  if (!trial.open(QIODevice::WriteOnly))
    return ReasonOf(errno);
  const QByteArray filler(qMax<qint64>(size, 4096), '\n');
  const bool written = trial.write(filler) == filler.size() && trial.flush();
  const int error = errno;
  trial.cancelWriting();
  return written ? Text() : ReasonOf(error);
}

// Whether QSettings, writing the file back with nothing changed, would write other bytes
// than it read: text that is not UTF-8, a key given twice, comments, lines of another
// layout. Tried on a copy, since only QSettings knows what it would write.
bool RewriteChanges(const QByteArray& original) {
  QTemporaryDir folder;
  const QString copyPath = folder.filePath(QStringLiteral("copy.ini"));
  {
    QFile copy(copyPath);
    if (!folder.isValid() || !copy.open(QIODevice::WriteOnly) ||
        copy.write(original) != original.size())
      return true;  // not known, so kept
  }
  {
    QSettings copy(copyPath, QSettings::IniFormat);
    copy.setFallbacksEnabled(false);
    const QStringList keys = copy.allKeys();
    if (keys.isEmpty())
      return !original.trimmed().isEmpty();
    // A value set again as it is makes QSettings write the whole file.
    copy.setValue(keys.first(), copy.value(keys.first()));
    copy.sync();
    if (copy.status() != QSettings::NoError)
      return true;
  }
  QFile written(copyPath);
  return !written.open(QIODevice::ReadOnly) || written.readAll() != original;
}

}  // namespace

struct QtRegistry::File {
  std::unique_ptr<QSettings> Settings;
  QString Path;
  // The file as it was when first opened: whether there was one, whether it could be
  // read, and its bytes.
  bool Existed = false;
  bool Readable = true;
  Text ReadError;
  QByteArray Original;
  // It could not be read as INI; what could be read was taken, the rest is in the backup.
  bool Damaged = false;
  // A backup is wanted before the file is written, and whether it has been made.
  bool BackupWanted = false;
  bool BackedUp = false;
  // The damaged file has made way for the new one.
  bool Replaced = false;
  // Writes reach QSettings only when they may be flushed: QSettings writes whatever it
  // holds when it is destroyed, even after a flush that was refused.
  PendingValues Pending;
};

class QtRegistryKey : public RegistryKey {
 public:
  QtRegistryKey(QSettings& settings, PendingValues& pending, const QString& group)
      : settings_(settings), pending_(pending), group_(group) {}

  bool ValueExists(const std::string& name) override { return Find(Key(name)).has_value(); }

  ReadResult<std::string> ReadString(const std::string& name) override {
    ReadResult<std::string> result;
    const std::optional<QVariant> value = Find(Key(name));
    if (!value)
      return result;
    // A hand-written list ("a, b") or a typed value ("@Rect(...)") is not plain text.
    if (value->typeId() != QMetaType::QString) {
      result.Status = ReadStatus::WrongType;
      return result;
    }
    result.Status = ReadStatus::Ok;
    result.Value = value->toString().toStdString();
    return result;
  }

  ReadResult<std::vector<std::uint8_t>> ReadBinary(const std::string& name) override {
    ReadResult<std::vector<std::uint8_t>> result;
    const std::optional<QVariant> value = Find(Key(name));
    if (!value)
      return result;
    if (value->typeId() != QMetaType::QByteArray) {
      result.Status = ReadStatus::WrongType;
      return result;
    }
    const QByteArray bytes = value->toByteArray();
    result.Status = ReadStatus::Ok;
    result.Value.assign(bytes.begin(), bytes.end());
    return result;
  }

  bool WriteString(const std::string& name, const std::string& value) override {
    pending_[Key(name)] = QVariant(QString::fromStdString(value));
    return true;
  }

  bool WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) override {
    pending_[Key(name)] = QVariant(QByteArray(reinterpret_cast<const char*>(value.data()),
                                              static_cast<qsizetype>(value.size())));
    return true;
  }

  bool DeleteValue(const std::string& name) override {
    pending_[Key(name)] = std::nullopt;
    return true;
  }

 private:
  QString Key(const std::string& name) const {
    const QString value = QString::fromStdString(name);
    return group_.isEmpty() ? value : group_ + QLatin1Char('/') + value;
  }

  std::optional<QVariant> Find(const QString& key) const {
    const auto pending = pending_.find(key);
    if (pending != pending_.end())
      return pending->second;
    if (!settings_.contains(key))
      return std::nullopt;
    return settings_.value(key);
  }

  QSettings& settings_;
  PendingValues& pending_;
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

QtRegistry::File* QtRegistry::FileFor(const QString& path) {
  auto found = files_.find(path);
  if (found != files_.end())
    return found->second.get();
  auto file = std::make_unique<File>();
  file->Path = path;
  QString readFrom = path;
  if (!IsFileOrNothing(path)) {
    file->Existed = true;
    file->Readable = false;
    file->ReadError = NotAFileReason(path);
    // QSettings opens the file it is given to read it: this name, below the file, can
    // never be opened, and nothing is ever written through it, since the backup that
    // must come first cannot be made.
    readFrom = path + QLatin1String("/unreadable");
  } else if (QFileInfo(path).isFile()) {
    file->Existed = true;
    QFile stored(path);
    errno = 0;
    file->Readable = stored.open(QIODevice::ReadOnly);
    if (file->Readable)
      file->Original = stored.readAll();
    else
      file->ReadError = ReasonOf(errno);
  }
  file->Settings = std::make_unique<QSettings>(readFrom, QSettings::IniFormat);
  // Only this file counts: no organisation-wide or system-wide fallbacks.
  file->Settings->setFallbacksEnabled(false);
  // Parse every section now, so a file that is not INI shows in status() before the
  // first write.
  file->Settings->allKeys();
  File* result = file.get();
  files_.emplace(path, std::move(file));
  // A file this store cannot read is never replaced without a copy of it.
  if (!result->Readable || result->Settings->status() == QSettings::FormatError) {
    result->Damaged = result->Readable;
    result->BackupWanted = true;
    MakeBackup(*result);
  }
  return result;
}

void QtRegistry::Fail(const QString& place, const Text& reason) {
  failure_.Place = place.toStdString();
  failure_.Reason = reason;
}

bool QtRegistry::MakeBackup(File& file) {
  if (file.BackedUp || !file.Existed)
    return file.BackedUp = true;
  if (!file.Readable) {
    Fail(file.Path, file.ReadError);
    return false;
  }
  for (int number = 1; number <= kMostBackups; ++number) {
    const QString name = BackupName(file.Path, number);
    QFile copy(name);
    if (copy.exists() || QFileInfo(name).isSymLink()) {
      // Only a regular file can be the copy; a pipe of that name would block the read.
      if (IsFileOrNothing(name) && copy.open(QIODevice::ReadOnly) &&
          copy.readAll() == file.Original)
        return file.BackedUp = true;
      continue;
    }
    errno = 0;
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
      Fail(name, ReasonOf(errno));
      return false;
    }
    if (copy.write(file.Original) != file.Original.size() || !copy.flush()) {
      Fail(name, ReasonOf(errno));
      copy.close();
      copy.remove();
      return false;
    }
    copy.close();
    return file.BackedUp = true;
  }
  Fail(BackupName(file.Path, kMostBackups), StoreProblemText(StoreProblem::TooManyBackups));
  return false;
}

bool QtRegistry::KeepBackup(const std::string& path) {
  const QString fileName = FileOf(path);
  if (fileName.isEmpty())
    return false;
  File* file = FileFor(fileName);
  file->BackupWanted = true;
  return MakeBackup(*file);
}

std::unique_ptr<RegistryKey> QtRegistry::OpenKey(const std::string& path, bool create) {
  const QString fileName = FileOf(path);
  if (fileName.isEmpty())
    return nullptr;
  const QString group = SplitPath(path).mid(3).join(QLatin1Char('/'));
  // A key exists when its file does and, for a subkey, when its group holds anything.
  if (!create && !QFile::exists(fileName))
    return nullptr;
  File* file = FileFor(fileName);
  QSettings& settings = *file->Settings;
  if (!create && !group.isEmpty()) {
    settings.beginGroup(group);
    bool exists = !settings.allKeys().isEmpty();
    settings.endGroup();
    for (const auto& [key, value] : file->Pending)
      exists = exists || (value && key.startsWith(group + QLatin1Char('/')));
    if (!exists)
      return nullptr;
  }
  // Groups come into being with their first value, so creating needs no write.
  return std::make_unique<QtRegistryKey>(settings, file->Pending, group);
}

bool QtRegistry::Flush() {
  bool ok = true;
  for (auto& [path, file] : files_) {
    // Nor one that this save changes in more than what the game wrote: only files that
    // are written are tried, never another program's that was only read.
    if (!file->BackupWanted && file->Existed && !file->Pending.empty() &&
        RewriteChanges(file->Original))
      file->BackupWanted = true;
    if (file->BackupWanted && !MakeBackup(*file)) {
      ok = false;
      continue;
    }
    // Checked again before anything reaches QSettings, which writes what it holds even
    // when destroyed: the file may have been replaced while the game ran.
    if (!IsFileOrNothing(path)) {
      Fail(path, NotAFileReason(path));
      ok = false;
      continue;
    }
    for (const auto& [key, value] : file->Pending) {
      if (value)
        file->Settings->setValue(key, *value);
      else if (file->Settings->contains(key))
        file->Settings->remove(key);  // only a value: remove() would take a group as well
    }
    file->Pending.clear();
    QSettings::Status status;
    if (file->Damaged) {
      // Written over, the unreadable lines would come back as junk values; the backup
      // holds them. A file written since by someone else is merged with as usual.
      // Behind a link the file it leads to makes way, so the link stays.
      QFile damaged(QFileInfo(path).canonicalFilePath());
      if (!file->Replaced && damaged.open(QIODevice::ReadOnly) &&
          damaged.readAll() == file->Original) {
        damaged.close();
        errno = 0;
        if (!damaged.remove()) {
          Fail(path, ReasonOf(errno));
          ok = false;
          continue;
        }
      }
      file->Replaced = true;
      // The first object keeps its read error for good; a fresh one on the same file
      // shares the pending values and reports only how this write went.
      QSettings fresh(path, QSettings::IniFormat);
      fresh.setFallbacksEnabled(false);
      fresh.sync();
      status = fresh.status();
    } else {
      file->Settings->sync();
      status = file->Settings->status();
    }
    if (status != QSettings::NoError) {
      const Text reason = WriteProblem(path, file->Original.size());
      Fail(path, reason.Empty() ? StoreProblemText(StoreProblem::Other) : reason);
      ok = false;
    }
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
