#include <gtest/gtest.h>

#include "elicitation/qualitative_entry_page.h"
#include "tests/elicitation/assessment_fixtures.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::CScriptedUser;
using test::MakeQualitative;
using Page = CQualitativeEntryPage;

const char* const kDegreeMessage = "A degree is a positive real number\nbetween zero and one.";
const char* const kPageTotalMessage = "The total degree of belief\nmust not be larger than one.";

class QualitativePage : public ::testing::Test {
 protected:
  Page Open(int nGrades, std::vector<double> degrees, int nPage = 0) {
    MakeQualitative(m_alternative, nGrades, degrees);
    degrees.resize(static_cast<size_t>(nGrades), 0.0);
    m_degrees = degrees;
    return Page(m_alternative, 1, "Quality", m_degrees, nPage, "My comment", "My evidence");
  }

  CScriptedUser m_user;
  CAlternative m_alternative;
  std::vector<double> m_degrees;
};

// --- the answer selection rule -------------------------------------------

TEST_F(QualitativePage, TickingAnswersSpreadsEvenlyWhileTheUserHasNotChangedDegrees) {
  Page p = Open(5, {});
  ASSERT_TRUE(p.ToggleTick(0));
  EXPECT_EQ(p.DegreeText(0), "1");
  EXPECT_TRUE(p.IsDegreeEnabled(0));
  ASSERT_TRUE(p.ToggleTick(2));
  EXPECT_EQ(p.DegreeText(0), "0.5");
  EXPECT_EQ(p.DegreeText(2), "0.5");
  EXPECT_EQ(p.DegreeText(1), "0");
  EXPECT_FALSE(p.IsDegreeEnabled(1));
  EXPECT_EQ(p.SelectedRow(), 2);
  EXPECT_EQ(p.SelectedDefinition(), "Definition of G3");
}

TEST_F(QualitativePage, AThirdAnswerGetsNothingWhenTheUserSplitSevenAndThree) {
  Page p = Open(5, {});
  p.ToggleTick(0);
  p.ToggleTick(1);
  ASSERT_TRUE(p.SetDegreeText(0, "0.7"));
  ASSERT_TRUE(p.SetDegreeText(1, "0.3"));
  ASSERT_TRUE(p.ToggleTick(2));
  EXPECT_EQ(p.DegreeText(0), "0.7");
  EXPECT_EQ(p.DegreeText(1), "0.3");
  EXPECT_EQ(p.DegreeText(2), "0");
  EXPECT_TRUE(p.IsTicked(2));
}

TEST_F(QualitativePage, UntickingOneOfTwoHalvesGivesTheOtherOne) {
  Page p = Open(5, {0.5, 0.5});
  EXPECT_TRUE(p.IsTicked(0));
  EXPECT_TRUE(p.IsTicked(1));
  ASSERT_TRUE(p.ToggleTick(1));
  EXPECT_EQ(p.DegreeText(0), "1");
  EXPECT_EQ(p.DegreeText(1), "0");
  EXPECT_FALSE(p.IsDegreeEnabled(1));
}

TEST_F(QualitativePage, AnEvenSpreadOfThirdsStaysExactAlthoughShownRounded) {
  Page p = Open(5, {});
  p.ToggleTick(0);
  p.ToggleTick(1);
  p.ToggleTick(2);
  EXPECT_EQ(p.DegreeText(1), "0.333333");
  // The shown texts sum to 0.999999; the held thirds are still complete.
  ASSERT_TRUE(p.ToggleTick(2));
  EXPECT_EQ(p.DegreeText(0), "0.5");
  EXPECT_EQ(p.DegreeText(1), "0.5");
  ASSERT_EQ(p.Ok(), EDialogAction::CloseOk);
  EXPECT_DOUBLE_EQ(p.AcceptedDegree(0), 0.5);
}

