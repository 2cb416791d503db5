#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "analysis/group_assessment_presenter.h"
#include "analysis/input_sensitivity_presenter.h"
#include "analysis/trade_off_presenter.h"
#include "analysis/weight_sensitivity_presenter.h"
#include "tests/analysis/analysis_model.h"

// Every analysis window stays consistent while the model is edited elsewhere:
// each edit below reaches the open window the way the views hear of it.

namespace zev {
namespace {

// Hands every change the document publishes to a window's presenter.
template <class TPresenter>
class CForward : public CDocObserver {
 public:
  CForward(CMADMDoc& doc, TPresenter& presenter) : m_doc(doc), m_presenter(presenter) {
    m_doc.Subscribe(this);
  }
  ~CForward() override { m_doc.Unsubscribe(this); }
  void OnDocumentChanged(CMADMDoc&, const SDocChange& change) override {
    m_presenter.FollowDocument(change);
  }

 private:
  CMADMDoc& m_doc;
  TPresenter& m_presenter;
};

enum class EEdit {
  InsertUnderQ,
  DeleteTreeQ,
  DeleteV,
  DeleteU,
  DeleteFirstAlternative,
  AddAlternatives
};

// Top (0) over Q (1), V (2), U (3) before any edit.
void Apply(test::SAnalysisModel& m, EEdit edit) {
  CMADMDoc& doc = m.doc;
  const auto deleteTree = [&](int k) { doc.DeleteAttributeTree(k); };
  switch (edit) {
    case EEdit::InsertUnderQ:
      doc.SetCurrentAttribute(m.q);
      doc.InsertAttributeRight();
      break;
    case EEdit::DeleteTreeQ:
      doc.SetCurrentAttribute(m.q);
      doc.InsertAttributeRight();
      deleteTree(m.q);
      break;
    case EEdit::DeleteV:
      deleteTree(m.v);
      break;
    case EEdit::DeleteU:
      deleteTree(m.u);
      break;
    case EEdit::DeleteFirstAlternative:
      doc.SetCurrentPosition(0);
      m.user.Answer(EAnswer::Yes);
      doc.DeleteAlternativeCommand();
      break;
    case EEdit::AddAlternatives:
      doc.AddAlternativeCommand();
      doc.AddAlternativeCommand();
      break;
  }
}

TEST(DocumentEdits, FixtureIndices) {
  test::SAnalysisModel m(3);
  EXPECT_EQ(std::vector<int>({m.q, m.v, m.u}), std::vector<int>({1, 2, 3}));
}

TEST(DocumentEdits, WeightsWindowFollowsItsAttributesAndAlternatives) {
  struct SCase {
    EEdit m_edit;
    int m_nWeight;
    std::vector<int> m_ranked;
    int m_nRanking;
    int m_nShown;  // the entry of the shown alternatives
  };
  // Opened on U, ranking on Q and V (V the ranking attribute), the third
  // alternative the entry shown.
  const SCase cases[] = {
      {EEdit::InsertUnderQ, 3, {1, 2}, 2, 2},
      {EEdit::DeleteTreeQ, 2, {1}, 1, 2},
      {EEdit::DeleteV, 2, {1}, 1, 2},
      {EEdit::DeleteU, 1, {1, 2}, 2, 2},
      {EEdit::DeleteFirstAlternative, 3, {1, 2}, 2, 1},
      {EEdit::AddAlternatives, 3, {1, 2}, 2, 2},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.m_edit));
    test::SAnalysisModel m(3);
    m.doc.SetCurrentAttribute(m.u);
    CWeightSensitivityPresenter p(m.doc);
    p.SetRankingAttributes({m.v, m.q});
    p.ChooseShown(2);
    CForward<CWeightSensitivityPresenter> forward(m.doc, p);
    Apply(m, c.m_edit);
    EXPECT_EQ(p.WeightAttribute(), c.m_nWeight);
    EXPECT_EQ(p.RankingAttributes(), c.m_ranked);
    EXPECT_EQ(p.RankingAttribute(), c.m_nRanking);
    EXPECT_EQ(p.CurrentShown(), c.m_nShown);
    for (int pos : p.ShownAlternatives()) EXPECT_LT(pos, m.doc.AlternativeCount());
    // The graphs are drawn from the edited model.
    EXPECT_EQ(p.LeftChart().m_strPointLabels.size(),
              static_cast<size_t>(m.doc.Attribute(0).m_nChildren));
  }
}

