#include "desktop/platform/LibraryFile.h"

#include <QFile>
#include <QtEndian>

namespace zelvani {

namespace {

// Program header tables and PE headers beyond this are taken for damage.
constexpr qint64 kMostHeaderBytes = 1 << 20;

#if defined(__x86_64__) || defined(_M_X64)
constexpr quint16 kElfMachine = 62;
constexpr quint16 kPeMachine = 0x8664;
#elif defined(__aarch64__) || defined(_M_ARM64)
constexpr quint16 kElfMachine = 183;
constexpr quint16 kPeMachine = 0xAA64;
#elif defined(__i386__) || defined(_M_IX86)
constexpr quint16 kElfMachine = 3;
constexpr quint16 kPeMachine = 0x14C;
#elif defined(__arm__) || defined(_M_ARM)
constexpr quint16 kElfMachine = 40;
constexpr quint16 kPeMachine = 0x1C4;
#else
// A processor this list does not know is not checked by number; the rest still is.
constexpr quint16 kElfMachine = 0;
constexpr quint16 kPeMachine = 0;
#endif

constexpr char kElfClass = sizeof(void*) == 8 ? 2 : 1;
constexpr char kElfByteOrder = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 1 : 2;
constexpr quint16 kElfSharedObject = 3;
constexpr quint32 kElfLoadSegment = 1;

// Reads unsigned numbers of the file's byte order at offsets known to be inside `bytes`.
class Fields {
 public:
  Fields(const QByteArray& bytes, bool littleEndian) : bytes_(bytes), little_(littleEndian) {}

  bool Has(qint64 offset, qint64 size) const {
    return offset >= 0 && size >= 0 && offset + size <= bytes_.size();
  }
  quint64 U16(qint64 offset) const { return Read<quint16>(offset); }
  quint64 U32(qint64 offset) const { return Read<quint32>(offset); }
  quint64 U64(qint64 offset) const { return Read<quint64>(offset); }

 private:
  template <typename T>
  quint64 Read(qint64 offset) const {
    const auto* at = reinterpret_cast<const uchar*>(bytes_.constData()) + offset;
    return little_ ? qFromLittleEndian<T>(at) : qFromBigEndian<T>(at);
  }

  const QByteArray& bytes_;
  bool little_;
};

// `offset` + `size` within a file of `fileSize` bytes, without overflow.
bool Inside(quint64 offset, quint64 size, qint64 fileSize) {
  const auto total = static_cast<quint64>(fileSize);
  return offset <= total && size <= total - offset;
}

// How many bytes from the start hold the headers that the judgement reads.
qint64 HeaderBytesNeeded(const QByteArray& start, qint64 fileSize) {
  if (start.startsWith("\x7f"
                       "ELF") &&
      start.size() >= 64) {
    const Fields f(start, start[5] == 1);
    const bool wide = start[4] == 2;
    const quint64 table = wide ? f.U64(32) : f.U32(28);
    const quint64 count = f.U16(wide ? 56 : 44);
    const quint64 entry = f.U16(wide ? 54 : 42);
    return Inside(table, count * entry, fileSize) ? qint64(table + count * entry) : 0;
  }
  if (start.startsWith("MZ") && start.size() >= 64) {
    const Fields f(start, true);
    // The PE header, its optional header and a section table of the most sections.
    return qint64(f.U32(0x3C)) + 24 + 0xFFFF + 40 * 0xFFFF;
  }
  return 0;
}

}  // namespace

bool IsWholeElfLibrary(const QByteArray& head, qint64 fileSize) {
  if (head.size() < 64 || !head.startsWith("\x7f"
                                           "ELF"))
    return false;
  if (head[4] != kElfClass || head[5] != kElfByteOrder)
    return false;
  const Fields f(head, kElfByteOrder == 1);
  const bool wide = kElfClass == 2;
  if (f.U16(16) != kElfSharedObject || (kElfMachine != 0 && f.U16(18) != kElfMachine))
    return false;
  const quint64 table = wide ? f.U64(32) : f.U32(28);
  const quint64 entrySize = f.U16(wide ? 54 : 42);
  const quint64 count = f.U16(wide ? 56 : 44);
  if (count == 0 || entrySize < (wide ? 56u : 32u) || !Inside(table, count * entrySize, fileSize) ||
      !f.Has(qint64(table), qint64(count * entrySize)))
    return false;
  for (quint64 i = 0; i < count; ++i) {
    const qint64 at = qint64(table + i * entrySize);
    if (f.U32(at) != kElfLoadSegment)
      continue;
    const quint64 offset = wide ? f.U64(at + 8) : f.U32(at + 4);
    const quint64 size = wide ? f.U64(at + 32) : f.U32(at + 16);
    if (!Inside(offset, size, fileSize))
      return false;
  }
  return true;
}

bool IsWholePeLibrary(const QByteArray& head, qint64 fileSize) {
  if (head.size() < 64 || !head.startsWith("MZ"))
    return false;
  const Fields f(head, true);
  const qint64 pe = qint64(f.U32(0x3C));
  if (!f.Has(pe, 24) || head.mid(pe, 4) != QByteArray("PE\0\0", 4))
    return false;
  if (kPeMachine != 0 && f.U16(pe + 4) != kPeMachine)
    return false;
  const quint64 sections = f.U16(pe + 6);
  const qint64 table = pe + 24 + qint64(f.U16(pe + 20));
  if (!f.Has(table, qint64(sections) * 40) || !Inside(quint64(table), sections * 40, fileSize))
    return false;
  for (quint64 i = 0; i < sections; ++i) {
    const qint64 at = table + qint64(i) * 40;
    if (!Inside(f.U32(at + 20), f.U32(at + 16), fileSize))
      return false;
  }
  return true;
}

bool IsWholeLibrary(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return false;
  const qint64 fileSize = file.size();
  QByteArray head = file.read(64);
  const qint64 needed = qMin(qMin(HeaderBytesNeeded(head, fileSize), fileSize), kMostHeaderBytes);
  if (needed > head.size())
    head += file.read(needed - head.size());
#ifdef _WIN32
  return IsWholePeLibrary(head, fileSize);
#else
  return IsWholeElfLibrary(head, fileSize);
#endif
}

}  // namespace zelvani
