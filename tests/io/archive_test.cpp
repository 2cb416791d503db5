#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "io/archive_reader.h"
#include "io/archive_writer.h"
#include "tests/io/bytes.h"

namespace zev {
namespace {

using test::Hex;

TEST(ArchivePrimitives, AreLittleEndianWithoutPadding) {
  CArchiveWriter out;
  out.WriteWord(0x1234);
  out.WriteInt(-2);
  out.WriteDouble(0.25);
  EXPECT_EQ(out.Bytes(), Hex("34 12  FE FF FF FF  00 00 00 00 00 00 D0 3F"));

  CArchiveReader in(out.Bytes());
  std::uint16_t w = 0;
  std::int32_t n = 0;
  double d = 0;
  ASSERT_TRUE(in.ReadWord(w) && in.ReadInt(n) && in.ReadDouble(d));
  EXPECT_EQ(w, 0x1234);
  EXPECT_EQ(n, -2);
  EXPECT_EQ(d, 0.25);
  EXPECT_TRUE(in.AtEnd());
}

TEST(ArchivePrimitives, StringLengthsUseTheEscapesAtTheirLimits) {
  struct SCase {
    std::size_t length;
    std::string prefix;
  };
  const SCase cases[] = {
      {0, Hex("00")},
      {254, Hex("FE")},
      {255, Hex("FF FF 00")},
      {0xFFFD, Hex("FF FD FF")},
      // 0xFFFE as a WORD would be the Unicode marker.
      {0xFFFE, Hex("FF FF FF FE FF 00 00")},
      {70000, Hex("FF FF FF 70 11 01 00")},
  };
  for (const SCase& c : cases) {
    std::string text(c.length, 'x');
    if (!text.empty()) text.back() = '\xA3';
    CArchiveWriter out;
    out.WriteString(text);
    EXPECT_EQ(out.Bytes().substr(0, c.prefix.size()), c.prefix) << c.length;
    EXPECT_EQ(out.Bytes().size(), c.prefix.size() + c.length);

    CArchiveReader in(out.Bytes());
    CText back;
    ASSERT_TRUE(in.ReadString(back)) << c.length;
    EXPECT_EQ(back, text);
    EXPECT_TRUE(in.AtEnd());
  }
}

TEST(ArchivePrimitives, CountsEscapeAt0xFFFF) {
  CArchiveWriter out;
  out.WriteCount(0xFFFE);
  out.WriteCount(0xFFFF);
  out.WriteCount(100000);
  EXPECT_EQ(out.Bytes(), Hex("FE FF  FF FF FF FF 00 00  FF FF A0 86 01 00"));
  CArchiveReader in(out.Bytes());
  std::uint32_t a = 0, b = 0, c = 0;
  ASSERT_TRUE(in.ReadCount(a) && in.ReadCount(b) && in.ReadCount(c));
  EXPECT_EQ(a, 0xFFFEu);
  EXPECT_EQ(b, 0xFFFFu);
  EXPECT_EQ(c, 100000u);
}

TEST(ArchivePrimitives, UnicodeTextsAreConvertedToCodePage1252) {
  // Marker, then 4 UTF-16 units: the euro sign, 'a', and a surrogate pair
  // for a character code page 1252 does not have.
  const std::string euro = Hex("FF FE FF 04  AC 20 61 00 3D D8 00 DE");
  CArchiveReader in(euro);
  CText s;
  ASSERT_TRUE(in.ReadString(s));
  EXPECT_EQ(s,
            "\x80"
            "a?");
  EXPECT_TRUE(in.AtEnd());

  // The length behind the marker uses the same escapes: 0xFF, WORD 300.
  std::string bytes = Hex("FF FE FF FF 2C 01");
  for (int i = 0; i < 300; ++i) bytes += Hex("E9 00");
  CArchiveReader in2(bytes);
  ASSERT_TRUE(in2.ReadString(s));
  EXPECT_EQ(s, std::string(300, '\xE9'));

  // A lone surrogate has no code page 1252 form.
  const std::string lone = Hex("FF FE FF 02 00 DC 41 00");
  CArchiveReader in3(lone);
  ASSERT_TRUE(in3.ReadString(s));
  EXPECT_EQ(s, "?A");
}

TEST(ArchivePrimitives, ReadingPastTheEndFailsAndStaysFailed) {
  const std::string three = Hex("01 02 03");
  CArchiveReader in(three);
  std::int32_t n = 0;
  EXPECT_FALSE(in.ReadInt(n));
  EXPECT_TRUE(in.Failed());
  EXPECT_EQ(in.FailureOffset(), 0u);
  EXPECT_NE(in.Problem().find("ends"), std::string::npos) << in.Problem();
  std::uint16_t w = 0;
  EXPECT_FALSE(in.ReadWord(w)) << "after a failure nothing more is read";

  // A text whose length the bytes cannot hold, in every length form.
  for (const std::string& bytes :
       {Hex("05 41 42"), Hex("FF 00 01 41"), Hex("FF FF FF FF FF FF FF 41"),
        Hex("FF FE FF 02 41 00"), Hex("FF FE FF FF FF FF FF FF FF 7F")}) {
    CArchiveReader r(bytes);
    CText s;
    EXPECT_FALSE(r.ReadString(s));
    EXPECT_EQ(r.FailureOffset(), 0u);
  }
}

TEST(ArchiveObjects, TagsOfNewClassClassReferenceNullAndBackReference) {
  CArchiveWriter out;
  out.WriteObjectTag("CAlternative", 1);
  out.WriteObjectTag("CAlternative", 1);
  EXPECT_EQ(out.Bytes(), Hex("FF FF 01 00 0C 00") + "CAlternative" + Hex("01 80"));

  // New class (class 1, object 2), class reference (object 3), null,
  // back-references to 2 and, in the long form, to 3, and a long class
  // reference (object 4).
  std::string bytes = out.Bytes() + Hex("00 00  02 00  FF 7F 03 00 00 00  FF 7F 01 00 00 80");
  CArchiveReader in(bytes);
  using T = CArchiveReader::SObjectTag;
  T tag;
  ASSERT_TRUE(in.ReadObjectTag("CAlternative", 1, tag));
  EXPECT_EQ(tag.m_kind, T::NewObject);
  EXPECT_EQ(tag.m_nIndex, 2u);
  ASSERT_TRUE(in.ReadObjectTag("CAlternative", 1, tag));
  EXPECT_EQ(tag.m_kind, T::NewObject);
  EXPECT_EQ(tag.m_nIndex, 3u);
  ASSERT_TRUE(in.ReadObjectTag("CAlternative", 1, tag));
  EXPECT_EQ(tag.m_kind, T::Null);
  ASSERT_TRUE(in.ReadObjectTag("CAlternative", 1, tag));
  EXPECT_EQ(tag.m_kind, T::Reference);
  EXPECT_EQ(tag.m_nIndex, 2u);
  ASSERT_TRUE(in.ReadObjectTag("CAlternative", 1, tag));
  EXPECT_EQ(tag.m_kind, T::Reference);
  EXPECT_EQ(tag.m_nIndex, 3u);
  ASSERT_TRUE(in.ReadObjectTag("CAlternative", 1, tag));
  EXPECT_EQ(tag.m_kind, T::NewObject);
  EXPECT_EQ(tag.m_nIndex, 4u);
  EXPECT_TRUE(in.AtEnd());
}

TEST(ArchiveObjects, BadTagsAreRefused) {
  const std::string head = Hex("FF FF 01 00 0C 00") + "CAlternative";
  struct SCase {
    std::string bytes;
    std::string problem;
    std::size_t offset;
  };
  const SCase cases[] = {
      {Hex("01 80"), "no such class", 0},                         // class before its description
      {Hex("05 00"), "object number 5", 0},                       // object never read
      {head + Hex("01 00"), "is a class and not an object", 18},  // class where an object belongs
      {head + Hex("02 80"), "class number 2", 18},                // object where a class belongs
      {Hex("FF FF 01 00 0C 00") + "CAlternativX", "unknown class <CAlternativX>", 0},
      {Hex("FF FF 02 00 0C 00") + "CAlternative", "schema 2", 0},
      {Hex("FF FF 01 00 0C 00") + "CAlt", "ends", 6},
      {Hex("FF 7F 01 00"), "ends", 2},
  };
  for (const SCase& c : cases) {
    CArchiveReader in(c.bytes);
    CArchiveReader::SObjectTag tag;
    bool ok = in.ReadObjectTag("CAlternative", 1, tag);
    if (ok) ok = in.ReadObjectTag("CAlternative", 1, tag);
    EXPECT_FALSE(ok) << c.problem;
    EXPECT_NE(in.Problem().find(c.problem), std::string::npos) << in.Problem();
    EXPECT_EQ(in.FailureOffset(), c.offset) << in.Problem();
  }
}

}  // namespace
}  // namespace zev
