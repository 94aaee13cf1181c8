#include "desktop/mainwindow/OptionsDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>

#include "desktop/mainwindow/MainWindow.h"
#include "desktop/platform/FileChooser.h"
#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScreenReader.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/SeatWindow.h"
#include "logic/settings/FileNames.h"
#include "logic/settings/OptionRules.h"
#include "logic/table/SeatNames.h"
#include "ui_OptionsDialog.h"

namespace zelvani {

namespace {

// The dialog's client area and the names grid's cells, as the form lays them out.
constexpr QSize kClientSize(427, 267);
constexpr int kGridColumnWidth = 128;
constexpr int kGridRowHeight = 24;
constexpr int kDialogFontPixels = 15;
constexpr int kButtonFontPixels = 16;
constexpr int kSmallestFontPixels = 10;
constexpr int kNamesColumn = 1;
constexpr int kBackgroundColumn = 2;
// Beside them, each computer seat's level (強さ): a narrow column, so the names and
// backgrounds give up the width it takes.
constexpr int kLevelColumn = 3;
constexpr int kLevelColumnWidth = 64;

// The names grid's editors: each named by its column and row headings, and Tab and
// Shift+Tab leave the grid as they leave any control (the arrows move between the cells).
class GridCellDelegate : public QStyledItemDelegate {
 public:
  explicit GridCellDelegate(QTableWidget* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor) {
      const QTableWidgetItem* column = grid_->horizontalHeaderItem(index.column());
      const QTableWidgetItem* row = grid_->verticalHeaderItem(index.row());
      editor->setAccessibleName((row ? row->text() + QLatin1Char(' ') : QString()) +
                                (column ? column->text() : QString()));
    }
    return editor;
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        // The grid, which has the focus back, passes the key on to the next control.
        QKeyEvent leave(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
        QCoreApplication::sendEvent(grid_, &leave);
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  QTableWidget* grid_;
};

void SetRange(QSpinBox* box, const NumberRange& range) {
  box->setRange(range.Minimum, range.Maximum);
}

// The grid's headings stand in for its fixed row 0 and column 0.
QTableWidgetItem* HeadingItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return item;
}

}  // namespace

OptionsDialog::OptionsDialog(MainWindow& frame)
    : QDialog(&frame), frame_(frame), ui_(new Ui::OptionsDialog) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("optionsDialog"));
  SetupControls();
}

OptionsDialog::~OptionsDialog() {
  delete ui_;
}

int OptionsDialog::FittingPixelSize(QFont font) const {
  // The fixed places were laid out for the design font; a stand-in font whose Japanese
  // is wider is made smaller until every caption fits its place again.
  const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                        style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
  for (int pixels = kDialogFontPixels; pixels > kSmallestFontPixels; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetrics metrics(font);
    bool fits = true;
    for (const QLabel* label : findChildren<QLabel*>())
      fits = fits && metrics.horizontalAdvance(label->text()) <= label->width();
    for (const QAbstractButton* button : findChildren<QAbstractButton*>()) {
      if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
        fits = fits && metrics.horizontalAdvance(button->text()) + indicator <= button->width();
    }
    if (fits)
      return pixels;
  }
  return kSmallestFontPixels;
}

