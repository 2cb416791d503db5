#include <gtest/gtest.h>

#include "model/madm_doc.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::AddChild;
using test::BuildHierarchy;
using test::CScriptedUser;
using test::FindAttribute;

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.OnNewDocument(); }
  CScriptedUser user;
  CMADMDoc doc;
};

TEST_F(DocumentTest, NewModelHasTheTopAttributeAndOneAlternative) {
  EXPECT_EQ(doc.LastAttribute(), 0);
  EXPECT_EQ(doc.CurrentAttribute(), 0);
  const CAttribute& top = doc.Attribute(0);
  EXPECT_EQ(top.m_strName, "Top Attribute");
  EXPECT_EQ(top.m_nGrades, 5);
  EXPECT_EQ(top.m_nConversion, ByUtility);
  EXPECT_EQ(top.m_nX, 80);
  EXPECT_EQ(top.m_nY, 114);
  EXPECT_EQ(top.m_nFather, -1);
  ASSERT_EQ(doc.AlternativeCount(), 1);
  EXPECT_EQ(doc.CurrentPosition(), 0);
  EXPECT_EQ(doc.Alternative(0).m_strName, "First alternative");
  EXPECT_EQ(doc.Alternative(0).m_nX, 80);
  EXPECT_EQ(doc.Alternative(0).m_nY, 60);
  EXPECT_EQ(doc.Alternative(0).m_nLastAttribute, 0);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.Extent().cx, 200);
}

TEST_F(DocumentTest, PrepareCopiesTheDefinitionsAndRoundsWeightsToFourDecimals) {
  BuildHierarchy(doc, {"A:", "B:", "C:"});
  for (const char* n : {"A", "B", "C"}) doc.Attribute(FindAttribute(doc, n)).m_dWeight = 1.0 / 3.0;
  CAttribute& a = doc.Attribute(FindAttribute(doc, "A"));
  a.m_nType = Quantitative;
  a.SetUnit("kg");
  a.m_dBest = 7;
  a.m_dShownValue = 0.123;
  a.SetGradeName(1, "Light");
  a.m_nMark = 6;
  CAlternative& alt = doc.Alternative(0);
  alt.Record(1).m_dValue = 4.5;
  alt.Record(1).m_dShownValue = 0.9;
  doc.SetCurrentAttribute(2);
  doc.PrepareAlternative(alt);
  const CAssessment& r = alt.Record(FindAttribute(doc, "A"));
  EXPECT_EQ(r.m_strName, "A");
  EXPECT_EQ(r.m_nType, Quantitative);
  EXPECT_EQ(r.m_strUnit, "kg");
  EXPECT_EQ(r.m_dBest, 7.0);
  EXPECT_EQ(r.m_nMark, 6);
  EXPECT_EQ(r.m_dWeight, 0.3333) << "the weight passed through \"%1.4lf\"";
  EXPECT_EQ(r.GradeName(1), "Light");
  EXPECT_EQ(r.m_nFather, 0);
  EXPECT_TRUE(r.SharesGradesWith(a)) << "grade tables are shared, not copied";
  EXPECT_EQ(r.m_dShownValue, 0.9) << "shown values are not copied";
  EXPECT_EQ(r.m_dValue, 4.5) << "the assessment part is untouched";
  EXPECT_EQ(alt.m_nLastAttribute, 3);
  EXPECT_EQ(alt.m_nCurrentAttribute, 2);

  // A later change of the definition reaches the record at the next refresh.
  a.SetGradeName(1, "Featherweight");
  a.m_dWeight = 0.5;
  EXPECT_EQ(r.GradeName(1), "Light");
  doc.PrepareAlternative(alt);
  EXPECT_EQ(r.GradeName(1), "Featherweight");
  EXPECT_EQ(r.m_dWeight, 0.5);
}

TEST_F(DocumentTest, AWeightThatCannotBeReadBackKeepsTheRecordsWeightWithAWarning) {
  BuildHierarchy(doc, {"A:"});
  CAlternative& alt = doc.Alternative(0);
  doc.PrepareAlternative(alt);
  doc.Attribute(1).m_dWeight = -0.5;
  doc.PrepareAlternative(alt);
  EXPECT_EQ(alt.Record(1).m_dWeight, 1.0);
  EXPECT_EQ(user.OnlyText(), "Weight must be a non-negative real number.");
}

