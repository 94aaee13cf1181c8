#include "ui/HelpWindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "settings/ShippedFiles.h"

namespace zelvani {

namespace {

// The anchor in the help file of each help context the program uses.
QString AnchorOf(int context) {
  return context == kHelpContents ? QStringLiteral("contents") : QString();
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner, const QString& helpFile)
    : QWidget(owner, Qt::Window), helpFile_(helpFile), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Zelvani ヘルプ"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(false);
  resize(620, 520);
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
    browser_->setHtml(QStringLiteral("<p>ヘルプファイル %1 が見つかりません。</p>")
                          .arg(helpFile_.toHtmlEscaped()));
  }
  show();
  raise();
  activateWindow();
}

}  // namespace zelvani
