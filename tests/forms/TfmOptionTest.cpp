// The options dialog on the offscreen platform: its form, FillOptions and ApplyOptions,
// the presets, the controls fixed during a game, and which files OK loads again.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "forms/ScriptedMain.h"
#include "play/TfmPlayer.h"
#include "score/HiScore.h"
#include "settings/FileNames.h"
#include "settings/TfmOption.h"
#include "ui/TfmHands.h"

using namespace zelvani;

namespace {

template <typename T>
T* Control(const QObject* dialog, const char* name) {
  T* control = dialog->findChild<T*>(QString::fromLatin1(name));
  if (!control)
    qFatal("no control %s", name);
  return control;
}

QSpinBox* Spin(const QObject* d, const char* name) {
  return Control<QSpinBox>(d, name);
}
QLineEdit* Edit(const QObject* d, const char* name) {
  return Control<QLineEdit>(d, name);
}
QRadioButton* Radio(const QObject* d, const char* name) {
  return Control<QRadioButton>(d, name);
}

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}
std::string Full(const QString& name) {
  return FullPath(name.toStdString());
}

// Runs the menu command; `act` works the dialog while it is open, then closes it.
void RunOptionsCommand(ScriptedMain& frame, const std::function<void(TfmOption&)>& act) {
  bool reached = false;
  QTimer::singleShot(0, &frame, [&] {
    TfmOption* dialog = frame.findChild<TfmOption*>();
    if (!dialog)
      return;
    reached = true;
    act(*dialog);
  });
  frame.mnOptionClick();
  QVERIFY(reached);
  // The dialog lives only while the command runs.
  QVERIFY(!frame.findChild<TfmOption*>());
}

}  // namespace

class TfmOptionTest : public QObject {
  Q_OBJECT

