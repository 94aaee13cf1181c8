/* The binary interface between the game and its picture plug-ins: what a plug-in library
 * exports, how the game calls it and what it must hand back. Plug-in authors include this
 * file alone; it is plain C and needs nothing but the C library.
 *
 * A plug-in is a shared library whose file name ends in ".spi" (any case), kept in the
 * plug-in folder as a plain file or a link to one (links to anything else are skipped).
 * It exports, by these exact names and with C linkage:
 *   IsSupported     required: says whether the plug-in reads a file;
 *   GetPictureInfo  optional, but without it no picture can be decoded;
 *   GetPicture      required: decodes the picture;
 *   GetPluginInfo   optional: names the files it reads, for the game's file dialogs.
 * A library lacking "IsSupported" or "GetPicture" is ignored. The game loads every
 * plug-in of the folder for each picture it reads and unloads them all before it goes on,
 * so a plug-in must not expect its static data to survive between pictures.
 *
 * Calling convention: on Linux and other Unix systems the platform's default C calling
 * convention (SPI_CALL expands to nothing). On 32-bit Windows it is the Windows API
 * convention (__stdcall).
 *
 * Results: every function returns a 32-bit integer. For "IsSupported" not 0 means yes.
 * For the other two 0 (SPI_SUCCESS) means success; every other value is a failure, and the
 * game does not tell failures apart. The SPI_ERROR_ values are suggestions.
 *
 * Memory: a memory handle (SpiMemory) is a pointer returned by malloc(). The game "locks"
 * a handle by using the pointer, and frees it with free() from the same C library, once,
 * after it has read it. A plug-in hands out a handle only on success: when a function
 * fails, whatever it allocated is its own to free, and the game frees nothing. Every
 * handle is a block of its own: a picture whose handles share a block (or hand back the
 * text block of "GetPictureInfo" again) fails to load, and that block is freed once.
 *
 * Files: the file name is the path of the picture, in the local 8-bit encoding of file
 * names (UTF-8 on Linux). The file handle given to "IsSupported" is a POSIX file
 * descriptor opened read-only on that file (other readers are not locked out), positioned
 * at the start. The plug-in may read and seek it, must not close it, and must not keep it
 * after the call: the game closes it as soon as "IsSupported" returns.
 *
 * What the game checks in a decoded picture. The game never trusts the numbers it gets
 * back: a picture that breaks any of these rules fails to load as a whole, as if the
 * plug-in had returned a failure, and nothing the player sees changes.
 *  - The picture-information record has a width and height from 1 to 16384, at most
 *    64 Mi pixels in all.
 *  - Both handles of "GetPicture" are set (not null).
 *  - The bitmap-information block starts with an SpiBitmapInfoHeader of exactly 40 bytes
 *    (biSize == 40), biPlanes == 1, biWidth equal to the record's width and biHeight equal
 *    to the record's height (positive: the bottom row comes first) or to minus that height
 *    (the top row comes first).
 *  - The pixels are uncompressed: biCompression SPI_BI_RGB with 1, 4, 8, 16, 24 or 32 bits
 *    per pixel, or SPI_BI_BITFIELDS with 16 or 32. Run-length encoded pictures are refused.
 *  - Right after the header come, in this order: for 1, 4 and 8 bits the colour table,
 *    biClrUsed entries (2 to the power of biBitCount when biClrUsed is 0, never more);
 *    for SPI_BI_BITFIELDS three 32-bit masks, red, green and blue. Pictures of 16, 24 or 32
 *    bits carry no colour table: biClrUsed must be 0.
 *  - biSizeImage is the size of the pixel block and must be set (not 0): exactly the row
 *    stride times the height, the stride being the row's bytes rounded up to a multiple
 *    of 4, i.e. ((biWidth * biBitCount + 31) / 32) * 4. The C library cannot tell the
 *    size of a malloc() block, so this number is the plug-in's promise: the pixel handle
 *    must hold at least biSizeImage bytes, and the bitmap-information handle at least the
 *    header and what follows it as above. The game reads no further than that.
 */
#ifndef ZELVANI_PICTURE_PLUGIN_H
#define ZELVANI_PICTURE_PLUGIN_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define SPI_CALL __stdcall
#else
#define SPI_CALL
#endif

/* Put in front of a plug-in's definitions of the three functions so that they are
 * exported even when the library hides its symbols by default. */
#if defined(_WIN32)
#define SPI_EXPORT __declspec(dllexport)
#else
#define SPI_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A block from malloc(), freed by the receiver with free(). */
typedef void* SpiMemory;

/* An open POSIX file descriptor, widened to a pointer-sized integer. */
typedef intptr_t SpiFileHandle;

#define SPI_SUCCESS 0
#define SPI_ERROR_NOT_IMPLEMENTED (-1)
#define SPI_ERROR_ABORTED 1
#define SPI_ERROR_UNKNOWN_FORMAT 2
#define SPI_ERROR_BROKEN_DATA 3
#define SPI_ERROR_NO_MEMORY 4
#define SPI_ERROR_READ 6

/* The low three bits of the flag say where the picture is; the game always passes
 * SPI_INPUT_FILE (the picture is the named file on disk, starting at the given offset). */
#define SPI_INPUT_MASK 7u
#define SPI_INPUT_FILE 0u

