// Writes every default asset of the game into one folder.
#pragma once

#include <QString>
#include <QStringList>

namespace zelvani::assets {

// The names of the files GenerateAssets writes.
QStringList AssetFileNames();

// Draws and synthesises all assets and writes them into `folder`, creating it if need
// be. On failure returns false and says why in `error`.
bool GenerateAssets(const QString& folder, QString* error);

}  // namespace zelvani::assets