TEST_F(QualitativePage, TheUsersOwnDegreesAreKeptAndTheNewAnswerGetsTheRest) {
  Page p = Open(5, {0.5, 0.2});
  ASSERT_TRUE(p.ToggleTick(3));
  EXPECT_EQ(p.DegreeText(3), "0.3");
  EXPECT_EQ(p.DegreeText(0), "0.5");
  // Unticking among unequal degrees only clears the unticked one.
  ASSERT_TRUE(p.ToggleTick(0));
  EXPECT_EQ(p.DegreeText(0), "0");
  EXPECT_EQ(p.DegreeText(1), "0.2");
  EXPECT_EQ(p.DegreeText(3), "0.3");
}

TEST_F(QualitativePage, EqualButIncompleteDegreesAreNotRespread) {
  Page p = Open(5, {0.3, 0.3});
  ASSERT_TRUE(p.ToggleTick(2));
  EXPECT_EQ(p.DegreeText(0), "0.3");
  EXPECT_EQ(p.DegreeText(2), "0.4");
}

TEST_F(QualitativePage, AZeroBeforeTheFirstRealDegreeDoesNotBreakEquality) {
  Page p = Open(5, {0.5, 0.5});
  p.ToggleTick(2);  // gets 1 - 1 = 0: the others are complete but this one is new
  EXPECT_EQ(p.DegreeText(0), "0.333333");
  // Now three ticked thirds; make the first one zero by hand.
  p.SetDegreeText(0, "0");
  p.SetDegreeText(1, "0.5");
  p.SetDegreeText(2, "0.5");
  ASSERT_TRUE(p.ToggleTick(3));
  // 0 is skipped as a reference; 0.5 and 0.5 are equal and complete.
  for (int r = 0; r < 4; ++r) EXPECT_EQ(p.DegreeText(r), "0.25") << r;
}

TEST_F(QualitativePage, AnEvenSpreadClearsUntickedGrades) {
  Page p = Open(5, {0.0, 0.0, 0.0, 5e-9});
  EXPECT_FALSE(p.IsTicked(3));
  EXPECT_EQ(p.DegreeText(3), "5e-09");
  p.ToggleTick(0);
  p.ToggleTick(1);
  EXPECT_EQ(p.DegreeText(3), "0");
}

TEST_F(QualitativePage, UntickingTheLastAnswerLeavesAllZero) {
  Page p = Open(5, {1.0});
  ASSERT_TRUE(p.ToggleTick(0));
  EXPECT_EQ(p.DegreeText(0), "0");
  EXPECT_FALSE(p.IsTicked(0));
}

TEST_F(QualitativePage, ATickIsRefusedWhileATickedDegreeIsNotANumber) {
  Page p = Open(5, {0.6, 0.4});
  p.SetDegreeText(1, "0.4x");
  EXPECT_FALSE(p.ToggleTick(2));
  EXPECT_EQ(m_user.OnlyText(), "Please enter a number.");
  EXPECT_EQ(p.FocusField(), Page::DegreeField(1));
  EXPECT_FALSE(p.IsTicked(2));
}

TEST_F(QualitativePage, DisabledAndHiddenRowsTakeNoText) {
  Page p = Open(3, {0.5});
  EXPECT_FALSE(p.SetDegreeText(1, "0.2"));
  EXPECT_EQ(p.DegreeText(1), "0");
  EXPECT_FALSE(p.SetDegreeText(5, "0.2"));
  EXPECT_FALSE(p.IsRowShown(3));
  EXPECT_EQ(p.GradeName(3), "");
}

TEST(DegreeChoices, ThePresetListInItsOrder) {
  std::vector<std::string> presets(Page::DegreeChoices().begin(), Page::DegreeChoices().end());
  EXPECT_EQ(presets,
            (std::vector<std::string>{"0",    "1",    "0.1",  "0.2",  "0.3",  "0.4",  "0.5",
                                      "0.6",  "0.7",  "0.8",  "0.9",  "0.05", "0.15", "0.25",
                                      "0.35", "0.45", "0.55", "0.65", "0.75", "0.85", "0.95"}));
}

// --- opening a page ---------------------------------------------------------

