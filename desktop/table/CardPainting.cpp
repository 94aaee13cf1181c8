#include "desktop/table/CardPainting.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/ShippedFiles.h"

namespace zelvani {

namespace {

QRectF SourceRect(const QImage& sheet, const SheetRect& block) {
  const qreal ratio = sheet.devicePixelRatio();
  return {block.Left * ratio, block.Top * ratio, block.Width * ratio, block.Height * ratio};
}

}  // namespace

void DrawSheetBlock(QPainter& painter, int left, int top, const QImage& sheet,
                    const SheetRect& block) {
  if (block.Width <= 0 || block.Height <= 0)
    return;
  const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(left, top, block.Width, block.Height), sheet, SourceRect(sheet, block));
  painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

QImage SheetBlockImage(const QImage& sheet, const SheetRect& block, qreal ratio) {
  if (block.Width <= 0 || block.Height <= 0)
    return {};
  if (qFuzzyCompare(ratio, sheet.devicePixelRatio()))
    return sheet.copy(SourceRect(sheet, block).toRect());
  QImage picture(qRound(block.Width * ratio), qRound(block.Height * ratio), sheet.format());
  picture.setDevicePixelRatio(ratio);
  QPainter painter(&picture);
  DrawSheetBlock(painter, 0, 0, sheet, {block.Left, block.Top, block.Width, block.Height});
  return picture;
}

QImage TwiceSizePicture(const QString& file, const QImage& picture) {
  const QFileInfo info(ResolveDataFile(file));
  QString name = info.completeBaseName() + QStringLiteral("@2x");
  if (!info.suffix().isEmpty())
    name += QLatin1Char('.') + info.suffix();
  const QString twice = info.dir().filePath(name);
  if (picture.isNull() || !QFileInfo::exists(twice))
    return {};
  QImage sharp = ReadWindowsBitmap(twice);
  if (sharp.size() != picture.size() * 2)
    return {};
  sharp.setDevicePixelRatio(2);
  return sharp;
}

}  // namespace zelvani
