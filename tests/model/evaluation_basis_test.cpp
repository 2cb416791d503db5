#include "model/evaluation_basis.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "model/madm_doc.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

// What the document's record of the last evaluation says after one edit.
struct SBasisCase {
  const char* m_pszEdit;
  std::function<void(CMADMDoc&)> m_edit;
  bool m_bKnown;
  bool m_bOther;
  std::uint64_t m_weights;
  std::vector<int> m_changed;  // positions after the edit, in the order noted
};

TEST(EvaluationBasis, TellsWhatChangedSinceTheRecordedEvaluation) {
  test::CScriptedUser user;
  const std::uint64_t bit2 = std::uint64_t{1} << 2;
  const SBasisCase cases[] = {
      {"nothing", [](CMADMDoc&) {}, true, false, 0, {}},
      {"a weight", [](CMADMDoc& d) { d.Attribute(2).m_dWeight = 0.5; }, true, false, bit2, {}},
      {"two weights",
       [](CMADMDoc& d) {
         d.Attribute(2).m_dWeight = 0.5;
         d.Attribute(3).m_dWeight = 0;
       },
       true,
       false,
       bit2 | bit2 << 1,
       {}},
      {"a weight with the same four decimals",
       [](CMADMDoc& d) { d.Attribute(2).m_dWeight += 1e-6; },
       true,
       false,
       0,
       {}},
      {"a name", [](CMADMDoc& d) { d.Attribute(1).SetName("Renamed"); }, true, true, 0, {}},
      {"a grade utility",
       [](CMADMDoc& d) { d.Attribute(1).SetGradeUtility(0, 0.1); },
       true,
       true,
       0,
       {}},
      {"a best value", [](CMADMDoc& d) { d.Attribute(3).m_dBest = 7; }, true, true, 0, {}},
      {"the current attribute", [](CMADMDoc& d) { d.SetCurrentAttribute(2); }, true, true, 0, {}},
      {"inputs, published",
       [](CMADMDoc& d) {
         d.Alternative(4).Record(2).m_dBelief[0] = 1;
         d.PublishChanges({EDocChange::Assessment, 2, 4});
         d.Notify({EDocChange::Assessment, 1, 1});
         d.Notify({EDocChange::Assessment, 3, 4});
       },
       true,
       false,
       0,
       {4, 1}},
      {"a preparation",
       [](CMADMDoc& d) { d.PrepareAlternative(d.Alternative(6)); },
       true,
       false,
       0,
       {6}},
      {"a new alternative",
       [](CMADMDoc& d) { d.AddAlternative(d.NewAlternative()); },
       true,
       false,
       0,
       {70}},
      {"a noted alternative removed",
       [](CMADMDoc& d) {
         d.PrepareAlternative(d.Alternative(6));
         d.PrepareAlternative(d.Alternative(8));
         d.RemoveAlternative(&d.Alternative(6));
       },
       true,
       false,
       0,
       {7}},
      {"results and selections",
       [](CMADMDoc& d) {
         d.Notify({EDocChange::Results, 0, -1});
         d.SelectAlternative(3);
         d.SelectAttribute(d.CurrentAttribute());
       },
       true,
       false,
       0,
       {}},
      {"the alternatives, even naming one",
       [](CMADMDoc& d) {
         d.PublishChanges({EDocChange::Alternatives, -1, 1});
       },
       false,
       true,
       0,
       {}},
      {"inputs naming no alternative",
       [](CMADMDoc& d) {
         d.Notify({EDocChange::Assessment, -1, -1});
       },
       false,
       true,
       0,
       {}},
      {"the hierarchy",
       [](CMADMDoc& d) {
         d.PublishChanges({EDocChange::Structure, 1, -1});
       },
       false,
       true,
       0,
       {}},
      {"a file loaded",
       [](CMADMDoc& d) {
         d.Notify({EDocChange::Loaded, 0, 0});
       },
       false,
       true,
       0,
       {}},
      {"every alternative removed",
       [](CMADMDoc& d) { d.RemoveAllAlternatives(); },
       false,
       true,
       0,
       {}},
      {"more alternatives than are worth one by one",
       [](CMADMDoc& d) {
         for (int pos = 0; pos <= static_cast<int>(CEvaluationBasis::kMaxChanged); ++pos)
           d.PrepareAlternative(d.Alternative(pos));
       },
       false,
       true,
       0,
       {}},
  };
  for (const SBasisCase& c : cases) {
    SCOPED_TRACE(c.m_pszEdit);
    CMADMDoc doc;
    doc.OnNewDocument();
    test::BuildHierarchy(doc, {"A:", "A1:A", "B:"});
    while (doc.AlternativeCount() < 70) doc.AddAlternative(doc.NewAlternative());
    CEvaluationBasis& basis = doc.EvaluationBasis();
    EXPECT_FALSE(basis.IsKnown());
    EXPECT_TRUE(basis.Compare(doc).m_bOther);
    basis.Record(doc);
    c.m_edit(doc);
    EXPECT_EQ(basis.IsKnown(), c.m_bKnown);
    const CEvaluationBasis::SChanges changes = basis.Compare(doc);
    EXPECT_EQ(changes.m_bOther, c.m_bOther);
    if (!c.m_bOther) {
      EXPECT_EQ(changes.m_weights, c.m_weights);
    }
    if (!c.m_bKnown) continue;
    std::vector<const CAlternative*> expected;
    for (int pos : c.m_changed) expected.push_back(&doc.Alternative(pos));
    const std::vector<const CAlternative*> changed(basis.ChangedAlternatives().begin(),
                                                   basis.ChangedAlternatives().end());
    EXPECT_EQ(changed, expected);
  }
}

