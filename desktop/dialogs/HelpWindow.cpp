#include "desktop/dialogs/HelpWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "desktop/platform/ShippedFiles.h"

namespace zelvani {

namespace {

// The anchor in the help file of each help context the program uses.
QString AnchorOf(int context) {
  return context == kHelpContents ? QStringLiteral("contents") : QString();
}

}  // namespace

QString HelpFileName(Language language) {
  return language == Language::Japanese
             ? QString::fromLatin1(kHelpFileName)
             : QStringLiteral("Zelvani.%1.hlp").arg(QString::fromLatin1(LanguageCode(language)));
}

HelpWindow::HelpWindow(QWidget* owner, const QString& helpFile)
    : QWidget(owner, Qt::Window), helpFile_(helpFile), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QCoreApplication::translate("HelpWindow", "Zelvani ヘルプ"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(false);
  // A caret that the arrows move through the text: a screen reader reads line by line,
  // word by word and by sentences with its ordinary commands, and Tab still goes from
  // link to link.
  browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
  browser_->setAccessibleName(windowTitle());
  // The keys scroll and follow the links as soon as the window opens.
  setFocusProxy(browser_);
  resize(620, 520);
  auto* closeKeys = new QAction(this);
  closeKeys->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
  connect(closeKeys, &QAction::triggered, this, &QWidget::close);
  addAction(closeKeys);
}

void HelpWindow::ShowContext(int context) {
  const QString path = ResolveDataFile(helpFile_);
  if (QFileInfo(path).isFile()) {
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    const QString anchor = AnchorOf(context);
    if (!anchor.isEmpty())
      url.setFragment(anchor);
    browser_->setSource(url, QTextDocument::HtmlResource);
  } else {
    browser_->setHtml(
        QStringLiteral("<p>%1</p>")
            .arg(QCoreApplication::translate("HelpWindow", "ヘルプファイル %1 が見つかりません。")
                     .arg(helpFile_)
                     .toHtmlEscaped()));
  }
  if (!placed_) {
    placed_ = true;
    if (const QWidget* owner = parentWidget()) {
      QRect place(QPoint(0, 0), size());
      place.moveCenter(owner->frameGeometry().center());
      if (const QScreen* screen = owner->screen()) {
        // Kept on the screen, its top-left corner first.
        const QRect area = screen->availableGeometry();
        place.moveRight(qMin(place.right(), area.right()));
        place.moveBottom(qMin(place.bottom(), area.bottom()));
        place.moveLeft(qMax(place.left(), area.left()));
        place.moveTop(qMax(place.top(), area.top()));
      }
      move(place.topLeft());
    }
  }
  show();
  raise();
  activateWindow();
}

}  // namespace zelvani