TEST_F(QualitativePage, OpeningSelectsGradeOneWhenItHasBelief) {
  Page p = Open(5, {0.2, 0.0, 0.8});
  EXPECT_TRUE(p.IsTicked(0));
  EXPECT_FALSE(p.IsTicked(1));
  EXPECT_FALSE(p.IsDegreeEnabled(1));
  EXPECT_TRUE(p.IsTicked(2));
  EXPECT_EQ(p.SelectedRow(), 0);
  EXPECT_EQ(p.FocusField(), Page::DegreeField(0));
  EXPECT_EQ(p.Title(), "ZEV Dialog: Car A");
  EXPECT_EQ(p.FatherName(), "Quality");
  EXPECT_EQ(p.AttributeName(), "Comfort");
  EXPECT_EQ(p.GradeName(2), "G3");
}

TEST_F(QualitativePage, OpeningSelectsTheFirstGradeWithBeliefWhenGradeOneHasNone) {
  Page p = Open(5, {1e-8, 0.0, 0.4, 0.6});
  EXPECT_FALSE(p.IsTicked(0));  // 1e-8 does not exceed the tolerance
  EXPECT_EQ(p.SelectedRow(), 2);
  EXPECT_EQ(p.SelectedDefinition(), "Definition of G3");
  EXPECT_EQ(p.FocusField(), Page::DegreeField(2));
}

TEST_F(QualitativePage, OpeningWithoutBeliefFocusesTheFirstGradeName) {
  Page p = Open(5, {});
  EXPECT_EQ(p.SelectedRow(), 0);
  EXPECT_EQ(p.FocusField(), Page::NameField(0));
  p.SelectGrade(4);
  EXPECT_EQ(p.SelectedDefinition(), "Definition of G5");
  p.SelectGrade(7);  // hidden row
  EXPECT_EQ(p.SelectedRow(), 4);
}

TEST_F(QualitativePage, PagesHoldNineGradesEach) {
  Page first = Open(10, {}, 0);
  EXPECT_EQ(first.PageCount(), 2);
  EXPECT_EQ(first.RowCount(), 9);
  Page second = Open(10, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0.25}, 1);
  EXPECT_EQ(second.RowCount(), 1);
  EXPECT_EQ(second.FirstGrade(), 9);
  EXPECT_EQ(second.GradeName(0), "G10");
  EXPECT_EQ(second.DegreeText(0), "0.25");
  EXPECT_FALSE(second.IsRowShown(1));
}

// --- confirming a page ------------------------------------------------------