 private slots:
  void formHasItsCaptionSizeTabsAndButtons() {
    ScriptedMain frame;
    frame.StartUp();
    TfmOption dialog(frame);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("オプション"));
    QCOMPARE(dialog.size(), QSize(427, 267));
    auto* pages = Control<QTabWidget>(&dialog, "PageControl1");
    QCOMPARE(pages->geometry(), QRect(0, 0, 427, 225));
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(pages->count(), 3);
    QCOMPARE(pages->tabText(0), QStringLiteral("ルール"));
    QCOMPARE(pages->tabText(1), QStringLiteral("プレイヤー"));
    QCOMPARE(pages->tabText(2), QStringLiteral("使用ファイル"));
    auto* ok = Control<QPushButton>(&dialog, "BitBtn1");
    auto* cancel = Control<QPushButton>(&dialog, "BitBtn2");
    QCOMPARE(ok->geometry(), QRect(80, 232, 105, 33));
    QCOMPARE(cancel->geometry(), QRect(232, 232, 105, 33));
    QVERIFY(ok->isDefault());
    QCOMPARE(Control<QLabel>(&dialog, "lblEndTerm")->text(), QStringLiteral("回戦までで終了"));
    QCOMPARE(Control<QLabel>(&dialog, "lblEndTerm")->geometry(), QRect(90, 110, 101, 15));
    QCOMPARE(Control<QTableWidget>(&dialog, "Names")->geometry(), QRect(10, 10, 391, 129));
    QCOMPARE(Control<QToolButton>(&dialog, "sbSoundYaku")->geometry(), QRect(290, 106, 25, 21));
    QCOMPARE(Control<QToolButton>(&dialog, "sbSoundYaku")->property("Tag").toInt(), 3);
    auto* oya = Control<QComboBox>(&dialog, "cbxOya");
    QCOMPARE(oya->count(), 4);
    QCOMPARE(oya->itemText(3), QStringLiteral("勝った人"));
    QVERIFY(Radio(&dialog, "rbEndPoint")->isChecked());
    // Every caption fits the place the form gives it.
    for (const QLabel* label : dialog.findChildren<QLabel*>())
      QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
               qPrintable(label->objectName()));
  }

  void fillShowsTheSettingsAndApplyStoresTheEdits() {
    ScriptedMain frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    game.Rules = {250, true, true, 7, 2, 2, 800, 300};
    TfmOption dialog(frame);
    dialog.FillOptions();

    QCOMPARE(Spin(&dialog, "seStartPoint")->value(), 250);
    QVERIFY(Control<QCheckBox>(&dialog, "cbWinningPoint")->isChecked());
    QVERIFY(Radio(&dialog, "rbEndTerm")->isChecked());
    QCOMPARE(Spin(&dialog, "seEndTerm")->value(), 7);
    QCOMPARE(Spin(&dialog, "seNagare")->value(), 2);
    QCOMPARE(Control<QComboBox>(&dialog, "cbxOya")->currentIndex(), 2);
    QCOMPARE(Spin(&dialog, "seWait0")->value(), 800);
    QCOMPARE(Spin(&dialog, "seWait1")->value(), 300);
    QCOMPARE(dialog.NamesCell(0, 1), QStringLiteral("プレイヤー0"));
    QCOMPARE(dialog.NamesCell(0, 4), QStringLiteral("プレイヤー3"));
    QCOMPARE(dialog.NamesCell(1, 0), QStringLiteral("名前"));
    QCOMPARE(dialog.NamesCell(2, 0), QStringLiteral("背景"));
    QCOMPARE(dialog.NamesCell(1, 2), QStringLiteral("テルル"));
    QCOMPARE(dialog.NamesCell(2, 2), QString());
    QCOMPARE(Edit(&dialog, "edCard")->text(), QStringLiteral("Cards.bmp"));
    QCOMPARE(Edit(&dialog, "edSoundYaku")->text(), QStringLiteral("YakuDasu.wav"));
    QCOMPARE(dialog.FilePaths[2], std::string("Suteru.wav"));

    Spin(&dialog, "seStartPoint")->setValue(400);
    Control<QCheckBox>(&dialog, "cbWinningPoint")->setChecked(false);
    Radio(&dialog, "rbEndPoint")->setChecked(true);
    Spin(&dialog, "seEndTerm")->setValue(12);
    Spin(&dialog, "seNagare")->setValue(5);
    Control<QComboBox>(&dialog, "cbxOya")->setCurrentIndex(3);
    Spin(&dialog, "seWait0")->setValue(0);
    Spin(&dialog, "seWait1")->setValue(1500);
    dialog.SetNamesCell(1, 3, QStringLiteral("ミナ"));
    dialog.ApplyOptions();

    const RuleSettings& rules = game.Rules;
    QCOMPARE(rules.StartPoint, 400);
    QVERIFY(!rules.ZeroSum);
    QVERIFY(!rules.UseEndTerm);
    QCOMPARE(rules.EndTerm, 12);
    QCOMPARE(rules.Ryukyoku, 5);
    QCOMPARE(rules.OyaRule, 3);
    QCOMPARE(rules.Wait0, 0);
    QCOMPARE(rules.Wait1, 1500);
    QCOMPARE(game.Seats[2].PlayerName, std::string("ミナ"));
    QCOMPARE(frame.SeatWindow(2)->windowTitle(), QStringLiteral("ミナ"));
    QCOMPARE(game.Seats[1].PlayerName, std::string("テルル"));
    QVERIFY(frame.Messages.empty());
  }

  void theTableScaleFollowsTheScreenUntilThePlayerChoosesOne() {
    ScriptedMain frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    const auto scale = [](TfmOption& dialog) { return Control<QComboBox>(&dialog, "cbxScale"); };
    {
      TfmOption dialog(frame);
      // It stands in free space of the file tab, beside a word on when it takes effect.
      const QStringList added = {"lblScale", "cbxScale", "lblScaleNote"};
      QWidget* page = Control<QWidget>(&dialog, "tsFile");
      for (const QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        for (const QString& name : added)
          QVERIFY2(added.contains(control->objectName()) ||
                       !control->geometry().intersects(
                           Control<QWidget>(&dialog, name.toLatin1().constData())->geometry()),
                   qPrintable(control->objectName()));
      QCOMPARE(Control<QLabel>(&dialog, "lblScaleNote")->text(),
               QStringLiteral("次回の起動から有効になります"));
      dialog.FillOptions();
      QCOMPARE(scale(dialog)->currentText(), QStringLiteral("100%"));  // the screen's own
      dialog.ApplyOptions();
      QCOMPARE(game.TableScale, 0);
    }
    TfmOption dialog(frame);
    dialog.FillOptions();
    scale(dialog)->setCurrentIndex(2);
    dialog.ApplyOptions();
    QCOMPARE(game.TableScale, 150);
    TfmOption again(frame);
    again.FillOptions();
    QCOMPARE(scale(again)->currentText(), QStringLiteral("150%"));
  }

  void numberFieldsRefuseValuesThatMakeNoGame() {
    ScriptedMain frame;
    frame.StartUp();
    frame.GameRecord().Rules.Wait0 = -50;
    frame.GameRecord().Rules.StartPoint = 0;
    TfmOption dialog(frame);
    dialog.FillOptions();
    QCOMPARE(Spin(&dialog, "seWait0")->value(), 0);
    QCOMPARE(Spin(&dialog, "seStartPoint")->value(), 1);
    QCOMPARE(Spin(&dialog, "seNagare")->minimum(), 1);
    QCOMPARE(Spin(&dialog, "seEndTerm")->minimum(), 1);
    QCOMPARE(Spin(&dialog, "seWait1")->minimum(), 0);
  }

  void aDealerRuleWithoutAnItemShowsAndStoresTheFirst() {
    ScriptedMain frame;
    frame.StartUp();
    frame.GameRecord().Rules.OyaRule = 7;
    TfmOption dialog(frame);
    dialog.FillOptions();
    QCOMPARE(Control<QComboBox>(&dialog, "cbxOya")->currentIndex(), 0);
    dialog.ApplyOptions();
    QCOMPARE(frame.GameRecord().Rules.OyaRule, 0);
  }

  void presetsSetOnlyTheRuleControls() {
    ScriptedMain frame;
    frame.StartUp();
    frame.GameRecord().Rules = {500, false, true, 4, 6, 1, 1000, 500};
    TfmOption dialog(frame);
    dialog.FillOptions();

    dialog.btnRule2Click();
    QCOMPARE(Spin(&dialog, "seStartPoint")->value(), 300);
    QVERIFY(Control<QCheckBox>(&dialog, "cbWinningPoint")->isChecked());
    QVERIFY(Radio(&dialog, "rbEndTerm")->isChecked());
    QCOMPARE(Spin(&dialog, "seEndTerm")->value(), 10);
    QCOMPARE(Spin(&dialog, "seNagare")->value(), 3);
    QCOMPARE(Control<QComboBox>(&dialog, "cbxOya")->currentIndex(), 0);
    // Nothing takes effect before OK.
    QCOMPARE(frame.GameRecord().Rules.StartPoint, 500);

    // Rule 1 after rule 2 keeps the round count but ends the game on points.
    dialog.btnRule1Click();
    QCOMPARE(Spin(&dialog, "seEndTerm")->value(), 10);
    QVERIFY(Radio(&dialog, "rbEndPoint")->isChecked());
    QVERIFY(!Radio(&dialog, "rbEndTerm")->isChecked());
    QVERIFY(!Control<QCheckBox>(&dialog, "cbWinningPoint")->isChecked());
    QCOMPARE(Spin(&dialog, "seStartPoint")->value(), 300);
  }

  void rule1PresetAfterRule2GivesOfficialRule1AfterOk() {
    ScriptedMain frame;
    frame.StartUp();
    frame.GameRecord().Rules = {500, false, true, 4, 6, 1, 1000, 500};
    frame.GameRecord().OfficialRule = kNoOfficialRule;
    RunOptionsCommand(frame, [](TfmOption& dialog) {
      Control<QPushButton>(&dialog, "btnRule2")->click();
      Control<QPushButton>(&dialog, "btnRule1")->click();
      Control<QPushButton>(&dialog, "BitBtn1")->click();
    });
    const RuleSettings& rules = frame.GameRecord().Rules;
    QCOMPARE(rules.StartPoint, 300);
    QVERIFY(!rules.UseEndTerm);
    QCOMPARE(rules.EndTerm, 10);
    QCOMPARE(rules.Ryukyoku, 3);
    QCOMPARE(rules.OyaRule, 0);
    QCOMPARE(frame.GameRecord().OfficialRule, 0);
  }

  void rule2PresetAfterRule1GivesOfficialRule2AfterOk() {
    ScriptedMain frame;
    frame.StartUp();
    frame.GameRecord().Rules.EndTerm = 4;
    RunOptionsCommand(frame, [](TfmOption& dialog) {
      Control<QPushButton>(&dialog, "btnRule1")->click();
      Control<QPushButton>(&dialog, "btnRule2")->click();
      Control<QPushButton>(&dialog, "BitBtn1")->click();
    });
    QCOMPARE(frame.GameRecord().Rules.EndTerm, 10);
    QVERIFY(frame.GameRecord().Rules.ZeroSum);
    QCOMPARE(frame.GameRecord().OfficialRule, 1);
  }

  void cancelChangesNothingButStillWorksOutTheOfficialRule() {
    ScriptedMain frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    game.Rules = {300, true, true, 10, 3, 0, 1000, 500};
    game.OfficialRule = kNoOfficialRule;  // stale on purpose
    RunOptionsCommand(frame, [](TfmOption& dialog) {
      Control<QPushButton>(&dialog, "btnRule1")->click();
      dialog.SetNamesCell(1, 1, QStringLiteral("だれか"));
      Control<QPushButton>(&dialog, "BitBtn2")->click();
    });
    QVERIFY(game.Rules.ZeroSum);
    QVERIFY(game.Rules.UseEndTerm);
    QCOMPARE(game.Seats[0].PlayerName, std::string("あなた"));
    QCOMPARE(game.OfficialRule, 1);
  }

  void theMenuItemOpensTheDialogAtTheRuleTab() {
    ScriptedMain frame;
    frame.StartUp();
    bool opened = false;
    QTimer::singleShot(0, &frame, [&] {
      auto* dialog = frame.findChild<TfmOption*>();
      if (!dialog)
        return;
      opened = dialog->isModal() && dialog->isVisible() &&
               Control<QTabWidget>(dialog, "PageControl1")->currentIndex() == 0;
      dialog->reject();
    });
    frame.findChild<QAction*>(QStringLiteral("mnOption"))->trigger();
    QVERIFY(opened);
  }

  void enterConfirmsTheDialog() {
    ScriptedMain frame;
    frame.StartUp();
    TfmOption dialog(frame);
    dialog.FillOptions();
    dialog.show();
    QTest::keyClick(Spin(&dialog, "seNagare"), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
  }

  void okKeepsANameStillBeingTypedInTheGrid() {
    ScriptedMain frame;
    frame.StartUp();
    TfmOption dialog(frame);
    dialog.FillOptions();
    dialog.show();
    Control<QTabWidget>(&dialog, "PageControl1")->setCurrentIndex(1);
    auto* grid = Control<QTableWidget>(&dialog, "Names");
    // Moving to a cell opens its editor at once.
    grid->setCurrentCell(3, 0);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    QVERIFY(editor);
    editor->setText(QStringLiteral("ひだり"));
    QTest::mouseClick(Control<QPushButton>(&dialog, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.NamesCell(1, 4), QStringLiteral("ひだり"));
  }

  void duringAGameTheGameRulesAreFixed() {
    ScriptedMain frame;
    frame.StartUp();
    frame.GameRecord().Round = 2;
    TfmOption dialog(frame);
    dialog.FillOptions();
    for (const char* fixed : {"lblStartPoint", "seStartPoint", "cbWinningPoint", "rbEndPoint",
                              "rbEndTerm", "seEndTerm", "lblEndTerm", "btnRule1", "btnRule2"})
      QVERIFY2(!Control<QWidget>(&dialog, fixed)->isEnabled(), fixed);
    for (const char* open : {"seNagare", "cbxOya", "Names", "seWait0", "seWait1", "sbOpen",
                             "edCard", "sbCard", "edSoundClick", "sbSoundYaku"})
      QVERIFY2(Control<QWidget>(&dialog, open)->isEnabled(), open);

    Spin(&dialog, "seNagare")->setValue(1);
    Control<QComboBox>(&dialog, "cbxOya")->setCurrentIndex(1);
    dialog.ApplyOptions();
    QCOMPARE(frame.GameRecord().Rules.Ryukyoku, 1);
    QCOMPARE(frame.GameRecord().Rules.OyaRule, 1);
    QCOMPARE(frame.GameRecord().Rules.StartPoint, 300);

    // Between games everything is open again.
    frame.GameRecord().Round = 0;
    TfmOption later(frame);
    later.FillOptions();
    QVERIFY(Control<QWidget>(&later, "seStartPoint")->isEnabled());
    QVERIFY(Control<QWidget>(&later, "btnRule2")->isEnabled());
  }

  void clickingTheRoundsLabelChoosesItsRadioButton() {
    ScriptedMain frame;
    frame.StartUp();
    TfmOption dialog(frame);
    dialog.FillOptions();
    dialog.show();
    QVERIFY(Radio(&dialog, "rbEndPoint")->isChecked());
    QTest::mouseClick(Control<QLabel>(&dialog, "lblEndTerm"), Qt::LeftButton);
    QVERIFY(Radio(&dialog, "rbEndTerm")->isChecked());
    QVERIFY(!Radio(&dialog, "rbEndPoint")->isChecked());
  }

  void unchangedFilesAreNotLoadedAgain() {
    ScriptedMain frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    QCOMPARE(game.CardPicturePath, std::string("Cards.bmp"));
    QVERIFY(frame.SeatWindow(3)->LoadBackground(QStringLiteral("Cards.bmp")));
    TfmOption dialog(frame);
    dialog.FillOptions();
    // The same files named by their absolute paths count as unchanged.
    const QString absoluteSheet = QDir::current().absoluteFilePath(QStringLiteral("Cards.bmp"));
    dialog.FileChosen(0, absoluteSheet);
    dialog.SetNamesCell(2, 4, absoluteSheet);
    dialog.ApplyOptions();
    // A load would have stored the name it was given.
    QCOMPARE(game.CardPicturePath, std::string("Cards.bmp"));
    QCOMPARE(game.Seats[3].BackgroundFile, std::string("Cards.bmp"));
    QCOMPARE(frame.Player()->CueFile(0), QStringLiteral("Click.wav"));
    QCOMPARE(frame.Player()->CueFile(2), QStringLiteral("YakuDasu.wav"));
    QVERIFY(frame.Messages.empty());
    QCOMPARE(dialog.FilePaths[0], Full(absoluteSheet));
  }

  void aBareNameIsLookedForInTheFolderOfTheFileChosenBefore() {
    ScriptedMain frame;
    frame.StartUp();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString chosen = folder.filePath(QStringLiteral("Green.bmp"));
    const QString typed = folder.filePath(QStringLiteral("Blue.bmp"));
    QVERIFY(QFile::copy(QStringLiteral("Cards.bmp"), chosen));
    QVERIFY(QFile::copy(QStringLiteral("Cards.bmp"), typed));

    TfmOption dialog(frame);
    dialog.FillOptions();
    dialog.FileChosen(0, chosen);
    QCOMPARE(Edit(&dialog, "edCard")->text(), QStringLiteral("Green.bmp"));
    Edit(&dialog, "edCard")->setText(QStringLiteral("Blue.bmp"));
    dialog.ApplyOptions();
    QCOMPARE(Q(frame.GameRecord().CardPicturePath), QFileInfo(typed).absoluteFilePath());
    QVERIFY(frame.Messages.empty());
  }

  void aTypedAbsolutePathStaysAsTyped() {
    ScriptedMain frame;
    frame.StartUp();
    QTemporaryDir before, elsewhere;
    const QString typed = elsewhere.filePath(QStringLiteral("Blue.bmp"));
    QVERIFY(QFile::copy(QStringLiteral("Cards.bmp"), typed));
    TfmOption dialog(frame);
    dialog.FillOptions();
    dialog.FileChosen(0, before.filePath(QStringLiteral("Green.bmp")));
    Edit(&dialog, "edCard")->setText(typed);
    dialog.ApplyOptions();
    QCOMPARE(Q(frame.GameRecord().CardPicturePath), typed);
    QVERIFY(frame.Messages.empty());
  }

  void aBareNameWithNoFolderBeforeIsTakenFromTheCurrentFolder() {
    ScriptedMain frame;
    frame.StartUp();
    TfmOption dialog(frame);
    dialog.FillOptions();
    Edit(&dialog, "edSoundClick")->setText(QStringLiteral("Suteru.wav"));
    dialog.ApplyOptions();
    QCOMPARE(frame.Player()->CueFile(0),
             QDir::current().absoluteFilePath(QStringLiteral("Suteru.wav")));
    QVERIFY(frame.Messages.empty());
  }

  void aCardSheetThatCannotBeReadKeepsTheOldOne() {
    ScriptedMain frame;
    frame.StartUp();
    TfmOption dialog(frame);
    dialog.FillOptions();
    Edit(&dialog, "edCard")->setText(QStringLiteral("NoSuchSheet.bmp"));
    dialog.ApplyOptions();
    QCOMPARE(frame.GameRecord().CardPicturePath, std::string("Cards.bmp"));
    QCOMPARE(frame.Messages.size(), std::size_t(1));
    QCOMPARE(Q(frame.Messages[0].Text),
             QStringLiteral("画像ファイル ") +
                 QDir::current().absoluteFilePath(QStringLiteral("NoSuchSheet.bmp")) +
                 QStringLiteral(" は開けません。"));
  }

  void backgroundsLoadAndAnEmptyCellRemovesOne() {
    ScriptedMain frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    QVERIFY(frame.SeatWindow(1)->LoadBackground(QStringLiteral("Cards.bmp")));
    const QString sheet = QDir::current().absoluteFilePath(QStringLiteral("Cards.bmp"));
    TfmOption dialog(frame);
    dialog.FillOptions();
    QCOMPARE(dialog.NamesCell(2, 2), QStringLiteral("Cards.bmp"));
    dialog.SetNamesCell(2, 2, QString());
    dialog.SetNamesCell(2, 1, sheet);
    dialog.ApplyOptions();
    QVERIFY(game.Seats[1].BackgroundFile.empty());
    QVERIFY(frame.SeatWindow(1)->BackgroundPicture().isNull());
    QCOMPARE(Q(game.Seats[0].BackgroundFile), sheet);
    QVERIFY(!frame.SeatWindow(0)->BackgroundPicture().isNull());
    QVERIFY(frame.Messages.empty());
  }

  void aSoundThatCannotBeOpenedIsReportedAndStaysSet() {
    ScriptedMain frame;
    frame.StartUp();
    TfmOption dialog(frame);
    dialog.FillOptions();
    Edit(&dialog, "edSoundSute")->setText(QStringLiteral("NoSuchSound.wav"));
    dialog.ApplyOptions();
    QCOMPARE(frame.Messages.size(), std::size_t(1));
    QCOMPARE(Q(frame.Messages[0].Text), QStringLiteral("NoSuchSound.wavは開けません"));
    QCOMPARE(Q(frame.Messages[0].Caption), QStringLiteral("エラー：Zelvani"));
    QVERIFY(frame.Messages[0].Icon == MsgIcon::Error);
    QCOMPARE(frame.Player()->CueFile(1),
             QDir::current().absoluteFilePath(QStringLiteral("NoSuchSound.wav")));
    QCOMPARE(frame.Player()->CueFile(0), QStringLiteral("Click.wav"));
  }
};

QTEST_MAIN(TfmOptionTest)
#include "TfmOptionTest.moc"