TEST(DocumentEdits, WeightsWindowWithoutRankedAttributeRanksOnTheTop) {
  test::SAnalysisModel m(3);
  m.doc.SetCurrentAttribute(m.v);
  CWeightSensitivityPresenter p(m.doc);
  p.SetRankingAttributes({m.u});
  CForward<CWeightSensitivityPresenter> forward(m.doc, p);
  m.doc.DeleteAttributeTree(m.u);
  EXPECT_EQ(p.RankingAttributes(), std::vector<int>{0});
  EXPECT_EQ(p.RankingAttribute(), 0);
}

TEST(DocumentEdits, WeightsPutBackOnClosingLandOnTheirOwnAttributes) {
  test::SAnalysisModel m(3);
  const double opening[] = {0, 2, 3, 5};
  for (int k = 1; k <= 3; ++k) m.doc.Attribute(k).m_dWeight = opening[k];
  m.doc.SetCurrentAttribute(m.v);
  CWeightSensitivityPresenter p(m.doc);
  CForward<CWeightSensitivityPresenter> forward(m.doc, p);
  p.DragWeight(1, 0.5);
  m.doc.DeleteAttributeTree(m.q);
  m.doc.SetCurrentAttribute(1);
  m.doc.InsertAttributeBelow();
  m.user.Answer(EAnswer::No);
  p.Close();
  EXPECT_EQ(m.doc.Attribute(1).m_dWeight, 3.0);  // V
  EXPECT_EQ(m.doc.Attribute(2).m_dWeight, 5.0);  // U
  // Inserted while the window was open: it keeps the weight it came with.
  EXPECT_EQ(m.doc.Attribute(3).m_dWeight, 1.0);
}

// When the window cannot tell which attribute went where (another file, an
// undo that brings attributes back), No on closing writes nothing.
TEST(DocumentEdits, WeightsNoLongerMatchedAreNotPutBack) {
  for (const bool bLoaded : {true, false}) {
    SCOPED_TRACE(bLoaded);
    test::SAnalysisModel m(3);
    const double opening[] = {0, 2, 3, 5};
    for (int k = 1; k <= 3; ++k) m.doc.Attribute(k).m_dWeight = opening[k];
    m.doc.SetCurrentAttribute(m.v);
    CWeightSensitivityPresenter p(m.doc);
    p.DragWeight(1, 0.5);
    if (bLoaded) {
      m.doc.OnNewDocument();
    } else {
      m.doc.DeleteAttributeTree(m.q);
    }
    const std::vector<double> before = [&] {
      std::vector<double> w;
      for (int k = 0; k <= m.doc.LastAttribute(); ++k) w.push_back(m.doc.Attribute(k).m_dWeight);
      return w;
    }();
    p.FollowDocument({bLoaded ? EDocChange::Loaded : EDocChange::Model, 0, 0});
    m.user.Answer(EAnswer::No);
    p.Close();
    for (int k = 0; k <= m.doc.LastAttribute(); ++k) {
      EXPECT_EQ(m.doc.Attribute(k).m_dWeight, before[static_cast<size_t>(k)]) << k;
    }
  }
}

TEST(DocumentEdits, InputWindowKeepsABottomAttribute) {
  struct SCase {
    EEdit m_edit;
    int m_nOpen;
    int m_nAttribute;
    std::string m_strTitle;
  };
  const SCase cases[] = {
      {EEdit::InsertUnderQ, 2, 2, "First alternative on V"},
      // Q gains a child: the window takes the new attribute, now current.
      {EEdit::InsertUnderQ, 1, 4, "First alternative on Attribute 4"},
      {EEdit::DeleteTreeQ, 2, 1, "First alternative on V"},
      // V goes: U, current after the deletion, moved down to 2.
      {EEdit::DeleteV, 2, 2, "First alternative on U"},
      {EEdit::DeleteU, 2, 2, "First alternative on V"},
      {EEdit::DeleteFirstAlternative, 2, 2, "Alternative 2 on V"},
      {EEdit::AddAlternatives, 3, 3, "Alternative 5 on U"},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.m_edit));
    test::SAnalysisModel m(3);
    m.doc.SetCurrentAttribute(c.m_nOpen);
    CInputSensitivityPresenter p(m.doc);
    p.ChooseShown(2);
    CForward<CInputSensitivityPresenter> forward(m.doc, p);
    Apply(m, c.m_edit);
    EXPECT_EQ(p.Attribute(), c.m_nAttribute);
    EXPECT_EQ(p.LeftChart().m_strTitle, c.m_strTitle);
    for (int pos : p.ShownAlternatives()) EXPECT_LT(pos, m.doc.AlternativeCount());
  }
}