// The records of alternatives that were prepared share the definitions'
// texts and grade tables; what an edit renews is named, and a preparation
// on several threads refuses records that lack a part.
TEST(EvaluationBasis, NamesTheSharedPartsTheRecordsLack) {
  test::CScriptedUser user;
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"A:", "B:"});
  doc.PrepareAllAlternatives();
  CEvaluationBasis& basis = doc.EvaluationBasis();
  EXPECT_EQ(basis.NewSharedParts(doc), 0b111u);
  basis.Record(doc);
  EXPECT_EQ(basis.NewSharedParts(doc), 0u);

  ASSERT_TRUE(doc.StartConcurrentPreparation());
  EXPECT_TRUE(doc.PrepareSharedAlternative(doc.Alternative(0)));
  doc.Attribute(2).SetDescription("New");
  doc.Attribute(1).SetGradeName(0, "New");
  EXPECT_EQ(basis.NewSharedParts(doc), 0b110u);
  EXPECT_FALSE(doc.PrepareSharedAlternative(doc.Alternative(0)));
  doc.ShareDefinitions(doc.Alternative(0), 0b110u);
  EXPECT_TRUE(doc.PrepareSharedAlternative(doc.Alternative(0)));

  // A weight that does not read back is left to the preparation that warns.
  doc.Attribute(1).m_dWeight = -1;
  EXPECT_FALSE(doc.StartConcurrentPreparation());
  EXPECT_FALSE(doc.PrepareSharedAlternative(doc.Alternative(0)));
}

// Preparing records that share the definitions copies the numbers, links
// and weights as preparing does, but leaves the marks to the evaluation.
TEST(EvaluationBasis, PreparingSharedRecordsLeavesTheirMarks) {
  test::CScriptedUser user;
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildHierarchy(doc, {"A:", "B:"});
  doc.PrepareAllAlternatives();
  CAttribute& a = doc.Attribute(1);
  a.m_dBest = 7;
  a.m_nType = Quantitative;
  a.m_dWeight = 1.0 / 3.0;
  a.m_nMark = 6;
  CAssessment& r = doc.Alternative(0).Record(1);
  r.m_nMark = 3;
  ASSERT_TRUE(doc.StartConcurrentPreparation());
  ASSERT_TRUE(doc.PrepareSharedAlternative(doc.Alternative(0)));
  EXPECT_EQ(r.m_dBest, 7.0);
  EXPECT_EQ(r.m_nType, Quantitative);
  EXPECT_EQ(r.m_dWeight, 0.3333);
  EXPECT_EQ(r.m_nMark, 3);
}

}  // namespace
}  // namespace zev
