#include "commands/model_commands.h"

#include <gtest/gtest.h>

#include <new>

#include "commands/box_geometry.h"
#include "elicitation/define_alternative_presenter.h"
#include "elicitation/define_attribute_presenter.h"
#include "elicitation/pairwise_presenter.h"
#include "elicitation/utility_scoring_presenter.h"
#include "elicitation/weight_scoring_presenter.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::CScriptedUser;

// A tool window as the command layer sees it: it counts what it is told.
class CFakeWindow : public CModelessWindow {
 public:
  explicit CFakeWindow(int* pDestroyed = nullptr) : m_pDestroyed(pDestroyed) {}
  void BringToFront() override { ++m_nRaised; }
  void Destroy() override {
    if (m_pDestroyed) ++*m_pDestroyed;
    delete this;
  }
  void OnDocumentChanged(CMADMDoc&, const SDocChange& change) override {
    ++m_nChanges;
    if (change.m_kind == EDocChange::Selection) ++m_nSelections;
  }
  int m_nRaised = 0;
  int m_nSelections = 0;
  int m_nChanges = 0;

 private:
  int* m_pDestroyed;
};

class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() {
    m_doc.OnNewDocument();
    for (int k = 0; k < kModelessKinds; ++k) {
      EModelessKind kind = static_cast<EModelessKind>(k);
      m_registry.SetFactory(kind, [this, kind] {
        auto* w = new CFakeWindow(&m_nDestroyed);
        m_created[static_cast<int>(kind)] = w;
        return w;
      });
    }
  }
  // Start-up: the list-tree view with the tree view active.
  bool Enabled(int id, EViewKind view = EViewKind::Tree, EViewMode mode = EViewMode::ListTree) {
    return m_commands.IsEnabled(id, view, mode);
  }

  CMADMDoc m_doc;
  CModelessRegistry m_registry{m_doc};
  CModelCommands m_commands{m_doc, m_registry};
  CFakeWindow* m_created[kModelessKinds] = {};
  int m_nDestroyed = 0;
};

TEST_F(CommandsTest, AtStartTheListTreeViewIsShownAndOnlyTheDialogBoxViewCanBeChosen) {
  EXPECT_FALSE(Enabled(kIdViewListTree));
  EXPECT_TRUE(CModelCommands::RuleAllows(kIdViewDialogBox, m_doc, EViewMode::ListTree));
  EXPECT_FALSE(CModelCommands::RuleAllows(kIdViewListTree, m_doc, EViewMode::ListTree));
  EXPECT_TRUE(CModelCommands::RuleAllows(kIdViewListTree, m_doc, EViewMode::DialogBox));
  EXPECT_FALSE(CModelCommands::RuleAllows(kIdViewDialogBox, m_doc, EViewMode::DialogBox));
  EXPECT_TRUE(CModelCommands::RuleAllows(kIdViewSwitch, m_doc, EViewMode::DialogBox));
  EXPECT_TRUE(CModelCommands::RuleAllows(kIdViewSwitch, m_doc, EViewMode::ListTree));
}

TEST_F(CommandsTest, TheActiveViewDecidesWhichCommandsAreEnabled) {
  EXPECT_FALSE(Enabled(kIdNewAlternative, EViewKind::Tree));
  EXPECT_TRUE(Enabled(kIdNewAlternative, EViewKind::List));
  EXPECT_FALSE(Enabled(kIdInsertAbove, EViewKind::List));
  EXPECT_TRUE(Enabled(kIdInsertAbove, EViewKind::Tree));
  EXPECT_TRUE(Enabled(kIdModelBuilder, EViewKind::DialogBox, EViewMode::DialogBox));
  EXPECT_FALSE(Enabled(kIdModelBuilder, EViewKind::Tree));
  EXPECT_FALSE(Enabled(kIdModelBuilder, EViewKind::List));
  // Undo and Change Rules are always disabled, Save-like items never by a rule.
  EXPECT_FALSE(Enabled(kIdEditUndo, EViewKind::DialogBox, EViewMode::DialogBox));
  EXPECT_FALSE(CModelCommands::RuleAllows(kIdChangeRules, m_doc, EViewMode::DialogBox));
  EXPECT_TRUE(CModelCommands::RuleAllows(kIdShowUtilityInterval, m_doc, EViewMode::DialogBox));
  EXPECT_TRUE(CModelCommands::RuleAllows(kIdFileSave, m_doc, EViewMode::DialogBox));
  // A command that runs from the wrong view does nothing.
  EXPECT_FALSE(m_commands.Execute(kIdNewAlternative, EViewKind::Tree, EViewMode::ListTree));
  EXPECT_EQ(m_doc.AlternativeCount(), 1);
  EXPECT_TRUE(m_commands.Execute(kIdNewAlternative, EViewKind::List, EViewMode::ListTree));
  EXPECT_EQ(m_doc.AlternativeCount(), 2);
}

