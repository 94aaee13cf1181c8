// A picture plug-in for the loader's tests, built several times with different behaviour.
// It reads "ZTESTPIC" files: after that first line come "key value" lines that set what
// it answers, so one file can make it hand back absurd or inconsistent numbers.
// Build settings:
//   TEST_PLUGIN_NAME           the name it writes into the call log
//   TEST_PLUGIN_COLOUR         the colour of its pictures (0xRRGGBB) unless the file says
//   TEST_PLUGIN_NO_GETPICTURE  leave out "GetPicture"
//   TEST_PLUGIN_INFO_FAILS     "GetPictureInfo" always fails
//   TEST_PLUGIN_PICTURE_FAILS  "GetPicture" always fails
// When the environment names a file in ZELVANI_TEST_PLUGIN_LOG, every load and unload of
// the library and every call is appended to it as "<name> <event>", one a line.
//
// Written in plain C style on purpose: without C++ library templates the library holds
// nothing that would keep it in memory after the loader unloads it.
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "desktop/platform/PicturePlugin.h"

namespace {

const char kMagic[] = "ZTESTPIC";

// The text block of the last "GetPictureInfo", which the loader still holds.
void* lastText = nullptr;

void Log(const char* event) {
  const char* path = getenv("ZELVANI_TEST_PLUGIN_LOG");
  if (!path || !*path)
    return;
  FILE* log = fopen(path, "a");
  if (!log)
    return;
  fprintf(log, "%s %s\n", TEST_PLUGIN_NAME, event);
  fclose(log);
}

__attribute__((constructor)) void OnLoad() {
  Log("load");
}
__attribute__((destructor)) void OnUnload() {
  Log("unload");
}

// What the file asks for; -1 where it says nothing and the natural value applies.
struct Script {
  long width = 16, height = 14;
  long headerWidth = -1, headerHeight = -1;  // -1: the record's
  long topDown = 0;
  long bitCount = 24, compression = 0, clrUsed = -1, sizeImage = -1;
  long biSize = 40, planes = 1;
  long nullInfo = 0, nullPixels = 0;
  long sameBlock = 0, textAsPixels = 0;  // hand one block out twice
  long colour = TEST_PLUGIN_COLOUR;
  long infoResult = 0, pictureResult = 0;
};

bool ReadScript(const char* fileName, Script* script) {
  FILE* file = fopen(fileName, "r");
  if (!file)
    return false;
  char line[128];
  bool ok = fgets(line, sizeof line, file) && strncmp(line, kMagic, strlen(kMagic)) == 0;
  char key[32];
  long value;
  while (ok && fgets(line, sizeof line, file)) {
    if (sscanf(line, "%31s %li", key, &value) != 2)
      continue;
    if (!strcmp(key, "width"))
      script->width = value;
    else if (!strcmp(key, "height"))
      script->height = value;
    else if (!strcmp(key, "headerWidth"))
      script->headerWidth = value;
    else if (!strcmp(key, "headerHeight"))
      script->headerHeight = value;
    else if (!strcmp(key, "topDown"))
      script->topDown = value;
    else if (!strcmp(key, "bitCount"))
      script->bitCount = value;
    else if (!strcmp(key, "compression"))
      script->compression = value;
    else if (!strcmp(key, "clrUsed"))
      script->clrUsed = value;
    else if (!strcmp(key, "sizeImage"))
      script->sizeImage = value;
    else if (!strcmp(key, "biSize"))
      script->biSize = value;
    else if (!strcmp(key, "planes"))
      script->planes = value;
    else if (!strcmp(key, "nullInfo"))
      script->nullInfo = value;
    else if (!strcmp(key, "nullPixels"))
      script->nullPixels = value;
    else if (!strcmp(key, "sameBlock"))
      script->sameBlock = value;
    else if (!strcmp(key, "textAsPixels"))
      script->textAsPixels = value;
    else if (!strcmp(key, "colour"))
      script->colour = value;
    else if (!strcmp(key, "infoResult"))
      script->infoResult = value;
    else if (!strcmp(key, "pictureResult"))
      script->pictureResult = value;
  }
  fclose(file);
  return ok;
}

#if !defined(TEST_PLUGIN_NO_GETPICTURE) && !defined(TEST_PLUGIN_PICTURE_FAILS)
void PutLittle(unsigned char* at, unsigned long value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    at[i] = static_cast<unsigned char>(value >> (8 * i));
}

// The colour as one pixel of the given depth; palette pictures use entry 0.
unsigned long PixelValue(const Script& s) {
  const unsigned long r = (s.colour >> 16) & 0xff, g = (s.colour >> 8) & 0xff, b = s.colour & 0xff;
  if (s.bitCount == 16 && s.compression == SPI_BI_BITFIELDS)
    return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
  if (s.bitCount == 16)
    return ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
  if (s.bitCount >= 24)
    return (r << 16) | (g << 8) | b;
  return 0;
}
#endif

}  // namespace