TEST_F(DocumentTest, AddingAlternativesFillsRowsOfFiveAndPushesTheHierarchyDown) {
  BuildHierarchy(doc, {"Q:", "U:", "L:"});
  CAttribute& q = doc.Attribute(FindAttribute(doc, "Q"));
  q.m_nType = Quantitative;
  q.m_dBest = 100;
  q.m_dWorst = 20;
  CAttribute& u = doc.Attribute(FindAttribute(doc, "U"));
  u.m_nType = QuantitativeUncertain;
  u.m_dBest = 10;
  u.m_dWorst = 50;
  const int topY = doc.Attribute(0).m_nY;
  for (int f = 2; f <= 5; ++f) doc.AddAlternativeCommand();
  EXPECT_EQ(doc.Attribute(0).m_nY, topY);
  const CAlternative& fifth = doc.Alternative(4);
  EXPECT_EQ(fifth.m_strName, "Alternative 5");
  EXPECT_EQ(fifth.m_nRanking, 5);
  EXPECT_EQ(fifth.m_nX, 80 + 4 * 135);
  EXPECT_EQ(fifth.m_nY, 60);
  EXPECT_EQ(doc.CurrentPosition(), 4);

  doc.AddAlternativeCommand();
  const CAlternative& sixth = doc.Alternative(5);
  EXPECT_EQ(sixth.m_strName, "Alternative 6");
  EXPECT_EQ(sixth.m_nX, 80);
  EXPECT_EQ(sixth.m_nY, 114);
  EXPECT_EQ(doc.Attribute(0).m_nY, topY + 54) << "a new row pushes every node down";
  EXPECT_EQ(doc.Attribute(FindAttribute(doc, "L")).m_nY, doc.Attribute(3).m_nY);

  const CAssessment& rq = sixth.Record(FindAttribute(doc, "Q"));
  EXPECT_EQ(rq.m_dValue, 60.0);
  EXPECT_EQ(rq.m_nPossibleValues, 1);
  EXPECT_EQ(rq.m_dPossibleValue[0], 60.0);
  EXPECT_EQ(rq.m_dBelief[0], 1.0);
  EXPECT_EQ(rq.m_dShownValue, 0.5);
  EXPECT_EQ(rq.m_dAvgUtility, 0.5);
  EXPECT_EQ(rq.m_dMaxUtility, 1.0);
  EXPECT_EQ(rq.m_dMinUtility, 0.0);
  const CAssessment& ru = sixth.Record(FindAttribute(doc, "U"));
  EXPECT_EQ(ru.m_nPossibleValues, 1) << "one possible value: the midpoint with belief 1";
  EXPECT_EQ(ru.m_dPossibleValue[0], 30.0);
  EXPECT_EQ(ru.m_dBelief[0], 1.0);
  const CAssessment& rl = sixth.Record(FindAttribute(doc, "L"));
  EXPECT_EQ(rl.m_nPossibleValues, 3) << "qualitative records keep their reset state";
  EXPECT_EQ(sixth.m_nLastAttribute, 3) << "a new alternative is refreshed";
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, DeletingAlternativesAsksClosesTheGapAndLiftsTheHierarchy) {
  for (int f = 2; f <= 6; ++f) doc.AddAlternativeCommand();
  const int topY = doc.Attribute(0).m_nY;
  doc.SetCurrentPosition(2);
  user.Answer(EAnswer::No);
  doc.DeleteAlternativeCommand();
  EXPECT_EQ(user.OnlyText(),
            "Deleting <Alternative 3> will eliminate all its information.\n\n"
            "Do you really want to delete it?");
  EXPECT_EQ(user.Last().m_buttons, EButtons::YesNoCancel);
  EXPECT_EQ(user.Last().m_nDefaultButton, 1);
  EXPECT_EQ(doc.AlternativeCount(), 6);

  user.Answer(EAnswer::Yes);
  doc.DeleteAlternativeCommand();
  ASSERT_EQ(doc.AlternativeCount(), 5);
  EXPECT_EQ(doc.CurrentAlternative().m_strName, "Alternative 4") << "the one after becomes current";
  EXPECT_EQ(doc.Alternative(2).m_nX, 80 + 2 * 135) << "the boxes after it close the gap";
  EXPECT_EQ(doc.Alternative(4).m_strName, "Alternative 6");
  EXPECT_EQ(doc.Alternative(4).m_nX, 80 + 4 * 135);
  EXPECT_EQ(doc.Alternative(4).m_nY, 60);
  EXPECT_EQ(doc.Attribute(0).m_nY, topY - 54) << "the second row vanished";

  doc.SetCurrentPosition(4);
  user.Answer(EAnswer::Yes);
  doc.DeleteAlternativeCommand();
  EXPECT_EQ(doc.CurrentPosition(), 3) << "deleting the last selects the one before";
  EXPECT_EQ(doc.Attribute(0).m_nY, topY - 54);
}