TEST_F(QualitativePage, DegreesJustBelowZeroPassAndClearlyBelowFail) {
  Page p = Open(5, {0.5, 0.5});
  p.SetDegreeText(1, "-0.000000005");
  EXPECT_EQ(p.Ok(), EDialogAction::CloseOk);
  EXPECT_DOUBLE_EQ(p.AcceptedDegree(1), -0.000000005);

  Page q = Open(5, {0.5, 0.3, 0.2});
  q.SetDegreeText(2, "-0.00000002");
  EXPECT_EQ(q.Ok(), EDialogAction::Stay);
  EXPECT_EQ(m_user.OnlyText(), kDegreeMessage);
  EXPECT_EQ(m_user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(q.FocusField(), Page::DegreeField(2));
  EXPECT_FALSE(q.Accepted());
}

TEST_F(QualitativePage, TheDegreeCheckComesFirstFromTheFirstRow) {
  Page p = Open(5, {0.9, 0.9, 0.9});
  p.SetDegreeText(1, "1.5");
  p.SetDegreeText(2, "2");
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(m_user.OnlyText(), kDegreeMessage);
  EXPECT_EQ(p.FocusField(), Page::DegreeField(1));
}

TEST_F(QualitativePage, ThePageTotalMayBeOneButNotMore) {
  Page exact = Open(9, {0.25, 0.25, 0.5});
  EXPECT_EQ(exact.Ok(), EDialogAction::CloseOk);

  Page over = Open(9, {0.5, 0.5});
  over.SetDegreeText(1, "0.50000002");
  EXPECT_EQ(over.Ok(), EDialogAction::Stay);
  EXPECT_EQ(m_user.OnlyText(), kPageTotalMessage);
  EXPECT_EQ(over.FocusField(), Page::DegreeField(0));
}

TEST_F(QualitativePage, TheTotalJustAboveOneWithinTheToleranceIsAccepted) {
  Page p = Open(5, {0.5, 0.5});
  p.SetDegreeText(1, "0.500000005");
  EXPECT_EQ(p.Ok(), EDialogAction::CloseOk);
}

TEST_F(QualitativePage, WithTenGradesAPageIsNotCheckedForItsTotal) {
  Page p = Open(10, {0.6, 0.6});
  EXPECT_EQ(p.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(m_user.Count(), 0u);
}

TEST_F(QualitativePage, AllZeroIsAValidAnswer) {
  Page p = Open(9, {});
  EXPECT_EQ(p.Ok(), EDialogAction::CloseOk);
}

TEST_F(QualitativePage, ADegreeThatIsNotANumberIsRefused) {
  Page p = Open(5, {0.5, 0.5});
  p.SetDegreeText(0, "");
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(m_user.OnlyText(), "Please enter a number.");
  EXPECT_EQ(p.FocusField(), Page::DegreeField(0));
}

// --- texts and windows --------------------------------------------------------

TEST_F(QualitativePage, HelpAndDescriptionsAreInformationBoxes) {
  Page p = Open(5, {});
  p.HowToAssess();
  p.AlternativeDefinition();
  p.AttributeDefinition();
  ASSERT_EQ(m_user.Count(), 3u);
  EXPECT_EQ(m_user.Messages()[0].m_strText,
            "1. Select an answer or answers. The degrees of\n"
            "    belief will be assigned evenly by default.\n\n"
            "2. Change the degrees of belief if necessary. \n"
            "    A degree of belief is between zero and one.\n\n"
            "3. The total degree of belief can be less than \n"
            "    or equal to one but must not be more than one.");
  EXPECT_EQ(m_user.Messages()[1].m_strText, "A small family car.");
  EXPECT_EQ(m_user.Messages()[2].m_strText, "How comfortable the seats are.");
  for (const SMessage& m : m_user.Messages()) EXPECT_EQ(m.m_icon, EIcon::Information);
}

TEST_F(QualitativePage, TheEvidenceWindowListsThePagesGrades) {
  Page p = Open(12, {0, 0.5}, 1);
  p.SelectGrade(2);
  m_user.OnDialog<CGradeTextPresenter>([](CGradeTextPresenter& w) {
    EXPECT_EQ(w.Title(), "ZEV Dialog: Car A on Comfort");
    EXPECT_FALSE(w.ShowsEvidence());
    EXPECT_EQ(w.Which(), CGradeTextPresenter::EText::Evidence);
    EXPECT_EQ(w.m_strText, "My evidence");
    EXPECT_EQ(w.GradeList().size(), 3u);
    EXPECT_EQ(w.GradeList()[0].m_strName, "G10");
    EXPECT_EQ(w.PickedGrade(), 2);
    w.PickGrade(0);
    EXPECT_EQ(w.PickedDefinition(), "Definition of G10");
    w.m_strText = "Test drive of 300 km";
    return true;
  });
  p.ProvideEvidence();
  EXPECT_EQ(p.Evidence(), "Test drive of 300 km");
}

TEST_F(QualitativePage, TheCommentsWindowShowsTheEvidenceAndCancelKeepsTheFormerText) {
  Page p = Open(5, {});
  m_user.OnDialog<CGradeTextPresenter>([](CGradeTextPresenter& w) {
    EXPECT_TRUE(w.ShowsEvidence());
    EXPECT_EQ(w.Evidence(), "My evidence");
    EXPECT_EQ(w.m_strText, "My comment");
    EXPECT_EQ(w.GradeList().size(), 5u);
    w.m_strText = "thrown away";
    return false;
  });
  p.ProvideComments();
  EXPECT_EQ(p.Comments(), "My comment");
}

// --- the whole entry ----------------------------------------------------------

class QualitativeEntry : public ::testing::Test {
 protected:
  CScriptedUser m_user;
  CAlternative m_alternative;
};

TEST_F(QualitativeEntry, NineGradesAreOnePageAndStoredWhenConfirmed) {
  CAssessment& r = MakeQualitative(m_alternative, 9);
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.PageCount(), 1);
    EXPECT_EQ(p.RowCount(), 9);
    p.ToggleTick(8);
    p.ToggleTick(7);
    return p.Ok() == EDialogAction::CloseOk;
  });
  RunQualitativeEntry(m_alternative, 1, "Quality");
  EXPECT_EQ(r.m_dBelief[7], 0.5);
  EXPECT_EQ(r.m_dBelief[8], 0.5);
  EXPECT_EQ(r.m_dBelief[0], 0.0);
  EXPECT_FALSE(m_alternative.m_bInputCancelled);
  EXPECT_EQ(m_user.Count(), 0u);
}

