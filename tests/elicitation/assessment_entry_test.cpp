#include "elicitation/assessment_entry.h"

#include <gtest/gtest.h>

#include "elicitation/certain_value_entry.h"
#include "elicitation/possible_value_count.h"
#include "elicitation/qualitative_entry_page.h"
#include "elicitation/uncertain_entry_page.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::CScriptedUser;
using test::FindAttribute;
using Page = CQualitativeEntryPage;

class Recorder : public CDocObserver {
 public:
  void OnDocumentChanged(CMADMDoc&, const SDocChange& change) override {
    m_changes.push_back(change);
  }
  std::vector<SDocChange> m_changes;
};

// Top: Quality (Comfort, Safety), Price (certain), Resale (uncertain).
class AssessmentEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc.OnNewDocument();
    test::BuildHierarchy(m_doc,
                         {"Quality:", "Comfort:Quality", "Safety:Quality", "Price:", "Resale:"});
    m_nQuality = FindAttribute(m_doc, "Quality");
    m_nComfort = FindAttribute(m_doc, "Comfort");
    m_nPrice = FindAttribute(m_doc, "Price");
    m_nResale = FindAttribute(m_doc, "Resale");
    CAttribute& price = m_doc.Attribute(m_nPrice);
    price.m_nType = Quantitative;
    price.m_dBest = 20.0;
    price.m_dWorst = 40.0;
    CAttribute& resale = m_doc.Attribute(m_nResale);
    resale.m_nType = QuantitativeUncertain;
    resale.m_dBest = 100.0;
    resale.m_dWorst = 0.0;
    m_doc.Alternative(0).m_strName = "Car A";
    m_doc.SetModifiedFlag(false);
    m_doc.Subscribe(&m_recorder);
  }
  void TearDown() override { m_doc.Unsubscribe(&m_recorder); }

  CAssessment& Record(int i) { return m_doc.Alternative(0).Record(i); }
  void Select(int i) { m_doc.SetCurrentAttribute(i); }

  CScriptedUser m_user;
  CMADMDoc m_doc;
  Recorder m_recorder;
  int m_nQuality = -1;
  int m_nComfort = -1;
  int m_nPrice = -1;
  int m_nResale = -1;
};

TEST_F(AssessmentEntry, AFatherIsRefusedInTheWordingOfEachCommand) {
  Select(m_nQuality);
  EXPECT_FALSE(AssessSelection(m_doc, EAssessCommand::AttAtAlt));
  EXPECT_FALSE(AssessSelection(m_doc, EAssessCommand::Modify));
  ASSERT_EQ(m_user.Count(), 2u);
  EXPECT_EQ(m_user.Messages()[0].m_strText,
            "Quality has 2 child attributes. It is not supposed to be assessed directly "
            "but through its child attributes.");
  EXPECT_EQ(m_user.Messages()[1].m_strText,
            "Quality has 2 child attributes.\nIt is not supposed to be assessed directly\n"
            "but through its child attributes.");
  EXPECT_EQ(m_user.Last().m_icon, EIcon::Warning);
  EXPECT_TRUE(m_user.Dialogs().empty());
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_TRUE(m_recorder.m_changes.empty());
}

TEST_F(AssessmentEntry, AQualitativeAttributeGetsItsFathersNameAndThePreparedGrades) {
  m_doc.Attribute(m_nComfort).m_nGrades = 3;
  m_doc.Attribute(m_nComfort).SetGradeName(2, "Luxurious");
  Select(m_nComfort);
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.FatherName(), "Quality");
    EXPECT_EQ(p.Title(), "ZEV Dialog: Car A");
    EXPECT_EQ(p.RowCount(), 3);
    EXPECT_EQ(p.GradeName(2), "Luxurious");
    p.ToggleTick(2);
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(AssessSelection(m_doc, EAssessCommand::AttAtAlt));
  EXPECT_EQ(Record(m_nComfort).m_dBelief[2], 1.0);
  EXPECT_TRUE(m_doc.IsModified());
  ASSERT_EQ(m_recorder.m_changes.size(), 1u);
  EXPECT_EQ(m_recorder.m_changes[0].m_kind, EDocChange::Assessment);
  EXPECT_EQ(m_recorder.m_changes[0].m_nAttribute, m_nComfort);
  EXPECT_EQ(m_recorder.m_changes[0].m_nAlternative, 0);
}

