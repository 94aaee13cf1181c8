// The options dialog on the offscreen platform: its form, FillOptions and ApplyOptions,
// the presets, the controls fixed during a game, and which files OK loads again.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
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

#include "desktop/mainwindow/OptionsDialog.h"
#include "desktop/platform/QtText.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/SeatWindow.h"
#include "desktop/table/TableMarks.h"
#include "logic/scoring/HiScore.h"
#include "logic/settings/FileNames.h"
#include "support/ScriptedMainWindow.h"

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
std::string Full(const QString& name) {
  return FullPath(name.toStdString());
}

// Runs the menu command; `act` works the dialog while it is open, then closes it.
void RunOptionsCommand(ScriptedMainWindow& frame, const std::function<void(OptionsDialog&)>& act) {
  bool reached = false;
  QTimer::singleShot(0, &frame, [&] {
    OptionsDialog* dialog = frame.findChild<OptionsDialog*>();
    if (!dialog)
      return;
    reached = true;
    act(*dialog);
  });
  frame.ShowOptionsDialog();
  QVERIFY(reached);
  // The dialog lives only while the command runs.
  QVERIFY(!frame.findChild<OptionsDialog*>());
}

}  // namespace

class OptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlShowsWholeWithItsWholeCaption() {
    ScriptedMainWindow frame;
    frame.StartUp();
    OptionsDialog dialog(frame);
    dialog.show();
    auto* pages = Control<QTabWidget>(&dialog, "pages");
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(pages->count(), 4);
    QCOMPARE(pages->tabText(3), QStringLiteral("テーブル"));  // the play aids, beside the rest
    QVERIFY(Control<QPushButton>(&dialog, "okButton")->isDefault());
    QVERIFY(Radio(&dialog, "endOnPointsButton")->isChecked());
    // What the player sees of each page: every control inside its page or the dialog,
    // every caption whole in the place it has.
    for (int page = 0; page < pages->count(); ++page) {
      pages->setCurrentIndex(page);
      for (QWidget* parent : {static_cast<QWidget*>(&dialog), pages->currentWidget()}) {
        const QList<QWidget*> controls = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* control : controls) {
          if (control->isHidden() || control->objectName().isEmpty())
            continue;
          QVERIFY2(parent->rect().contains(control->geometry()), qPrintable(control->objectName()));
        }
      }
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>())
      QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
               qPrintable(label->objectName()));
  }

  // Each computer seat's level is a choice in the player table, beside its name; the
  // human's seat has none. The table still shows every column whole.
  void theLevelOfEachComputerSeatIsChosenInThePlayerTable() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    game.Seats[3].Level = PlayerLevel::Strong;
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    QCOMPARE(dialog.NamesCell(3, 0), QStringLiteral("強さ"));
    QCOMPARE(Control<QComboBox>(&dialog, "levelBox1")->currentText(), QStringLiteral("標準"));
    QCOMPARE(Control<QComboBox>(&dialog, "levelBox3")->currentText(), QStringLiteral("強い"));
    QVERIFY(!dialog.findChild<QComboBox*>(QStringLiteral("levelBox0")));
    auto* grid = Control<QTableWidget>(&dialog, "namesGrid");
    int width = grid->verticalHeader()->width() + 2 * grid->frameWidth();
    for (int column = 0; column < grid->columnCount(); ++column)
      width += grid->columnWidth(column);
    QVERIFY(width <= grid->width());

    Control<QComboBox>(&dialog, "levelBox1")->setCurrentIndex(1);
    Control<QComboBox>(&dialog, "levelBox3")->setCurrentIndex(0);
    dialog.ApplyOptions();
    QCOMPARE(game.Seats[1].Level, PlayerLevel::Strong);
    QCOMPARE(game.Seats[2].Level, PlayerLevel::Standard);
    QCOMPARE(game.Seats[3].Level, PlayerLevel::Standard);
  }

  void fillShowsTheSettingsAndApplyStoresTheEdits() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    game.Rules = {250, true, true, 7, 2, 2, 800, 300};
    OptionsDialog dialog(frame);
    dialog.FillOptions();

    QCOMPARE(Spin(&dialog, "startPointBox")->value(), 250);
    QVERIFY(Control<QCheckBox>(&dialog, "winnerBonusBox")->isChecked());
    QVERIFY(Radio(&dialog, "endAfterRoundsButton")->isChecked());
    QCOMPARE(Spin(&dialog, "endTermBox")->value(), 7);
    QCOMPARE(Spin(&dialog, "runOutLimitBox")->value(), 2);
    QCOMPARE(Control<QComboBox>(&dialog, "dealerRuleBox")->currentIndex(), 2);
    QCOMPARE(Spin(&dialog, "ponWaitBox")->value(), 800);
    QCOMPARE(Spin(&dialog, "thinkingTimeBox")->value(), 300);
    QCOMPARE(dialog.NamesCell(0, 1), QStringLiteral("プレイヤー0"));
    QCOMPARE(dialog.NamesCell(0, 4), QStringLiteral("プレイヤー3"));
    QCOMPARE(dialog.NamesCell(1, 0), QStringLiteral("名前"));
    QCOMPARE(dialog.NamesCell(2, 0), QStringLiteral("背景"));
    QCOMPARE(dialog.NamesCell(1, 2), QStringLiteral("テルル"));
    QCOMPARE(dialog.NamesCell(2, 2), QString());
    QCOMPARE(Edit(&dialog, "cardSheetEdit")->text(), QStringLiteral("Cards.bmp"));
    QCOMPARE(Edit(&dialog, "meldSoundEdit")->text(), QStringLiteral("YakuDasu.wav"));
    QCOMPARE(dialog.FilePaths[2], std::string("Suteru.wav"));

    Spin(&dialog, "startPointBox")->setValue(400);
    Control<QCheckBox>(&dialog, "winnerBonusBox")->setChecked(false);
    Radio(&dialog, "endOnPointsButton")->setChecked(true);
    Spin(&dialog, "endTermBox")->setValue(12);
    Spin(&dialog, "runOutLimitBox")->setValue(5);
    Control<QComboBox>(&dialog, "dealerRuleBox")->setCurrentIndex(3);
    Spin(&dialog, "ponWaitBox")->setValue(0);
    Spin(&dialog, "thinkingTimeBox")->setValue(1500);
    dialog.SetNamesCell(1, 3, QStringLiteral("ミナ"));
    dialog.ApplyOptions();

    const RuleSettings& rules = game.Rules;
    QCOMPARE(rules.StartPoint, 400);
    QVERIFY(!rules.ZeroSum);
    QVERIFY(!rules.UseEndTerm);
    QCOMPARE(rules.EndTerm, 12);
    QCOMPARE(rules.RunOutLimit, 5);
    QCOMPARE(rules.DealerRule, 3);
    QCOMPARE(rules.PonWaitMs, 0);
    QCOMPARE(rules.ThinkingMs, 1500);
    QCOMPARE(game.Seats[2].PlayerName, std::string("ミナ"));
    QCOMPARE(frame.SeatWindowOf(2)->windowTitle(), QStringLiteral("ミナ"));
    QCOMPARE(game.Seats[1].PlayerName, std::string("テルル"));
    QVERIFY(frame.Messages.empty());
  }

  void theClaimBoxesAndTheTableLookAreChosenOnTheTablePage() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Preferences& prefs = frame.PreferencesRecord();
    {
      OptionsDialog dialog(frame);
      dialog.FillOptions();
      auto* quiet = Control<QCheckBox>(&dialog, "quietClaimsBox");
      auto* look = Control<QComboBox>(&dialog, "tableLookBox");
      QVERIFY(!quiet->isChecked());  // the box to confirm stays the default
      QCOMPARE(look->currentText(), QStringLiteral("標準"));
      quiet->setChecked(true);
      look->setCurrentIndex(1);
      dialog.ApplyOptions();
    }
    QVERIFY(!prefs.ClaimBoxes);
    QCOMPARE(prefs.Look, TableLook::Felt);
    QVERIFY(frame.ClientArea()->background().textureImage() == FeltTile());
    OptionsDialog again(frame);
    again.FillOptions();
    QVERIFY(Control<QCheckBox>(&again, "quietClaimsBox")->isChecked());
    QCOMPARE(Control<QComboBox>(&again, "tableLookBox")->currentText(), QStringLiteral("フェルト"));
  }

  void aNameLeftBlankInTheGridIsRefused() {
    ScriptedMainWindow frame;
    frame.StartUp();
    RunOptionsCommand(frame, [](OptionsDialog& dialog) {
      Control<QTabWidget>(&dialog, "pages")->setCurrentIndex(1);
      auto* grid = Control<QTableWidget>(&dialog, "namesGrid");
      grid->setCurrentCell(1, 0);
      grid->editItem(grid->item(1, 0));
      auto* editor = grid->findChild<QLineEdit*>();
      QVERIFY(editor && editor->isVisible());
      editor->setText(QStringLiteral(" "));
      QTest::keyClick(editor, Qt::Key_Return);
      QCoreApplication::processEvents();  // the grid takes the edit in its next turn
      QCOMPARE(dialog.NamesCell(1, 2), QStringLiteral("テルル"));  // shown again at once
      Control<QPushButton>(&dialog, "okButton")->click();
    });
    QCOMPARE(frame.GameRecord().Seats[1].PlayerName, std::string("テルル"));
    QCOMPARE(frame.SeatWindowOf(1)->windowTitle(), QStringLiteral("テルル"));
  }

  void theTableScaleFollowsTheScreenUntilThePlayerChoosesOne() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Preferences& prefs = frame.PreferencesRecord();
    const auto scale = [](OptionsDialog& dialog) {
      return Control<QComboBox>(&dialog, "tableScaleBox");
    };
    {
      OptionsDialog dialog(frame);
      // It stands in free space of the file tab, beside a word on when it takes effect.
      const QStringList added = {"tableScaleLabel", "tableScaleBox", "tableScaleNote"};
      QWidget* page = Control<QWidget>(&dialog, "filesPage");
      for (const QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        for (const QString& name : added)
          QVERIFY2(added.contains(control->objectName()) ||
                       !control->geometry().intersects(
                           Control<QWidget>(&dialog, name.toLatin1().constData())->geometry()),
                   qPrintable(control->objectName()));
      QCOMPARE(Control<QLabel>(&dialog, "tableScaleNote")->text(),
               QStringLiteral("次回の起動から有効になります"));
      dialog.FillOptions();
      QCOMPARE(scale(dialog)->currentText(), QStringLiteral("自動"));  // the screen's own
      dialog.ApplyOptions();
      QCOMPARE(prefs.TableScale, 0);
    }
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    scale(dialog)->setCurrentIndex(2);
    dialog.ApplyOptions();
    QCOMPARE(prefs.TableScale, 150);
    OptionsDialog again(frame);
    again.FillOptions();
    QCOMPARE(scale(again)->currentText(), QStringLiteral("150%"));
    // The way back: nothing stored, the screen's scale again at the next start.
    scale(again)->setCurrentIndex(scale(again)->findText(QStringLiteral("自動")));
    again.ApplyOptions();
    QCOMPARE(prefs.TableScale, 0);
  }

  void numberFieldsRefuseValuesThatMakeNoGame() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.GameRecord().Rules.PonWaitMs = -50;
    frame.GameRecord().Rules.StartPoint = 0;
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    QCOMPARE(Spin(&dialog, "ponWaitBox")->value(), 0);
    QCOMPARE(Spin(&dialog, "startPointBox")->value(), 1);
    QCOMPARE(Spin(&dialog, "runOutLimitBox")->minimum(), 1);
    QCOMPARE(Spin(&dialog, "endTermBox")->minimum(), 1);
    QCOMPARE(Spin(&dialog, "thinkingTimeBox")->minimum(), 0);
  }

  void aDealerRuleWithoutAnItemShowsAndStoresTheFirst() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.GameRecord().Rules.DealerRule = 7;
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    QCOMPARE(Control<QComboBox>(&dialog, "dealerRuleBox")->currentIndex(), 0);
    dialog.ApplyOptions();
    QCOMPARE(frame.GameRecord().Rules.DealerRule, 0);
  }

  void presetsSetOnlyTheRuleControls() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.GameRecord().Rules = {500, false, true, 4, 6, 1, 1000, 500};
    OptionsDialog dialog(frame);
    dialog.FillOptions();

    dialog.ShowOfficialRule2();
    QCOMPARE(Spin(&dialog, "startPointBox")->value(), 300);
    QVERIFY(Control<QCheckBox>(&dialog, "winnerBonusBox")->isChecked());
    QVERIFY(Radio(&dialog, "endAfterRoundsButton")->isChecked());
    QCOMPARE(Spin(&dialog, "endTermBox")->value(), 10);
    QCOMPARE(Spin(&dialog, "runOutLimitBox")->value(), 3);
    QCOMPARE(Control<QComboBox>(&dialog, "dealerRuleBox")->currentIndex(), 0);
    // Nothing takes effect before OK.
    QCOMPARE(frame.GameRecord().Rules.StartPoint, 500);

    // Rule 1 after rule 2 keeps the round count but ends the game on points.
    dialog.ShowOfficialRule1();
    QCOMPARE(Spin(&dialog, "endTermBox")->value(), 10);
    QVERIFY(Radio(&dialog, "endOnPointsButton")->isChecked());
    QVERIFY(!Radio(&dialog, "endAfterRoundsButton")->isChecked());
    QVERIFY(!Control<QCheckBox>(&dialog, "winnerBonusBox")->isChecked());
    QCOMPARE(Spin(&dialog, "startPointBox")->value(), 300);
  }

  void rule1PresetAfterRule2GivesOfficialRule1AfterOk() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.GameRecord().Rules = {500, false, true, 4, 6, 1, 1000, 500};
    frame.GameRecord().OfficialRule = kNoOfficialRule;
    RunOptionsCommand(frame, [](OptionsDialog& dialog) {
      Control<QPushButton>(&dialog, "officialRule2Button")->click();
      Control<QPushButton>(&dialog, "officialRule1Button")->click();
      Control<QPushButton>(&dialog, "okButton")->click();
    });
    const RuleSettings& rules = frame.GameRecord().Rules;
    QCOMPARE(rules.StartPoint, 300);
    QVERIFY(!rules.UseEndTerm);
    QCOMPARE(rules.EndTerm, 10);
    QCOMPARE(rules.RunOutLimit, 3);
    QCOMPARE(rules.DealerRule, 0);
    QCOMPARE(frame.GameRecord().OfficialRule, 0);
  }

  void rule2PresetAfterRule1GivesOfficialRule2AfterOk() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.GameRecord().Rules.EndTerm = 4;
    RunOptionsCommand(frame, [](OptionsDialog& dialog) {
      Control<QPushButton>(&dialog, "officialRule1Button")->click();
      Control<QPushButton>(&dialog, "officialRule2Button")->click();
      Control<QPushButton>(&dialog, "okButton")->click();
    });
    QCOMPARE(frame.GameRecord().Rules.EndTerm, 10);
    QVERIFY(frame.GameRecord().Rules.ZeroSum);
    QCOMPARE(frame.GameRecord().OfficialRule, 1);
  }

  void cancelChangesNothingButStillWorksOutTheOfficialRule() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    game.Rules = {300, true, true, 10, 3, 0, 1000, 500};
    game.OfficialRule = kNoOfficialRule;  // stale on purpose
    RunOptionsCommand(frame, [](OptionsDialog& dialog) {
      Control<QPushButton>(&dialog, "officialRule1Button")->click();
      dialog.SetNamesCell(1, 1, QStringLiteral("だれか"));
      Control<QPushButton>(&dialog, "cancelButton")->click();
    });
    QVERIFY(game.Rules.ZeroSum);
    QVERIFY(game.Rules.UseEndTerm);
    QCOMPARE(game.Seats[0].PlayerName, std::string("あなた"));
    QCOMPARE(game.OfficialRule, 1);
  }

  void theMenuItemOpensTheDialogAtTheRuleTab() {
    ScriptedMainWindow frame;
    frame.StartUp();
    bool opened = false;
    QTimer::singleShot(0, &frame, [&] {
      auto* dialog = frame.findChild<OptionsDialog*>();
      if (!dialog)
        return;
      opened = dialog->isModal() && dialog->isVisible() &&
               Control<QTabWidget>(dialog, "pages")->currentIndex() == 0;
      dialog->reject();
    });
    frame.findChild<QAction*>(QStringLiteral("optionsDialogAction"))->trigger();
    QVERIFY(opened);
  }

  void enterConfirmsTheDialog() {
    ScriptedMainWindow frame;
    frame.StartUp();
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    dialog.show();
    QTest::keyClick(Spin(&dialog, "runOutLimitBox"), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
  }

  void okKeepsANameStillBeingTypedInTheGrid() {
    ScriptedMainWindow frame;
    frame.StartUp();
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    dialog.show();
    Control<QTabWidget>(&dialog, "pages")->setCurrentIndex(1);
    auto* grid = Control<QTableWidget>(&dialog, "namesGrid");
    // Moving to a cell opens its editor at once.
    grid->setCurrentCell(3, 0);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    QVERIFY(editor);
    editor->setText(QStringLiteral("ひだり"));
    QTest::mouseClick(Control<QPushButton>(&dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.NamesCell(1, 4), QStringLiteral("ひだり"));
  }

  void aScreenReaderGetsOutOfTheGridAndHearsEachChoice() {
    ScriptedMainWindow frame;
    frame.StartUp();
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    Control<QTabWidget>(&dialog, "pages")->setCurrentIndex(1);
    auto* grid = Control<QTableWidget>(&dialog, "namesGrid");
    // Each editor in turn: its name, and its way out.
    for (int key : {Qt::Key_Tab, Qt::Key_Backtab}) {
      const int row = key == Qt::Key_Tab ? 1 : 2;
      grid->setCurrentCell(row, 0);
      auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
      QVERIFY(editor);
      QCOMPARE(editor->accessibleName(),
               dialog.NamesCell(0, row + 1) + ' ' + dialog.NamesCell(1, 0));
      editor->setFocus();
      QTest::keyClick(editor, static_cast<Qt::Key>(key));
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus && focus != grid && !grid->isAncestorOf(focus));
      if (key == Qt::Key_Tab)  // on to the page's next control
        QCOMPARE(focus, Spin(&dialog, "ponWaitBox"));
    }
    // A list box's choice is read with it.
    auto* dealer = Control<QComboBox>(&dialog, "dealerRuleBox");
    dealer->setCurrentIndex(2);
    QCOMPARE(dealer->accessibleDescription(), dealer->currentText());
  }

  void duringAGameTheGameRulesAreFixed() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.GameRecord().Round = 2;
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    for (const char* fixed : {"startPointLabel", "startPointBox", "winnerBonusBox",
                              "endOnPointsButton", "endAfterRoundsButton", "endTermBox",
                              "endTermLabel", "officialRule1Button", "officialRule2Button"})
      QVERIFY2(!Control<QWidget>(&dialog, fixed)->isEnabled(), fixed);
    for (const char* open : {"runOutLimitBox", "dealerRuleBox", "namesGrid", "ponWaitBox",
                             "thinkingTimeBox", "backgroundBrowse", "cardSheetEdit",
                             "cardSheetBrowse", "clickSoundEdit", "meldSoundBrowse"})
      QVERIFY2(Control<QWidget>(&dialog, open)->isEnabled(), open);

    Spin(&dialog, "runOutLimitBox")->setValue(1);
    Control<QComboBox>(&dialog, "dealerRuleBox")->setCurrentIndex(1);
    dialog.ApplyOptions();
    QCOMPARE(frame.GameRecord().Rules.RunOutLimit, 1);
    QCOMPARE(frame.GameRecord().Rules.DealerRule, 1);
    QCOMPARE(frame.GameRecord().Rules.StartPoint, 300);

    // Between games everything is open again.
    frame.GameRecord().Round = 0;
    OptionsDialog later(frame);
    later.FillOptions();
    QVERIFY(Control<QWidget>(&later, "startPointBox")->isEnabled());
    QVERIFY(Control<QWidget>(&later, "officialRule2Button")->isEnabled());
  }

  void clickingTheRoundsLabelChoosesItsRadioButton() {
    ScriptedMainWindow frame;
    frame.StartUp();
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    dialog.show();
    QVERIFY(Radio(&dialog, "endOnPointsButton")->isChecked());
    QTest::mouseClick(Control<QLabel>(&dialog, "endTermLabel"), Qt::LeftButton);
    QVERIFY(Radio(&dialog, "endAfterRoundsButton")->isChecked());
    QVERIFY(!Radio(&dialog, "endOnPointsButton")->isChecked());
  }

  void unchangedFilesAreNotLoadedAgain() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Preferences& prefs = frame.PreferencesRecord();
    QCOMPARE(prefs.CardPicturePath, std::string("Cards.bmp"));
    QVERIFY(frame.SeatWindowOf(3)->LoadBackground(QStringLiteral("Cards.bmp")));
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    // The same files named by their absolute paths count as unchanged.
    const QString absoluteSheet = QDir::current().absoluteFilePath(QStringLiteral("Cards.bmp"));
    dialog.FileChosen(0, absoluteSheet);
    dialog.SetNamesCell(2, 4, absoluteSheet);
    dialog.ApplyOptions();
    // A load would have stored the name it was given.
    QCOMPARE(prefs.CardPicturePath, std::string("Cards.bmp"));
    QCOMPARE(prefs.SeatBackgrounds[3], std::string("Cards.bmp"));
    QCOMPARE(frame.HumanSeat()->CueFile(0), QStringLiteral("Click.wav"));
    QCOMPARE(frame.HumanSeat()->CueFile(2), QStringLiteral("YakuDasu.wav"));
    QVERIFY(frame.Messages.empty());
    QCOMPARE(dialog.FilePaths[0], Full(absoluteSheet));
  }

  void aBareNameIsLookedForInTheFolderOfTheFileChosenBefore() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString chosen = folder.filePath(QStringLiteral("Green.bmp"));
    const QString typed = folder.filePath(QStringLiteral("Blue.bmp"));
    QVERIFY(QFile::copy(QStringLiteral("Cards.bmp"), chosen));
    QVERIFY(QFile::copy(QStringLiteral("Cards.bmp"), typed));

    OptionsDialog dialog(frame);
    dialog.FillOptions();
    dialog.FileChosen(0, chosen);
    QCOMPARE(Edit(&dialog, "cardSheetEdit")->text(), QStringLiteral("Green.bmp"));
    Edit(&dialog, "cardSheetEdit")->setText(QStringLiteral("Blue.bmp"));
    dialog.ApplyOptions();
    QCOMPARE(ToQString(frame.PreferencesRecord().CardPicturePath),
             QFileInfo(typed).absoluteFilePath());
    QVERIFY(frame.Messages.empty());
  }

  void aTypedAbsolutePathStaysAsTyped() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QTemporaryDir before, elsewhere;
    const QString typed = elsewhere.filePath(QStringLiteral("Blue.bmp"));
    QVERIFY(QFile::copy(QStringLiteral("Cards.bmp"), typed));
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    dialog.FileChosen(0, before.filePath(QStringLiteral("Green.bmp")));
    Edit(&dialog, "cardSheetEdit")->setText(typed);
    dialog.ApplyOptions();
    QCOMPARE(ToQString(frame.PreferencesRecord().CardPicturePath), typed);
    QVERIFY(frame.Messages.empty());
  }

  void aBareNameWithNoFolderBeforeIsTakenFromTheCurrentFolder() {
    ScriptedMainWindow frame;
    frame.StartUp();
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    Edit(&dialog, "clickSoundEdit")->setText(QStringLiteral("Suteru.wav"));
    dialog.ApplyOptions();
    QCOMPARE(frame.HumanSeat()->CueFile(0),
             QDir::current().absoluteFilePath(QStringLiteral("Suteru.wav")));
    QVERIFY(frame.Messages.empty());
  }

  void aCardSheetThatCannotBeReadKeepsTheOldOne() {
    ScriptedMainWindow frame;
    frame.StartUp();
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    Edit(&dialog, "cardSheetEdit")->setText(QStringLiteral("NoSuchSheet.bmp"));
    dialog.ApplyOptions();
    QCOMPARE(frame.PreferencesRecord().CardPicturePath, std::string("Cards.bmp"));
    QCOMPARE(frame.Messages.size(), std::size_t(1));
    QCOMPARE(ToQString(frame.Messages[0].Text),
             QStringLiteral("画像ファイル ") +
                 QDir::current().absoluteFilePath(QStringLiteral("NoSuchSheet.bmp")) +
                 QStringLiteral(" は開けません。"));
  }

  void backgroundsLoadAndAnEmptyCellRemovesOne() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Preferences& prefs = frame.PreferencesRecord();
    QVERIFY(frame.SeatWindowOf(1)->LoadBackground(QStringLiteral("Cards.bmp")));
    const QString sheet = QDir::current().absoluteFilePath(QStringLiteral("Cards.bmp"));
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    QCOMPARE(dialog.NamesCell(2, 2), QStringLiteral("Cards.bmp"));
    dialog.SetNamesCell(2, 2, QString());
    dialog.SetNamesCell(2, 1, sheet);
    dialog.ApplyOptions();
    QVERIFY(prefs.SeatBackgrounds[1].empty());
    QVERIFY(frame.SeatWindowOf(1)->BackgroundPicture().isNull());
    QCOMPARE(ToQString(prefs.SeatBackgrounds[0]), sheet);
    QVERIFY(!frame.SeatWindowOf(0)->BackgroundPicture().isNull());
    QVERIFY(frame.Messages.empty());
  }

  void aSoundThatCannotBeOpenedIsReportedAndStaysSet() {
    ScriptedMainWindow frame;
    frame.StartUp();
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    Edit(&dialog, "discardSoundEdit")->setText(QStringLiteral("NoSuchSound.wav"));
    dialog.ApplyOptions();
    QCOMPARE(frame.Messages.size(), std::size_t(1));
    QCOMPARE(ToQString(frame.Messages[0].Text), QStringLiteral("NoSuchSound.wavは開けません"));
    QCOMPARE(ToQString(frame.Messages[0].Caption), QStringLiteral("エラー：Zelvani"));
    QVERIFY(frame.Messages[0].Icon == MsgIcon::Error);
    QCOMPARE(frame.HumanSeat()->CueFile(1),
             QDir::current().absoluteFilePath(QStringLiteral("NoSuchSound.wav")));
    QCOMPARE(frame.HumanSeat()->CueFile(0), QStringLiteral("Click.wav"));
  }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
