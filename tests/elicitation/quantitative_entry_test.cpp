#include <gtest/gtest.h>

#include "elicitation/certain_value_entry.h"
#include "elicitation/possible_value_count.h"
#include "elicitation/text_presenter.h"
#include "elicitation/uncertain_entry_page.h"
#include "tests/elicitation/assessment_fixtures.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::CScriptedUser;
using test::MakeQuantitative;

const char* const kRangeMessage =
    "An assessment value must be between\nthe best and worst attribute values.";
const char* const kCountMessage =
    "The number of possible values must be\nbetween the minimum and maximum numbers.";
const char* const kPossibleValueMessage =
    "A possible value must be between the best and worst values.";
const char* const kBeliefMessage =
    "A belief degree must be a positive\nreal number between zero and one.";
const char* const kPageTotalMessage = "The total degree of belief\nmust not be larger than one.";

class QuantitativeEntry : public ::testing::Test {
 protected:
  CScriptedUser m_user;
  CAlternative m_alternative;
};

// --- certain value ------------------------------------------------------------

using CertainValue = QuantitativeEntry;

TEST_F(CertainValue, ShowsTheAttributeAndItsRange) {
  CAssessment& r = MakeQuantitative(m_alternative, Quantitative, 30.0, 10.0);
  r.m_dValue = 12.5;
  CCertainValueEntry d(m_alternative, 1, "Costs", "c", "e");
  EXPECT_EQ(d.Title(), "ZEV Dialog: Costs");
  EXPECT_EQ(d.AlternativeName(), "Car A");
  EXPECT_EQ(d.AttributeName(), "Price");
  EXPECT_EQ(d.BestText(), "30");
  EXPECT_EQ(d.WorstText(), "10");
  EXPECT_EQ(d.Unit(), "k\x80");
  EXPECT_EQ(d.ValueText(), "12.5");
  EXPECT_STREQ(CCertainValueEntry::kValueLabel, "Assessment Value:");
  EXPECT_EQ(d.FocusField(), CCertainValueEntry::kFieldValue);
}