TEST_F(AssessmentEntry, TheModelIsMarkedChangedAlsoAfterCancelling) {
  Select(m_nComfort);
  m_user.OnDialog<Page>([](Page& p) { return p.Cancel() == EDialogAction::CloseOk; });
  EXPECT_TRUE(AssessSelection(m_doc, EAssessCommand::Modify));
  EXPECT_TRUE(m_doc.Alternative(0).m_bInputCancelled);
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(AssessmentEntry, TheTopAttributeAloneUsesItsOwnName) {
  CMADMDoc doc;
  doc.OnNewDocument();
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.FatherName(), "Top Attribute");
    EXPECT_EQ(p.AttributeName(), "Top Attribute");
    EXPECT_EQ(p.GradeName(0), "Worst");
    EXPECT_EQ(p.GradeName(4), "Best");
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(AssessSelection(doc, EAssessCommand::AttAtAlt));
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(AssessmentEntry, ACertainValueIsEnteredInTheValueDialog) {
  Select(m_nPrice);
  m_user.OnDialog<CCertainValueEntry>([](CCertainValueEntry& d) {
    EXPECT_EQ(d.Title(), "ZEV Dialog: Top Attribute");
    EXPECT_EQ(d.BestText(), "20");
    d.SetValueText("33.5");
    return d.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(AssessSelection(m_doc, EAssessCommand::AttAtAlt));
  EXPECT_EQ(Record(m_nPrice).m_dValue, 33.5);
  EXPECT_EQ(Record(m_nPrice).m_nPossibleValues, 1);
}

TEST_F(AssessmentEntry, UncertainEntryFollowsTheNumberOfValuesEvenWhenThatIsCancelled) {
  Select(m_nResale);
  m_doc.PrepareAlternative(m_doc.Alternative(0));
  Record(m_nResale).m_nPossibleValues = 2;
  m_user.OnDialog<CPossibleValueCount>([](CPossibleValueCount& d) {
    d.SetNumberText("9");
    return d.Cancel() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage& p) {
    EXPECT_EQ(p.RowCount(), 2);
    p.SetValueText(0, "60");
    p.SetDegreeText(0, "0.4");
    p.SetValueText(1, "80");
    p.SetDegreeText(1, "0.6");
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(AssessSelection(m_doc, EAssessCommand::AttAtAlt));
  EXPECT_EQ(m_user.Dialogs(),
            (std::vector<std::string>{CPossibleValueCount::kKind, CUncertainEntryPage::kKind}));
  const CAssessment& r = Record(m_nResale);
  EXPECT_EQ(r.m_nPossibleValues, 2);
  EXPECT_EQ(r.m_dPossibleValue[1], 80.0);
  EXPECT_EQ(r.m_dBelief[1], 0.6);
  EXPECT_EQ(r.m_dValue, 60.0);
  // Each entry operation starts with a clear flag; the confirmed pages last.
  EXPECT_FALSE(m_doc.Alternative(0).m_bInputCancelled);
}

TEST_F(AssessmentEntry, GrowingTheNumberShowsTheNewValuesAtWorst) {
  Select(m_nResale);
  m_doc.PrepareAlternative(m_doc.Alternative(0));
  CAssessment& r = Record(m_nResale);
  r.m_nPossibleValues = 2;
  r.m_dPossibleValue[0] = 50.0;
  r.m_dPossibleValue[1] = 70.0;
  r.m_dBelief[0] = 0.5;
  r.m_dBelief[1] = 0.5;
  m_user.OnDialog<CPossibleValueCount>([](CPossibleValueCount& d) {
    d.SetNumberText("4");
    return d.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage& p) {
    EXPECT_EQ(p.RowCount(), 4);
    EXPECT_EQ(p.ValueText(1), "70");
    EXPECT_EQ(p.ValueText(2), "0");
    EXPECT_EQ(p.ValueText(3), "0");
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(AssessSelection(m_doc, EAssessCommand::Modify));
  EXPECT_EQ(r.m_nPossibleValues, 4);
}

TEST_F(AssessmentEntry, AnUnknownTypeRunsNothing) {
  Select(m_nPrice);
  m_doc.Attribute(m_nPrice).m_nType = 3;
  EXPECT_FALSE(AssessSelection(m_doc, EAssessCommand::AttAtAlt));
  EXPECT_TRUE(m_user.Dialogs().empty());
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(AssessmentEntry, AFullTwoPageSessionWithARefusalAndTheFinalCheck) {
  CAttribute& comfort = m_doc.Attribute(m_nComfort);
  comfort.m_nGrades = 12;
  Select(m_nComfort);
  // Round one.
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.FocusField(), Page::NameField(0));
    p.ToggleTick(0);
    p.ToggleTick(1);
    EXPECT_EQ(p.DegreeText(1), "0.5");
    p.SetDegreeText(1, "1.2");
    EXPECT_EQ(p.Ok(), EDialogAction::Stay);
    EXPECT_EQ(p.FocusField(), Page::DegreeField(1));
    p.SetDegreeText(1, "0.3");
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.RowCount(), 3);
    p.ToggleTick(0);
    EXPECT_EQ(p.DegreeText(0), "1");
    return p.Ok() == EDialogAction::CloseOk;
  });
  // Round two after the warning, from the first page.
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_TRUE(p.IsTicked(0));
    EXPECT_TRUE(p.IsTicked(1));
    EXPECT_EQ(p.FocusField(), Page::DegreeField(0));
    p.ToggleTick(0);  // 0.5 beside 0.3 is not an even spread: only it goes
    EXPECT_EQ(p.DegreeText(1), "0.3");
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<Page>([](Page& p) {
    p.SetDegreeText(0, "0.7");
    p.ProvideEvidence();
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<CGradeTextPresenter>([](CGradeTextPresenter& w) {
    EXPECT_EQ(w.Title(), "ZEV Dialog: Car A on Comfort");
    EXPECT_EQ(w.GradeList().size(), 3u);
    w.m_strText = "Two long trips.";
    return true;
  });
  EXPECT_TRUE(AssessSelection(m_doc, EAssessCommand::AttAtAlt));
  EXPECT_EQ(m_user.Texts(),
            (std::vector<std::string>{"A degree is a positive real number\nbetween zero and one.",
                                      "The total degree must not be larger than one.\n"
                                      "Remember that this attribute as named below\n\n"
                                      "Comfort\n\n"
                                      "has 12 evaluation grades in total."}));
  const CAssessment& r = Record(m_nComfort);
  const double expected[12] = {0, 0.3, 0, 0, 0, 0, 0, 0, 0, 0.7, 0, 0};
  for (int k = 0; k < 12; ++k) EXPECT_EQ(r.m_dBelief[k], expected[k]) << k;
  EXPECT_EQ(r.m_strEvidence, "Two long trips.");
  EXPECT_EQ(r.m_strAssessComment, "No comments are provided.");
  EXPECT_FALSE(m_doc.Alternative(0).m_bInputCancelled);
  EXPECT_TRUE(m_doc.IsModified());
}

// --- displays at the selection -------------------------------------------------------

TEST_F(AssessmentEntry, BeliefDegreeOpensOnAFatherWithoutTheRefusal) {
  Select(m_nQuality);
  m_doc.PrepareAlternative(m_doc.Alternative(0));
  Record(m_nQuality).m_dBelief[3] = 0.6;
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.FatherName(), "Top Attribute");
    EXPECT_TRUE(p.IsTicked(3));
    EXPECT_EQ(p.SelectedRow(), 3);
    return p.Cancel() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(ShowBeliefDegree(m_doc));
  EXPECT_EQ(m_user.Count(), 0u);
  // Looking without changing anything leaves the model unmodified.
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(AssessmentEntry, ADegreeChangedInTheBeliefDisplayMarksTheModel) {
  Select(m_nComfort);
  m_user.OnDialog<Page>([](Page& p) {
    p.ToggleTick(4);
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(ShowBeliefDegree(m_doc));
  EXPECT_EQ(Record(m_nComfort).m_dBelief[4], 1.0);
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(AssessmentEntry, EachDisplayIgnoresTheOtherKind) {
  Select(m_nPrice);
  EXPECT_FALSE(ShowBeliefDegree(m_doc));
  Select(m_nComfort);
  EXPECT_FALSE(ShowAssessmentValue(m_doc));
  EXPECT_TRUE(m_user.Dialogs().empty());
}

TEST_F(AssessmentEntry, AssessmentValueSkipsTheNumberOfValues) {
  Select(m_nResale);
  m_doc.PrepareAlternative(m_doc.Alternative(0));
  Record(m_nResale).m_nPossibleValues = 1;
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage& p) {
    EXPECT_EQ(p.Title(), "ZEV Dialog: Top Attribute");
    p.SetValueText(0, "55");
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(ShowAssessmentValue(m_doc));
  EXPECT_EQ(Record(m_nResale).m_dValue, 55.0);
  EXPECT_TRUE(m_doc.IsModified());

  Select(m_nPrice);
  m_user.OnDialog<CCertainValueEntry>([](CCertainValueEntry& d) {
    d.SetValueText("25");
    return d.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(ShowAssessmentValue(m_doc));
  EXPECT_EQ(Record(m_nPrice).m_dValue, 25.0);
}

}  // namespace
}  // namespace zev
