// The game in English and in Japanese: every text of the translation file is translated
// and keeps its place-holders; a game played in English shows no Japanese outside player
// names; in Japanese the texts are the game's own, as they always were.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

#include "desktop/app/CommandLine.h"
#include "desktop/dialogs/HelpWindow.h"
#include "desktop/dialogs/ScoreSheetWindow.h"
#include "desktop/mainwindow/OptionsDialog.h"
#include "desktop/platform/QtTranslations.h"
#include "logic/computer/Hint.h"
#include "logic/play/GameCommands.h"
#include "logic/play/Piles.h"
#include "logic/scoring/ScoreCommands.h"
#include "support/ScriptedMainWindow.h"

using namespace zelvani;

namespace {

// Kana, CJK ideographs, and the full-width letters and punctuation Japanese text uses.
const QRegularExpression kJapanese(
    QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));

struct Message {
  QString Context;
  QString Source;
  QString Translation;
  bool Finished = true;
};

std::vector<Message> ReadTranslationFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  std::vector<Message> messages;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement())
      continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      messages.push_back({context, {}, {}, true});
    } else if (xml.name() == QLatin1String("source") && !messages.empty()) {
      messages.back().Source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
      const QString type = xml.attributes().value(QLatin1String("type")).toString();
      messages.back().Finished = type.isEmpty();
      messages.back().Translation = xml.readElementText();
    }
  }
  return messages;
}

QStringList Placeholders(const QString& text) {
  QStringList found;
  for (const auto& match : QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text))
    found << match.captured();
  found.sort();
  return found;
}

void AddText(QStringList& texts, const QString& where, const QString& text) {
  if (!text.isEmpty())
    texts << where + QStringLiteral(": ") + text;
}

void AddMenu(QStringList& texts, const QString& where, const QMenu* menu) {
  AddText(texts, where, menu->title());
  for (const QAction* action : menu->actions()) {
    AddText(texts, where, action->text());
    if (action->menu())
      AddMenu(texts, where, action->menu());
  }
}

// Every text the windows show or give a screen reader.
QStringList VisibleTexts() {
  QStringList texts;
  for (const QWidget* widget : QApplication::allWidgets()) {
    const QString where = QString::fromLatin1(widget->metaObject()->className()) +
                          QLatin1Char(' ') + widget->objectName();
    AddText(texts, where, widget->windowTitle());
    AddText(texts, where, widget->accessibleName());
    AddText(texts, where, widget->accessibleDescription());
    AddText(texts, where, widget->toolTip());
    if (const auto* label = qobject_cast<const QLabel*>(widget))
      AddText(texts, where, label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
      AddText(texts, where, button->text());
    if (const auto* box = qobject_cast<const QComboBox*>(widget))
      for (int i = 0; i < box->count(); ++i)
        AddText(texts, where, box->itemText(i));
    if (const auto* pages = qobject_cast<const QTabWidget*>(widget))
      for (int i = 0; i < pages->count(); ++i)
        AddText(texts, where, pages->tabText(i));
    if (const auto* grid = qobject_cast<const QTableWidget*>(widget))
      for (int row = 0; row < grid->rowCount(); ++row)
        for (int col = 0; col < grid->columnCount(); ++col)
          if (const QTableWidgetItem* item = grid->item(row, col)) {
            AddText(texts, where, item->text());
            AddText(texts, where, item->data(Qt::AccessibleTextRole).toString());
          }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget))
      AddText(texts, where, edit->toPlainText());
    if (const auto* browser = qobject_cast<const QTextBrowser*>(widget))
      AddText(texts, where, browser->toPlainText());
    if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
      for (const QAction* action : bar->actions())
        if (action->menu())
          AddMenu(texts, where, action->menu());
    if (const auto* menu = qobject_cast<const QMenu*>(widget))
      AddMenu(texts, where, menu);
  }
  return texts;
}

