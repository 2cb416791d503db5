#include <gtest/gtest.h>

#include <map>
#include <random>

#include "model/madm_doc.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::AddChild;
using test::BuildHierarchy;
using test::ChildrenInOrder;
using test::CScriptedUser;
using test::FindAttribute;
using test::TreeIsConsistent;

struct SPos {
  int x;
  int y;
  bool operator==(const SPos&) const = default;
};

std::map<std::string, SPos> Positions(const CMADMDoc& doc) {
  std::map<std::string, SPos> out;
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    out[doc.Attribute(i).m_strName.Str()] = {doc.Attribute(i).m_nX, doc.Attribute(i).m_nY};
  }
  return out;
}

SPos PosOf(const CMADMDoc& doc, const std::string& name) {
  const CAttribute& a = doc.Attribute(FindAttribute(doc, name));
  return {a.m_nX, a.m_nY};
}

std::vector<std::string> Names(const CMADMDoc& doc, const std::vector<int>& indices) {
  std::vector<std::string> names;
  for (int i : indices) names.push_back(doc.Attribute(i).m_strName.Str());
  return names;
}

int Center(const CMADMDoc& doc, int father) {
  int lo = 1 << 30;
  int hi = -(1 << 30);
  for (int c : ChildrenInOrder(doc, father)) {
    lo = std::min(lo, doc.Attribute(c).m_nY);
    hi = std::max(hi, doc.Attribute(c).m_nY);
  }
  return (lo + hi) / 2;
}

class HierarchyTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.OnNewDocument(); }
  void Select(const std::string& name) {
    int i = FindAttribute(doc, name);
    ASSERT_GE(i, 0) << name;
    doc.SetCurrentAttribute(i);
  }
  CScriptedUser user;
  CMADMDoc doc;
};

TEST_F(HierarchyTest, FirstInsertionsPlaceNodesOneLevelRightAndOneRowApart) {
  doc.InsertAttributeRight();
  EXPECT_EQ(doc.LastAttribute(), 1);
  EXPECT_EQ(doc.CurrentAttribute(), 1);
  const CAttribute& a1 = doc.Attribute(1);
  EXPECT_EQ(a1.m_strName, "Attribute 1");
  EXPECT_EQ(a1.m_dShownValue, 1.0);
  EXPECT_EQ(a1.m_nIndex, 1);
  EXPECT_EQ(a1.m_nFather, 0);
  EXPECT_EQ(a1.m_nX, 215);
  EXPECT_EQ(a1.m_nY, 114);
  EXPECT_EQ(doc.Attribute(0).m_nChildren, 1);

  doc.InsertAttributeBelow();
  EXPECT_EQ(doc.CurrentAttribute(), 2);
  EXPECT_EQ(doc.Attribute(2).m_nX, 215);
  EXPECT_EQ(doc.Attribute(2).m_nY, 168);
  EXPECT_EQ(doc.Attribute(0).m_nY, 141) << "the top is centred between its children";
  EXPECT_EQ(ChildrenInOrder(doc, 0), (std::vector<int>{1, 2}));

  doc.SetCurrentAttribute(1);
  doc.InsertAttributeAbove();
  EXPECT_EQ(ChildrenInOrder(doc, 0), (std::vector<int>{3, 1, 2}));
  EXPECT_EQ(doc.Attribute(3).m_nY, 114);
  EXPECT_EQ(doc.Attribute(1).m_nY, 168);
  EXPECT_EQ(doc.Attribute(2).m_nY, 222);
  EXPECT_EQ(doc.Attribute(0).m_nY, 168);
  EXPECT_TRUE(TreeIsConsistent(doc));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(user.Count(), 0u);
  // Extent: the top's x + 675, and its y + 42 raised by the lowest node.
  EXPECT_EQ(doc.Extent().cx, 80 + 675);
  EXPECT_EQ(doc.Extent().cy, 222 + 45);
}

