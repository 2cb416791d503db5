#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/text.h"

namespace zev {

// Reads the primitives of the model archive (little-endian, no padding)
// from a byte buffer it does not own.
//
// Every read checks the bytes left before touching them, so reading past
// the end cannot happen. The first failure is remembered with the offset of
// the item that could not be read; every later read fails at once, so a
// caller may chain reads and look at Failed() afterwards.
class CArchiveReader {
 public:
  // The bytes must outlive the reader.
  explicit CArchiveReader(std::string_view bytes) : m_bytes(bytes) {}

  bool ReadWord(std::uint16_t& n);
  bool ReadInt(std::int32_t& n);
  bool ReadDouble(double& d);
  // A length-prefixed 8-bit text; a text with the Unicode marker is read as
  // UTF-16LE and converted to code page 1252.
  bool ReadString(CText& s);
  // The same, into a plain string (no shared storage is made).
  bool ReadString(std::string& s);
  // A WORD, or 0xFFFF followed by a 32-bit count.
  bool ReadCount(std::uint32_t& n);

  // What the tag in front of an object says.
  struct SObjectTag {
    enum EKind {
      Null,       // the null object
      NewObject,  // an object of a known class follows; it got table index m_nIndex
      Reference,  // the object that got table index m_nIndex earlier
    };
    EKind m_kind = Null;
    std::uint32_t m_nIndex = 0;
  };
  // Reads an object tag with its class description or class reference.
  // Only objects of the class `className` with schema `nSchema` are known:
  // any other class, another schema, an index that names nothing, or a
  // reference to a class where an object is expected is a failure.
  bool ReadObjectTag(std::string_view className, std::uint16_t nSchema, SObjectTag& tag);

  // Offset of the next byte to be read.
  std::size_t Offset() const { return m_nPos; }
  std::size_t Remaining() const { return m_bytes.size() - m_nPos; }
  bool AtEnd() const { return m_nPos == m_bytes.size(); }

  // Records a failure (the first one wins) and returns false.
  bool Fail(std::string problem, std::size_t nOffset);
  bool Fail(std::string problem) { return Fail(std::move(problem), m_nPos); }
  bool Failed() const { return m_bFailed; }
  const std::string& Problem() const { return m_strProblem; }
  std::size_t FailureOffset() const { return m_nFailOffset; }

 private:
  // The next n bytes, or nullptr (and a failure naming `what`) when fewer
  // are left. The only place that touches the buffer.
  const unsigned char* Take(std::size_t n, const char* what);
  bool ReadLength(std::uint32_t& nLength, bool& bUnicode);
  bool ReadStringBytes(std::string& s);

  std::string_view m_bytes;
  std::size_t m_nPos = 0;
  bool m_bFailed = false;
  std::string m_strProblem;
  std::size_t m_nFailOffset = 0;

  // The archive's table of classes and objects met so far; entry 0 is the
  // null object.
  struct SEntry {
    bool m_bClass = false;
  };
  std::vector<SEntry> m_table{SEntry{}};
};

}  // namespace zev