TEST_F(CommandsTest, ConvertGradesNeedsAQualitativeRuleBasedAttributeBelowTheTop) {
  auto allows = [this](int id) {
    return CModelCommands::RuleAllows(id, m_doc, EViewMode::ListTree);
  };
  EXPECT_FALSE(allows(kIdConvertGrades));  // the Top
  test::BuildHierarchy(m_doc, {"A:", "B:"});
  m_doc.SetCurrentAttribute(test::FindAttribute(m_doc, "A"));
  EXPECT_TRUE(allows(kIdConvertGrades));
  EXPECT_FALSE(allows(kIdConvertValues));
  m_doc.CurrentAttributeRef().m_nConversion = ByUtility;
  EXPECT_FALSE(allows(kIdConvertGrades));
  EXPECT_TRUE(allows(kIdUtilityDirect));
  EXPECT_TRUE(allows(kIdUtilitySelectMethods));
  m_doc.CurrentAttributeRef().m_nConversion = ByRule;
  EXPECT_FALSE(allows(kIdUtilityDirect));
  EXPECT_FALSE(allows(kIdUtilityVisualScoring));
  EXPECT_FALSE(allows(kIdUtilitySelectMethods));
  for (std::uint16_t type : {Quantitative, QuantitativeUncertain}) {
    m_doc.CurrentAttributeRef().m_nType = type;
    EXPECT_FALSE(allows(kIdConvertGrades));
    EXPECT_TRUE(allows(kIdConvertValues));
    EXPECT_TRUE(allows(kIdShowAssessmentValue));
    EXPECT_FALSE(allows(kIdShowBeliefDegree));
    EXPECT_FALSE(allows(kIdDefineGrades));
    EXPECT_FALSE(allows(kIdGraphBeliefAlternatives));
  }
  // The top attribute always allows choosing a utility method.
  m_doc.SetCurrentAttribute(0);
  m_doc.Attribute(0).m_nConversion = ByRule;
  EXPECT_TRUE(allows(kIdUtilitySelectMethods));
}

TEST_F(CommandsTest, AttAtAltNeedsABottomAttribute) {
  auto allows = [this] {
    return CModelCommands::RuleAllows(kIdInputAttAtAlt, m_doc, EViewMode::ListTree);
  };
  EXPECT_TRUE(allows());  // the top attribute alone has no children
  test::BuildHierarchy(m_doc, {"A:"});
  m_doc.SetCurrentAttribute(0);
  EXPECT_FALSE(allows());
  m_doc.SetCurrentAttribute(test::FindAttribute(m_doc, "A"));
  EXPECT_TRUE(allows());
}

TEST_F(CommandsTest, CommandsWithoutAnImplementationStayDisabled) {
  CMADMDoc doc;
  doc.OnNewDocument();
  CModelessRegistry registry(doc);  // no windows can be made
  CModelCommands commands(doc, registry);
  EXPECT_FALSE(commands.IsAvailable(kIdOverview));
  EXPECT_FALSE(commands.IsEnabled(kIdOverview, EViewKind::DialogBox, EViewMode::DialogBox));
  EXPECT_TRUE(commands.IsAvailable(kIdInsertAbove));
  EXPECT_FALSE(commands.IsAvailable(kIdChangeRules));
  commands.Run(kIdOverview);  // a gesture that reaches it does nothing
  EXPECT_FALSE(registry.IsOpen(EModelessKind::Overview));
}

// A command that runs out of memory ends with a message; the program and the
// open models go on.
TEST_F(CommandsTest, RunningOutOfMemoryEndsTheCommandWithAMessage) {
  CScriptedUser user;
  m_commands.SetHandler(kIdRank, [] { throw std::bad_alloc(); });
  EXPECT_TRUE(m_commands.Execute(kIdRank, EViewKind::Tree, EViewMode::ListTree));
  m_commands.Run(kIdRank);
  ASSERT_EQ(user.Count(), 2u);
  EXPECT_EQ(user.Last().m_strText, kOutOfMemoryMessage);
  EXPECT_EQ(user.Last().m_icon, EIcon::Error);
}

