#include "commands/command_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zev {
namespace {

TEST(CommandTable, IdsAreUniqueAndEveryCommandHasAPromptAndATooltip) {
  std::set<int> ids;
  for (const SCommandInfo& c : CommandTable()) {
    EXPECT_TRUE(ids.insert(c.m_nId).second) << "duplicate id " << c.m_nId;
    EXPECT_STRNE(c.m_pszPrompt, "") << c.m_nId;
    EXPECT_STRNE(c.m_pszTooltip, "") << c.m_nId;
    EXPECT_STRNE(c.m_pszMenuPath, "") << c.m_nId;
  }
  EXPECT_EQ(FindCommand(12345), nullptr);
}

TEST(CommandTable, StringTableEntriesAreThePromptALineFeedAndTheTooltip) {
  EXPECT_EQ(CommandString(kIdRank),
            "All alternatives are assessed on all attributes and ranked on the top attribute.\n"
            "Rank alternatives");
  EXPECT_EQ(CommandString(kIdModelBuilder),
            "Provide a tree view window and a list view window for revising the decision "
            "model.\nAssistant model builder");
}

TEST(CommandTable, TextsCarryTheirMnemonicsAndShortcuts) {
  const SCommandInfo* rank = FindCommand(kIdRank);
  ASSERT_NE(rank, nullptr);
  EXPECT_STREQ(rank->m_pszText, "&Rank\tCtrl+K");
  EXPECT_EQ(MenuLabel(*rank), "&Rank");
  EXPECT_EQ(MenuShortcut(*rank), "Ctrl+K");
  const SCommandInfo* builder = FindCommand(kIdModelBuilder);
  EXPECT_EQ(MenuShortcut(*builder), "");

  struct SExpected {
    int id;
    const char* text;
  };
  for (SExpected e : {SExpected{kIdFileNew, "&New\tCtrl+N"},
                      {kIdFileOpen, "&Open...\tCtrl+O"},
                      {kIdFileClose, "&Close"},
                      {kIdFileSave, "&Save\tCtrl+S"},
                      {kIdFileSaveAs, "Save &As..."},
                      {kIdFilePrint, "&Print...\tCtrl+P"},
                      {kIdFilePrintPreview, "Print Pre&view"},
                      {kIdFilePrintSetup, "P&rint Setup..."},
                      {kIdEditUndo, "&Undo\tCtrl+Z"},
                      {kIdEditCut, "Cu&t\tCtrl+X"},
                      {kIdEditCopy, "&Copy\tCtrl+C"},
                      {kIdEditPaste, "&Paste\tCtrl+V"},
                      {kIdViewSwitch, "&Switch Views"},
                      {kIdInsertAbove, "Insert &Above\tCtrl+A"},
                      {kIdInsertBelow, "Insert &Below\tCtrl+B"},
                      {kIdInsertLeft, "Insert &Left\tCtrl+L"},
                      {kIdInsertRight, "Insert &Right\tCtrl+R"},
                      {kIdDefineGrades, "Define &Grades\tCtrl+G"},
                      {kIdNewAlternative, "&New\tCtrl+W"},
                      {kIdInputAttAtAlt, "Att at A&lt"},
                      {kIdTradeOff, "Trade-Off Analysis"},
                      {kIdAppAbout, "&About ZEV..."}}) {
    const SCommandInfo* c = FindCommand(e.id);
    ASSERT_NE(c, nullptr) << e.id;
    EXPECT_STREQ(c->m_pszText, e.text);
  }
}

TEST(CommandTable, CtrlXIsBoundOnlyToCut) {
  std::vector<int> shown;
  std::vector<int> bound;
  for (const SCommandInfo& c : CommandTable()) {
    if (MenuShortcut(c) != "Ctrl+X") continue;
    shown.push_back(c.m_nId);
    if (c.m_bBindsShortcut) bound.push_back(c.m_nId);
  }
  EXPECT_EQ(shown.size(), 3u);
  EXPECT_EQ(bound, std::vector<int>{kIdEditCut});
}

TEST(CommandTable, TheMenuWithoutAModelHasExactlyTheFrameworkItems) {
  std::set<int> bare;
  for (const SCommandInfo& c : CommandTable()) {
    if (c.m_bWithoutModel) bare.insert(c.m_nId);
  }
  EXPECT_EQ(bare, (std::set<int>{kIdFileNew, kIdFileOpen, kIdImportModelJson, kIdFilePrintSetup,
                                 kIdFileMru1, kIdFileMru2, kIdFileMru3, kIdFileMru4, kIdAppExit,
                                 kIdViewToolbar, kIdViewStatusBar, kIdHelpFinder, kIdAppAbout}));
}

TEST(CommandTable, EachViewHandlesItsOwnCommands) {
  // The tree view: attribute commands, not alternative ones.
  EXPECT_TRUE(ViewHandles(EViewKind::Tree, kIdInsertAbove));
  EXPECT_TRUE(ViewHandles(EViewKind::Tree, kIdDefineGrades));
  EXPECT_TRUE(ViewHandles(EViewKind::Tree, kIdAddAttributesFromFile));
  EXPECT_FALSE(ViewHandles(EViewKind::Tree, kIdNewAlternative));
  EXPECT_FALSE(ViewHandles(EViewKind::Tree, kIdCreateGroupAssessment));
  EXPECT_FALSE(ViewHandles(EViewKind::Tree, kIdModelBuilder));
  // The list view: alternative commands, not attribute ones.
  EXPECT_TRUE(ViewHandles(EViewKind::List, kIdNewAlternative));
  EXPECT_TRUE(ViewHandles(EViewKind::List, kIdCreateGroupAssessment));
  EXPECT_FALSE(ViewHandles(EViewKind::List, kIdInsertAbove));
  EXPECT_FALSE(ViewHandles(EViewKind::List, kIdDeleteAttribute));
  EXPECT_FALSE(ViewHandles(EViewKind::List, kIdModelBuilder));
  // Both: editing and the estimate, input, analysis, report and sensitivity groups.
  for (int id : {kIdEditCut, kIdEditCopy, kIdEditPaste, kIdWeightPairwise, kIdUtilityDirect,
                 kIdDataInputMethod, kIdModifyAssessment, kIdRank, kIdShowUtilityInterval,
                 kIdOverview, kIdReportSummary, kIdGraphRanking, kIdChangeWeight, kIdTradeOff}) {
    EXPECT_TRUE(ViewHandles(EViewKind::List, id)) << id;
    EXPECT_TRUE(ViewHandles(EViewKind::Tree, id)) << id;
  }
  // The dialog-box view handles every view command.
  for (const SCommandInfo& c : CommandTable()) {
    if (c.m_nHandlers == 0 || IsFrameCommand(c.m_nId)) continue;
    EXPECT_TRUE(ViewHandles(EViewKind::DialogBox, c.m_nId)) << c.m_nId;
  }
  // Printing prints the box diagram.
  EXPECT_TRUE(ViewHandles(EViewKind::DialogBox, kIdFilePrint));
  EXPECT_FALSE(ViewHandles(EViewKind::Tree, kIdFilePrint));
  // Undo and Redo work on the model whatever view is active.
  EXPECT_TRUE(IsFrameCommand(kIdEditUndo));
  EXPECT_TRUE(IsFrameCommand(kIdEditRedo));
  EXPECT_FALSE(ViewHandles(EViewKind::DialogBox, kIdEditUndo));
}

}  // namespace
}  // namespace zev