/* The values of biCompression the game accepts. */
#define SPI_BI_RGB 0u
#define SPI_BI_BITFIELDS 3u

#pragma pack(push, 1)

/* Filled by "GetPictureInfo". Byte-packed, little-endian. With a 4-byte memory handle
 * (32-bit systems) it is 26 bytes; with an 8-byte one (64-bit systems) 30, the handle
 * always starting at byte 22. */
typedef struct SpiPictureInfo {
  int32_t left;       /* not used by the game */
  int32_t top;        /* not used by the game */
  int32_t width;      /* width of the picture in pixels */
  int32_t height;     /* height of the picture in pixels */
  uint16_t xDensity;  /* not used by the game */
  uint16_t yDensity;  /* not used by the game */
  int16_t colorDepth; /* bits per pixel; not used by the game */
  SpiMemory textInfo; /* null, or text about the picture: freed by the game */
} SpiPictureInfo;

/* The device-independent bitmap header (Windows' BITMAPINFOHEADER), 40 bytes. */
typedef struct SpiBitmapInfoHeader {
  uint32_t biSize;
  int32_t biWidth;
  int32_t biHeight;
  uint16_t biPlanes;
  uint16_t biBitCount;
  uint32_t biCompression;
  uint32_t biSizeImage;
  int32_t biXPelsPerMeter;
  int32_t biYPelsPerMeter;
  uint32_t biClrUsed;
  uint32_t biClrImportant;
} SpiBitmapInfoHeader;

/* One colour-table entry. */
typedef struct SpiRgbQuad {
  uint8_t rgbBlue;
  uint8_t rgbGreen;
  uint8_t rgbRed;
  uint8_t rgbReserved;
} SpiRgbQuad;

#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(SpiPictureInfo) == 22 + sizeof(SpiMemory), "packed picture information");
static_assert(offsetof(SpiPictureInfo, textInfo) == 22, "packed picture information");
static_assert(sizeof(SpiBitmapInfoHeader) == 40, "packed bitmap header");
static_assert(sizeof(SpiRgbQuad) == 4, "packed colour entry");
#else
_Static_assert(sizeof(SpiPictureInfo) == 22 + sizeof(SpiMemory), "packed picture information");
_Static_assert(offsetof(SpiPictureInfo, textInfo) == 22, "packed picture information");
_Static_assert(sizeof(SpiBitmapInfoHeader) == 40, "packed bitmap header");
_Static_assert(sizeof(SpiRgbQuad) == 4, "packed colour entry");
#endif

/* Called by a plug-in while it decodes, with the work done so far out of the total; a
 * non-zero answer asks it to stop and fail. The game passes no callback (null). */
typedef int32_t(SPI_CALL* SpiProgressCallback)(int32_t done, int32_t total, intptr_t userData);

/* Not 0 when the plug-in reads `fileName`. `file` is open on that file (see above). */
typedef int32_t(SPI_CALL* SpiIsSupported)(const char* fileName, SpiFileHandle file);

/* Fills `info` for the picture in `fileName` at byte `offset` (the game passes 0, and
 * SPI_INPUT_FILE as `flag`). On success `info->textInfo` is null or a malloc() block. */
typedef int32_t(SPI_CALL* SpiGetPictureInfo)(const char* fileName, intptr_t offset, uint32_t flag,
                                             SpiPictureInfo* info);

/* Decodes the picture: on success `*bitmapInfo` receives the header and what follows it,
 * `*pixels` the pixel rows, both malloc() blocks as described above. `progress` may be
 * null; `userData` is passed back to it. */
typedef int32_t(SPI_CALL* SpiGetPicture)(const char* fileName, intptr_t offset, uint32_t flag,
                                         SpiMemory* bitmapInfo, SpiMemory* pixels,
                                         SpiProgressCallback progress, intptr_t userData);

/* Text about the plug-in. Asked with an even `infoNumber` from 2 on, one number for each
 * kind of file it reads, it gives the patterns of their names separated by ";"
 * ("*.png;*.jpg"); with the odd number after it, a description of them. The game asks
 * 2, 4, 6, ... until an answer is 0, and offers the patterns ("*." and letters or digits
 * only) in its picture file dialogs. It writes at most `bufferLength` bytes, the ending 0
 * included, and returns the bytes written without it: 0 when it has nothing for that
 * number. Other numbers are the plug-in's own. */
typedef int32_t(SPI_CALL* SpiGetPluginInfo)(int32_t infoNumber, char* buffer, int32_t bufferLength);

/* The declarations a plug-in defines. */
SPI_EXPORT int32_t SPI_CALL IsSupported(const char* fileName, SpiFileHandle file);
SPI_EXPORT int32_t SPI_CALL GetPictureInfo(const char* fileName, intptr_t offset, uint32_t flag,
                                           SpiPictureInfo* info);
SPI_EXPORT int32_t SPI_CALL GetPicture(const char* fileName, intptr_t offset, uint32_t flag,
                                       SpiMemory* bitmapInfo, SpiMemory* pixels,
                                       SpiProgressCallback progress, intptr_t userData);
SPI_EXPORT int32_t SPI_CALL GetPluginInfo(int32_t infoNumber, char* buffer, int32_t bufferLength);

#ifdef __cplusplus
}
#endif

#endif /* ZELVANI_PICTURE_PLUGIN_H */