TEST_F(HierarchyTest, InsertBelowAMiddleLeafMovesEverythingBelowInEveryAncestor) {
  BuildHierarchy(doc, {"F:", "G:", "A:F", "B:F", "C:F", "G1:G"});
  ASSERT_TRUE(TreeIsConsistent(doc));
  auto before = Positions(doc);
  Select("B");
  doc.InsertAttributeBelow();
  const int n = doc.CurrentAttribute();
  doc.Attribute(n).SetName("N");
  EXPECT_TRUE(TreeIsConsistent(doc));
  const int f = FindAttribute(doc, "F");
  EXPECT_EQ(Names(doc, ChildrenInOrder(doc, f)), (std::vector<std::string>{"A", "B", "N", "C"}));
  EXPECT_EQ(PosOf(doc, "N"), (SPos{before["B"].x, before["B"].y + 54}));
  EXPECT_EQ(PosOf(doc, "A"), before["A"]);
  EXPECT_EQ(PosOf(doc, "B"), before["B"]);
  EXPECT_EQ(PosOf(doc, "C"), (SPos{before["C"].x, before["C"].y + 54}));
  EXPECT_EQ(PosOf(doc, "G"), (SPos{before["G"].x, before["G"].y + 54}));
  EXPECT_EQ(PosOf(doc, "G1"), (SPos{before["G1"].x, before["G1"].y + 54}));
  EXPECT_EQ(doc.Attribute(f).m_nY, Center(doc, f));
  EXPECT_EQ(doc.Attribute(0).m_nY, Center(doc, 0));
}

TEST_F(HierarchyTest, InsertAboveAFatherMovesItsSubtreeDown) {
  BuildHierarchy(doc, {"F:", "A:F", "B:F", "G:"});
  auto before = Positions(doc);
  Select("F");
  doc.InsertAttributeAbove();
  doc.Attribute(doc.CurrentAttribute()).SetName("N");
  EXPECT_TRUE(TreeIsConsistent(doc));
  EXPECT_EQ(Names(doc, ChildrenInOrder(doc, 0)), (std::vector<std::string>{"N", "F", "G"}));
  EXPECT_EQ(PosOf(doc, "N"), (SPos{before["F"].x, before["A"].y})) << "at the top of F's subtree";
  for (const char* moved : {"F", "A", "B", "G"}) {
    EXPECT_EQ(PosOf(doc, moved), (SPos{before[moved].x, before[moved].y + 54})) << moved;
  }
}

TEST_F(HierarchyTest, InsertLeftMakesANewFatherOfTheAttributeAloneInItsPlace) {
  BuildHierarchy(doc, {"P:", "S:", "S1:S", "S2:S", "Q:"});
  auto before = Positions(doc);
  Select("S");
  const int s = doc.CurrentAttribute();
  doc.InsertAttributeLeft();
  const int n = doc.CurrentAttribute();
  doc.Attribute(n).SetName("N");
  EXPECT_TRUE(TreeIsConsistent(doc));
  EXPECT_EQ(Names(doc, ChildrenInOrder(doc, 0)), (std::vector<std::string>{"P", "N", "Q"}));
  EXPECT_EQ(ChildrenInOrder(doc, n), (std::vector<int>{s}));
  EXPECT_EQ(doc.Attribute(0).m_nChildren, 3) << "the grandfather's count is unchanged";
  EXPECT_EQ(PosOf(doc, "N"), before["S"]);
  for (const char* moved : {"S", "S1", "S2"}) {
    EXPECT_EQ(PosOf(doc, moved), (SPos{before[moved].x + 135, before[moved].y})) << moved;
  }
  EXPECT_EQ(PosOf(doc, "P"), before["P"]);
  EXPECT_EQ(PosOf(doc, "Q"), before["Q"]);
}

