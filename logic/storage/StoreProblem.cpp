#include "logic/storage/StoreProblem.h"

namespace zelvani {

std::string StoreProblemText(StoreProblem problem, long code) {
  switch (problem) {
    case StoreProblem::AccessDenied:
      return "アクセスが許可されていません。";
    case StoreProblem::NotAFolder:
      return "保存先のフォルダーの途中にファイルがあります。";
    case StoreProblem::IsAFolder:
      return "ファイルの場所にフォルダーがあります。";
    case StoreProblem::NotARegularFile:
      return "通常のファイルではありません。";
    case StoreProblem::DiskFull:
      return "ディスクの空きが足りません。";
    case StoreProblem::ReadOnlyPlace:
      return "読み取り専用の場所です。";
    case StoreProblem::NameTooLong:
      return "名前が長すぎます。";
    case StoreProblem::NoSuchFolder:
      return "保存先のフォルダーがありません。";
    case StoreProblem::TooManyBackups:
      return "控えのファイルが多すぎます。";
    case StoreProblem::NoBackup:
      return "前の設定の控えを作れませんでした。";
    case StoreProblem::Other:
      break;
  }
  return code != 0 ? "ファイルを書き込めませんでした（エラー番号 " + std::to_string(code) + "）。"
                   : "ファイルを書き込めませんでした。";
}

}  // namespace zelvani