void OptionsDialog::SetupControls() {
  QFont dialogFont = font();
  dialogFont.setPixelSize(FittingPixelSize(dialogFont));
  setFont(dialogFont);
  QFont buttonFont = dialogFont;
  buttonFont.setPixelSize(kButtonFontPixels);
  ui_->okButton->setFont(buttonFont);
  ui_->cancelButton->setFont(buttonFont);
  ui_->okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  ui_->cancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  setFixedSize(kClientSize);

  SetRange(ui_->startPointBox, kStartPointRange);
  SetRange(ui_->endTermBox, kEndTermRange);
  SetRange(ui_->runOutLimitBox, kRunOutLimitRange);
  SetRange(ui_->ponWaitBox, kWaitRange);
  SetRange(ui_->thinkingTimeBox, kWaitRange);

  QTableWidget* grid = ui_->namesGrid;
  grid->verticalHeader()->setFixedWidth(kGridColumnWidth);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->horizontalHeader()->setFixedHeight(kGridRowHeight);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  grid->setColumnCount(kLevelColumn);
  for (int row = 0; row < grid->rowCount(); ++row)
    for (int column = 0; column < grid->columnCount(); ++column)
      grid->setItem(row, column, new QTableWidgetItem);
  const int shared =
      (grid->width() - 2 * grid->frameWidth() - kGridColumnWidth - kLevelColumnWidth);
  grid->setColumnWidth(kNamesColumn - 1, shared - shared / 2);
  grid->setColumnWidth(kBackgroundColumn - 1, shared / 2);
  grid->setColumnWidth(kLevelColumn - 1, kLevelColumnWidth);
  // The human's seat has no level: its cell is blank and cannot be edited.
  grid->item(kHumanSeat, kLevelColumn - 1)->setFlags(Qt::NoItemFlags);
  for (int seat = 1; seat < kSeatCount; ++seat) {
    auto* box = new QComboBox(grid);
    box->addItems({QCoreApplication::translate("OptionsDialog", "標準"),
                   QCoreApplication::translate("OptionsDialog", "強い")});
    box->setObjectName(QStringLiteral("levelBox%1").arg(seat));
    box->setAccessibleName(
        QCoreApplication::translate("OptionsDialog", "プレイヤー%1の強さ").arg(seat));
    grid->setCellWidget(seat, kLevelColumn - 1, box);
    levelBoxes_[seat] = box;
  }
  grid->setCurrentCell(0, 0);
  grid->setTabKeyNavigation(false);
  grid->setItemDelegate(new GridCellDelegate(grid));
  // A screen reader reads a list box's choice from its description when the box gets the
  // focus, and hears each new choice as it is made. The description of the box with the
  // focus is brought up to date only once the focus leaves it: Qt sends a description change
  // in a form Orca cannot read, and Orca fails on it.
  for (QComboBox* box : findChildren<QComboBox*>()) {
    box->setAccessibleDescription(box->currentText());
    connect(box, &QComboBox::currentTextChanged, box, [box](const QString& text) {
      if (box->hasFocus())
        Announce(text);
      else
        box->setAccessibleDescription(text);
    });
  }
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
    auto* box = qobject_cast<QComboBox*>(old);
    if (box && isAncestorOf(box) && box->accessibleDescription() != box->currentText())
      box->setAccessibleDescription(box->currentText());
  });
  // A name left blank is refused as soon as it is typed: the seat's name shows again.
  connect(grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    const int seat = item->row();
    if (item->column() + 1 != kNamesColumn || seat < 0 || seat >= kSeatCount ||
        !IsBlankName(item->text().toStdString()))
      return;
    const std::string& name = frame_.GameRecord().Seats[seat].PlayerName;
    if (!IsBlankName(name))
      item->setText(ToQString(name));
  });

  const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  for (QToolButton* button : {ui_->backgroundBrowse, ui_->cardSheetBrowse, ui_->clickSoundBrowse,
                              ui_->discardSoundBrowse, ui_->meldSoundBrowse})
    button->setIcon(openIcon);
  fileEdits_ = {ui_->cardSheetEdit, ui_->clickSoundEdit, ui_->discardSoundEdit, ui_->meldSoundEdit};

  connect(ui_->officialRule1Button, &QPushButton::clicked, this, &OptionsDialog::ShowOfficialRule1);
  connect(ui_->officialRule2Button, &QPushButton::clicked, this, &OptionsDialog::ShowOfficialRule2);
  connect(ui_->backgroundBrowse, &QToolButton::clicked, this, &OptionsDialog::ChooseBackgroundFile);
  for (QToolButton* button :
       {ui_->cardSheetBrowse, ui_->clickSoundBrowse, ui_->discardSoundBrowse, ui_->meldSoundBrowse})
    connect(button, &QToolButton::clicked, this,
            [this, button] { ChooseFileFor(button->property("Tag").toInt()); });
  ui_->endTermLabel->installEventFilter(this);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
  }
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
  // The label is the caption of the radio button beside it.
  if (watched == ui_->endTermLabel && event->type() == QEvent::MouseButtonRelease &&
      ui_->endTermLabel->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    CheckEndTurn();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

QString OptionsDialog::NamesCell(int column, int row) const {
  const QTableWidget* grid = ui_->namesGrid;
  if (row == 0 && column == 0)
    return {};
  const QTableWidgetItem* item = row == 0      ? grid->horizontalHeaderItem(column - 1)
                                 : column == 0 ? grid->verticalHeaderItem(row - 1)
                                               : grid->item(row - 1, column - 1);
  return item ? item->text() : QString();
}

void OptionsDialog::SetNamesCell(int column, int row, const QString& text) {
  QTableWidget* grid = ui_->namesGrid;
  if (row == 0 && column == 0)
    return;
  if (row == 0)
    grid->setHorizontalHeaderItem(column - 1, HeadingItem(text));
  else if (column == 0)
    grid->setVerticalHeaderItem(row - 1, HeadingItem(text));
  else
    grid->item(row - 1, column - 1)->setText(text);
}

void OptionsDialog::FillOptions() {
  const Game& game = frame_.GameRecord();
  const Preferences& prefs = frame_.PreferencesRecord();
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const int row = seat + 1;
    SetNamesCell(0, row, QCoreApplication::translate("OptionsDialog", "プレイヤー%1").arg(seat));
    SetNamesCell(kNamesColumn, row, ToQString(game.Seats[seat].PlayerName));
    SetNamesCell(kBackgroundColumn, row, ToQString(prefs.SeatBackgrounds[seat]));
  }
  SetNamesCell(kNamesColumn, 0, QCoreApplication::translate("OptionsDialog", "名前"));
  SetNamesCell(kBackgroundColumn, 0, QCoreApplication::translate("OptionsDialog", "背景"));
  SetNamesCell(kLevelColumn, 0, QCoreApplication::translate("OptionsDialog", "強さ"));
  for (int seat = 1; seat < kSeatCount; ++seat)
    ChooseLevel(seat, game.Seats[seat].Level);

  const RuleSettings& rules = game.Rules;
  ui_->startPointBox->setValue(rules.StartPoint);
  ui_->winnerBonusBox->setChecked(rules.ZeroSum);
  if (rules.UseEndTerm)
    ui_->endAfterRoundsButton->setChecked(true);
  ui_->endTermBox->setValue(rules.EndTerm);
  ui_->runOutLimitBox->setValue(rules.RunOutLimit);
  ui_->ponWaitBox->setValue(rules.PonWaitMs);
  ui_->thinkingTimeBox->setValue(rules.ThinkingMs);
  ui_->dealerRuleBox->setCurrentIndex(DealerRuleItem(rules.DealerRule));

  FilePaths[0] = prefs.CardPicturePath;
  for (int cue = 0; cue < 3; ++cue)
    FilePaths[cue + 1] = frame_.HumanSeat() ? frame_.HumanSeat()->CueFile(cue).toStdString() : "";
  for (int i = 0; i < 4; ++i)
    fileEdits_[i]->setText(ToQString(FileNamePart(FilePaths[i])));

  ui_->quietClaimsBox->setChecked(!prefs.ClaimBoxes);
  ui_->tableLookBox->setCurrentIndex(static_cast<int>(prefs.Look));
  // Automatic, Japanese, English: in the order of LanguageChoice.
  ui_->languageBox->setCurrentIndex(static_cast<int>(prefs.Language));

  ChooseTableScale(prefs.TableScale);

  // The rules of a game under way are fixed until it ends.
  if (game.Round > 0) {
    const QList<QWidget*> fixedDuringGame = {
        ui_->startPointLabel,   ui_->startPointBox,        ui_->winnerBonusBox,
        ui_->endOnPointsButton, ui_->endAfterRoundsButton, ui_->endTermBox,
        ui_->endTermLabel,      ui_->officialRule1Button,  ui_->officialRule2Button};
    for (QWidget* control : fixedDuringGame)
      control->setEnabled(false);
  }
}

