// The help window: opened from the menu and by the help key in any window at the contents,
// where it opens and how it closes, and what it shows when the help file is missing.
#include <QAction>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>

#include "desktop/dialogs/HelpWindow.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "desktop/table/SeatWindow.h"
#include "support/ScriptedMainWindow.h"

using namespace zelvani;

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void contentsOpenTheHelpFileAtItsFirstTopic() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QVERIFY(!frame.Help());
    frame.findChild<QAction*>(QStringLiteral("helpContentsAction"))->trigger();
    HelpWindow* help = frame.Help();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(help->isWindow());
    QCOMPARE(help->windowTitle(), QStringLiteral("Zelvani ヘルプ"));
    const QUrl source = help->Browser()->source();
    QCOMPARE(source.fileName(), QStringLiteral("Zelvani.hlp"));
    QCOMPARE(source.fragment(), QStringLiteral("contents"));
    const QString text = help->Browser()->toPlainText();
    QVERIFY(text.section(QLatin1Char('\n'), 0, 0).contains(QStringLiteral("目次")));
    for (const QString& topic : {QStringLiteral("おてつき"), QStringLiteral("流局"),
                                 QStringLiteral("公式ルール２"), QStringLiteral("同位札")})
      QVERIFY2(text.contains(topic), qPrintable(topic));
    // The contents stand at the top of the file.
    QScrollBar* scroll = help->Browser()->verticalScrollBar();
    const int atContents = scroll->value();
    QVERIFY(atContents <= help->Browser()->document()->documentMargin());

    // Opening it again reuses the window and goes back to the contents.
    help->Browser()->scrollToAnchor(QStringLiteral("mouse"));
    QVERIFY(scroll->value() > atContents);
    frame.ShowHelpContents();
    QCOMPARE(frame.Help(), help);
    QCOMPARE(scroll->value(), atContents);
  }

  void theHelpKeyOpensHelpInEveryWindowOfTheGame() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.findChild<QAction*>("startAction")->trigger();
    frame.TurnTimer()->stop();
    QList<QWidget*> windows = {&frame, frame.Piles(), frame.MeldWindowAt(0)};
    for (int seat = 0; seat < 4; ++seat)
      windows << frame.SeatWindowOf(seat);
    for (QWidget* window : windows) {
      if (frame.Help())
        frame.Help()->hide();
      QApplication::setActiveWindow(window->window());
      QTest::keyClick(window, Qt::Key_F1);
      QVERIFY2(frame.Help() && frame.Help()->isVisible(), qPrintable(window->objectName()));
    }
  }

  void helpOpensCentredOnTheFrameAndClosesWithEscOrCtrlW() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.ShowHelpContents();
    HelpWindow* help = frame.Help();
    // Centred but for the window frame's few pixels.
    const QPoint offCentre = help->frameGeometry().center() - frame.frameGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 8);
    QApplication::setActiveWindow(help);
    QTest::keyClick(help->Browser(), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    frame.ShowHelpContents();
    QVERIFY(help->isVisible());
    QApplication::setActiveWindow(help);
    QTest::keyClick(help->Browser(), Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!help->isVisible());
  }

  void aMissingHelpFileIsSaidInTheWindowOnly() {
    HelpWindow help(nullptr, QStringLiteral("NoSuchHelp.hlp"));
    help.ShowContext(kHelpContents);
    QVERIFY(help.isVisible());
    QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("NoSuchHelp.hlp")));
  }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
