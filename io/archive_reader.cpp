#include "io/archive_reader.h"

#include <cstring>

#include "model/format.h"

namespace zev {

namespace {

constexpr std::uint16_t kNullTag = 0;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kClassFlag = 0x8000;
constexpr std::uint32_t kBigClassFlag = 0x80000000u;

std::uint16_t Word(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Dword(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// A class name as it may be shown in a message: printable ASCII only, and
// not more of it than a real class name would have.
std::string Printable(std::string_view name) {
  std::string out;
  for (char c : name.substr(0, 64)) {
    unsigned char u = static_cast<unsigned char>(c);
    out += (u >= 0x20 && u < 0x7F) ? c : '?';
  }
  if (name.size() > 64) out += "...";
  return out;
}

}  // namespace

bool CArchiveReader::Fail(std::string problem, std::size_t nOffset) {
  if (!m_bFailed) {
    m_bFailed = true;
    m_strProblem = std::move(problem);
    m_nFailOffset = nOffset;
  }
  return false;
}

const unsigned char* CArchiveReader::Take(std::size_t n, const char* what) {
  if (m_bFailed) return nullptr;
  if (n > Remaining()) {
    Fail(std::string("the file ends in the middle of ") + what);
    return nullptr;
  }
  const unsigned char* p = reinterpret_cast<const unsigned char*>(m_bytes.data()) + m_nPos;
  m_nPos += n;
  return p;
}

bool CArchiveReader::ReadWord(std::uint16_t& n) {
  const unsigned char* p = Take(2, "a 16-bit number");
  if (!p) return false;
  n = Word(p);
  return true;
}

bool CArchiveReader::ReadInt(std::int32_t& n) {
  const unsigned char* p = Take(4, "a 32-bit number");
  if (!p) return false;
  n = static_cast<std::int32_t>(Dword(p));
  return true;
}

bool CArchiveReader::ReadDouble(double& d) {
  const unsigned char* p = Take(8, "a real number");
  if (!p) return false;
  std::uint64_t bits =
      static_cast<std::uint64_t>(Dword(p)) | (static_cast<std::uint64_t>(Dword(p + 4)) << 32);
  std::memcpy(&d, &bits, sizeof d);
  return true;
}

bool CArchiveReader::ReadCount(std::uint32_t& n) {
  std::uint16_t w = 0;
  if (!ReadWord(w)) return false;
  if (w != 0xFFFF) {
    n = w;
    return true;
  }
  std::int32_t big = 0;
  if (!ReadInt(big)) return false;
  n = static_cast<std::uint32_t>(big);
  return true;
}

bool CArchiveReader::ReadLength(std::uint32_t& nLength, bool& bUnicode) {
  bUnicode = false;
  const unsigned char* p = Take(1, "the length of a text");
  if (!p) return false;
  if (*p < 0xFF) {
    nLength = *p;
    return true;
  }
  std::uint16_t w = 0;
  if (!ReadWord(w)) return false;
  if (w == 0xFFFE) {
    // The Unicode marker; the real length follows in the same escapes.
    bUnicode = true;
    p = Take(1, "the length of a text");
    if (!p) return false;
    if (*p < 0xFF) {
      nLength = *p;
      return true;
    }
    if (!ReadWord(w)) return false;
  }
  if (w < 0xFFFF) {
    nLength = w;
    return true;
  }
  std::int32_t big = 0;
  if (!ReadInt(big)) return false;
  nLength = static_cast<std::uint32_t>(big);
  return true;
}

bool CArchiveReader::ReadStringBytes(std::string& s) {
  const std::size_t start = m_nPos;
  std::uint32_t nLength = 0;
  bool bUnicode = false;
  if (!ReadLength(nLength, bUnicode)) return false;
  if (!bUnicode) {
    if (nLength > Remaining()) {
      return Fail("the file ends inside a text of " + Format("%u", nLength) + " bytes", start);
    }
    const unsigned char* p = Take(nLength, "a text");
    s.assign(reinterpret_cast<const char*>(p), nLength);
    return true;
  }
  const std::uint64_t nBytes = static_cast<std::uint64_t>(nLength) * 2;
  if (nBytes > Remaining()) {
    return Fail("the file ends inside a text of " + Format("%u", nLength) + " UTF-16 characters",
                start);
  }
  const unsigned char* p = Take(static_cast<std::size_t>(nBytes), "a text");
  s.clear();
  s.reserve(nLength);
  for (std::uint32_t i = 0; i < nLength; ++i) {
    std::uint32_t unit = Word(p + 2 * i);
    std::uint32_t cp = unit;
    if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < nLength) {
      std::uint32_t low = Word(p + 2 * (i + 1));
      if (low >= 0xDC00 && low < 0xE000) {
        cp = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    // A lone surrogate stays a surrogate code point, which has no code
    // page 1252 form and becomes '?'.
    s += CodePointToCp1252(cp);
  }
  return true;
}

bool CArchiveReader::ReadString(std::string& s) {
  s.clear();
  return ReadStringBytes(s);
}

bool CArchiveReader::ReadString(CText& s) {
  std::string bytes;
  if (!ReadStringBytes(bytes)) return false;
  s = CText(bytes);
  return true;
}

bool CArchiveReader::ReadObjectTag(std::string_view className, std::uint16_t nSchema,
                                   SObjectTag& tag) {
  const std::size_t start = m_nPos;
  std::uint16_t w = 0;
  if (!ReadWord(w)) return false;

  if (w == kNewClassTag) {
    std::uint16_t schema = 0;
    std::uint16_t nameLength = 0;
    if (!ReadWord(schema) || !ReadWord(nameLength)) return false;
    const unsigned char* p = Take(nameLength, "a class name");
    if (!p) return false;
    std::string_view name(reinterpret_cast<const char*>(p), nameLength);
    if (name != className) {
      return Fail("the object is of the unknown class <" + Printable(name) + ">", start);
    }
    if (schema != nSchema) {
      return Fail("the class " + std::string(className) + " has the schema " + FormatInt(schema) +
                      "; only the schema " + FormatInt(nSchema) + " can be read",
                  start);
    }
    m_table.push_back(SEntry{true});
    m_table.push_back(SEntry{false});
    tag = {SObjectTag::NewObject, static_cast<std::uint32_t>(m_table.size() - 1)};
    return true;
  }

  std::uint32_t ob = 0;
  if (w == kBigObjectTag) {
    std::int32_t big = 0;
    if (!ReadInt(big)) return false;
    ob = static_cast<std::uint32_t>(big);
  } else {
    ob = ((w & kClassFlag) << 16) | (w & ~kClassFlag & 0xFFFF);
  }

  if (ob & kBigClassFlag) {
    std::uint32_t index = ob & ~kBigClassFlag;
    if (index == 0 || index >= m_table.size() || !m_table[index].m_bClass) {
      return Fail("the object tag names the class number " + Format("%u", index) +
                      ", but no such class was described before",
                  start);
    }
    m_table.push_back(SEntry{false});
    tag = {SObjectTag::NewObject, static_cast<std::uint32_t>(m_table.size() - 1)};
    return true;
  }
  if (ob == kNullTag) {
    tag = {SObjectTag::Null, 0};
    return true;
  }
  if (ob >= m_table.size()) {
    return Fail("the object tag refers back to the object number " + Format("%u", ob) +
                    ", but only " + Format("%zu", m_table.size() - 1) +
                    " classes and objects were read before",
                start);
  }
  if (m_table[ob].m_bClass) {
    return Fail("the object tag refers back to the number " + Format("%u", ob) +
                    ", which is a class and not an object",
                start);
  }
  tag = {SObjectTag::Reference, ob};
  return true;
}

}  // namespace zev
