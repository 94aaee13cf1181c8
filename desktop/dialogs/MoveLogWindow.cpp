#include "desktop/dialogs/MoveLogWindow.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "desktop/platform/QtText.h"
#include "desktop/platform/ScreenReader.h"
#include "logic/cards/CardNames.h"
#include "logic/settings/Preferences.h"

namespace zelvani {

namespace {

constexpr Qt::DockWidgetArea kSides[kLogSides] = {Qt::RightDockWidgetArea, Qt::BottomDockWidgetArea,
                                                  Qt::LeftDockWidgetArea, Qt::TopDockWidgetArea};

// The log's caption.
QString LogCaption() {
  return QCoreApplication::translate("MoveLogWindow", "記録");
}

}  // namespace

Qt::DockWidgetArea DockAreaOfSide(int side) {
  return side >= 0 && side < kLogSides ? kSides[side] : kSides[0];
}

int SideOfDockArea(Qt::DockWidgetArea area) {
  for (int side = 0; side < kLogSides; ++side)
    if (kSides[side] == area)
      return side;
  return 0;
}

void WindowMoveLog::Drew(int seat, int card) {
  MoveLog::Drew(seat, card);
  if (seat == kHumanSeat)
    Announce(QCoreApplication::translate("MoveLogWindow", "%1が来ました")
                 .arg(ToQString(CardText(card))));
}

MoveLogWindow::MoveLogWindow(MoveLog& log, const LogPlace& place, QWidget* frame)
    : QDockWidget(LogCaption(), frame), log_(log), place_(place), text_(new QPlainTextEdit) {
  setObjectName(QStringLiteral("moveLogWindow"));
  // Always inside the frame: it may move to another side, never out on its own.
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  text_->setReadOnly(true);
  // A caret the arrow keys move, so that a screen reader reads the log line by line.
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setFocusPolicy(Qt::StrongFocus);
  text_->installEventFilter(this);
  text_->setAccessibleName(windowTitle());
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWidget(text_);
  log_.Changed = [this](bool appended) { Refresh(appended); };
  Refresh(false);
}

void MoveLogWindow::Refresh(bool appended) {
  if (appended) {
    const QString line = QString::fromStdString(log_.LastLine(TranslateText));
    if (line.isEmpty())
      return;
    if (place_.Spoken)
      Announce(line);
    // Appending keeps the view at the end when it was there.
    text_->appendPlainText(line);
    return;
  }
  QStringList all;
  for (const std::string& line : log_.Lines(TranslateText))
    all << QString::fromStdString(line);
  text_->setPlainText(all.join(QLatin1Char('\n')));
  text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

bool MoveLogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != text_ || event->type() != QEvent::ShortcutOverride)
    return QDockWidget::eventFilter(watched, event);
  // The table's one-key keys (Space, the arrows, the letters) are the caret's here; keys
  // with Ctrl or Alt and the function keys stay the menus'.
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Escape) {
    emit Left();
    event->accept();
    return true;
  }
  const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                     (key->key() < Qt::Key_F1 || key->key() > Qt::Key_F35);
  if (plain)
    event->accept();
  return false;
}

void MoveLogWindow::TakeFocus() {
  show();
  raise();
  window()->activateWindow();
  QTextCursor end = text_->textCursor();
  end.movePosition(QTextCursor::End);
  end.movePosition(QTextCursor::StartOfBlock);
  text_->setTextCursor(end);
  text_->setFocus();
}

}  // namespace zelvani
