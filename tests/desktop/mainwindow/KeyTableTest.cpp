// The key tables of the README and of the help, Japanese and English, against the keys the
// running program answers: every shortcut of the frame and the table's windows is named in
// each, and every key they name is one of them, a menu's access key, or a key of the splash.
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QtTest>
#include <set>

#include "support/ScriptedMainWindow.h"

namespace zelvani {

namespace {

using KeySet = std::set<QString>;

QString ReadSource(const QString& path) {
  QFile file(QStringLiteral(ZELVANI_SOURCE_DIR "/") + path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// One spelling per key: the one QKeySequence gives, with the keypad's Enter taken as
// Return and Shift+Tab as Shift+Backtab, which is what Qt reports for it.
QString Normal(const QString& key) {
  static const std::map<QString, QString> kSpoken = {
      {QStringLiteral("←"), QStringLiteral("Left")},
      {QStringLiteral("→"), QStringLiteral("Right")},
      {QStringLiteral("スペース"), QStringLiteral("Space")},
      {QStringLiteral("Delete"), QStringLiteral("Del")},
      {QStringLiteral("Enter"), QStringLiteral("Return")},
      {QStringLiteral("Shift+Tab"), QStringLiteral("Shift+Backtab")},
  };
  const auto spoken = kSpoken.find(key);
  return spoken != kSpoken.end() ? spoken->second : key;
}

// The first cells of the table's rows, split into keys.
KeySet KeysOfTable(const QString& table, const QRegularExpression& firstCell,
                   const QRegularExpression& separator) {
  KeySet keys;
  for (const auto& row : firstCell.globalMatch(table))
    for (const QString& key : row.captured(1).split(separator, Qt::SkipEmptyParts))
      keys.insert(Normal(key));
  return keys;
}

KeySet ReadmeKeys() {
  const QString readme = ReadSource(QStringLiteral("README.md"));
  const qsizetype start = readme.indexOf(QStringLiteral("| Key | Does |"));
  const qsizetype end = readme.indexOf(QStringLiteral("\n\n"), start);
  return KeysOfTable(readme.mid(start, end - start),
                     QRegularExpression(QStringLiteral("\\n\\| ([^|]+) \\|")),
                     QRegularExpression(QStringLiteral("[ ,]+")));
}

// The key table of a help file, found by its section's heading.
KeySet HelpKeys(const QString& path, const QString& heading) {
  const QString help = ReadSource(path);
  const qsizetype start = help.indexOf(heading);
  if (start < 0)
    return {};
  const qsizetype end = help.indexOf(QStringLiteral("</table>"), start);
  return KeysOfTable(help.mid(start, end - start),
                     QRegularExpression(QStringLiteral("<tr><td>([^<]+)</td>")),
                     QRegularExpression(QStringLiteral("[ ,、]+")));
}

}  // namespace

class KeyTableTest : public QObject {
  Q_OBJECT

 private slots:
  void theTablesNameEveryKeyOfTheProgramAndNoOther() {
    ScriptedMainWindow frame;
    frame.StartUp();
    KeySet program;
    for (QWidget* window : QApplication::topLevelWidgets())
      for (const QAction* action : window->findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
          program.insert(Normal(key.toString(QKeySequence::PortableText)));
    // Names the README and the help may give beside those: the menus' access keys, and
    // the splash's own keys.
    KeySet allowed = program;
    for (const QAction* menu : frame.menuBar()->actions()) {
      const qsizetype mark = menu->text().indexOf(QLatin1Char('&'));
      if (mark >= 0)
        allowed.insert(QStringLiteral("Alt+") + menu->text().at(mark + 1).toUpper());
    }
    allowed.insert(QStringLiteral("Esc"));
    QVERIFY(program.size() > 10);

    const std::pair<const char*, KeySet> tables[] = {
        {"README", ReadmeKeys()},
        {"help", HelpKeys(QStringLiteral("desktop/dialogs/help/Zelvani.hlp"),
                          QStringLiteral("<h2>キーボードの使い方</h2>"))},
        {"English help", HelpKeys(QStringLiteral("desktop/dialogs/help/Zelvani.en.hlp"),
                                  QStringLiteral("<h2>Using the keyboard</h2>"))}};
    for (const auto& [name, keys] : tables) {
      QVERIFY2(!keys.empty(), name);
      for (const QString& key : program)
        QVERIFY2(keys.count(key), qPrintable(QStringLiteral("%1 leaves out %2").arg(name, key)));
      for (const QString& key : keys)
        QVERIFY2(
            allowed.count(key),
            qPrintable(
                QStringLiteral("%1 names %2, which the program does not answer").arg(name, key)));
    }
  }
};

}  // namespace zelvani

QTEST_MAIN(zelvani::KeyTableTest)
#include "KeyTableTest.moc"