TEST_F(HierarchyTest, InsertRightPutsANewLevelBetweenAnAttributeAndItsChildren) {
  BuildHierarchy(doc, {"S:", "C1:S", "C2:S", "C3:S", "D:C2"});
  auto before = Positions(doc);
  Select("S");
  const int s = doc.CurrentAttribute();
  doc.InsertAttributeRight();
  const int n = doc.CurrentAttribute();
  EXPECT_TRUE(TreeIsConsistent(doc));
  EXPECT_EQ(ChildrenInOrder(doc, s), (std::vector<int>{n}));
  EXPECT_EQ(Names(doc, ChildrenInOrder(doc, n)), (std::vector<std::string>{"C1", "C2", "C3"}));
  EXPECT_EQ(doc.Attribute(n).m_nChildren, 3);
  EXPECT_EQ(doc.Attribute(n).m_nX, before["S"].x + 135);
  EXPECT_EQ(doc.Attribute(n).m_nY, before["S"].y);
  for (const char* moved : {"C1", "C2", "C3", "D"}) {
    EXPECT_EQ(PosOf(doc, moved), (SPos{before[moved].x + 135, before[moved].y})) << moved;
  }
}

TEST_F(HierarchyTest, InsertRightOnTheTopIsAllowed) {
  BuildHierarchy(doc, {"A:", "B:"});
  doc.SetCurrentAttribute(0);
  doc.InsertAttributeRight();
  EXPECT_TRUE(TreeIsConsistent(doc));
  EXPECT_EQ(ChildrenInOrder(doc, 0).size(), 1u);
  EXPECT_EQ(PosOf(doc, "A").x, 350);
}