void OptionsDialog::ApplyOptions() {
  Game& game = frame_.GameRecord();
  Preferences& prefs = frame_.PreferencesRecord();
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const int row = seat + 1;
    RenameSeat(game, seat, NamesCell(kNamesColumn, row).toStdString());
    const QString background = NamesCell(kBackgroundColumn, row);
    if (!SameFullPath(prefs.SeatBackgrounds[seat], background.toStdString())) {
      if (SeatWindow* window = frame_.SeatWindowOf(seat)) {
        window->LoadBackground(background);
        window->PaintHand();
      }
    }
  }

  for (int seat = 1; seat < kSeatCount; ++seat)
    game.Seats[seat].Level = ShownLevel(seat);

  RuleSettings& rules = game.Rules;
  rules.StartPoint = ui_->startPointBox->value();
  rules.EndTerm = ui_->endTermBox->value();
  rules.RunOutLimit = ui_->runOutLimitBox->value();
  rules.PonWaitMs = ui_->ponWaitBox->value();
  rules.ThinkingMs = ui_->thinkingTimeBox->value();
  rules.ZeroSum = ui_->winnerBonusBox->isChecked();
  rules.UseEndTerm = ui_->endAfterRoundsButton->isChecked();
  rules.DealerRule = ui_->dealerRuleBox->currentIndex();

  // Taken up at the next start.
  prefs.TableScale = ShownTableScale();

  prefs.ClaimBoxes = !ui_->quietClaimsBox->isChecked();
  // Kept for the next start: the windows already made stay in the language they have.
  const int language = ui_->languageBox->currentIndex();
  prefs.Language = language > 0 && language <= static_cast<int>(LanguageChoice::English)
                       ? static_cast<LanguageChoice>(language)
                       : LanguageChoice::Automatic;
  const int look = ui_->tableLookBox->currentIndex();
  prefs.Look = look > 0 && look < kTableLooks ? static_cast<TableLook>(look) : TableLook::Plain;
  frame_.ShowTableLook();

  for (int i = 0; i < 4; ++i)
    FilePaths[i] = ResolveTypedFileName(FilePaths[i], fileEdits_[i]->text().toStdString());

  // While a chosen sheet is missing the table shows another one; either differing makes
  // the edit a change, so the sheet on the table can always be chosen back.
  if (FullPath(prefs.CardPicturePath) != FilePaths[0] ||
      FullPath(frame_.CardSheet().File().toStdString()) != FilePaths[0])
    frame_.CardSheet().Load(ToQString(FilePaths[0]));

  HumanSeatWindow* player = frame_.HumanSeat();
  if (!player)
    return;
  for (int cue = 0; cue < 3; ++cue) {
    const int i = cue + 1;
    if (FullPath(player->CueFile(cue).toStdString()) == FilePaths[i])
      continue;
    // The new name stays set even when it cannot be opened, and is saved at close.
    if (!player->OpenCue(cue, ToQString(FilePaths[i])))
      frame_.Boxes().MessageBox(QCoreApplication::translate("OptionsDialog", "%1は開けません")
                                    .arg(fileEdits_[i]->text())
                                    .toStdString(),
                                ErrorCaption().toStdString(), MsgButtons::Ok, MsgIcon::Error);
  }
}

