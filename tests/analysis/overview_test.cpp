#include "analysis/overview.h"

#include <gtest/gtest.h>

#include "engine/conversion.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::FindAttribute;

class Counter : public CDocObserver {
 public:
  void OnDocumentChanged(CMADMDoc&, const SDocChange& change) override {
    if (change.m_kind == EDocChange::Selection) ++m_nSelections;
  }
  int m_nSelections = 0;
};

// Top: Price (precise, 0..100 in k\x80), Resale (uncertain), Comfort;
// the alternatives Twin (Price 80), Twin (Price 20) and Other (Price 50).
class OverviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc.OnNewDocument();
    AttachEngine(m_doc);
    test::BuildHierarchy(m_doc, {"Price", "Resale", "Comfort"});
    m_nPrice = FindAttribute(m_doc, "Price");
    CAttribute& price = m_doc.Attribute(m_nPrice);
    price.m_nType = Quantitative;
    price.m_dBest = 100.0;
    price.m_strUnit = "k\x80";
    price.m_dWeight = 0.123456;
    m_doc.Attribute(FindAttribute(m_doc, "Resale")).m_nType = QuantitativeUncertain;
    m_doc.AddAlternativeCommand();
    m_doc.AddAlternativeCommand();
    const double values[] = {80.0, 20.0, 50.0};
    const char* names[] = {"Twin", "Twin", "Other"};
    for (int pos = 0; pos < 3; ++pos) {
      CAlternative& a = m_doc.Alternative(pos);
      a.m_strName = names[pos];
      a.m_nRanking = 7;
      a.Record(m_nPrice).m_dValue = values[pos];
    }
    m_doc.SetCurrentPosition(0);
    m_doc.SetCurrentAttribute(0);
    m_doc.SetModifiedFlag(false);
    m_doc.Subscribe(&m_counter);
  }
  void TearDown() override { m_doc.Unsubscribe(&m_counter); }

  test::CScriptedUser m_user;
  CMADMDoc m_doc;
  Counter m_counter;
  int m_nPrice = 0;
};

TEST_F(OverviewTest, AttributeListShowsEveryAttributeInTreeOrder) {
  COverview overview(m_doc);
  std::vector<std::vector<std::string>> rows;
  for (const auto& r : overview.AttributeRows()) {
    rows.push_back({r.m_strName, r.m_strIndex, r.m_strType, r.m_strFather, r.m_strWeight,
                    r.m_strAssessment, r.m_strUnit});
  }
  const std::vector<std::vector<std::string>> expected = {
      {"Top Attribute", "0", "Qualitative", "None", "1.0000", rows[0][5], "average utility"},
      {"Price", "1", "Quantitative", "0", "0.1235", "80.0000", "k\x80"},
      {"Resale", "2", "Uncertain", "0", "1.0000", rows[2][5], "average utility"},
      {"Comfort", "3", "Qualitative", "0", "1.0000", rows[3][5], "average utility"},
  };
  EXPECT_EQ(rows, expected);
  // Averages utilities after the alternative has been assessed.
  EXPECT_EQ(rows[2][5], "0.5000");
  EXPECT_EQ(overview.AttributeRows()[0].m_bHasChildren, true);
  EXPECT_EQ(overview.AttributeRows()[1].m_nLevel, 1);
  EXPECT_EQ(overview.SelectedAttributeRow(), 0);
  EXPECT_EQ(overview.AlternativeName(), "Twin");
  EXPECT_EQ(overview.AttributeName(), "Top Attribute");
}

TEST_F(OverviewTest, AlternativeListOnAnotherAttributeLeavesTheModelAsItWas) {
  m_doc.Attribute(2).m_nMark = 42;
  const double shown = m_doc.Attribute(m_nPrice).m_dShownValue;
  COverview overview(m_doc, m_nPrice, 2);
  std::vector<std::vector<std::string>> rows;
  for (const auto& r : overview.AlternativeRows()) {
    rows.push_back({r.m_strName, r.m_strAssessment, r.m_strRank});
  }
  EXPECT_EQ(rows,
            (std::vector<std::vector<std::string>>{
                {"Twin", "80.0000", "1"}, {"Twin", "20.0000", "3"}, {"Other", "50.0000", "2"}}));
  EXPECT_EQ(overview.SelectedAlternativeRow(), 2);
  EXPECT_EQ(m_doc.CurrentAttribute(), 0);
  EXPECT_EQ(m_doc.CurrentPosition(), 0);
  EXPECT_EQ(m_doc.Attribute(2).m_nMark, 42);
  EXPECT_DOUBLE_EQ(m_doc.Attribute(m_nPrice).m_dShownValue, shown);
  for (int pos = 0; pos < 3; ++pos) EXPECT_EQ(m_doc.Alternative(pos).m_nRanking, 7);
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(OverviewTest, ChoosingHandsTheSelectionToTheDocument) {
  COverview overview(m_doc);
  overview.ChooseAttribute(m_nPrice);
  EXPECT_TRUE(overview.AttributeFocus());
  EXPECT_EQ(overview.AttributeName(), "Price");
  EXPECT_EQ(overview.AlternativeRows()[1].m_strAssessment, "20.0000");
  EXPECT_EQ(m_doc.CurrentAttribute(), m_nPrice);
  EXPECT_TRUE(m_doc.IsAttributeSelected());
  EXPECT_EQ(m_doc.FocusRow(), 51);
  EXPECT_EQ(m_counter.m_nSelections, 1);

  // The second Twin row selects the second Twin.
  overview.ChooseAlternativeRow(1);
  EXPECT_FALSE(overview.AttributeFocus());
  EXPECT_EQ(m_doc.CurrentPosition(), 1);
  EXPECT_TRUE(m_doc.IsAlternativeSelected());
  EXPECT_EQ(overview.AttributeRows()[1].m_strAssessment, "20.0000");
  EXPECT_EQ(m_counter.m_nSelections, 2);

  // A row whose alternative was renamed meanwhile selects nothing.
  m_doc.Alternative(2).m_strName = "Renamed";
  overview.ChooseAlternativeRow(2);
  overview.ChooseAlternativeRow(3);
  EXPECT_EQ(m_doc.CurrentPosition(), 1);
  EXPECT_EQ(m_counter.m_nSelections, 2);
}

TEST_F(OverviewTest, FollowsTheAlternativeTheViewsSelect) {
  COverview overview(m_doc);
  m_doc.SetCurrentPosition(2);
  overview.ShowSelection();
  EXPECT_EQ(overview.OverviewAlternative(), 2);
  EXPECT_EQ(overview.AlternativeName(), "Other");
  EXPECT_EQ(overview.AttributeRows()[1].m_strAssessment, "50.0000");
}

}  // namespace
}  // namespace zev
