#include "settings/TfmOption.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "core/TfmMain.h"
#include "play/TfmPlayer.h"
#include "settings/FileChooser.h"
#include "settings/FileNames.h"
#include "settings/OptionRules.h"
#include "settings/PictureLoading.h"
#include "ui/HandWindow.h"
#include "ui/TfmHands.h"
#include "ui_fmOption.h"

namespace zelvani {

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The dialog's client area and the Names grid's cells, as the form lays them out.
constexpr QSize kClientSize(427, 267);
constexpr int kGridColumnWidth = 128;
constexpr int kGridRowHeight = 24;
constexpr int kDialogFontPixels = 15;
constexpr int kButtonFontPixels = 16;
constexpr int kSmallestFontPixels = 10;
constexpr int kNamesColumn = 1;
constexpr int kBackgroundColumn = 2;

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

TfmOption::TfmOption(TfmMain& frame) : QDialog(&frame), frame_(frame), ui_(new Ui::TfmOption) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("fmOption"));
  SetupControls();
}

TfmOption::~TfmOption() {
  delete ui_;
}

int TfmOption::FittingPixelSize(QFont font) const {
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

void TfmOption::SetupControls() {
  QFont dialogFont = font();
  dialogFont.setPixelSize(FittingPixelSize(dialogFont));
  setFont(dialogFont);
  QFont buttonFont = dialogFont;
  buttonFont.setPixelSize(kButtonFontPixels);
  ui_->BitBtn1->setFont(buttonFont);
  ui_->BitBtn2->setFont(buttonFont);
  ui_->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  ui_->BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  setFixedSize(kClientSize);

  SetRange(ui_->seStartPoint, kStartPointRange);
  SetRange(ui_->seEndTerm, kEndTermRange);
  SetRange(ui_->seNagare, kRyukyokuRange);
  SetRange(ui_->seWait0, kWaitRange);
  SetRange(ui_->seWait1, kWaitRange);

  QTableWidget* grid = ui_->Names;
  grid->verticalHeader()->setFixedWidth(kGridColumnWidth);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->horizontalHeader()->setFixedHeight(kGridRowHeight);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  for (int row = 0; row < grid->rowCount(); ++row)
    for (int column = 0; column < grid->columnCount(); ++column)
      grid->setItem(row, column, new QTableWidgetItem);
  grid->setCurrentCell(0, 0);

  const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  for (QToolButton* button :
       {ui_->sbOpen, ui_->sbCard, ui_->sbSoundClick, ui_->sbSoundSute, ui_->sbSoundYaku})
    button->setIcon(openIcon);
  fileEdits_ = {ui_->edCard, ui_->edSoundClick, ui_->edSoundSute, ui_->edSoundYaku};

  connect(ui_->btnRule1, &QPushButton::clicked, this, &TfmOption::btnRule1Click);
  connect(ui_->btnRule2, &QPushButton::clicked, this, &TfmOption::btnRule2Click);
  connect(ui_->sbOpen, &QToolButton::clicked, this, &TfmOption::sbOpenClick);
  for (QToolButton* button : {ui_->sbCard, ui_->sbSoundClick, ui_->sbSoundSute, ui_->sbSoundYaku})
    connect(button, &QToolButton::clicked, this,
            [this, button] { sbFileClick(button->property("Tag").toInt()); });
  ui_->lblEndTerm->installEventFilter(this);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
  }
}

