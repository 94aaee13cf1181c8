// zelvani-assets OUTPUT_FOLDER: draws the card sheet and logos and synthesises the
// sounds the game uses when no others are installed.
#include <QString>
#include <cstdio>

#include "tools/assets/Assets.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argc > 0 ? argv[0] : "zelvani-assets");
    return 2;
  }
  QString error;
  if (!zelvani::assets::GenerateAssets(QString::fromLocal8Bit(argv[1]), &error)) {
    std::fprintf(stderr, "zelvani-assets: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