PlayerLevel OptionsDialog::ShownLevel(int seat) const {
  const QComboBox* box = seat > 0 && seat < kSeatCount ? levelBoxes_[seat] : nullptr;
  return box && box->currentIndex() == static_cast<int>(PlayerLevel::Strong)
             ? PlayerLevel::Strong
             : PlayerLevel::Standard;
}

void OptionsDialog::ChooseLevel(int seat, PlayerLevel level) {
  if (seat > 0 && seat < kSeatCount && levelBoxes_[seat])
    levelBoxes_[seat]->setCurrentIndex(static_cast<int>(level));
}

int OptionsDialog::ShownTableScale() const {
  // The sizes in the order of kTableScales, then "自動".
  const int item = ui_->tableScaleBox->currentIndex();
  return item >= 0 && item < static_cast<int>(kTableScales.size()) ? kTableScales[item] : 0;
}

void OptionsDialog::ChooseTableScale(int percent) {
  const auto found = std::find(kTableScales.begin(), kTableScales.end(), percent);
  ui_->tableScaleBox->setCurrentIndex(static_cast<int>(found - kTableScales.begin()));
}

void OptionsDialog::accept() {
  QTableWidget* grid = ui_->namesGrid;
  if (QWidget* editor = grid->indexWidget(grid->currentIndex()))
    QMetaObject::invokeMethod(grid, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
  QDialog::accept();
}

void OptionsDialog::CheckEndTurn() {
  ui_->endAfterRoundsButton->setChecked(true);
}

void OptionsDialog::ShowPreset(const RulePreset& preset) {
  ui_->startPointBox->setValue(preset.StartPoint);
  ui_->winnerBonusBox->setChecked(preset.ZeroSum);
  (preset.UseEndTerm ? ui_->endAfterRoundsButton : ui_->endOnPointsButton)->setChecked(true);
  if (preset.EndTerm)
    ui_->endTermBox->setValue(*preset.EndTerm);
  ui_->runOutLimitBox->setValue(preset.RunOutLimit);
  ui_->dealerRuleBox->setCurrentIndex(preset.DealerRule);
}

void OptionsDialog::ShowOfficialRule1() {
  ShowPreset(kOfficialRule1);
}

void OptionsDialog::ShowOfficialRule2() {
  ShowPreset(kOfficialRule2);
}

void OptionsDialog::FileChosen(int tag, const QString& fileName) {
  if (tag < 0 || tag >= 4)
    return;
  FilePaths[tag] = fileName.toStdString();
  fileEdits_[tag]->setText(ToQString(FileNamePart(FilePaths[tag])));
}

void OptionsDialog::ChooseFileFor(int tag) {
  if (tag < 0 || tag >= 4)
    return;
  const bool picture = tag == 0;
  const QString chosen =
      ChooseFile(this,
                 picture ? QCoreApplication::translate("OptionsDialog", "カード")
                         : QCoreApplication::translate("OptionsDialog", "効果音"),
                 picture ? PictureFilter(frame_.PreferencesRecord().PluginFolder) : WaveFilter(),
                 fileEdits_[tag]->text());
  if (!chosen.isEmpty())
    FileChosen(tag, chosen);
}

void OptionsDialog::ChooseBackgroundFile() {
  const int row = ui_->namesGrid->currentRow() + 1;
  if (row < 1)
    return;
  const QString chosen = ChooseFile(this, QCoreApplication::translate("OptionsDialog", "背景"),
                                    PictureFilter(frame_.PreferencesRecord().PluginFolder),
                                    NamesCell(kBackgroundColumn, row));
  if (!chosen.isEmpty())
    SetNamesCell(kBackgroundColumn, row, chosen);
}

}  // namespace zelvani