// A game under way: a round dealt, a hint asked for, the boxes the menus open.
void PlayARound(ScriptedMainWindow& frame) {
  frame.StartUp();
  Game& game = frame.GameRecord();
  ClickStock(game);  // deals
  frame.TurnTimer()->stop();
  ShowHint(game);
  ShowHighScores(game);
  ShowTotals(game);
  AbandonGame(game);  // answered No
  frame.LogWindow()->show();
  frame.ShowHelpContents();
  frame.ShowAbout();
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Names stored by an earlier run would be taken for the player's own.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.contains(QLatin1String("test-config")))
      QDir(config).removeRecursively();
  }

  void everyTextIsTranslatedWithItsPlaceholders() {
    const std::vector<Message> messages =
        ReadTranslationFile(QStringLiteral(ZELVANI_SOURCE_DIR "/translations/zelvani_en.ts"));
    QVERIFY(messages.size() > 200);
    for (const Message& m : messages) {
      const QString what = m.Context + QStringLiteral(": ") + m.Source;
      QVERIFY2(m.Finished && !m.Translation.isEmpty(), qPrintable(what));
      QVERIFY2(!m.Translation.contains(kJapanese), qPrintable(what));
      QVERIFY2(Placeholders(m.Source) == Placeholders(m.Translation), qPrintable(what));
    }
  }

  // Before the English test, which installs its translation for good.
  void inJapaneseTheTextsAreTheGamesOwn() {
    ScriptedMainWindow frame;
    PlayARound(frame);
    const QStringList texts = VisibleTexts();
    for (const char* expected : {"ゲーム(&G)", "得点状況", "Zelvani ヘルプ", "山",
                                 "新しいゲームを始めました。\n第1回戦を配りました。親は"})
      QVERIFY2(std::any_of(texts.begin(), texts.end(),
                           [expected](const QString& text) {
                             return text.section(QStringLiteral(": "), 1)
                                 .startsWith(QString::fromUtf8(expected));
                           }),
               expected);
    QCOMPARE(frame.Messages.front().Caption, std::string("ハイスコア（ルール1）"));
    QCOMPARE(frame.GameRecord().Seats[0].PlayerName, std::string("あなた"));
    // With Japanese chosen nothing translates the game's own words.
    for (const Message& m :
         ReadTranslationFile(QStringLiteral(ZELVANI_SOURCE_DIR "/translations/zelvani_en.ts")))
      QCOMPARE(QCoreApplication::translate(m.Context.toUtf8().constData(),
                                           m.Source.toUtf8().constData()),
               m.Source);
  }
  void aGameInEnglishShowsNoJapanese() {
    // As a start in English installs it: for the rest of this run.
    InstallTranslations(Language::English);
    {
      ScriptedMainWindow frame;
      PlayARound(frame);
      // The options dialog's pages, as the command opens them.
      QStringList options;
      QTimer::singleShot(0, &frame, [&] {
        if (auto* dialog = frame.findChild<OptionsDialog*>()) {
          options = VisibleTexts();
          dialog->reject();
        }
      });
      frame.ShowOptionsDialog();
      QVERIFY(!options.isEmpty());

      QStringList japanese;
      for (QString text : VisibleTexts() + options)
        // The language box, and the help telling of it, name Japanese in Japanese, as
        // language choosers do.
        if (text.remove(QStringLiteral("日本語")).contains(kJapanese))
          japanese << text;
      for (const ScriptedBoxes::Shown& box : frame.Messages)
        for (const std::string& text : {box.Text, box.Caption, box.Description})
          if (QString::fromStdString(text).contains(kJapanese))
            japanese << QStringLiteral("box: ") + QString::fromStdString(text);
      QVERIFY2(japanese.isEmpty(), qPrintable(japanese.join(QLatin1Char('\n'))));
      QCOMPARE(frame.GameRecord().Seats[1].PlayerName, std::string("Tellur"));
      QVERIFY(frame.Messages.size() >= 3);
    }
    const std::unique_ptr<QTranslator> english = LoadGameTranslation(Language::English);
    QVERIFY(english);
    const CommandLineOutcome help =
        ReadCommandLine({QStringLiteral("zelvani"), QStringLiteral("--help")}, english.get());
    QVERIFY(help.Text.startsWith(QStringLiteral("Usage")));
    QVERIFY(!help.Text.contains(kJapanese));
  }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
