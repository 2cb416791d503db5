#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zev {

// Writes the primitives of the model archive (little-endian, no padding)
// into a growing byte buffer.
class CArchiveWriter {
 public:
  void WriteWord(std::uint16_t n);
  void WriteInt(std::int32_t n);
  void WriteDouble(double d);
  // An 8-bit text behind its length prefix; never with the Unicode marker.
  void WriteString(std::string_view s);
  void WriteCount(std::uint32_t n);

  // The tag of the next object of the archive's one object class: the class
  // description before the first object, the class reference after it.
  // Every object is written once, so no back-reference is ever written.
  void WriteObjectTag(std::string_view className, std::uint16_t nSchema);

  void Reserve(std::size_t n) { m_bytes.reserve(n); }
  const std::string& Bytes() const { return m_bytes; }
  std::string TakeBytes() { return std::move(m_bytes); }

 private:
  std::string m_bytes;
  // Table index of the class once its description is written; entry 0 is
  // the null object.
  std::uint32_t m_nClassIndex = 0;
  std::uint32_t m_nTableSize = 1;
};

}  // namespace zev