// --- the modeless-window rule ---------------------------------------------

TEST_F(CommandsTest, OverviewTwiceLeavesOneWindowWithTheMessageAndReopensAfterClosing) {
  CScriptedUser user;
  ASSERT_TRUE(m_commands.Execute(kIdOverview, EViewKind::Tree, EViewMode::ListTree));
  CFakeWindow* first = m_created[static_cast<int>(EModelessKind::Overview)];
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(user.Count(), 0u);
  EXPECT_EQ(first->m_nRaised, 1);

  m_created[static_cast<int>(EModelessKind::Overview)] = nullptr;
  m_commands.Execute(kIdOverview, EViewKind::Tree, EViewMode::ListTree);
  EXPECT_EQ(m_created[static_cast<int>(EModelessKind::Overview)], nullptr);
  EXPECT_EQ(m_registry.Window(EModelessKind::Overview), first);
  EXPECT_EQ(first->m_nRaised, 2);
  EXPECT_EQ(user.OnlyText(),
            "An overview window is still open and used.\n"
            "You have to close it to open a new one.");
  EXPECT_EQ(user.Last().m_icon, EIcon::Information);

  delete first;  // the user closes it
  EXPECT_FALSE(m_registry.IsOpen(EModelessKind::Overview));
  user.Clear();
  m_commands.Execute(kIdOverview, EViewKind::Tree, EViewMode::ListTree);
  EXPECT_NE(m_created[static_cast<int>(EModelessKind::Overview)], nullptr);
  EXPECT_EQ(user.Count(), 0u);
}

TEST_F(CommandsTest, EveryKindHasItsOwnAlreadyOpenMessage) {
  struct SCase {
    int id;
    const char* message;
  };
  const SCase cases[] = {
      {kIdInsertAttribute,
       "An attribute insertion window is still open and\n"
       "may be minimised. To use it, you should restore it."},
      {kIdModelBuilder,
       "An assistant model builder is still open and used.\n"
       "You have to close this window to open a new one."},
      {kIdVisualComparison,
       "A comparison graph window is still open and used.\n"
       "You have to close this window to open a new one."},
      {kIdChangeGradeName,
       "A window for changing a grade name is still open.\n"
       "You have to close this window to open a new one."},
      {kIdCreateGroupAssessment,
       "A create group assessment window is still open and\n"
       "may be minimised. To use it, you should restore it."},
      {kIdTradeOff, nullptr},
  };
  for (const SCase& c : cases) {
    CScriptedUser user;
    m_commands.Run(c.id);
    m_commands.Run(c.id);
    if (c.message)
      EXPECT_EQ(user.OnlyText(), c.message) << c.id;
    else
      EXPECT_EQ(user.Count(), 0u) << c.id;
  }
  // Utility scoring needs a utility-based attribute to be enabled at all.
  m_doc.Attribute(0).m_nConversion = ByUtility;
  CScriptedUser user;
  m_commands.Run(kIdUtilityVisualScoring);
  m_commands.Run(kIdUtilityVisualScoring);
  EXPECT_EQ(user.OnlyText(),
            "A window for scoring utilities is still open and used.\n"
            "You have to close this window to open a new one.");
}

TEST_F(CommandsTest, SensitivityWindowsRefuseTheWrongSelectionWithAWarning) {
  test::BuildHierarchy(m_doc, {"A:", "B:A"});
  {
    CScriptedUser user;
    m_doc.SetCurrentAttribute(0);
    m_commands.Run(kIdChangeWeight);
    EXPECT_EQ(user.OnlyText(),
              "To draw a weight graph, at least\none sub-attribute has to be selected.");
    EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
    EXPECT_FALSE(m_registry.IsOpen(EModelessKind::WeightSensitivity));
  }
  {
    CScriptedUser user;
    m_doc.SetCurrentAttribute(test::FindAttribute(m_doc, "A"));
    m_commands.Run(kIdChangeInputData);
    EXPECT_EQ(user.OnlyText(),
              "To draw a input data graph, at least\none bottom-attribute has to be selected.");
    EXPECT_FALSE(m_registry.IsOpen(EModelessKind::InputSensitivity));
  }
  {
    CScriptedUser user;
    m_doc.SetCurrentAttribute(test::FindAttribute(m_doc, "B"));
    m_commands.Run(kIdChangeInputData);
    m_commands.Run(kIdChangeWeight);
    EXPECT_EQ(user.Count(), 0u);
    EXPECT_TRUE(m_registry.IsOpen(EModelessKind::InputSensitivity));
    EXPECT_TRUE(m_registry.IsOpen(EModelessKind::WeightSensitivity));
    // A second request raises the open window without a message.
    m_commands.Run(kIdChangeWeight);
    EXPECT_EQ(user.Count(), 0u);
    EXPECT_EQ(m_created[static_cast<int>(EModelessKind::WeightSensitivity)]->m_nRaised, 2);
  }
}