TEST_F(DocumentTest, TheLastAlternativeCannotBeDeleted) {
  user.Answer(EAnswer::Yes);
  doc.DeleteAlternativeCommand();
  ASSERT_EQ(user.Count(), 2u);
  EXPECT_EQ(user.Texts()[1], "There must be at least one alternative.");
  EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(doc.AlternativeCount(), 1);
}

TEST_F(DocumentTest, RemovingAnAlternativeNotInTheListChangesNothing) {
  CAlternative stranger;
  EXPECT_EQ(doc.RemoveAlternative(&stranger), nullptr);
  EXPECT_EQ(user.OnlyText(), "Attempt to delete non-existent alternative");
  EXPECT_EQ(user.Last().m_icon, EIcon::None);
  EXPECT_EQ(doc.AlternativeCount(), 1);
}

TEST_F(DocumentTest, CopyAndPasteAnAttributeKeepsThePlaceOfTheTarget) {
  BuildHierarchy(doc, {"Price:", "Comfort:", "Seats:Comfort"});
  const int price = FindAttribute(doc, "Price");
  const int comfort = FindAttribute(doc, "Comfort");
  doc.Attribute(price).m_nType = Quantitative;
  doc.Attribute(price).SetUnit("EUR");
  doc.SetCurrentAttribute(price);
  doc.SetBoxSelection(true);
  doc.CopySelection();
  ASSERT_TRUE(doc.HasClipboardAttribute());

  const CAttribute before = doc.Attribute(comfort);
  doc.SetCurrentAttribute(comfort);
  user.Answer(EAnswer::No);
  doc.ReplaceSelection();
  EXPECT_EQ(user.OnlyText(), "Replace <Comfort> by <Price> ?");
  EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(user.Last().m_nDefaultButton, 1);
  EXPECT_EQ(doc.Attribute(comfort).m_strName, "Comfort");

  user.Answer(EAnswer::Yes);
  doc.ReplaceSelection();
  const CAttribute& after = doc.Attribute(comfort);
  EXPECT_EQ(after.m_strName, "Price");
  EXPECT_EQ(after.m_strUnit, "EUR");
  EXPECT_EQ(after.m_nX, before.m_nX);
  EXPECT_EQ(after.m_nY, before.m_nY);
  EXPECT_EQ(after.m_nIndex, comfort);
  EXPECT_EQ(after.m_nChildren, 1);
  EXPECT_EQ(after.m_nPrevSibling, before.m_nPrevSibling);
  EXPECT_FALSE(after.m_bKeepLinks);
  EXPECT_EQ(after.m_nType, Qualitative) << "an attribute with children stays qualitative";
  EXPECT_TRUE(test::TreeIsConsistent(doc));
}

TEST_F(DocumentTest, PasteWithNothingCopiedDoesNothing) {
  doc.SetBoxSelection(true);
  doc.ReplaceSelection();
  doc.SetBoxSelection(false);
  doc.ReplaceSelection();
  EXPECT_EQ(user.Count(), 0u);
}