bool TfmOption::eventFilter(QObject* watched, QEvent* event) {
  // The label is the caption of the radio button beside it.
  if (watched == ui_->lblEndTerm && event->type() == QEvent::MouseButtonRelease &&
      ui_->lblEndTerm->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    CheckEndTurn();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

QString TfmOption::NamesCell(int column, int row) const {
  const QTableWidget* grid = ui_->Names;
  if (row == 0 && column == 0)
    return {};
  const QTableWidgetItem* item = row == 0      ? grid->horizontalHeaderItem(column - 1)
                                 : column == 0 ? grid->verticalHeaderItem(row - 1)
                                               : grid->item(row - 1, column - 1);
  return item ? item->text() : QString();
}

void TfmOption::SetNamesCell(int column, int row, const QString& text) {
  QTableWidget* grid = ui_->Names;
  if (row == 0 && column == 0)
    return;
  if (row == 0)
    grid->setHorizontalHeaderItem(column - 1, HeadingItem(text));
  else if (column == 0)
    grid->setVerticalHeaderItem(row - 1, HeadingItem(text));
  else
    grid->item(row - 1, column - 1)->setText(text);
}

void TfmOption::FillOptions() {
  const Game& game = frame_.GameRecord();
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const int row = seat + 1;
    SetNamesCell(0, row, QStringLiteral("プレイヤー") + QString::number(seat));
    SetNamesCell(kNamesColumn, row, Q(game.Seats[seat].PlayerName));
    SetNamesCell(kBackgroundColumn, row, Q(game.Seats[seat].BackgroundFile));
  }
  SetNamesCell(kNamesColumn, 0, QStringLiteral("名前"));
  SetNamesCell(kBackgroundColumn, 0, QStringLiteral("背景"));

  const RuleSettings& rules = game.Rules;
  ui_->seStartPoint->setValue(rules.StartPoint);
  ui_->cbWinningPoint->setChecked(rules.ZeroSum);
  if (rules.UseEndTerm)
    ui_->rbEndTerm->setChecked(true);
  ui_->seEndTerm->setValue(rules.EndTerm);
  ui_->seNagare->setValue(rules.Ryukyoku);
  ui_->seWait0->setValue(rules.Wait0);
  ui_->seWait1->setValue(rules.Wait1);
  ui_->cbxOya->setCurrentIndex(OyaRuleItem(rules.OyaRule));

  FilePaths[0] = game.CardPicturePath;
  for (int cue = 0; cue < 3; ++cue)
    FilePaths[cue + 1] = frame_.Player() ? frame_.Player()->CueFile(cue).toStdString() : "";
  for (int i = 0; i < 4; ++i)
    fileEdits_[i]->setText(Q(FileNamePart(FilePaths[i])));

  ChooseTableScale(game.TableScale != 0 ? game.TableScale
                                        : NearestTableScale(frame_.devicePixelRatioF()));
  filledTableScale_ = ShownTableScale();

  // The rules of a game under way are fixed until it ends.
  if (game.Round > 0) {
    const QList<QWidget*> fixedDuringGame = {
        ui_->lblStartPoint, ui_->seStartPoint, ui_->cbWinningPoint, ui_->rbEndPoint, ui_->rbEndTerm,
        ui_->seEndTerm,     ui_->lblEndTerm,   ui_->btnRule1,       ui_->btnRule2};
    for (QWidget* control : fixedDuringGame)
      control->setEnabled(false);
  }
}

void TfmOption::ApplyOptions() {
  Game& game = frame_.GameRecord();
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const int row = seat + 1;
    SetPlayerName(game, seat, NamesCell(kNamesColumn, row).toStdString());
    const QString background = NamesCell(kBackgroundColumn, row);
    if (!SameFullPath(game.Seats[seat].BackgroundFile, background.toStdString())) {
      if (TfmHands* window = frame_.SeatWindow(seat)) {
        window->LoadBackground(background);
        window->PaintHand();
      }
    }
  }

  RuleSettings& rules = game.Rules;
  rules.StartPoint = ui_->seStartPoint->value();
  rules.EndTerm = ui_->seEndTerm->value();
  rules.Ryukyoku = ui_->seNagare->value();
  rules.Wait0 = ui_->seWait0->value();
  rules.Wait1 = ui_->seWait1->value();
  rules.ZeroSum = ui_->cbWinningPoint->isChecked();
  rules.UseEndTerm = ui_->rbEndTerm->isChecked();
  rules.OyaRule = ui_->cbxOya->currentIndex();

  // Taken up at the next start; until the player changes it, it follows the screen.
  if (ShownTableScale() != filledTableScale_)
    game.TableScale = ShownTableScale();

  for (int i = 0; i < 4; ++i)
    FilePaths[i] = ResolveTypedFileName(FilePaths[i], fileEdits_[i]->text().toStdString());

  // While a chosen sheet is missing the table shows another one; either differing makes
  // the edit a change, so the sheet on the table can always be chosen back.
  if (FullPath(game.CardPicturePath) != FilePaths[0] ||
      FullPath(frame_.CardSheetFile().toStdString()) != FilePaths[0])
    frame_.LoadCardPicture(Q(FilePaths[0]));

  TfmPlayer* player = frame_.Player();
  if (!player)
    return;
  for (int cue = 0; cue < 3; ++cue) {
    const int i = cue + 1;
    if (FullPath(player->CueFile(cue).toStdString()) == FilePaths[i])
      continue;
    // The new name stays set even when it cannot be opened, and is saved at close.
    if (!player->OpenCue(cue, Q(FilePaths[i])))
      frame_.MessageBox((fileEdits_[i]->text() + QStringLiteral("は開けません")).toStdString(),
                        kErrorCaption, MsgButtons::Ok, MsgIcon::Error);
  }
}

