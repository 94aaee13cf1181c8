#include "desktop/mainwindow/CardSheetImage.h"

#include <QApplication>

#include "desktop/mainwindow/MessageBoxes.h"
#include "desktop/mainwindow/TableWindows.h"
#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/QtText.h"
#include "desktop/table/CardPainting.h"
#include "logic/geometry/CardSheet.h"
#include "logic/settings/Preferences.h"

namespace zelvani {

bool CardSheetImage::Load(const QString& fileName) {
  const QImage sheet = ReadPicture(fileName, ToQString(prefs_.PluginFolder));
  // A sheet too small to hold a card of at least one pixel would show no cards at all.
  if (sheet.isNull() || sheet.width() < kSheetColumns || sheet.height() < kSheetRows) {
    boxes_.MessageBox(PictureErrorText(fileName).toStdString(), ErrorCaption().toStdString(),
                      MsgButtons::Ok, MsgIcon::Error);
    return false;
  }
  image_ = sheet.convertToFormat(QImage::Format_RGB32);
  // On a table drawn larger than its pixels, a sheet drawn at twice the size keeps the
  // cards sharp; the card size stays that of the sheet as named.
  if (qApp->devicePixelRatio() > 1.0) {
    const QImage sharp = TwiceSizePicture(fileName, image_);
    if (!sharp.isNull())
      image_ = sharp.convertToFormat(QImage::Format_RGB32);
  }
  file_ = fileName;
  prefs_.CardPicturePath = fileName.toStdString();
  prefs_.CardWidth = CardWidthOfSheet(sheet.width());
  prefs_.CardHeight = CardHeightOfSheet(sheet.height());
  windows_.CardsChanged();
  return true;
}

}  // namespace zelvani
