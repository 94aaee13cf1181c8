// The help window: opened from the menu and by the help key at the contents, and what it
// shows when the help file is missing.
#include <QAction>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>

#include "forms/ScriptedMain.h"
#include "play/TfmPlayer.h"
#include "ui/HelpWindow.h"
#include "ui/TfmHands.h"

using namespace zelvani;

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void contentsOpenTheHelpFileAtItsFirstTopic() {
    ScriptedMain frame;
    frame.StartUp();
    QVERIFY(!frame.Help());
    frame.findChild<QAction*>(QStringLiteral("mnContents"))->trigger();
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
    frame.mnContentsClick();
    QCOMPARE(frame.Help(), help);
    QCOMPARE(scroll->value(), atContents);
  }

  void theHelpKeyOpensHelpInTheWindowsThatCarryIt() {
    ScriptedMain frame;
    frame.StartUp();
    QApplication::setActiveWindow(frame.SeatWindow(2));
    QTest::keyClick(frame.SeatWindow(2), Qt::Key_F1);
    QVERIFY(!frame.Help());

    QApplication::setActiveWindow(frame.Player());
    QTest::keyClick(frame.Player(), Qt::Key_F1);
    QVERIFY(frame.Help());
    QVERIFY(frame.Help()->isVisible());
    frame.Help()->hide();

    QApplication::setActiveWindow(&frame);
    QTest::keyClick(&frame, Qt::Key_F1);
    QVERIFY(frame.Help()->isVisible());
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
