#include "io/model_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>

#include "io/atomic_file.h"
#include "tests/io/bytes.h"
#include "tests/io/memory_limit.h"
#include "tests/io/rich_model.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"
#include "tests/support/temp_dir.h"

namespace zev {
namespace {

using test::Double;
using test::Hex;
using test::Int;
using test::Str;

// The worked start of a new, unedited model, written out by hand.
std::string NewModelBytes() {
  std::string b;
  b += Int(0);              // A
  b += Hex("00 00 08 00");  // mark, type
  b += Str("No description for the attribute is provided.");
  b += Hex("01 A3");  // unit
  b += Str("No comments are provided.");
  b += Hex("00 00 00 00 00 00 F0 3F");  // best
  b += Hex("00 00 00 00 00 00 00 00");  // worst
  b += Hex("00 00 00 00 00 00 F0 3F");  // weight
  b += Hex("00 00 00 00 00 00 F0 3F");  // shown value
  b += Hex("05 00 00 00");              // grades
  b +=
      Hex("00 00 00 00 00 00 00 00  00 00 00 00 00 00 D0 3F  00 00 00 00 00 00 E0 3F"
          "00 00 00 00 00 00 E8 3F  00 00 00 00 00 00 F0 3F");
  for (const char* name : {"Worst", "Poor", "Average", "Good", "Best"}) b += Str(name);
  for (int k = 0; k < 5; ++k) b += Str("No definition for the grade is provided.");
  for (int k = 0; k < 5; ++k) b += Str("No comment for the conversion is provided.");
  b += Str("Top Attribute");
  b += Hex("41 00");
  b +=
      Hex("50 00 00 00  72 00 00 00  00 00 00 00  FF FF FF FF  FF FF FF FF  FF FF FF FF"
          "00 00 00 00");
  // The alternative list.
  b += Hex("01 00  FF FF 01 00 0C 00") + "CAlternative";
  b += Str("First alternative");
  b += Str("No description for the alternative is provided.");
  b += Hex("01 00 00 00");              // ranking
  b += Hex("00 00 00 00 00 00 E0 3F");  // utility
  b += Hex("50 00 00 00  3C 00 00 00  01 00 00 00  00 00 00 00");
  b += Hex("00 00 00 00");  // K
  // Its one record: utilities 0.5, 1, 0, value 0.5, 5 grades, 3 possible
  // values, 5 degrees, 3 values, evidence and comment.
  b += Double(0.5) + Double(1.0) + Double(0.0) + Double(0.5);
  b += Int(5) + Int(3);
  for (int k = 0; k < 5; ++k) b += Double(0.0);
  b += Double(0.5) + Double(0.0) + Double(0.0);
  b += Str("No evidence is provided.");
  b += Str("No comments are provided.");
  return b;
}

TEST(ModelFile, NewModelIsTheWorkedStartByteForByte) {
  CMADMDoc doc;
  doc.OnNewDocument();
  const std::string bytes = WriteModel(doc);
  const std::string expected = NewModelBytes();
  ASSERT_EQ(bytes.size(), expected.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    ASSERT_EQ(static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(expected[i]))
        << "first difference at byte " << i;
  }
  // Preparing the alternative changes nothing in the file.
  doc.PrepareAllAlternatives();
  EXPECT_EQ(WriteModel(doc), expected);
}

TEST(ModelFile, NewModelReadsBackAsANewModel) {
  CMADMDoc doc;
  SFileError error;
  ASSERT_TRUE(ReadModel(NewModelBytes(), doc, error)) << error.Message();
  EXPECT_EQ(doc.LastAttribute(), 0);
  EXPECT_EQ(doc.Attribute(0).m_strName, "Top Attribute");
  EXPECT_EQ(doc.Attribute(0).m_nConversion, ByUtility);
  EXPECT_EQ(doc.Attribute(0).m_nX, 80);
  EXPECT_EQ(doc.Attribute(0).m_nY, 114);
  ASSERT_EQ(doc.AlternativeCount(), 1);
  EXPECT_EQ(doc.Alternative(0).m_strName, "First alternative");
  EXPECT_EQ(doc.Alternative(0).m_nX, 80);
  EXPECT_EQ(doc.CurrentAttribute(), 0);
  EXPECT_EQ(doc.CurrentPosition(), 0);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(WriteModel(doc), NewModelBytes());
}

TEST(ModelFile, RichModelRoundTripsByteForByte) {
  CMADMDoc doc;
  test::BuildRichModel(doc);
  const std::string first = WriteModel(doc);

  CMADMDoc back;
  SFileError error;
  ASSERT_TRUE(ReadModel(first, back, error)) << error.Message();
  EXPECT_TRUE(test::TreeIsConsistent(back));
  EXPECT_EQ(WriteModel(back), first);

  // And the fields arrived where they belong.
  ASSERT_EQ(back.LastAttribute(), doc.LastAttribute());
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    const CAttribute& a = doc.Attribute(i);
    const CAttribute& b = back.Attribute(i);
    SCOPED_TRACE(a.m_strName.Str());
    EXPECT_EQ(b.m_strName, a.m_strName);
    EXPECT_EQ(b.m_strDescription, a.m_strDescription);
    EXPECT_EQ(b.m_strUnit, a.m_strUnit);
    EXPECT_EQ(b.m_nType, a.m_nType);
    EXPECT_EQ(b.m_dWeight, a.m_dWeight);
    EXPECT_EQ(b.m_dBest, a.m_dBest);
    EXPECT_EQ(b.m_dWorst, a.m_dWorst);
    EXPECT_EQ(b.m_nGrades, a.m_nGrades);
    EXPECT_EQ(b.m_nConversion, a.m_nConversion);
    EXPECT_EQ(b.m_nFather, a.m_nFather);
    for (int k = 0; k < a.m_nGrades; ++k) {
      EXPECT_EQ(b.GradeName(k), a.GradeName(k));
      EXPECT_EQ(b.GradeUtility(k), a.GradeUtility(k));
      if (i > 0) {
        EXPECT_EQ(b.GradeValue(k), a.GradeValue(k));
        for (int j = 0; j < doc.Attribute(a.m_nFather).m_nGrades; ++j) {
          EXPECT_EQ(b.ConversionEntry(k, j), a.ConversionEntry(k, j));
        }
      }
    }
  }
  ASSERT_EQ(back.AlternativeCount(), doc.AlternativeCount());
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    const CAlternative& a = doc.Alternative(p);
    const CAlternative& b = back.Alternative(p);
    EXPECT_EQ(b.m_strName, a.m_strName);
    EXPECT_EQ(b.m_nLastAttribute, a.m_nLastAttribute);
    for (int j = 0; j <= a.m_nLastAttribute; ++j) {
      const CAssessment& r = a.Record(j);
      const CAssessment& s = b.Record(j);
      EXPECT_EQ(s.m_nPossibleValues, r.m_nPossibleValues);
      EXPECT_EQ(s.m_dValue, r.m_dValue);
      EXPECT_EQ(s.m_strEvidence, r.m_strEvidence);
      for (int k = 0; k < r.BeliefCount(); ++k) EXPECT_EQ(s.m_dBelief[k], r.m_dBelief[k]);
      for (int k = 0; k < r.m_nPossibleValues; ++k) {
        EXPECT_EQ(s.m_dPossibleValue[k], r.m_dPossibleValue[k]);
      }
    }
  }
}