TEST_F(DocumentTest, CopyAndPasteAnAlternativeKeepsItsBoxAndTheAttributeDefinitions) {
  BuildHierarchy(doc, {"A:"});
  doc.AddAlternativeCommand();
  CAlternative& first = doc.Alternative(0);
  first.SetName("Car A");
  first.Record(1).m_dBelief[2] = 0.75;
  doc.SelectAlternative(0);
  doc.CopySelection();
  doc.SetCurrentPosition(1);
  user.Answer(EAnswer::Yes);
  doc.ReplaceSelection();
  EXPECT_EQ(user.OnlyText(), "Replace <Alternative 2> by <Car A> ?");
  const CAlternative& second = doc.Alternative(1);
  EXPECT_EQ(second.m_strName, "Car A");
  EXPECT_EQ(second.Record(1).m_dBelief[2], 0.75);
  EXPECT_EQ(second.m_nX, 80 + 135);
  EXPECT_FALSE(second.m_bKeepPosition);
  EXPECT_EQ(second.Record(1).m_strName, "A");
}

// The copied alternative follows hierarchy edits like the listed ones: its
// assessments stay on their attributes, and a paste stores every record of
// the model (a save writes an alternative's records up to its last index).
TEST_F(DocumentTest, APastedAlternativeKeepsItsAssessmentsOnTheirAttributesAfterEdits) {
  struct SEdit {
    const char* m_pszName;
    const char* m_pszSelect;
    void (CMADMDoc::*m_edit)();
  };
  const SEdit edits[] = {
      {"delete", "A", &CMADMDoc::DeleteAttribute},
      {"insert above", "B", &CMADMDoc::InsertAttributeAbove},
      {"insert right", "C", &CMADMDoc::InsertAttributeRight},
  };
  for (const SEdit& edit : edits) {
    CMADMDoc model;
    model.OnNewDocument();
    BuildHierarchy(model, {"A:", "B:", "C:"});
    model.AddAlternativeCommand();
    for (const char* name : {"A", "B", "C"}) {
      model.Alternative(0).Record(FindAttribute(model, name)).SetEvidence(name);
    }
    model.SelectAlternative(0);
    model.CopySelection();
    model.SetCurrentAttribute(FindAttribute(model, edit.m_pszSelect));
    (model.*edit.m_edit)();
    model.SelectAlternative(1);
    user.Answer(EAnswer::Yes);
    model.ReplaceSelection();
    const CAlternative& pasted = model.Alternative(1);
    EXPECT_EQ(pasted.m_nLastAttribute, model.LastAttribute()) << edit.m_pszName;
    for (const char* name : {"A", "B", "C"}) {
      const int i = FindAttribute(model, name);
      if (i < 0) continue;
      EXPECT_EQ(pasted.Record(i).GetEvidence(), name) << edit.m_pszName;
    }
  }
}

TEST_F(DocumentTest, RenameGradeEverywhereCountsAndReports) {
  BuildHierarchy(doc, {"A:", "B:"});
  doc.Attribute(2).SetGradeName(1, "poor");  // a different case is another name
  doc.Attribute(2).m_nGrades = 3;
  doc.Attribute(2).SetGradeName(4, "Poor");  // beyond the grade count
  user.Answer(EAnswer::No);
  doc.RenameGradeEverywhere("Poor", "Weak");
  EXPECT_EQ(user.Texts().back(), "The grade name has been changed in 2 attributes.");
  EXPECT_EQ(user.Last().m_icon, EIcon::Information);
  EXPECT_EQ(doc.Attribute(0).GradeName(1), "Weak");
  EXPECT_EQ(doc.Attribute(1).GradeName(1), "Weak");
  EXPECT_EQ(doc.Attribute(2).GradeName(1), "poor");
  EXPECT_EQ(doc.Attribute(2).GradeName(4), "Poor");
  EXPECT_EQ(user.Messages()[0].m_strText,
            "Do you want to know in which attribute\na grade name is going to be changed?");
  EXPECT_EQ(user.Messages()[0].m_buttons, EButtons::YesNo);

  // Confirming each change: Yes for the top, No for A.
  user.Clear();
  user.Answer(EAnswer::Yes).Answer(EAnswer::Yes).Answer(EAnswer::No);
  doc.RenameGradeEverywhere("Weak", "Fair");
  ASSERT_EQ(user.Count(), 4u);
  EXPECT_EQ(user.Texts()[1], "Change the grade name in the attribute\n <Top Attribute>?");
  EXPECT_EQ(user.Texts()[2], "Change the grade name in the attribute\n <A>?");
  EXPECT_EQ(user.Texts()[3], "The grade name has been changed in 1 attributes.");
  EXPECT_EQ(doc.Attribute(0).GradeName(1), "Fair");
  EXPECT_EQ(doc.Attribute(1).GradeName(1), "Weak");

  user.Clear();
  user.Answer(EAnswer::No);
  doc.RenameGradeEverywhere("Nothing", "X");
  EXPECT_EQ(user.Texts().back(),
            "The entered 'From' grade name <Nothing> does not match any grade name in all the "
            "attributes.");
}

