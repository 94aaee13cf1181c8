// Reads picture files that are not Windows bitmaps through the picture plug-ins of a
// folder (the interface they follow is in desktop/platform/PicturePlugin.h).
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "desktop/platform/PicturePlugin.h"

class QLibrary;

namespace zelvani {

// One plug-in library that exports at least "IsSupported" and "GetPicture".
struct PluginEntry {
  std::unique_ptr<QLibrary> Library;
  // The list of entries keeps their order, so no link to the next one is needed.
  SpiIsSupported IsSupported = nullptr;
  SpiGetPictureInfo GetPictureInfo = nullptr;  // null when the library lacks it
  SpiGetPicture GetPicture = nullptr;
  SpiGetPluginInfo GetPluginInfo = nullptr;  // null when the library lacks it

  PluginEntry();
  PluginEntry(PluginEntry&&) noexcept;
  PluginEntry& operator=(PluginEntry&&) noexcept;
  ~PluginEntry();
};

// One load: enumerate the plug-ins, choose the one that reads the file, decode, release.
// Nothing is kept between loads, so plug-ins added or replaced on disk count at once.
// With no folder set, the program's own plug-in folder is searched.
class PictureLoader {
 public:
  PictureLoader(const QString& pluginFolder, const QString& fileName);
  ~PictureLoader();  // releases whatever is still held
  PictureLoader(const PictureLoader&) = delete;
  PictureLoader& operator=(const PictureLoader&) = delete;

  // Loads every "*.spi" library of the folder (any case), in the order the file system
  // lists them, keeping those that can be asked and can decode.
  void Enumerate();
  // Asks each kept plug-in in turn; true when the file is built-in or one accepts it.
  bool Choose();
  // Reads the file into the result; true on success, otherwise the result stays null.
  bool Decode();
  // Frees every plug-in library; the result survives.
  void Release();

  const QString& PluginFolder() const { return pluginFolder_; }
  const QString& Extension() const { return extension_; }
  const std::vector<PluginEntry>& Plugins() const { return plugins_; }
  // The file name of the chosen plug-in's library; empty when none was chosen.
  QString ChosenPlugin() const;
  QString ChosenPluginPath() const;
  const QImage& Result() const { return result_; }

 private:
  QString pluginFolder_;
  QString fileName_;
  QString extension_;
  std::vector<PluginEntry> plugins_;
  std::optional<size_t> chosen_;
  QImage result_;
};

// ".BMP", ".ICO", ".WMF" and ".EMF" (given upper-cased) go to the built-in bitmap reader,
// which reads Windows bitmap files only.
bool IsBuiltInExtension(const QString& extensionUpper);

// The patterns of the file names the plug-ins of the folder say they read ("*.png"),
// lower-cased, each once, in the order the plug-ins are found.
QStringList PluginFilePatterns(const QString& pluginFolder);

// All four steps of a load; a null image when the file cannot be read.
QImage LoadThroughPlugins(const QString& pluginFolder, const QString& fileName);

}  // namespace zelvani