TEST_F(QualitativeEntry, TenGradesPassPagesSeparatelyButNotTheFinalTotal) {
  CAssessment& r = MakeQualitative(m_alternative, 10);
  // Round one: 0.7 on page one and 0.4 on page two, each fine alone.
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.RowCount(), 9);
    p.ToggleTick(0);
    p.SetDegreeText(0, "0.7");
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.RowCount(), 1);
    p.ToggleTick(0);
    p.SetDegreeText(0, "0.4");
    return p.Ok() == EDialogAction::CloseOk;
  });
  // Round two, from the first page, with the degrees entered so far.
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.PageIndex(), 0);
    EXPECT_EQ(p.DegreeText(0), "0.7");
    EXPECT_TRUE(p.IsTicked(0));
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.DegreeText(0), "0.4");
    p.SetDegreeText(0, "0.3");
    return p.Ok() == EDialogAction::CloseOk;
  });
  RunQualitativeEntry(m_alternative, 1, "Quality");
  ASSERT_EQ(m_user.Count(), 1u);
  EXPECT_EQ(m_user.Last().m_strText,
            "The total degree must not be larger than one.\n"
            "Remember that this attribute as named below\n\n"
            "Comfort\n\n"
            "has 10 evaluation grades in total.");
  EXPECT_EQ(m_user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(r.m_dBelief[0], 0.7);
  EXPECT_EQ(r.m_dBelief[9], 0.3);
}

TEST_F(QualitativeEntry, CancellingPageOneOfTwoKeepsItsDegreesAndStillShowsPageTwo) {
  CAssessment& r = MakeQualitative(m_alternative, 11, {0.2});
  m_user.OnDialog<Page>([](Page& p) {
    p.SetDegreeText(0, "0.9");
    p.ToggleTick(1);
    return false;
  });
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.FirstGrade(), 9);
    p.ToggleTick(1);
    p.SetDegreeText(1, "0.6");
    return p.Ok() == EDialogAction::CloseOk;
  });
  RunQualitativeEntry(m_alternative, 1, "Quality");
  EXPECT_TRUE(m_alternative.m_bInputCancelled);
  EXPECT_EQ(r.m_dBelief[0], 0.2);
  EXPECT_EQ(r.m_dBelief[1], 0.0);
  EXPECT_EQ(r.m_dBelief[10], 0.6);
}

TEST_F(QualitativeEntry, TheCancelledFlagIsClearedOnlyByTheNextEntry) {
  MakeQualitative(m_alternative, 11);
  m_user.OnDialog<Page>([](Page&) { return false; });
  m_user.OnDialog<Page>([](Page& p) { return p.Ok() == EDialogAction::CloseOk; });
  RunQualitativeEntry(m_alternative, 1, "Quality");
  EXPECT_TRUE(m_alternative.m_bInputCancelled);

  m_user.OnDialog<Page>([](Page& p) { return p.Ok() == EDialogAction::CloseOk; });
  m_user.OnDialog<Page>([](Page& p) { return p.Ok() == EDialogAction::CloseOk; });
  RunQualitativeEntry(m_alternative, 1, "Quality");
  EXPECT_FALSE(m_alternative.m_bInputCancelled);
}