TEST_F(HierarchyTest, RefusalsShowTheirMessageAndChangeNothing) {
  BuildHierarchy(doc, {"Q:"});
  doc.SetModifiedFlag(false);
  auto before = Positions(doc);
  for (int op = 0; op < 3; ++op) {
    user.Clear();
    doc.SetCurrentAttribute(0);
    if (op == 0) doc.InsertAttributeAbove();
    if (op == 1) doc.InsertAttributeBelow();
    if (op == 2) doc.InsertAttributeLeft();
    EXPECT_EQ(user.OnlyText(),
              "You have to insert a new attribute\non the right side of the top attribute");
    EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
  }
  user.Clear();
  doc.SetCurrentAttribute(0);
  doc.DeleteAttribute();
  EXPECT_EQ(user.OnlyText(), "You must not delete the top attribute.");

  user.Clear();
  Select("Q");
  doc.Attribute(doc.CurrentAttribute()).m_nType = Quantitative;
  doc.InsertAttributeRight();
  EXPECT_EQ(user.OnlyText(),
            "A quantitative attribute should not have sub-attributes!\n\n"
            "If you want to add sub-attributes to this attribute,\n"
            "you need to define its type to be QUALITATIVE.");
  EXPECT_EQ(user.Last().m_icon, EIcon::Error);
  doc.Attribute(doc.CurrentAttribute()).m_nType = QuantitativeUncertain;
  doc.InsertAttributeRight();
  EXPECT_EQ(user.Count(), 2u);

  EXPECT_EQ(doc.LastAttribute(), 1);
  EXPECT_EQ(Positions(doc), before);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(HierarchyTest, TheFiftyFirstAttributeIsRefused) {
  for (int i = 1; i < kMaxAttributes; ++i) AddChild(doc, 0);
  ASSERT_EQ(doc.LastAttribute(), 49);
  ASSERT_TRUE(TreeIsConsistent(doc));
  EXPECT_EQ(user.Count(), 0u);
  const std::string limit = AttributeLimitMessage();
  EXPECT_EQ(limit.rfind("The maximum number of attributes that this product can cope with is 50.\n"
                        "If you need to handle more attributes, please contact:\n\n",
                        0),
            0u);
  for (int op = 0; op < 4; ++op) {
    user.Clear();
    doc.SetCurrentAttribute(7);
    doc.InsertAttribute(op);
    EXPECT_EQ(user.OnlyText(), limit) << op;
    EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
  }
  EXPECT_EQ(doc.LastAttribute(), 49);
}

TEST_F(HierarchyTest, DeletingALeafClosesTheGapAndRecentresTheFather) {
  BuildHierarchy(doc, {"F:", "A:F", "B:F", "C:F", "G:"});
  auto before = Positions(doc);
  Select("B");
  doc.DeleteAttribute();
  EXPECT_TRUE(TreeIsConsistent(doc));
  const int f = FindAttribute(doc, "F");
  EXPECT_EQ(Names(doc, ChildrenInOrder(doc, f)), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(PosOf(doc, "A"), before["A"]);
  EXPECT_EQ(PosOf(doc, "C"), (SPos{before["C"].x, before["C"].y - 54}));
  EXPECT_EQ(PosOf(doc, "G"), (SPos{before["G"].x, before["G"].y - 54}));
  EXPECT_EQ(doc.Attribute(f).m_nY, Center(doc, f));
  EXPECT_EQ(doc.Attribute(doc.CurrentAttribute()).m_strName, "C") << "the next sibling is selected";
  EXPECT_EQ(FindAttribute(doc, "B"), -1);
}

TEST_F(HierarchyTest, DeletingAMiddleAttributeWithChildrenSplicesThemIntoItsPlace) {
  BuildHierarchy(doc, {"P:", "M:", "Q:", "M1:M", "M2:M", "X:M1", "Z:Q"});
  // Every alternative's record of an attribute carries the attribute's name
  // as evidence, so that the records can be followed through renumbering.
  doc.AddAlternativeCommand();
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      doc.Alternative(p).Record(i).SetEvidence(doc.Attribute(i).m_strName.View());
    }
  }
  auto before = Positions(doc);
  const int m = FindAttribute(doc, "M");
  Select("M");
  doc.DeleteAttribute();
  ASSERT_TRUE(TreeIsConsistent(doc));
  EXPECT_EQ(Names(doc, ChildrenInOrder(doc, 0)), (std::vector<std::string>{"P", "M1", "M2", "Q"}));
  for (const char* moved : {"M1", "M2", "X"}) {
    EXPECT_EQ(PosOf(doc, moved), (SPos{before[moved].x - 135, before[moved].y})) << moved;
  }
  EXPECT_EQ(PosOf(doc, "Z"), before["Z"]);
  EXPECT_EQ(doc.Attribute(0).m_nChildren, 4);
  EXPECT_EQ(doc.LastAttribute(), 6);
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      EXPECT_EQ(doc.Alternative(p).Record(i).m_strEvidence, doc.Attribute(i).m_strName) << i;
      EXPECT_EQ(doc.Alternative(p).Record(i).m_strName, doc.Attribute(i).m_strName)
          << "records are refreshed after a deletion";
    }
    EXPECT_EQ(doc.Alternative(p).m_nLastAttribute, 6);
  }
  EXPECT_EQ(doc.Attribute(doc.CurrentAttribute()).m_strName, "Q");
  EXPECT_GT(m, 0);
}

TEST_F(HierarchyTest, DeletionSelectsNextThenPreviousThenFather) {
  BuildHierarchy(doc, {"F:", "A:F", "B:F"});
  Select("B");
  doc.DeleteAttribute();
  EXPECT_EQ(doc.Attribute(doc.CurrentAttribute()).m_strName, "A");
  Select("A");
  doc.DeleteAttribute();
  EXPECT_EQ(doc.Attribute(doc.CurrentAttribute()).m_strName, "F");
  Select("F");
  doc.DeleteAttribute();
  EXPECT_EQ(doc.CurrentAttribute(), 0);
  EXPECT_EQ(doc.LastAttribute(), 0);
  EXPECT_TRUE(TreeIsConsistent(doc));
}

