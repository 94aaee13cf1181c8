#include "logic/storage/StoreProblem.h"

namespace zelvani {

Text StoreProblemText(StoreProblem problem, long code) {
  switch (problem) {
    case StoreProblem::AccessDenied:
      return Translatable("Storage", "アクセスが許可されていません。");
    case StoreProblem::NotAFolder:
      return Translatable("Storage", "保存先のフォルダーの途中にファイルがあります。");
    case StoreProblem::IsAFolder:
      return Translatable("Storage", "ファイルの場所にフォルダーがあります。");
    case StoreProblem::NotARegularFile:
      return Translatable("Storage", "通常のファイルではありません。");
    case StoreProblem::DiskFull:
      return Translatable("Storage", "ディスクの空きが足りません。");
    case StoreProblem::ReadOnlyPlace:
      return Translatable("Storage", "読み取り専用の場所です。");
    case StoreProblem::NameTooLong:
      return Translatable("Storage", "名前が長すぎます。");
    case StoreProblem::NoSuchFolder:
      return Translatable("Storage", "保存先のフォルダーがありません。");
    case StoreProblem::TooManyBackups:
      return Translatable("Storage", "控えのファイルが多すぎます。");
    case StoreProblem::NoBackup:
      return Translatable("Storage", "前の設定の控えを作れませんでした。");
    case StoreProblem::Other:
      break;
  }
  if (code != 0)
    return Translatable("Storage", "ファイルを書き込めませんでした（エラー番号 %1）。")
        .Arg(std::to_string(code));
  return Translatable("Storage", "ファイルを書き込めませんでした。");
}

}  // namespace zelvani