extern "C" {

SPI_EXPORT int32_t SPI_CALL IsSupported(const char*, SpiFileHandle file) {
  Log("IsSupported");
  char head[sizeof kMagic - 1];
  return pread(static_cast<int>(file), head, sizeof head, 0) == sizeof head &&
         memcmp(head, kMagic, sizeof head) == 0;
}

SPI_EXPORT int32_t SPI_CALL GetPictureInfo(const char* fileName, intptr_t, uint32_t,
                                           SpiPictureInfo* info) {
  Log("GetPictureInfo");
#ifdef TEST_PLUGIN_INFO_FAILS
  (void)fileName;
  (void)info;
  return SPI_ERROR_BROKEN_DATA;
#else
  Script s;
  if (!ReadScript(fileName, &s))
    return SPI_ERROR_UNKNOWN_FORMAT;
  if (s.infoResult != 0)
    return static_cast<int32_t>(s.infoResult);
  memset(info, 0, sizeof *info);
  info->width = static_cast<int32_t>(s.width);
  info->height = static_cast<int32_t>(s.height);
  info->colorDepth = static_cast<int16_t>(s.bitCount);
  // Some text, so that the loader has something to free.
  info->textInfo = lastText = strdup("a test picture");
  return SPI_SUCCESS;
#endif
}

#ifndef TEST_PLUGIN_NO_GETPICTURE
SPI_EXPORT int32_t SPI_CALL GetPicture(const char* fileName, intptr_t, uint32_t,
                                       SpiMemory* bitmapInfo, SpiMemory* pixels,
                                       SpiProgressCallback, intptr_t) {
  Log("GetPicture");
#ifdef TEST_PLUGIN_PICTURE_FAILS
  (void)fileName;
  (void)bitmapInfo;
  (void)pixels;
  return SPI_ERROR_BROKEN_DATA;
#else
  Script s;
  if (!ReadScript(fileName, &s))
    return SPI_ERROR_UNKNOWN_FORMAT;
  if (s.pictureResult != 0)
    return static_cast<int32_t>(s.pictureResult);

  // The blocks hold the picture the record describes, whatever the header claims, so a
  // loader that believed a lying header would read past them.
  const long width = s.width > 0 && s.width <= 4096 ? s.width : 1;
  const long height = s.height > 0 && s.height <= 4096 ? s.height : 1;
  const long bits = s.bitCount > 0 && s.bitCount <= 32 ? s.bitCount : 32;
  const long stride = ((width * bits + 31) / 32) * 4;
  const long paletteEntries =
      bits <= 8 ? (s.clrUsed > 0 && s.clrUsed < 256 ? s.clrUsed : 1L << bits) : 0;
  const long masks = s.compression == SPI_BI_BITFIELDS ? 3 : 0;
  const size_t infoBytes = 40 + 4 * (paletteEntries + masks);
  const size_t pixelBytes = static_cast<size_t>(stride * height);

  unsigned char* header = static_cast<unsigned char*>(calloc(1, infoBytes));
  unsigned char* rows = static_cast<unsigned char*>(calloc(1, pixelBytes));
  PutLittle(header + 0, static_cast<unsigned long>(s.biSize), 4);
  PutLittle(header + 4, static_cast<unsigned long>(s.headerWidth >= 0 ? s.headerWidth : s.width),
            4);
  long headerHeight = s.headerHeight >= 0 ? s.headerHeight : s.height;
  if (s.topDown)
    headerHeight = -headerHeight;
  PutLittle(header + 8, static_cast<unsigned long>(headerHeight), 4);
  PutLittle(header + 12, static_cast<unsigned long>(s.planes), 2);
  PutLittle(header + 14, static_cast<unsigned long>(s.bitCount), 2);
  PutLittle(header + 16, static_cast<unsigned long>(s.compression), 4);
  PutLittle(header + 20,
            static_cast<unsigned long>(s.sizeImage >= 0 ? s.sizeImage : stride * height), 4);
  PutLittle(header + 32, static_cast<unsigned long>(s.clrUsed >= 0 ? s.clrUsed : 0), 4);
  unsigned char* tail = header + 40;
  for (long i = 0; i < paletteEntries; ++i)
    PutLittle(tail + 4 * i, s.colour & 0xffffff, 4);
  if (masks) {
    const bool wide = s.bitCount == 32;
    PutLittle(tail + 0, wide ? 0xff0000 : 0xf800, 4);
    PutLittle(tail + 4, wide ? 0x00ff00 : 0x07e0, 4);
    PutLittle(tail + 8, wide ? 0x0000ff : 0x001f, 4);
  }
  const unsigned long pixel = PixelValue(s);
  const int pixelBytesEach = static_cast<int>(bits / 8);
  if (bits >= 16)
    for (long y = 0; y < height; ++y)
      for (long x = 0; x < width; ++x)
        PutLittle(rows + y * stride + x * pixelBytesEach, pixel, pixelBytesEach);

  if (s.nullInfo) {
    free(header);
    header = nullptr;
  }
  if (s.nullPixels) {
    free(rows);
    rows = nullptr;
  }
  if (s.sameBlock || s.textAsPixels) {
    free(rows);
    rows = static_cast<unsigned char*>(s.sameBlock ? header : lastText);
  }
  *bitmapInfo = header;
  *pixels = rows;
  return SPI_SUCCESS;
#endif
}
#endif

}  // extern "C"
