#include "desktop/dialogs/MoveLogWindow.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include "logic/observer/MoveLog.h"

namespace zelvani {

namespace {

constexpr Qt::DockWidgetArea kSides[kLogSides] = {Qt::RightDockWidgetArea, Qt::BottomDockWidgetArea,
                                                  Qt::LeftDockWidgetArea, Qt::TopDockWidgetArea};

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

MoveLogWindow::MoveLogWindow(MoveLog& log, QWidget* frame)
    : QDockWidget(QString::fromUtf8(kLogCaption), frame), log_(log), text_(new QPlainTextEdit) {
  setObjectName(QStringLiteral("moveLogWindow"));
  // Always inside the frame: it may move to another side, never out on its own.
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  text_->setReadOnly(true);
  text_->setAccessibleName(windowTitle());
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWidget(text_);
  log_.Changed = [this](bool appended) { Refresh(appended); };
  Refresh(false);
}

void MoveLogWindow::Refresh(bool appended) {
  const std::vector<std::string> lines = log_.Lines();
  if (appended && !lines.empty()) {
    // Appending keeps the view at the end when it was there.
    text_->appendPlainText(QString::fromStdString(lines.back()));
    return;
  }
  QStringList all;
  for (const std::string& line : lines)
    all << QString::fromStdString(line);
  text_->setPlainText(all.join(QLatin1Char('\n')));
  text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

}  // namespace zelvani
