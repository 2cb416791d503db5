#include "model/text.h"

#include <gtest/gtest.h>

#include "model/shared.h"

namespace zev {
namespace {

TEST(CText, CopiesShareStorageAndCompareByContent) {
  CText a("Price");
  CText b = a;
  EXPECT_TRUE(a.SameStorage(b));
  CText c(std::string("Price"));
  EXPECT_FALSE(a.SameStorage(c));
  EXPECT_EQ(a, c);
  EXPECT_EQ(a, "Price");
  EXPECT_EQ(a, std::string("Price"));
  EXPECT_NE(a, CText("price")) << "names compare case-sensitively";
  EXPECT_LT(CText("A"), CText("B"));

  CText empty;
  EXPECT_TRUE(empty.empty());
  EXPECT_STREQ(empty.c_str(), "");
  EXPECT_EQ(empty, CText(""));

  // Bytes above 0x7F and embedded zeros survive.
  std::string raw("\xA3\0x", 3);
  CText bytes(raw);
  EXPECT_EQ(bytes.size(), 3u);
  EXPECT_EQ(bytes.Str(), raw);

  CText moved = std::move(b);
  EXPECT_EQ(moved, "Price");
  a = a;
  EXPECT_EQ(a, "Price");
  EXPECT_EQ("<" + a + ">", "<Price>");
}

TEST(CShared, WritingUnsharesOnlyTheWriter) {
  CShared<int> a(5);
  CShared<int> b = a;
  EXPECT_TRUE(a.SameStorage(b));
  b.Mutable() = 7;
  EXPECT_EQ(*a, 5);
  EXPECT_EQ(*b, 7);
  EXPECT_FALSE(a.SameStorage(b));
  EXPECT_EQ(a.UseCount(), 1);
}

TEST(CodePage1252, ConvertsBothWaysIncludingTheHighRange) {
  EXPECT_EQ(Cp1252ToUtf8("\xA3"), "\xC2\xA3");      // pound sign
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(Cp1252ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC 5"), "\x80 5");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9Cq\xE2\x80\x9D"), "\x93q\x94");
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?") << "no code page form";
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?") << "a cut sequence";
  for (int c = 0; c < 256; ++c) {
    std::string one(1, static_cast<char>(c));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << c;
  }
  EXPECT_EQ(CodePointToCp1252(0x2122), '\x99');
  EXPECT_EQ(CodePointToCp1252(0x41), 'A');
  EXPECT_EQ(CodePointToCp1252(0x4E2D), '?');
}

}  // namespace
}  // namespace zev
