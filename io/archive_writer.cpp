#include "io/archive_writer.h"

#include <cstring>

namespace zev {

void CArchiveWriter::WriteWord(std::uint16_t n) {
  m_bytes += static_cast<char>(n & 0xFF);
  m_bytes += static_cast<char>(n >> 8);
}

void CArchiveWriter::WriteInt(std::int32_t n) {
  std::uint32_t u = static_cast<std::uint32_t>(n);
  char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
               static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
  m_bytes.append(b, 4);
}

void CArchiveWriter::WriteDouble(double d) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &d, sizeof d);
  char b[8];
  for (int i = 0; i < 8; ++i) b[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  m_bytes.append(b, 8);
}

void CArchiveWriter::WriteString(std::string_view s) {
  const std::size_t n = s.size();
  if (n < 0xFF) {
    m_bytes += static_cast<char>(n);
  } else if (n < 0xFFFE) {
    m_bytes += '\xFF';
    WriteWord(static_cast<std::uint16_t>(n));
  } else {
    // 0xFFFE as a WORD length would read as the Unicode marker.
    m_bytes += '\xFF';
    WriteWord(0xFFFF);
    WriteInt(static_cast<std::int32_t>(static_cast<std::uint32_t>(n)));
  }
  m_bytes.append(s);
}

void CArchiveWriter::WriteCount(std::uint32_t n) {
  if (n < 0xFFFF) {
    WriteWord(static_cast<std::uint16_t>(n));
  } else {
    WriteWord(0xFFFF);
    WriteInt(static_cast<std::int32_t>(n));
  }
}

void CArchiveWriter::WriteObjectTag(std::string_view className, std::uint16_t nSchema) {
  if (m_nClassIndex == 0) {
    WriteWord(0xFFFF);
    WriteWord(nSchema);
    WriteWord(static_cast<std::uint16_t>(className.size()));
    m_bytes.append(className);
    m_nClassIndex = m_nTableSize++;
  } else if (m_nClassIndex < 0x7FFF) {
    WriteWord(static_cast<std::uint16_t>(0x8000 | m_nClassIndex));
  } else {
    WriteWord(0x7FFF);
    WriteInt(static_cast<std::int32_t>(0x80000000u | m_nClassIndex));
  }
  ++m_nTableSize;  // the object itself
}

}  // namespace zev