TEST(ModelFile, ATextWithTheUnicodeMarkerLoadsInCodePage1252) {
  std::string bytes = NewModelBytes();
  const std::string plain = Str("Top Attribute");
  // "Caf\u00E9 \u20AC" in UTF-16LE behind the marker.
  const std::string unicode = Hex("FF FE FF 06  43 00 61 00 66 00 E9 00 20 00 AC 20");
  bytes.replace(bytes.find(plain), plain.size(), unicode);
  CMADMDoc doc;
  SFileError error;
  ASSERT_TRUE(ReadModel(bytes, doc, error)) << error.Message();
  EXPECT_EQ(doc.Attribute(0).m_strName, "Caf\xE9 \x80");
  // Written back as an 8-bit text.
  EXPECT_NE(WriteModel(doc).find(Str("Caf\xE9 \x80")), std::string::npos);
}

TEST(ModelFile, TopOnlyModelHasNoConversionBlockAndSecondAlternativeStartsWith0180) {
  CMADMDoc doc;
  doc.OnNewDocument();
  doc.AddAlternativeCommand();
  const std::string bytes = WriteModel(doc);
  const std::string one = NewModelBytes();
  // Up to the alternative list the file is that of the new model.
  const std::size_t list = one.find("CAlternative") - 8;
  EXPECT_EQ(bytes.substr(0, list), one.substr(0, list));
  EXPECT_EQ(bytes.substr(list, 2), Hex("02 00"));
  const std::size_t second = bytes.find(Str("Alternative 2"));
  ASSERT_NE(second, std::string::npos);
  EXPECT_EQ(bytes.substr(second - 2, 2), Hex("01 80"));
}