TEST_F(QualitativeEntry, ARefusedOkKeepsThePageOpenUntilTheUserFixesIt) {
  CAssessment& r = MakeQualitative(m_alternative, 5);
  m_user.OnDialog<Page>([](Page& p) {
    p.ToggleTick(0);
    p.SetDegreeText(0, "1.2");
    EXPECT_EQ(p.Ok(), EDialogAction::Stay);
    p.SetDegreeText(0, "0.8");
    return p.Ok() == EDialogAction::CloseOk;
  });
  RunQualitativeEntry(m_alternative, 1, "Quality");
  EXPECT_EQ(m_user.OnlyText(), kDegreeMessage);
  EXPECT_EQ(r.m_dBelief[0], 0.8);
}

TEST_F(QualitativeEntry, TheFinalTotalCannotBePassedByCancellingAfterEnteringTooMuch) {
  CAssessment& r = MakeQualitative(m_alternative, 10);
  m_user.OnDialog<Page>([](Page& p) {
    p.ToggleTick(0);
    return p.Ok() == EDialogAction::CloseOk;  // 1 on grade 1
  });
  m_user.OnDialog<Page>([](Page& p) {
    p.ToggleTick(0);
    return p.Ok() == EDialogAction::CloseOk;  // 1 on grade 10
  });
  m_user.OnDialog<Page>([](Page&) { return false; });
  m_user.OnDialog<Page>([](Page&) { return false; });
  m_user.OnDialog<Page>([](Page& p) {
    p.ToggleTick(0);  // unticks grade 1
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<Page>([](Page&) { return false; });
  RunQualitativeEntry(m_alternative, 1, "Quality");
  EXPECT_EQ(m_user.Count(), 2u);
  EXPECT_TRUE(m_alternative.m_bInputCancelled);
  EXPECT_EQ(r.m_dBelief[0], 0.0);
  EXPECT_EQ(r.m_dBelief[9], 1.0);
}

TEST_F(QualitativeEntry, TooLargeStoredDegreesLeftAloneEndTheEntryUnchanged) {
  CAssessment& r = MakeQualitative(m_alternative, 10, {0.8, 0, 0, 0, 0, 0, 0, 0, 0, 0.8});
  m_user.OnDialog<Page>([](Page&) { return false; });
  m_user.OnDialog<Page>([](Page&) { return false; });
  RunQualitativeEntry(m_alternative, 1, "Quality");
  EXPECT_EQ(m_user.Count(), 1u);
  EXPECT_EQ(r.m_dBelief[0], 0.8);
  EXPECT_EQ(r.m_dBelief[9], 0.8);
  EXPECT_TRUE(m_alternative.m_bInputCancelled);
}

TEST_F(QualitativeEntry, CommentsAndEvidenceAreStoredEvenFromACancelledPage) {
  CAssessment& r = MakeQualitative(m_alternative, 10);
  // Dialogs are played in the order they open: a text window inside its page.
  m_user.OnDialog<Page>([](Page& p) {
    p.ProvideEvidence();
    return false;
  });
  m_user.OnDialog<CGradeTextPresenter>([](CGradeTextPresenter& w) {
    w.m_strText = "Seats tested by three drivers.";
    return true;
  });
  m_user.OnDialog<Page>([](Page& p) {
    EXPECT_EQ(p.Evidence(), "Seats tested by three drivers.");
    p.ProvideComments();
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<CGradeTextPresenter>([](CGradeTextPresenter& w) {
    EXPECT_EQ(w.Evidence(), "Seats tested by three drivers.");
    w.m_strText = "Firm but fine.";
    return true;
  });
  RunQualitativeEntry(m_alternative, 1, "Quality");
  EXPECT_EQ(r.m_strEvidence, "Seats tested by three drivers.");
  EXPECT_EQ(r.m_strAssessComment, "Firm but fine.");
}

}  // namespace
}  // namespace zev