TEST_F(CertainValue, FocusLossChecksTheRangeWithTheToleranceOnBothSides) {
  MakeQuantitative(m_alternative, Quantitative, 10.0, 0.0);
  CCertainValueEntry d(m_alternative, 1, "Costs", "", "");
  for (const char* ok : {"10.000000005", "-0.000000005", "0", "10", "5"}) {
    d.SetValueText(ok);
    EXPECT_TRUE(d.ValueFocusLost()) << ok;
  }
  EXPECT_EQ(m_user.Count(), 0u);
  for (const char* bad : {"10.00000002", "-0.00000002"}) {
    d.SetValueText(bad);
    EXPECT_FALSE(d.ValueFocusLost()) << bad;
  }
  ASSERT_EQ(m_user.Count(), 2u);
  EXPECT_EQ(m_user.Last().m_strText, kRangeMessage);
  EXPECT_EQ(m_user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(d.FocusField(), CCertainValueEntry::kFieldValue);
}

TEST_F(CertainValue, TheRangeRuleWorksWhenWorstIsAboveBest) {
  MakeQuantitative(m_alternative, Quantitative, 0.0, 10.0);
  CCertainValueEntry d(m_alternative, 1, "Costs", "", "");
  d.SetValueText("10.000000005");
  EXPECT_TRUE(d.ValueFocusLost());
  d.SetValueText("10.00000002");
  EXPECT_FALSE(d.ValueFocusLost());
  d.SetValueText("-1");
  EXPECT_FALSE(d.ValueFocusLost());
}

TEST_F(CertainValue, AnyValuePassesWhenBestEqualsWorst) {
  MakeQuantitative(m_alternative, Quantitative, 5.0, 5.0);
  CCertainValueEntry d(m_alternative, 1, "Costs", "", "");
  d.SetValueText("-1000");
  EXPECT_TRUE(d.ValueFocusLost());
  d.SetValueText("1e6");
  EXPECT_EQ(d.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(d.Value(), 1e6);
}

TEST_F(CertainValue, OkClampsSilentlyToTheBoundPassed) {
  MakeQuantitative(m_alternative, Quantitative, 0.0, 10.0);
  CCertainValueEntry high(m_alternative, 1, "Costs", "", "");
  high.SetValueText("12");
  EXPECT_EQ(high.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(high.Value(), 10.0);
  CCertainValueEntry low(m_alternative, 1, "Costs", "", "");
  low.SetValueText("-3");
  EXPECT_EQ(low.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(low.Value(), 0.0);
  EXPECT_EQ(m_user.Count(), 0u);
}

TEST_F(CertainValue, ATextThatIsNotANumberIsRefused) {
  MakeQuantitative(m_alternative, Quantitative, 10.0, 0.0);
  CCertainValueEntry d(m_alternative, 1, "Costs", "", "");
  d.SetValueText("five");
  EXPECT_EQ(d.Ok(), EDialogAction::Stay);
  EXPECT_EQ(m_user.OnlyText(), "Please enter a number.");
}

TEST_F(CertainValue, ConfirmedValueIsStoredAlsoAsAOnePointDistribution) {
  CAssessment& r = MakeQuantitative(m_alternative, Quantitative, 30.0, 10.0);
  r.m_nPossibleValues = 3;
  r.m_dBelief[0] = 0.2;
  m_user.OnDialog<CCertainValueEntry>([](CCertainValueEntry& d) {
    d.SetValueText("17.25");
    return d.Ok() == EDialogAction::CloseOk;
  });
  RunCertainValueEntry(m_alternative, 1, "Costs");
  EXPECT_EQ(r.m_dValue, 17.25);
  EXPECT_EQ(r.m_nPossibleValues, 1);
  EXPECT_EQ(r.m_dPossibleValue[0], 17.25);
  EXPECT_EQ(r.m_dBelief[0], 1.0);
  EXPECT_FALSE(m_alternative.m_bInputCancelled);
}

TEST_F(CertainValue, CancelIgnoresWhatWasTypedSinceTheFieldWasLeft) {
  CAssessment& r = MakeQuantitative(m_alternative, Quantitative, 30.0, 10.0);
  r.m_dValue = 20.0;
  m_user.OnDialog<CCertainValueEntry>([](CCertainValueEntry& d) {
    d.SetValueText("25");
    return d.Cancel() == EDialogAction::CloseOk;
  });
  RunCertainValueEntry(m_alternative, 1, "Costs");
  EXPECT_EQ(r.m_dValue, 20.0);
  EXPECT_TRUE(m_alternative.m_bInputCancelled);
}

TEST_F(CertainValue, CancelKeepsAValueTheFieldWasLeftWith) {
  CAssessment& r = MakeQuantitative(m_alternative, Quantitative, 30.0, 10.0);
  r.m_dValue = 20.0;
  m_user.OnDialog<CCertainValueEntry>([](CCertainValueEntry& d) {
    d.SetValueText("25");
    EXPECT_TRUE(d.ValueFocusLost());
    d.SetValueText("27");
    return d.Cancel() == EDialogAction::CloseOk;
  });
  RunCertainValueEntry(m_alternative, 1, "Costs");
  EXPECT_EQ(r.m_dValue, 25.0);
  EXPECT_EQ(r.m_dPossibleValue[0], 25.0);
}

TEST_F(CertainValue, CancelClampsAnOutOfRangeValueTheFieldWasLeftWith) {
  CAssessment& r = MakeQuantitative(m_alternative, Quantitative, 30.0, 10.0);
  r.m_dValue = 20.0;
  m_user.OnDialog<CCertainValueEntry>([](CCertainValueEntry& d) {
    d.SetValueText("45");
    EXPECT_FALSE(d.ValueFocusLost());
    return false;  // the window is closed
  });
  RunCertainValueEntry(m_alternative, 1, "Costs");
  EXPECT_EQ(m_user.OnlyText(), kRangeMessage);
  EXPECT_EQ(r.m_dValue, 30.0);
}

TEST_F(CertainValue, CommentsGoToAPlainWindowAndAreStored) {
  CAssessment& r = MakeQuantitative(m_alternative, Quantitative, 30.0, 10.0);
  m_user.OnDialog<CCertainValueEntry>([](CCertainValueEntry& d) {
    d.ProvideComments();
    d.HowToAssess();
    return d.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<CTextPresenter>([](CTextPresenter& t) {
    EXPECT_EQ(t.Title(), "ZEV Dialog: Comments about Car A on Price");
    EXPECT_EQ(t.m_strText, "No comments are provided.");
    t.m_strText = "Dealer price list.";
    return true;
  });
  RunCertainValueEntry(m_alternative, 1, "Costs");
  EXPECT_EQ(r.m_strAssessComment, "Dealer price list.");
  EXPECT_EQ(m_user.OnlyText(),
            "1. Provide a numerical value for the alternative on the above attribute.\n\n"
            "2. The provided value must be between the best and worst values.");
  EXPECT_EQ(m_user.Last().m_icon, EIcon::Information);
}

// --- number of possible values ----------------------------------------------------

using PossibleValues = QuantitativeEntry;

TEST_F(PossibleValues, ShowsTheNumberAndItsBounds) {
  CAssessment& r = MakeQuantitative(m_alternative, QuantitativeUncertain, 30.0, 10.0);
  r.m_nPossibleValues = 3;
  CPossibleValueCount d(m_alternative, 1, "Costs", "", "");
  EXPECT_EQ(d.Title(), "ZEV Dialog: Costs");
  EXPECT_EQ(d.NumberText(), "3");
  EXPECT_EQ(CPossibleValueCount::MinimumText(), "1");
  EXPECT_EQ(CPossibleValueCount::MaximumText(), "20");
  std::vector<std::string> choices = CPossibleValueCount::NumberChoices();
  ASSERT_EQ(choices.size(), 20u);
  EXPECT_EQ(choices.front(), "1");
  EXPECT_EQ(choices.back(), "20");
  d.HowToAssess();
  EXPECT_EQ(m_user.OnlyText(),
            "1. Assign the number of possible attribute values at the alternative.\n\n"
            "2. The number must be an integer between the minimum and maximum numbers.");
}

TEST_F(PossibleValues, TheTextIsReadAsARealAndTruncated) {
  MakeQuantitative(m_alternative, QuantitativeUncertain, 30.0, 10.0);
  CPossibleValueCount d(m_alternative, 1, "Costs", "", "");
  d.SetNumberText("4.9");
  EXPECT_TRUE(d.NumberFocusLost());
  EXPECT_EQ(d.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(d.Number(), 4);
  // 0.5 truncates to 0, below the minimum.
  d.SetNumberText("0.5");
  EXPECT_FALSE(d.NumberFocusLost());
  d.SetNumberText("20.9");
  EXPECT_TRUE(d.NumberFocusLost());
  d.SetNumberText("21");
  EXPECT_FALSE(d.NumberFocusLost());
  ASSERT_EQ(m_user.Count(), 2u);
  EXPECT_EQ(m_user.Last().m_strText, kCountMessage);
  EXPECT_EQ(d.FocusField(), CPossibleValueCount::kFieldNumber);
}

TEST_F(PossibleValues, OkClampsToTheNearerBoundWithoutAMessage) {
  MakeQuantitative(m_alternative, QuantitativeUncertain, 30.0, 10.0);
  CPossibleValueCount big(m_alternative, 1, "Costs", "", "");
  big.SetNumberText("1e300");
  EXPECT_EQ(big.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(big.Number(), 20);
  CPossibleValueCount small(m_alternative, 1, "Costs", "", "");
  small.SetNumberText("-4");
  EXPECT_EQ(small.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(small.Number(), 1);
  EXPECT_EQ(m_user.Count(), 0u);
}

TEST_F(PossibleValues, CancelRestoresTheNumberAtOpening) {
  CAssessment& r = MakeQuantitative(m_alternative, QuantitativeUncertain, 30.0, 10.0);
  r.m_nPossibleValues = 3;
  m_user.OnDialog<CPossibleValueCount>([](CPossibleValueCount& d) {
    d.SetNumberText("7");
    EXPECT_TRUE(d.NumberFocusLost());
    return d.Cancel() == EDialogAction::CloseOk;
  });
  RunPossibleValueCount(m_alternative, 1, "Costs");
  EXPECT_EQ(r.m_nPossibleValues, 3);
  EXPECT_TRUE(m_alternative.m_bInputCancelled);
}

TEST_F(PossibleValues, GrowingFromTwoToFourAddsWorstValues) {
  CAssessment& r = MakeQuantitative(m_alternative, QuantitativeUncertain, 30.0, 10.0);
  r.m_nPossibleValues = 2;
  r.m_dPossibleValue[0] = 12.0;
  r.m_dPossibleValue[1] = 14.0;
  r.m_dPossibleValue[2] = 99.0;
  m_user.OnDialog<CPossibleValueCount>([](CPossibleValueCount& d) {
    d.SetNumberText("4");
    return d.Ok() == EDialogAction::CloseOk;
  });
  RunPossibleValueCount(m_alternative, 1, "Costs");
  EXPECT_EQ(r.m_nPossibleValues, 4);
  EXPECT_EQ(r.m_dPossibleValue[0], 12.0);
  EXPECT_EQ(r.m_dPossibleValue[1], 14.0);
  EXPECT_EQ(r.m_dPossibleValue[2], 10.0);
  EXPECT_EQ(r.m_dPossibleValue[3], 10.0);
  EXPECT_FALSE(m_alternative.m_bInputCancelled);
}

TEST_F(PossibleValues, ShrinkingKeepsTheFirstValues) {
  CAssessment& r = MakeQuantitative(m_alternative, QuantitativeUncertain, 30.0, 10.0);
  r.m_nPossibleValues = 4;
  for (int k = 0; k < 4; ++k) r.m_dPossibleValue[k] = 11.0 + k;
  m_user.OnDialog<CPossibleValueCount>([](CPossibleValueCount& d) {
    d.SetNumberText("2");
    return d.Ok() == EDialogAction::CloseOk;
  });
  RunPossibleValueCount(m_alternative, 1, "Costs");
  EXPECT_EQ(r.m_nPossibleValues, 2);
  EXPECT_EQ(r.m_dPossibleValue[0], 11.0);
  EXPECT_EQ(r.m_dPossibleValue[1], 12.0);
}

// --- uncertain entry --------------------------------------------------------------

class Uncertain : public QuantitativeEntry {
 protected:
  CAssessment& Make(int m, double dBest = 30.0, double dWorst = 10.0) {
    CAssessment& r = MakeQuantitative(m_alternative, QuantitativeUncertain, dBest, dWorst);
    r.m_nPossibleValues = m;
    for (int k = 0; k < kMaxGrades; ++k) {
      r.m_dPossibleValue[k] = dWorst;
      r.m_dBelief[k] = 0.0;
    }
    return r;
  }
  CUncertainEntryPage Open(int m, int nPage = 0) {
    CAssessment& r = Make(m);
    std::copy(r.m_dPossibleValue, r.m_dPossibleValue + m, m_values);
    std::copy(r.m_dBelief, r.m_dBelief + m, m_degrees);
    return CUncertainEntryPage(
        m_alternative, 1, "Costs", std::span<const double>(m_values, static_cast<size_t>(m)),
        std::span<const double>(m_degrees, static_cast<size_t>(m)), nPage, "", "");
  }
  double m_values[kMaxGrades] = {};
  double m_degrees[kMaxGrades] = {};
};

TEST_F(Uncertain, ShowsRowsOfValuesAndDegrees) {
  CUncertainEntryPage p = Open(3);
  EXPECT_EQ(p.Title(), "ZEV Dialog: Costs");
  EXPECT_EQ(p.RowCount(), 3);
  EXPECT_FALSE(p.IsRowShown(3));
  EXPECT_EQ(p.ValueText(0), "10");
  EXPECT_EQ(p.DegreeText(2), "0");
  EXPECT_EQ(p.BestText(), "30");
  EXPECT_EQ(p.Unit(), "k\x80");
  EXPECT_EQ(p.FocusField(), CUncertainEntryPage::ValueField(0));
  EXPECT_EQ(p.DegreeChoices().size(), 21u);
  EXPECT_FALSE(p.SetValueText(3, "12"));
}

TEST_F(Uncertain, ValuesAreCheckedBeforeDegreesAndTheTotalLast) {
  CUncertainEntryPage p = Open(3);
  p.SetDegreeText(0, "1.5");
  p.SetValueText(2, "30.00000002");
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(m_user.Last().m_strText, kPossibleValueMessage);
  EXPECT_EQ(p.FocusField(), CUncertainEntryPage::ValueField(2));

  p.SetValueText(2, "30.000000005");
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(m_user.Last().m_strText, kBeliefMessage);
  EXPECT_EQ(p.FocusField(), CUncertainEntryPage::DegreeField(0));

  p.SetDegreeText(0, "0.6");
  p.SetDegreeText(1, "-0.000000005");
  p.SetDegreeText(2, "0.40000002");
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(m_user.Last().m_strText, kPageTotalMessage);
  EXPECT_EQ(p.FocusField(), CUncertainEntryPage::DegreeField(0));

  p.SetDegreeText(2, "0.4");
  EXPECT_EQ(p.Ok(), EDialogAction::CloseOk);
  EXPECT_EQ(m_user.Count(), 3u);
  EXPECT_EQ(p.AcceptedValue(2), 30.000000005);
}

TEST_F(Uncertain, ADegreeClearlyBelowZeroFails) {
  CUncertainEntryPage p = Open(2);
  p.SetDegreeText(1, "-0.00000002");
  EXPECT_EQ(p.Ok(), EDialogAction::Stay);
  EXPECT_EQ(m_user.OnlyText(), kBeliefMessage);
  EXPECT_EQ(p.FocusField(), CUncertainEntryPage::DegreeField(1));
}

TEST_F(Uncertain, AnyPossibleValuePassesWhenBestEqualsWorst) {
  Make(2, 7.0, 7.0);
  double values[2] = {7.0, 7.0};
  double degrees[2] = {0.5, 0.5};
  CUncertainEntryPage p(m_alternative, 1, "Costs", values, degrees, 0, "", "");
  p.SetValueText(0, "-50");
  p.SetValueText(1, "5000");
  EXPECT_EQ(p.Ok(), EDialogAction::CloseOk);
}

TEST_F(Uncertain, StoresValuesDegreesAndTheFirstValue) {
  CAssessment& r = Make(2);
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage& p) {
    p.SetValueText(0, "15");
    p.SetDegreeText(0, "0.75");
    p.SetValueText(1, "25");
    p.SetDegreeText(1, "0.25");
    return p.Ok() == EDialogAction::CloseOk;
  });
  RunUncertainEntry(m_alternative, 1, "Costs");
  EXPECT_EQ(r.m_dPossibleValue[0], 15.0);
  EXPECT_EQ(r.m_dPossibleValue[1], 25.0);
  EXPECT_EQ(r.m_dBelief[0], 0.75);
  EXPECT_EQ(r.m_dBelief[1], 0.25);
  EXPECT_EQ(r.m_dValue, 15.0);
  EXPECT_EQ(r.m_nPossibleValues, 2);
}

TEST_F(Uncertain, TwelveValuesAreTwoPagesWithOnlyTheFinalTotalCheck) {
  CAssessment& r = Make(12);
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage& p) {
    EXPECT_EQ(p.RowCount(), 9);
    p.SetValueText(0, "20");
    p.SetDegreeText(0, "0.8");
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage& p) {
    EXPECT_EQ(p.RowCount(), 3);
    EXPECT_EQ(p.FirstValue(), 9);
    p.SetValueText(2, "28");
    p.SetDegreeText(2, "0.5");
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage& p) {
    EXPECT_EQ(p.DegreeText(0), "0.8");
    p.SetDegreeText(0, "0.5");
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage& p) {
    EXPECT_EQ(p.ValueText(2), "28");
    return false;
  });
  RunUncertainEntry(m_alternative, 1, "Costs");
  EXPECT_EQ(m_user.OnlyText(),
            "The total degree must not be larger than one.\n"
            "Remember that this attribute as named below\n\n"
            "Price\n\n"
            "has 12 possible values in total.");
  EXPECT_EQ(r.m_dBelief[0], 0.5);
  EXPECT_EQ(r.m_dBelief[11], 0.5);
  EXPECT_EQ(r.m_dPossibleValue[11], 28.0);
  EXPECT_EQ(r.m_dValue, 20.0);
  EXPECT_TRUE(m_alternative.m_bInputCancelled);
}

TEST_F(Uncertain, HelpText) {
  CUncertainEntryPage p = Open(2);
  p.HowToAssess();
  EXPECT_EQ(m_user.OnlyText(),
            "1. Assign possible attribute values and degrees of belief.\n\n"
            "2. A value must be between the best and worst values.\n\n"
            "3. The total degree can be one or between zero and one.");
}

TEST_F(Uncertain, ADamagedCountNeverReadsBeyondTheTables) {
  CAssessment& r = Make(2);
  r.m_nPossibleValues = 500;
  m_user.OnDialog<CPossibleValueCount>(
      [](CPossibleValueCount& d) { return d.Cancel() == EDialogAction::CloseOk; });
  RunPossibleValueCount(m_alternative, 1, "Costs");
  EXPECT_EQ(r.m_nPossibleValues, 500);
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage& p) {
    EXPECT_EQ(p.ValueCount(), 20);
    return false;
  });
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage&) { return false; });
  m_user.OnDialog<CUncertainEntryPage>([](CUncertainEntryPage&) { return false; });
  RunUncertainEntry(m_alternative, 1, "Costs");
}

}  // namespace
}  // namespace zev