TEST_F(CommandsTest, SelectionIsToldToTheWindowsThatShowOne) {
  test::BuildHierarchy(m_doc, {"A:"});
  m_commands.Run(kIdModelBuilder);
  m_commands.Run(kIdChangeGradeName);
  m_commands.Run(kIdTradeOff);
  m_doc.SetModifiedFlag(false);

  m_commands.SelectAttribute(0);
  m_commands.SelectAlternative(0);
  EXPECT_EQ(m_created[static_cast<int>(EModelessKind::ModelBuilder)]->m_nSelections, 2);
  EXPECT_EQ(m_created[static_cast<int>(EModelessKind::GradeNameChange)]->m_nSelections, 0);
  EXPECT_EQ(m_created[static_cast<int>(EModelessKind::TradeOff)]->m_nSelections, 0);
  // A selection is not saved: the model is as modified as it was.
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_TRUE(m_doc.IsAlternativeSelected());
  m_commands.SelectAttribute(1);
  EXPECT_TRUE(m_doc.IsAttributeSelected());
  EXPECT_EQ(m_doc.CurrentAttribute(), 1);
  // Out of range: nothing happens.
  m_commands.SelectAttribute(7);
  m_commands.SelectAlternative(3);
  EXPECT_EQ(m_doc.CurrentAttribute(), 1);
  EXPECT_EQ(m_doc.CurrentPosition(), 0);
}

TEST_F(CommandsTest, TheInsertionWindowNamesTheCurrentAttributeAfterEveryChange) {
  m_commands.Run(kIdInsertAttribute);
  CFakeWindow* w = m_created[static_cast<int>(EModelessKind::Insertion)];
  ASSERT_NE(w, nullptr);
  int before = w->m_nChanges;
  m_commands.Run(kIdInsertRight);
  EXPECT_GT(w->m_nChanges, before);
  before = w->m_nChanges;
  CScriptedUser user;
  m_commands.Run(kIdInsertAttribute);  // already open: the message, then the name
  EXPECT_GT(w->m_nChanges, before);
  EXPECT_EQ(user.Count(), 1u);
}

TEST_F(CommandsTest, ClosingTheModelDestroysItsToolWindows) {
  {
    CMADMDoc doc;
    doc.OnNewDocument();
    CModelessRegistry registry(doc);
    registry.SetFactory(EModelessKind::Overview, [this] { return new CFakeWindow(&m_nDestroyed); });
    registry.SetFactory(EModelessKind::TradeOff, [this] { return new CFakeWindow(&m_nDestroyed); });
    registry.Open(EModelessKind::Overview);
    registry.Open(EModelessKind::TradeOff);
  }
  EXPECT_EQ(m_nDestroyed, 2);
}

// --- label edits and gestures ---------------------------------------------