TEST(ModelFile, BeliefsAreWrittenWithTheCurrentGradeCountAndAtLeastOnePerPossibleValue) {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"Size"});
  doc.PrepareAllAlternatives();
  CAssessment& r = doc.Alternative(0).Record(1);
  for (int k = 0; k < 6; ++k) r.m_dBelief[k] = 0.1 * (k + 1);
  r.m_nPossibleValues = 6;
  doc.Attribute(1).m_nGrades = 4;  // the record still says 5
  std::string bytes = WriteModel(doc);
  EXPECT_EQ(r.m_nGrades, 4) << "saving gives the records the current grade count";

  CMADMDoc back;
  SFileError error;
  ASSERT_TRUE(ReadModel(bytes, back, error)) << error.Message();
  const CAssessment& s = back.Alternative(0).Record(1);
  EXPECT_EQ(s.m_nGrades, 4);
  EXPECT_EQ(s.m_nPossibleValues, 6);
  EXPECT_DOUBLE_EQ(s.m_dBelief[5], 0.6) << "six degrees for six possible values";

  // With 6 grades and 2 possible values: 6 degrees and 2 values.
  doc.Attribute(1).m_nGrades = 6;
  r.m_nPossibleValues = 2;
  r.m_dPossibleValue[1] = 7.5;
  ASSERT_TRUE(ReadModel(WriteModel(doc), back, error)) << error.Message();
  EXPECT_EQ(back.Alternative(0).Record(1).m_nGrades, 6);
  EXPECT_DOUBLE_EQ(back.Alternative(0).Record(1).m_dBelief[5], 0.6);
  EXPECT_EQ(back.Alternative(0).Record(1).m_dPossibleValue[1], 7.5);
}

TEST(ModelFile, WhatIsNotSavedComesBackAsTheSlotDefaults) {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"Looks"});
  CAttribute& a = doc.Attribute(1);
  a.m_nGrades = 7;
  for (int k = 0; k < 7; ++k) a.SetGradeName(k, "G" + std::to_string(k));
  a.m_nGrades = 3;  // names 3..6 stay in memory
  doc.Attribute(0).SetGradeValue(0, 42.0);
  doc.Attribute(0).SetGradeValue(7, 9.0);

  CMADMDoc back;
  SFileError error;
  ASSERT_TRUE(ReadModel(WriteModel(doc), back, error)) << error.Message();
  EXPECT_EQ(back.Attribute(1).GradeName(2), "G2");
  EXPECT_EQ(back.Attribute(1).GradeName(3), "Good");
  EXPECT_EQ(back.Attribute(1).GradeName(5), "New name");
  EXPECT_EQ(back.Attribute(0).GradeValue(0), 0.0);
  EXPECT_EQ(back.Attribute(0).GradeValue(4), 1.0);
  EXPECT_EQ(back.Attribute(0).GradeValue(7), 0.0);
}

TEST(ModelFile, AlternativesWithFewerRecordsLoadWithDefaultAssessments) {
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"A", "B"});
  // As an earlier version saved an alternative that was never prepared
  // after the attributes came.
  doc.Alternative(0).m_nLastAttribute = 0;
  doc.Alternative(0).Record(2).m_strEvidence = CText("not saved");

  CMADMDoc back;
  SFileError error;
  ASSERT_TRUE(ReadModel(WriteModel(doc), back, error)) << error.Message();
  EXPECT_EQ(back.Alternative(0).Record(2).m_strEvidence, "No evidence is provided.");
  EXPECT_EQ(back.Alternative(0).Record(2).m_dAvgUtility, 0.5);
  // Loaded, it holds every record of the model, so that what is stored on
  // them later is saved.
  EXPECT_EQ(back.Alternative(0).m_nLastAttribute, 2);
}

TEST(ModelFile, LoadingReplacesTheModelAndTellsTheSubscribers) {
  struct CRecorder : CDocObserver {
    void OnDocumentChanged(CMADMDoc&, const SDocChange& change) override {
      m_changes.push_back(change.m_kind);
    }
    std::vector<EDocChange> m_changes;
  } recorder;

  CMADMDoc doc;
  test::BuildRichModel(doc);
  doc.SetCurrentAttribute(3);
  doc.SetCurrentPosition(2);
  doc.Attribute(doc.LastAttribute()).m_bGradesChanged = true;
  doc.Subscribe(&recorder);

  SFileError error;
  ASSERT_TRUE(ReadModel(NewModelBytes(), doc, error)) << error.Message();
  EXPECT_EQ(recorder.m_changes, std::vector<EDocChange>{EDocChange::Loaded});
  EXPECT_EQ(doc.LastAttribute(), 0);
  EXPECT_EQ(doc.AlternativeCount(), 1);
  EXPECT_EQ(doc.CurrentAttribute(), 0);
  EXPECT_EQ(doc.CurrentPosition(), 0);
  EXPECT_FALSE(doc.IsModified());
  // The slots beyond the model are fresh again.
  EXPECT_EQ(doc.Attribute(3).m_strName, "Attribute ");
  EXPECT_EQ(doc.Attribute(3).m_nFather, -1);
  for (int i = 0; i < kAttributeSlots; ++i) EXPECT_FALSE(doc.Attribute(i).m_bGradesChanged);
  EXPECT_EQ(WriteModel(doc), NewModelBytes());
  doc.Unsubscribe(&recorder);
}