TEST(DocumentEdits, TradeOffAxesFollowTheirAttributes) {
  struct SCase {
    EEdit m_edit;
    int m_nX;
    int m_nY;
    size_t m_nPoints;
  };
  // Opened with X on V and Y on U.
  const SCase cases[] = {
      {EEdit::InsertUnderQ, 2, 3, 3},
      {EEdit::DeleteTreeQ, 1, 2, 3},
      // X goes: it starts over on the current attribute, U now at 2.
      {EEdit::DeleteV, 2, 2, 3},
      // Y goes: it starts over on the top.
      {EEdit::DeleteU, 2, 0, 3},
      {EEdit::DeleteFirstAlternative, 2, 3, 2},
      {EEdit::AddAlternatives, 2, 3, 5},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.m_edit));
    test::SAnalysisModel m(3);
    m.doc.SetCurrentAttribute(m.v);
    CTradeOffPresenter p(m.doc);
    p.SetY(m.u);
    CForward<CTradeOffPresenter> forward(m.doc, p);
    Apply(m, c.m_edit);
    EXPECT_EQ(p.X(), c.m_nX);
    EXPECT_EQ(p.Y(), c.m_nY);
    EXPECT_EQ(p.Chart().m_strPointLabels.size(), c.m_nPoints);
  }
}

TEST(DocumentEdits, GroupWeightsStayWithTheirAlternatives) {
  struct SCase {
    EEdit m_edit;
    int m_nAttribute;
    std::vector<std::string> m_weights;
    int m_nMember;
  };
  // Opened on V; the second alternative weighs 7 and is the member shown.
  const SCase cases[] = {
      {EEdit::InsertUnderQ, 2, {"1.00", "7.00", "1.00"}, 1},
      {EEdit::DeleteTreeQ, 1, {"1.00", "7.00", "1.00"}, 1},
      {EEdit::DeleteV, 0, {"1.00", "7.00", "1.00"}, 1},
      {EEdit::DeleteFirstAlternative, 2, {"7.00", "1.00"}, 0},
      {EEdit::AddAlternatives, 2, {"1.00", "7.00", "1.00", "1.00", "1.00"}, 1},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.m_edit));
    test::SAnalysisModel m(3);
    m.doc.SetCurrentAttribute(m.v);
    CGroupAssessmentPresenter p(m.doc);
    p.ChooseMember(1);
    p.m_weight.SetText("7");
    ASSERT_TRUE(p.WeightFocusLost());
    CForward<CGroupAssessmentPresenter> forward(m.doc, p);
    Apply(m, c.m_edit);
    EXPECT_EQ(p.Attribute(), c.m_nAttribute);
    std::vector<std::string> weights;
    for (const auto& row : p.Rows()) weights.push_back(row.m_strWeight);
    EXPECT_EQ(weights, c.m_weights);
    EXPECT_EQ(p.CurrentMember(), c.m_nMember);
    EXPECT_EQ(p.m_weight.Text(), "7");
  }
}

TEST(DocumentEdits, GroupWeightsStartOverWhenAnotherFileReplacesTheList) {
  test::SAnalysisModel m(3);
  CGroupAssessmentPresenter p(m.doc);
  p.ChooseMember(2);
  p.m_weight.SetText("9");
  ASSERT_TRUE(p.WeightFocusLost());
  CForward<CGroupAssessmentPresenter> forward(m.doc, p);
  std::vector<std::unique_ptr<CAlternative>> imported;
  for (int i = 0; i < 4; ++i) imported.push_back(m.doc.NewAlternative());
  m.doc.ReplaceAlternatives(std::move(imported));
  m.doc.PublishChanges({EDocChange::Model});
  for (const auto& row : p.Rows()) EXPECT_EQ(row.m_strWeight, "1.00");
  EXPECT_EQ(p.Rows().size(), 4u);
  EXPECT_LT(p.CurrentMember(), 4);
}

}  // namespace
}  // namespace zev