class CRecorder : public CDocObserver {
 public:
  void OnDocumentChanged(CMADMDoc&, const SDocChange& change) override {
    m_changes.push_back(change);
  }
  std::vector<SDocChange> m_changes;
};

TEST_F(DocumentTest, EditsTellTheSubscribersWhatChanged) {
  CRecorder recorder;
  doc.Subscribe(&recorder);
  doc.Subscribe(&recorder);
  AddChild(doc, 0);
  ASSERT_EQ(recorder.m_changes.size(), 1u);
  EXPECT_EQ(recorder.m_changes[0].m_kind, EDocChange::Structure);
  EXPECT_EQ(recorder.m_changes[0].m_nAttribute, 1);
  doc.AddAlternativeCommand();
  EXPECT_EQ(recorder.m_changes.back().m_kind, EDocChange::Alternatives);
  EXPECT_EQ(recorder.m_changes.back().m_nAlternative, 1);
  doc.SetModifiedFlag(false);
  doc.SelectAttribute(1);
  EXPECT_EQ(recorder.m_changes.back().m_kind, EDocChange::Selection);
  EXPECT_FALSE(doc.IsModified());
  doc.Unsubscribe(&recorder);
  doc.SelectAttribute(0);
  EXPECT_EQ(recorder.m_changes.size(), 3u);
}

class CCountingDeriver : public CRuleDeriver {
 public:
  void PropagateRules(CMADMDoc& doc, int n) override {
    m_calls.push_back(n);
    m_currentSeen = doc.CurrentAttribute();
  }
  std::vector<int> m_calls;
  int m_currentSeen = -1;
};

TEST_F(DocumentTest, EveryInsertionAsksForTheNewAttributesRulesToBeDerived) {
  CCountingDeriver deriver;
  doc.SetRuleDeriver(&deriver);
  BuildHierarchy(doc, {"A:", "B:"});
  doc.SetCurrentAttribute(1);
  doc.InsertAttributeLeft();
  doc.InsertAttributeAbove();
  EXPECT_EQ(deriver.m_calls, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(deriver.m_currentSeen, 4);
}

TEST_F(DocumentTest, DeletingAFatherAndPastingRederiveTheRulesWhereTheyChanged) {
  BuildHierarchy(doc, {"A:", "F:", "F1:F", "F2:F"});
  CCountingDeriver deriver;
  doc.SetRuleDeriver(&deriver);
  doc.SetCurrentAttribute(FindAttribute(doc, "F2"));
  doc.DeleteAttribute();
  EXPECT_TRUE(deriver.m_calls.empty()) << "nothing depends on a leaf";
  doc.SetCurrentAttribute(FindAttribute(doc, "F"));
  doc.DeleteAttribute();
  EXPECT_EQ(deriver.m_calls, (std::vector<int>{0})) << "F1 now converts into the top's grades";

  deriver.m_calls.clear();
  doc.SetCurrentAttribute(FindAttribute(doc, "A"));
  doc.SetBoxSelection(true);
  doc.CopySelection();
  doc.SetCurrentAttribute(FindAttribute(doc, "F1"));
  user.Answer(EAnswer::Yes);
  doc.ReplaceSelection();
  EXPECT_EQ(deriver.m_calls, (std::vector<int>{doc.CurrentAttribute()}));
}

}  // namespace
}  // namespace zev
