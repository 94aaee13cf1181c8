// The help viewer: a window of its own that shows the help file "Zelvani.hlp" (an HTML
// document written for the game), or its English version "Zelvani.en.hlp", at the topic a
// help context names. Esc or Ctrl+W closes it.
#pragma once

#include <QString>
#include <QWidget>

#include "logic/settings/Language.h"

class QTextBrowser;

namespace zelvani {

inline constexpr const char* kHelpFileName = "Zelvani.hlp";
// The help file written in `language`.
QString HelpFileName(Language language);
// The context of the contents page, which the menu and the help key open.
inline constexpr int kHelpContents = 1;

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // `helpFile` is looked up like the game's other default files.
  explicit HelpWindow(QWidget* owner, const QString& helpFile = QString::fromLatin1(kHelpFileName));

  // Shows the window at the topic of `context`; an unknown context opens the file at its
  // top. A missing file is said in the window itself, never in a message box. The first
  // time it opens centred on its owner; afterwards where the player left it.
  void ShowContext(int context);

  QTextBrowser* Browser() const { return browser_; }

 private:
  QString helpFile_;
  QTextBrowser* browser_;
  bool placed_ = false;
};

}  // namespace zelvani