int TfmOption::ShownTableScale() const {
  const int item = ui_->cbxScale->currentIndex();
  return item >= 0 && item < static_cast<int>(kTableScales.size()) ? kTableScales[item]
                                                                   : kTableScales.front();
}

void TfmOption::ChooseTableScale(int percent) {
  const auto found = std::find(kTableScales.begin(), kTableScales.end(), percent);
  ui_->cbxScale->setCurrentIndex(
      found == kTableScales.end() ? 0 : static_cast<int>(found - kTableScales.begin()));
}

void TfmOption::accept() {
  QTableWidget* grid = ui_->Names;
  if (QWidget* editor = grid->indexWidget(grid->currentIndex()))
    QMetaObject::invokeMethod(grid, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
  QDialog::accept();
}

void TfmOption::CheckEndTurn() {
  ui_->rbEndTerm->setChecked(true);
}

void TfmOption::ShowPreset(const RulePreset& preset) {
  ui_->seStartPoint->setValue(preset.StartPoint);
  ui_->cbWinningPoint->setChecked(preset.ZeroSum);
  (preset.UseEndTerm ? ui_->rbEndTerm : ui_->rbEndPoint)->setChecked(true);
  if (preset.EndTerm)
    ui_->seEndTerm->setValue(*preset.EndTerm);
  ui_->seNagare->setValue(preset.Ryukyoku);
  ui_->cbxOya->setCurrentIndex(preset.OyaRule);
}

void TfmOption::btnRule1Click() {
  ShowPreset(kOfficialRule1);
}

void TfmOption::btnRule2Click() {
  ShowPreset(kOfficialRule2);
}

void TfmOption::FileChosen(int tag, const QString& fileName) {
  if (tag < 0 || tag >= 4)
    return;
  FilePaths[tag] = fileName.toStdString();
  fileEdits_[tag]->setText(Q(FileNamePart(FilePaths[tag])));
}

void TfmOption::sbFileClick(int tag) {
  if (tag < 0 || tag >= 4)
    return;
  const bool picture = tag == 0;
  const QString chosen = ChooseFile(
      this, picture ? QStringLiteral("カード") : QStringLiteral("効果音"),
      QString::fromUtf8(picture ? PictureFilter(frame_.GameRecord().PluginFolder) : kFilterWave),
      fileEdits_[tag]->text());
  if (!chosen.isEmpty())
    FileChosen(tag, chosen);
}

void TfmOption::sbOpenClick() {
  const int row = ui_->Names->currentRow() + 1;
  if (row < 1)
    return;
  const QString chosen =
      ChooseFile(this, QStringLiteral("背景"),
                 QString::fromUtf8(PictureFilter(frame_.GameRecord().PluginFolder)),
                 NamesCell(kBackgroundColumn, row));
  if (!chosen.isEmpty())
    SetNamesCell(kBackgroundColumn, row, chosen);
}

}  // namespace zelvani