TEST_F(HierarchyTest, DeletingASubtreeRemovesExactlyTheAttributeAndItsDescendants) {
  // Names that repeat and indices out of drawing order must not matter.
  BuildHierarchy(doc, {"A:", "B:", "A1:A", "B1:B", "A2:A", "A11:A1", "B2:B", "A12:A1"});
  doc.Attribute(FindAttribute(doc, "B2")).SetName("A1");
  Select("A");
  doc.DeleteAttributeTree(doc.CurrentAttribute());
  ASSERT_TRUE(TreeIsConsistent(doc));
  EXPECT_EQ(doc.LastAttribute(), 3);
  EXPECT_EQ(Names(doc, ChildrenInOrder(doc, 0)), (std::vector<std::string>{"B"}));
  EXPECT_EQ(Names(doc, ChildrenInOrder(doc, FindAttribute(doc, "B"))),
            (std::vector<std::string>{"B1", "A1"}));
}

TEST_F(HierarchyTest, DeletingTheTopsSubtreeLeavesTheTopAlone) {
  BuildHierarchy(doc, {"A:", "B:", "A1:A"});
  doc.DeleteAttributeTree(0);
  EXPECT_EQ(doc.LastAttribute(), 0);
  EXPECT_EQ(doc.Attribute(0).m_nChildren, 0);
  EXPECT_EQ(doc.Attribute(0).m_strName, "Top Attribute");
  EXPECT_TRUE(TreeIsConsistent(doc));
}

TEST_F(HierarchyTest, DeleteCommandAsksAndFollowsTheAnswers) {
  BuildHierarchy(doc, {"F:", "A:F", "B:F"});
  Select("F");
  user.Answer(EAnswer::Cancel);
  doc.DeleteAttributeCommand();
  EXPECT_EQ(user.OnlyText(),
            "Deleting <F> will eliminate all its information.\n\nDo you really want to delete it?");
  EXPECT_EQ(user.Last().m_buttons, EButtons::YesNoCancel);
  EXPECT_EQ(user.Last().m_icon, EIcon::Question);
  EXPECT_EQ(user.Last().m_nDefaultButton, 1);
  EXPECT_EQ(doc.LastAttribute(), 3);

  user.Clear();
  user.Answer(EAnswer::Yes).Answer(EAnswer::No);
  doc.DeleteAttributeCommand();
  ASSERT_EQ(user.Count(), 2u);
  EXPECT_EQ(user.Texts()[1],
            "< F> has 2 immediate child attributes. \n\n Do you want to delete all its child "
            "attributes as well?");
  EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(user.Last().m_buttons, EButtons::YesNo);
  EXPECT_EQ(user.Last().m_nDefaultButton, 1);
  EXPECT_EQ(doc.LastAttribute(), 2) << "only F went; its children moved up";
  EXPECT_EQ(Names(doc, ChildrenInOrder(doc, 0)), (std::vector<std::string>{"A", "B"}));

  BuildHierarchy(doc, {"A1:A", "A2:A"});
  Select("A");
  user.Clear();
  user.Answer(EAnswer::Yes).Answer(EAnswer::Yes);
  doc.DeleteAttributeCommand();
  EXPECT_EQ(Names(doc, ChildrenInOrder(doc, 0)), (std::vector<std::string>{"B"}));
  EXPECT_EQ(doc.LastAttribute(), 1);

  Select("B");
  user.Clear();
  user.Answer(EAnswer::Yes);
  doc.DeleteAttributeCommand();
  EXPECT_EQ(user.Count(), 1u) << "a leaf is deleted after the first question";
  EXPECT_EQ(doc.LastAttribute(), 0);
}

TEST_F(HierarchyTest, VacatedRecordsDoNotLeakIntoTheNextInsertedAttribute) {
  BuildHierarchy(doc, {"A:", "B:"});
  doc.PrepareAlternative(doc.Alternative(0));
  doc.Alternative(0).Record(2).m_dBelief[0] = 0.9;
  Select("A");
  doc.DeleteAttribute();
  AddChild(doc, 0);
  EXPECT_EQ(doc.Alternative(0).Record(2).m_dBelief[0], 0.0);
}

