// The card sheet on the table: the picture every window draws its cards from, and the
// file it came from. The windows keep a reference to the picture, which stays in place
// for the whole run; a new sheet replaces its pixels.
#pragma once

#include <QImage>
#include <QString>

namespace zelvani {

struct Preferences;
struct TableWindows;
class MessageBoxes;

class CardSheetImage {
 public:
  CardSheetImage(Preferences& prefs, TableWindows& windows, MessageBoxes& boxes)
      : prefs_(prefs), windows_(windows), boxes_(boxes) {}

  // Loads the sheet, takes its file and card size into the preferences and has the windows draw
  // with it; on failure says so and keeps the old one.
  bool Load(const QString& fileName);
  const QImage& Image() const { return image_; }
  // The file of the sheet on the table, which differs from CardPicturePath while a
  // chosen sheet is missing; empty while no sheet could be loaded.
  const QString& File() const { return file_; }

 private:
  Preferences& prefs_;
  TableWindows& windows_;
  MessageBoxes& boxes_;
  QImage image_;
  QString file_;
};

}  // namespace zelvani
