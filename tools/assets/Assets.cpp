#include "tools/assets/Assets.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <functional>
#include <utility>
#include <vector>

#include "tools/assets/BmpWriter.h"
#include "tools/assets/CardArt.h"
#include "tools/assets/IconArt.h"
#include "tools/assets/LogoArt.h"
#include "tools/assets/Sounds.h"

namespace zelvani::assets {
namespace {

using Maker = std::function<QByteArray()>;

QByteArray EncodePng(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

std::vector<std::pair<QString, Maker>> Makers() {
  std::vector<std::pair<QString, Maker>> makers = {
      {"Cards.bmp", [] { return EncodeBmp24(RenderCardSheet()); }},
      {"Click.wav", [] { return EncodeWav(ClickSamples(), kSampleRate); }},
      {"Suteru.wav", [] { return EncodeWav(DiscardSoundSamples(), kSampleRate); }},
      {"YakuDasu.wav", [] { return EncodeWav(MeldSoundSamples(), kSampleRate); }},
      {"Logo1.bmp", [] { return EncodeBmpIndexed(RenderLogo1(), 8); }},
      {"Logo2.bmp", [] { return EncodeBmpIndexed(RenderLogo2(), 4); }},
      // Twice the size, for screens that show the table at 150 % or 200 %.
      {"Cards@2x.bmp", [] { return EncodeBmp24(RenderCardSheet(2)); }},
      {"Logo1@2x.bmp", [] { return EncodeBmpIndexed(RenderLogo1(2), 8); }},
      {"Logo2@2x.bmp", [] { return EncodeBmpIndexed(RenderLogo2(2), 4); }},
  };
  for (const int size : kIconSizes) {
    makers.push_back({IconFileName(size), [size] { return EncodePng(RenderIcon(size)); }});
    makers.push_back({IconFileName(size, 2), [size] { return EncodePng(RenderIcon(2 * size)); }});
  }
  return makers;
}

}  // namespace

QStringList AssetFileNames() {
  QStringList names;
  for (const auto& [name, maker] : Makers())
    names.push_back(name);
  return names;
}

bool GenerateAssets(const QString& folder, QString* error) {
  if (!QDir().mkpath(folder)) {
    if (error)
      *error = QStringLiteral("cannot create folder %1").arg(folder);
    return false;
  }
  const QDir dir(folder);
  for (const auto& [name, maker] : Makers()) {
    const QByteArray bytes = maker();
    if (bytes.isEmpty()) {
      if (error)
        *error = QStringLiteral("could not encode %1").arg(name);
      return false;
    }
    const QString path = dir.filePath(name);
    if (!QDir().mkpath(QFileInfo(path).path())) {
      if (error)
        *error = QStringLiteral("cannot create the folder of %1").arg(path);
      return false;
    }
    // Written aside and renamed, so a build never sees half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
      if (error)
        *error = QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
      return false;
    }
  }
  return true;
}

}  // namespace zelvani::assets
