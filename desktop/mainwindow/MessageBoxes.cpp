#include "desktop/mainwindow/MessageBoxes.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

#include "desktop/dialogs/ScoreSheetWindow.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScreenReader.h"

namespace zelvani {

namespace {

// The width at which the window manager's title bar shows a window's whole caption (often
// a player's name) beside the bar's own icon and buttons, as far as the screen allows.
// Title bars commonly use a bold face of the system font.
int CaptionFitWidth(const QWidget& window) {
  QFont titleFont = window.font();
  titleFont.setBold(true);
  const int barExtras = 5 * window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  int width = QFontMetrics(titleFont).horizontalAdvance(window.windowTitle()) + barExtras;
  if (const QScreen* screen = window.screen())
    width = qMin(width, screen->availableGeometry().width() * 9 / 10);
  return width;
}

// A message box sizes itself to its layout, so the width goes in as a spacer.
void WidenForCaption(QMessageBox& box) {
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(
        new QSpacerItem(CaptionFitWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
        grid->rowCount(), 0, 1, grid->columnCount());
}

// An input box builds its layout only when shown; its edit field spans it.
void WidenForCaption(QInputDialog& box) {
  if (auto* edit = box.findChild<QLineEdit*>()) {
    const QStyle* style = box.style();
    edit->setMinimumWidth(CaptionFitWidth(box) - style->pixelMetric(QStyle::PM_LayoutLeftMargin) -
                          style->pixelMetric(QStyle::PM_LayoutRightMargin));
  }
}

QMessageBox::Icon QtIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::Exclamation:
      return QMessageBox::Warning;
    case MsgIcon::Error:
      return QMessageBox::Critical;
    case MsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QString MessageBoxes::TakeDescription() {
  QString description;
  description.swap(description_);
  return description;
}

MsgAnswer MessageBoxes::MessageBox(const std::string& text, const std::string& caption,
                                   MsgButtons buttons, MsgIcon icon) {
  // What a screen reader was still to say comes before the box's own words.
  FlushAnnouncements();
  const auto qbuttons = buttons == MsgButtons::YesNo
                            ? QMessageBox::Yes | QMessageBox::No
                            : QMessageBox::StandardButtons(QMessageBox::Ok);
  QMessageBox box(QtIcon(icon), ToQString(caption), ToQString(text), qbuttons, owner_);
  // Names and file paths are shown as they are, never read as markup.
  box.setTextFormat(Qt::PlainText);
  WidenForCaption(box);
  if (QAbstractButton* yes = box.button(QMessageBox::Yes))
    yes->setText(QCoreApplication::translate("MessageBoxes", "はい(&Y)"));
  if (QAbstractButton* no = box.button(QMessageBox::No))
    no->setText(QCoreApplication::translate("MessageBoxes", "いいえ(&N)"));
  const QString description = TakeDescription();
  // A screen reader reads it after the box's caption and text.
  if (!description.isEmpty())
    box.setAccessibleDescription(description);
  const int answer = box.exec();
  if (answer == QMessageBox::Yes)
    return MsgAnswer::Yes;
  if (answer == QMessageBox::No)
    return MsgAnswer::No;
  return MsgAnswer::Ok;
}

std::string MessageBoxes::InputBox(const std::string& caption, const std::string& prompt,
                                   const std::string& defaultText) {
  FlushAnnouncements();
  QInputDialog dialog(owner_);
  dialog.setWindowTitle(ToQString(caption));
  dialog.setLabelText(ToQString(prompt));
  dialog.setTextValue(ToQString(defaultText));
  for (QLabel* label : dialog.findChildren<QLabel*>())
    label->setTextFormat(Qt::PlainText);
  WidenForCaption(dialog);
  return dialog.exec() == QDialog::Accepted ? dialog.textValue().toStdString() : defaultText;
}

void MessageBoxes::ShowScoreSheet(ScoreSheetWindow& sheet) {
  FlushAnnouncements();
  sheet.Refresh();
  sheet.exec();
}

}  // namespace zelvani