// ---------------------------------------------------------------------------
// Files

class ModelFileOnDisk : public ::testing::Test {
 protected:
  std::string Path(const char* name) { return m_tmp.Path(name); }
  test::CTempDir m_tmp;
  const std::filesystem::path& m_dir = m_tmp.Dir();
};

TEST_F(ModelFileOnDisk, SaveAndLoadByName) {
  CMADMDoc doc;
  test::BuildRichModel(doc);
  doc.SetModifiedFlag(true);
  SFileError error;
  ASSERT_TRUE(SaveModelFile(Path("m.zev"), doc, error)) << error.Message();
  EXPECT_FALSE(doc.IsModified());

  CMADMDoc back;
  ASSERT_TRUE(LoadModelFile(Path("m.zev"), back, error)) << error.Message();
  EXPECT_EQ(WriteModel(back), WriteModel(doc));
}

TEST_F(ModelFileOnDisk, AFailedSaveKeepsTheOldFileAndTheModelModified) {
  CMADMDoc doc;
  doc.OnNewDocument();
  SFileError error;
  ASSERT_TRUE(SaveModelFile(Path("m.zev"), doc, error));

  test::BuildHierarchy(doc, {"Price"});
  doc.SetModifiedFlag(true);
  EXPECT_FALSE(SaveModelFile(Path("missing/m.zev"), doc, error));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_NE(error.Message().find("missing/m.zev"), std::string::npos) << error.Message();

  // A "folder" that is a file fails even for root.
  EXPECT_FALSE(SaveModelFile(Path("m.zev") + "/inner.zev", doc, error));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_NE(error.Message().find("cannot be created"), std::string::npos) << error.Message();

  std::filesystem::permissions(
      m_dir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_FALSE(SaveModelFile(Path("m.zev"), doc, error));
  std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all);
  EXPECT_TRUE(doc.IsModified());

  // A model holding what the loader refuses is not written over the file
  // that still opens.
  doc.Attribute(1).m_dWeight = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(SaveModelFile(Path("m.zev"), doc, error));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(error.Message(), "The model was not saved: the file <" + Path("m.zev") +
                                 "> would not open again (the weight inf of attribute 1 <Price> "
                                 "is not a non-negative real number). Nothing was written.");
  std::string bytes;
  std::string why;
  ASSERT_TRUE(ReadWholeFile(Path("m.zev"), bytes, why));
  EXPECT_EQ(bytes, NewModelBytes()) << "the previous file is intact";
}

// Running out of memory while loading is a refusal like any other, and the
// open model stays. (A model this small does not ask the system for the
// memory left, so it runs into the limit itself.)
TEST(ModelFileMemory, AnAllocationThatFailsIsARefusalAndTheOpenModelStays) {
  if (test::kAddressSanitizer) GTEST_SKIP() << "an address-space limit needs a plain build";
  const std::string bytes = test::ManyAlternativesModel(1000);
  EXPECT_EXIT(
      {
        CMADMDoc doc;
        test::BuildRichModel(doc);
        const std::string before = WriteModel(doc);
        test::LimitAddressSpace(8u << 20);
        SFileError error;
        const bool bLoaded = ReadModel(bytes, doc, error);
        test::LimitAddressSpace(1u << 30);
        std::fputs(error.Message().c_str(), stderr);
        std::_Exit(!bLoaded && error.m_bNoMemory && WriteModel(doc) == before ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "There is not enough memory to open the model");
}

TEST_F(ModelFileOnDisk, LoadingAMissingOrDamagedFileNamesIt) {
  CMADMDoc doc;
  doc.OnNewDocument();
  SFileError error;
  EXPECT_FALSE(LoadModelFile(Path("none.zev"), doc, error));
  EXPECT_FALSE(error.m_bHasOffset);
  EXPECT_NE(error.Message().find("none.zev"), std::string::npos);

  std::string bytes = NewModelBytes();
  bytes.resize(100);
  std::string why;
  ASSERT_TRUE(WriteFileAtomically(Path("cut.zev"), bytes, why));
  EXPECT_FALSE(LoadModelFile(Path("cut.zev"), doc, error));
  EXPECT_EQ(error.Message(),
            "The file <" + Path("cut.zev") +
                "> is not a valid ZEV model file.\n"
                "At byte 98 (0x62): the file ends in the middle of a real number.");
}

}  // namespace
}  // namespace zev
