// The options dialog: rules, players' names and backgrounds, the computer's waits, and
// the card-sheet and sound files. It edits only its own controls; FillOptions copies the
// settings in before it is shown and ApplyOptions copies them back after OK.
#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <array>
#include <string>

#include "logic/table/Records.h"

class QComboBox;
class QLineEdit;

namespace Ui {
class OptionsDialog;
}

namespace zelvani {

class MainWindow;
struct RulePreset;

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit OptionsDialog(MainWindow& frame);
  ~OptionsDialog() override;

  void FillOptions();
  void ApplyOptions();

  // Control handlers.
  void CheckEndTurn();
  void ShowOfficialRule1();
  void ShowOfficialRule2();
  void ChooseFileFor(int tag);
  void ChooseBackgroundFile();

  // What a file chooser's confirmation does: file `tag` (0 card sheet, 1..3 the sounds)
  // becomes `fileName`, and its edit shows the name without the folder.
  void FileChosen(int tag, const QString& fileName);

  // A cell of the names grid as laid out on screen: row 0 and column 0 are the fixed
  // headings, rows 1..4 belong to seats 0..3, column 1 is the name, column 2 the background,
  // column 3 the level's heading.
  QString NamesCell(int column, int row) const;
  void SetNamesCell(int column, int row, const QString& text);

  // The full names behind the four file edits: card sheet, pick or select, discard, meld.
  std::array<std::string, 4> FilePaths;

  // A computer seat's level (1..3) as shown in the grid's 強さ column.
  PlayerLevel ShownLevel(int seat) const;
  void ChooseLevel(int seat, PlayerLevel level);

  // "表示倍率" as shown, in percent; 0 for "自動", the screen's own scale, which is what
  // no stored size means.
  int ShownTableScale() const;
  void ChooseTableScale(int percent);

 public slots:
  // Commits a name or background still being typed in the grid before the dialog closes.
  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetupControls();
  int FittingPixelSize(QFont font) const;
  // A preset only sets the rule tab's controls; it takes effect on OK like any edit.
  void ShowPreset(const RulePreset& preset);

  MainWindow& frame_;
  Ui::OptionsDialog* ui_;
  std::array<QLineEdit*, 4> fileEdits_{};
  std::array<QComboBox*, kSeatCount> levelBoxes_{};
};

}  // namespace zelvani