TEST_F(CommandsTest, EmptyNamesAreRefusedWithTheirMessagesAndTheOldNameStays) {
  CScriptedUser user;
  EXPECT_FALSE(m_commands.RenameAttribute(0, ""));
  EXPECT_EQ(user.Last().m_strText, "The attribute name must not be empty.");
  EXPECT_EQ(m_doc.Attribute(0).m_strName, "Top Attribute");
  EXPECT_FALSE(m_commands.RenameAlternative(0, ""));
  EXPECT_EQ(user.Last().m_strText, "The alternative name must not be empty.");
  EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(m_doc.Alternative(0).m_strName, "First alternative");
  EXPECT_FALSE(m_doc.IsModified());

  EXPECT_TRUE(m_commands.RenameAttribute(0, "Car"));
  EXPECT_EQ(m_doc.Attribute(0).m_strName, "Car");
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(CommandsTest, RenamingAnAlternativeRenamesTheOneAtTheEditedRow) {
  m_doc.AddAlternativeCommand();
  m_doc.AddAlternativeCommand();
  m_doc.Alternative(2).SetName("Same");
  m_doc.Alternative(1).SetName("Same");
  EXPECT_TRUE(m_commands.RenameAlternative(2, "Third"));
  EXPECT_EQ(m_doc.Alternative(1).m_strName, "Same");
  EXPECT_EQ(m_doc.Alternative(2).m_strName, "Third");
}

TEST_F(CommandsTest, TheWeightRowTakesOnlyANonNegativeNumber) {
  CScriptedUser user;
  EXPECT_FALSE(m_commands.SetWeightText(0, "-1"));
  EXPECT_EQ(user.OnlyText(), "Weight must be a non-negative real number.");
  EXPECT_DOUBLE_EQ(m_doc.Attribute(0).m_dWeight, 1.0);
  EXPECT_TRUE(m_commands.SetWeightText(0, "0.25"));
  EXPECT_DOUBLE_EQ(m_doc.Attribute(0).m_dWeight, 0.25);
}

TEST_F(CommandsTest, DoubleClickOnAnAttributeWithChildrenInTheTreeOpensNothing) {
  test::BuildHierarchy(m_doc, {"A:", "B:A"});
  bool bEntered = false;
  m_commands.SetHandler(kIdInputAttAtAlt, [&] { bEntered = true; });
  const int a = test::FindAttribute(m_doc, "A");
  CScriptedUser user;
  m_commands.DoubleClickAttributeItem(a);
  EXPECT_EQ(m_doc.CurrentAttribute(), a);
  EXPECT_FALSE(bEntered);
  m_commands.DoubleClickAttributeItem(test::FindAttribute(m_doc, "B"));
  EXPECT_TRUE(bEntered);
  EXPECT_EQ(user.Count(), 0u);
}

TEST_F(CommandsTest, ATreeClickRemembersThePreviousAttribute) {
  test::BuildHierarchy(m_doc, {"A:", "B:"});
  m_commands.ClickAttributeInTree(1);
  m_commands.ClickAttributeInTree(2);
  EXPECT_EQ(m_commands.PreviousAttribute(), 1);
  EXPECT_EQ(m_doc.CurrentAttribute(), 2);
}

TEST_F(CommandsTest, ARightClickSelectsAndDefines) {
  test::BuildHierarchy(m_doc, {"A:"});
  CScriptedUser user;
  user.OnDialog<CDefineAttributePresenter>([](CDefineAttributePresenter& p) {
    p.m_strName = "Renamed";
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_commands.RightClickAttribute(1);
  EXPECT_EQ(m_doc.Attribute(1).m_strName, "Renamed");
  user.OnDialog<CDefineAlternativePresenter>([](CDefineAlternativePresenter& p) {
    p.m_strName = "Car";
    return p.Ok() == EDialogAction::CloseOk;
  });
  m_commands.RightClickAlternative(0);
  EXPECT_EQ(m_doc.Alternative(0).m_strName, "Car");
  EXPECT_TRUE(m_doc.IsAlternativeSelected());
}

TEST_F(CommandsTest, ADoubleClickOnABoxActsOnItsFocusRow) {
  test::BuildHierarchy(m_doc, {"A:"});
  bool bWeighting = false;
  m_commands.SetHandler(kIdWeightSelectMethods, [&] { bWeighting = true; });
  m_doc.SetFocusRow(52);
  m_commands.DoubleClickAttributeBox(1);
  EXPECT_TRUE(bWeighting);

  CScriptedUser user;
  user.OnDialog<CDefineAttributePresenter>([](CDefineAttributePresenter&) { return false; });
  m_doc.SetFocusRow(51);
  m_commands.DoubleClickAttributeBox(1);
  EXPECT_EQ(user.Dialogs(), std::vector<std::string>{CDefineAttributePresenter::kKind});
}

// --- keys of the attribute field -----------------------------------------

TEST_F(CommandsTest, TabOnAnAttributeWithoutChildrenLeavesTheSelection) {
  test::BuildHierarchy(m_doc, {"A:", "B:"});
  const int b = test::FindAttribute(m_doc, "B");
  m_doc.SetCurrentAttribute(b);
  m_commands.TabKey();
  EXPECT_EQ(m_doc.CurrentAttribute(), b);
}

TEST_F(CommandsTest, TabGoesToTheFirstChildInDrawingOrderAndBackTabToTheFather) {
  test::BuildHierarchy(m_doc, {"A:", "B:"});
  // C is inserted above A: it has the highest index but is drawn first.
  m_doc.SetCurrentAttribute(test::FindAttribute(m_doc, "A"));
  m_doc.InsertAttributeAbove();
  const int c = m_doc.CurrentAttribute();
  m_doc.SetCurrentAttribute(0);
  m_commands.TabKey();
  EXPECT_EQ(m_doc.CurrentAttribute(), c);
  m_commands.BackTabKey();
  EXPECT_EQ(m_doc.CurrentAttribute(), 0);
  m_commands.BackTabKey();  // the top has no father
  EXPECT_EQ(m_doc.CurrentAttribute(), 0);
}

TEST_F(CommandsTest, DownAndUpWalkTheRowsAndTheBoxes) {
  test::BuildHierarchy(m_doc, {"A:", "A1:A", "B:"});
  const int a = test::FindAttribute(m_doc, "A");
  const int a1 = test::FindAttribute(m_doc, "A1");
  const int b = test::FindAttribute(m_doc, "B");
  m_doc.SetCurrentAttribute(a);
  m_doc.SetFocusRow(51);
  m_commands.DownKey();
  EXPECT_EQ(m_doc.FocusRow(), 52);
  EXPECT_EQ(m_doc.CurrentAttribute(), a);
  m_commands.DownKey();  // to the next sibling, name row
  EXPECT_EQ(m_doc.CurrentAttribute(), b);
  EXPECT_EQ(m_doc.FocusRow(), 51);
  m_commands.UpKey();  // name row: back to the earlier box, weight row
  EXPECT_EQ(m_doc.CurrentAttribute(), a);
  EXPECT_EQ(m_doc.FocusRow(), 52);
  m_commands.UpKey();
  EXPECT_EQ(m_doc.FocusRow(), 51);

  // A1 has no next sibling: Down goes to its father's next sibling.
  m_doc.SetCurrentAttribute(a1);
  m_doc.SetFocusRow(52);
  m_commands.DownKey();
  EXPECT_EQ(m_doc.CurrentAttribute(), b);
  // The top attribute: neither siblings nor a father, so its first child.
  EXPECT_EQ(NextInReadingOrder(m_doc, 0), a);
  EXPECT_EQ(EarlierBox(m_doc, 0), -1);
  EXPECT_EQ(EarlierBox(m_doc, a1), a);
}

// --- editing through the commands ------------------------------------------

TEST_F(CommandsTest, AHierarchyIsBuiltThroughTheCommands) {
  auto run = [this](int id) {
    return m_commands.Execute(id, EViewKind::Tree, EViewMode::ListTree);
  };
  ASSERT_TRUE(run(kIdInsertRight));  // below the top
  ASSERT_TRUE(run(kIdInsertBelow));
  ASSERT_TRUE(run(kIdInsertRight));  // under the second
  ASSERT_TRUE(run(kIdInsertLeft));
  EXPECT_EQ(m_doc.LastAttribute(), 4);
  EXPECT_TRUE(test::TreeIsConsistent(m_doc));
  EXPECT_EQ(test::ChildrenInOrder(m_doc, 0), (std::vector<int>{1, 2}));
  EXPECT_EQ(test::ChildrenInOrder(m_doc, 2), (std::vector<int>{4}));
  EXPECT_EQ(test::ChildrenInOrder(m_doc, 4), (std::vector<int>{3}));

  CScriptedUser user;
  user.Answer(EAnswer::Yes).Answer(EAnswer::Yes);  // delete 2 and its children
  m_doc.SetCurrentAttribute(2);
  ASSERT_TRUE(run(kIdDeleteAttribute));
  EXPECT_EQ(m_doc.LastAttribute(), 1);
  EXPECT_TRUE(test::TreeIsConsistent(m_doc));
}

TEST_F(CommandsTest, CutCopiesAndThenDeletesWithConfirmation) {
  m_doc.AddAlternativeCommand();
  m_commands.SelectAlternative(1);
  CScriptedUser user;
  user.Answer(EAnswer::Cancel);
  m_commands.Run(kIdEditCut);
  EXPECT_EQ(m_doc.AlternativeCount(), 2);  // not deleted, but copied
  ASSERT_TRUE(m_doc.HasClipboardAlternative());
  EXPECT_EQ(m_doc.ClipboardAlternative().m_strName, "Alternative 2");

  user.Answer(EAnswer::Yes);
  m_commands.Run(kIdEditCut);
  EXPECT_EQ(m_doc.AlternativeCount(), 1);

  // Paste asks first; No changes nothing.
  user.Answer(EAnswer::No);
  m_commands.Run(kIdEditPaste);
  EXPECT_EQ(m_doc.Alternative(0).m_strName, "First alternative");
  user.Answer(EAnswer::Yes);
  m_commands.Run(kIdEditPaste);
  EXPECT_EQ(m_doc.Alternative(0).m_strName, "Alternative 2");
  EXPECT_EQ(user.Messages()[2].m_strText, "Replace <First alternative> by <Alternative 2> ?");
}

TEST_F(CommandsTest, RankAndTheUtilityIntervalWorkThroughTheCommands) {
  struct CHost : CCommandHost {
    void ShowResults(const SAssessmentResults& r) override { m_shown.push_back(r); }
    void ShowGraphs(const std::vector<SGraphWindow>&) override {}
    std::vector<SAssessmentResults> m_shown;
  } host;
  m_commands.SetHost(&host);
  test::BuildHierarchy(m_doc, {"A:", "B:"});
  m_doc.AddAlternativeCommand();
  m_doc.Alternative(1).Record(1).m_dBelief[4] = 1.0;
  m_doc.Alternative(1).Record(2).m_dBelief[4] = 1.0;
  CScriptedUser user;
  ASSERT_TRUE(m_commands.Execute(kIdRank, EViewKind::List, EViewMode::ListTree));
  EXPECT_EQ(user.OnlyText(), " All alternatives have been assessed on all attributes.");
  EXPECT_EQ(m_doc.Alternative(1).m_nRanking, 1);
  EXPECT_EQ(m_doc.Alternative(0).m_nRanking, 2);

  m_doc.SetCurrentPosition(1);
  m_doc.SetCurrentAttribute(1);
  ASSERT_TRUE(m_commands.Execute(kIdShowUtilityInterval, EViewKind::Tree, EViewMode::ListTree));
  ASSERT_EQ(host.m_shown.size(), 1u);
  EXPECT_EQ(host.m_shown[0].m_strAttributeName, "A");
  EXPECT_EQ(host.m_shown[0].m_strAlternativeName, "Alternative 2");
  EXPECT_EQ(host.m_shown[0].m_strAvgUtility, "1.000000");
  EXPECT_EQ(host.m_shown[0].m_strRanking, "1");
  host.m_shown[0].ShowAttributeInfo();
  EXPECT_EQ(user.Last().m_strText, "No description for the attribute is provided.");
}

TEST_F(CommandsTest, GraphCommandsOpenTheirWindowsThroughTheHost) {
  struct CHost : CCommandHost {
    void ShowResults(const SAssessmentResults&) override {}
    void ShowGraphs(const std::vector<SGraphWindow>& w) override { m_shown.push_back(w); }
    std::vector<std::vector<SGraphWindow>> m_shown;
  } host;
  m_commands.SetHost(&host);
  test::BuildHierarchy(m_doc, {"A:"});
  for (int k = 1; k < 21; ++k) m_doc.AddAlternativeCommand();
  m_doc.SetCurrentAttribute(1);
  struct SCase {
    int m_nId;
    int m_nWindow;
    std::size_t m_nWindows;
  };
  const SCase cases[] = {{kIdGraphBeliefAttAtAlt, kBeliefGraphWindow, 1},
                         {kIdGraphBeliefAlternatives, kBeliefGraphWindow, 2},
                         {kIdGraphUtilityAttAtAlt, kUtilityGraphWindow, 1},
                         {kIdGraphUtilityAlternatives, kUtilityGraphWindow, 2},
                         {kIdGraphRanking, kUtilityGraphWindow, 2}};
  for (const SCase& c : cases) {
    host.m_shown.clear();
    ASSERT_TRUE(m_commands.Execute(c.m_nId, EViewKind::List, EViewMode::ListTree)) << c.m_nId;
    ASSERT_EQ(host.m_shown.size(), 1u) << c.m_nId;
    ASSERT_EQ(host.m_shown[0].size(), c.m_nWindows) << c.m_nId;
    for (const SGraphWindow& w : host.m_shown[0]) EXPECT_EQ(w.m_nWindow, c.m_nWindow) << c.m_nId;
  }
  // The belief degrees of all alternatives need a qualitative attribute.
  m_doc.CurrentAttributeRef().m_nType = Quantitative;
  host.m_shown.clear();
  EXPECT_FALSE(
      m_commands.Execute(kIdGraphBeliefAlternatives, EViewKind::List, EViewMode::ListTree));
  EXPECT_TRUE(host.m_shown.empty());
}

// --- geometry --------------------------------------------------------------

TEST(BoxGeometry, ClicksHitTheBoxOfAnAttributeOrAnAlternative) {
  CMADMDoc doc;
  doc.OnNewDocument();
  // The top attribute at (80, 114), the first alternative at (80, 60).
  EXPECT_EQ(HitTest(doc, 80, 114).m_kind, SBoxHit::Attribute);
  EXPECT_EQ(HitTest(doc, 25, 93).m_kind, SBoxHit::Attribute);    // top-left corner
  EXPECT_EQ(HitTest(doc, 135, 135).m_kind, SBoxHit::Attribute);  // bottom-right corner
  EXPECT_EQ(HitTest(doc, 136, 114).m_kind, SBoxHit::None);
  SBoxHit alt = HitTest(doc, 80, 60);
  EXPECT_EQ(alt.m_kind, SBoxHit::Alternative);
  EXPECT_EQ(alt.m_nIndex, 0);
  EXPECT_EQ(HitTest(doc, 300, 300).m_kind, SBoxHit::None);
}

TEST(BoxGeometry, TheScrollExtentTakesInEveryAttribute) {
  CMADMDoc doc;
  doc.OnNewDocument();
  SExtent e = ScrollExtent(doc);
  EXPECT_EQ(e.cx, 80 + 675);
  EXPECT_EQ(e.cy, 114 + 42);
  test::BuildHierarchy(doc, {"A:", "B:", "C:A", "D:C", "E:D", "F:E"});
  e = ScrollExtent(doc);
  int maxX = 0;
  int maxY = 0;
  for (int i = 1; i <= doc.LastAttribute(); ++i) {
    maxX = std::max(maxX, doc.Attribute(i).m_nX);
    maxY = std::max(maxY, doc.Attribute(i).m_nY);
  }
  EXPECT_GE(e.cx - 55, maxX);
  EXPECT_GE(e.cy - 21, maxY);
  // Five levels deep reach x = 80 + 5 * 135 = 755, beyond 755 - 55.
  EXPECT_EQ(e.cx, 755 + 105);
}

TEST_F(CommandsTest, TheUtilityMethodChoiceOpensTheScoringWindowAndTheWeightOnesTheirDialogs) {
  m_doc.Attribute(0).m_nConversion = ByUtility;
  CScriptedUser user;
  user.OnDialog(CUtilityMethodPresenter::kKind, [](CDialogPresenter& p) {
    static_cast<CUtilityMethodPresenter&>(p).m_nChoice = CUtilityMethodPresenter::kVisualScoring;
    return true;
  });
  m_commands.Run(kIdUtilitySelectMethods);
  EXPECT_TRUE(m_registry.IsOpen(EModelessKind::UtilityScoring));

  test::BuildHierarchy(m_doc, {"A:", "B:"});
  m_doc.SetCurrentAttribute(test::FindAttribute(m_doc, "B"));
  user.OnDialog(CWeightMethodPresenter::kKind, [](CDialogPresenter&) { return true; });
  user.OnDialog(CWeightScoringPresenter::kKind, [](CDialogPresenter&) { return false; });
  user.OnDialog(CWeightScoringPresenter::kKind, [](CDialogPresenter&) { return false; });
  user.OnDialog(CPairwisePresenter::kKind, [](CDialogPresenter&) { return false; });
  for (int id : {kIdWeightSelectMethods, kIdWeightVisualScoring, kIdWeightPairwise}) {
    EXPECT_TRUE(Enabled(id)) << id;
    m_commands.Run(id);
  }
}

}  // namespace
}  // namespace zev