// Long random sequences of edits keep the tree consistent, and every
// alternative's records, the copied alternative's included, follow their
// attributes through every renumbering, up to the model's last attribute.
TEST_F(HierarchyTest, RandomEditSequencesKeepTheTreeAndTheRecordsConsistent) {
  std::mt19937 rng(20261208);
  doc.AddAlternativeCommand();
  int serial = 0;
  auto tag = [&](int i) {
    std::string name = "T" + std::to_string(++serial);
    doc.Attribute(i).SetName(name);
    for (int p = 0; p < doc.AlternativeCount(); ++p) doc.Alternative(p).Record(i).SetEvidence(name);
  };
  tag(0);
  const CText noEvidence = doc.Alternative(0).Record(1).GetEvidence();
  auto copy = [&] {
    doc.SelectAlternative(0);
    doc.CopySelection();
  };
  copy();
  for (int step = 0; step < 3000; ++step) {
    int current = static_cast<int>(rng() % static_cast<unsigned>(doc.LastAttribute() + 1));
    doc.SetCurrentAttribute(current);
    int before = doc.LastAttribute();
    if (rng() % 16 == 0) copy();
    unsigned op = rng() % 8;
    user.Clear();
    switch (op) {
      case 0:
        doc.InsertAttributeAbove();
        break;
      case 1:
        doc.InsertAttributeBelow();
        break;
      case 2:
        doc.InsertAttributeLeft();
        break;
      case 3:
      case 4:
        doc.InsertAttributeRight();
        break;
      case 5:
        doc.DeleteAttribute();
        break;
      case 6:
        if (rng() % 4 == 0)
          doc.DeleteAttributeTree(current);
        else
          doc.DeleteAttribute();
        break;
      default: {
        if (current > 0 && doc.Attribute(current).m_nChildren == 0) {
          doc.Attribute(current).m_nType = rng() % 2 ? Quantitative : Qualitative;
        }
        doc.InsertAttributeRight();
        break;
      }
    }
    if (doc.LastAttribute() > before) tag(doc.CurrentAttribute());
    ASSERT_TRUE(TreeIsConsistent(doc)) << "step " << step << " op " << op;
    ASSERT_GE(doc.CurrentAttribute(), 0);
    ASSERT_LE(doc.CurrentAttribute(), doc.LastAttribute());
    for (int p = 0; p < doc.AlternativeCount(); ++p) {
      ASSERT_EQ(doc.Alternative(p).m_nLastAttribute, doc.LastAttribute()) << "step " << step;
      for (int i = 0; i <= doc.LastAttribute(); ++i) {
        ASSERT_EQ(doc.Alternative(p).Record(i).m_strEvidence, doc.Attribute(i).m_strName)
            << "step " << step << " slot " << i;
      }
    }
    // Attributes that came after the copy have unassessed records there.
    const CAlternative& copied = doc.ClipboardAlternative();
    ASSERT_EQ(copied.m_nLastAttribute, doc.LastAttribute()) << "step " << step;
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      const CText& evidence = copied.Record(i).m_strEvidence;
      ASSERT_TRUE(evidence == doc.Attribute(i).m_strName || evidence == noEvidence)
          << "step " << step << " slot " << i;
    }
    // Every father sits between its first and last child.
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      if (doc.Attribute(i).m_nChildren == 0) continue;
      std::vector<int> kids = ChildrenInOrder(doc, i);
      ASSERT_GE(doc.Attribute(i).m_nY, doc.Attribute(kids.front()).m_nY) << step;
      ASSERT_LE(doc.Attribute(i).m_nY, doc.Attribute(kids.back()).m_nY) << step;
    }
  }
}

}  // namespace
}  // namespace zev
