#include "elicitation/data_entry_walk.h"

#include <gtest/gtest.h>

#include "elicitation/add_from_file_presenter.h"
#include "elicitation/certain_value_entry.h"
#include "elicitation/qualitative_entry_page.h"
#include "elicitation/read_data_presenter.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::CScriptedUser;
using test::FindAttribute;
using Page = CQualitativeEntryPage;

class Counter : public CDocObserver {
 public:
  void OnDocumentChanged(CMADMDoc&, const SDocChange&) override { ++m_nChanges; }
  int m_nChanges = 0;
};

const std::string kFirst = "Start typing in data from the FIRST assessible attribute for <Car A>?";
const std::string kSelected = "Start typing in data from a SELECTED attribute for <Car A>?";
const std::string kTerminate = "Do you want to terminate typing in data for <Car A>?";
const std::string kAbandon = "Do you want to abandon data input?";

class DataEntryWalk : public ::testing::Test {
 protected:
  void Build(const std::vector<std::string>& nodes) {
    m_doc.OnNewDocument();
    test::BuildHierarchy(m_doc, nodes);
    m_doc.Alternative(0).m_strName = "Car A";
    m_doc.SetCurrentAttribute(0);
    m_doc.SetModifiedFlag(false);
    m_doc.Subscribe(&m_counter);
  }
  void TearDown() override { m_doc.Unsubscribe(&m_counter); }

  // Queues a qualitative page that notes its attribute and is confirmed
  // with the first grade ticked, or cancelled.
  void Page(bool bConfirm = true) {
    m_user.OnDialog<zev::Page>([this, bConfirm](zev::Page& p) {
      m_visited.push_back(p.AttributeName());
      if (!bConfirm) return false;
      p.ToggleTick(0);
      return p.Ok() == EDialogAction::CloseOk;
    });
  }
  // Queues the selection window, picking the attribute of this name
  // ("" keeps the one it opens with), confirmed or cancelled.
  void Selection(const std::string& name, bool bConfirm = true) {
    m_user.OnDialog<CSelectAttributePresenter>(
        [this, name, bConfirm](CSelectAttributePresenter& p) {
          for (int r = 0; r < static_cast<int>(p.Rows().size()); ++r) {
            if (p.Rows()[static_cast<std::size_t>(r)].m_strName == name) p.SelectRow(r);
          }
          return bConfirm;
        });
  }
  double Degree(const std::string& name) {
    return m_doc.Alternative(0).Record(FindAttribute(m_doc, name)).m_dBelief[0];
  }

  CScriptedUser m_user;
  CMADMDoc m_doc;
  Counter m_counter;
  std::vector<std::string> m_visited;
};

const std::vector<std::string> kTree = {"A:", "A1:A", "A2:A", "B:"};

TEST_F(DataEntryWalk, VisitsTheBottomAttributesFromTheStartInTreeOrder) {
  struct SCase {
    const char* m_szName;
    std::vector<std::string> m_nodes;
    const char* m_szStart;  // nullptr: from the first attribute
    std::vector<std::string> m_visits;
    bool m_bComplete;
  };
  const SCase cases[] = {
      {"top only", {}, nullptr, {"Top Attribute"}, false},
      {"whole tree", kTree, nullptr, {"A1", "A2", "B"}, true},
      {"from a leaf", kTree, "A2", {"A2", "B"}, true},
      {"from a father", kTree, "A", {"A1", "A2", "B"}, true},
      {"from the last leaf", kTree, "B", {"B"}, true},
      {"deeper", {"A:", "A1:A", "X:A1", "Y:A1", "B:"}, "A", {"X", "Y", "B"}, true},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(c.m_szName);
    m_visited.clear();
    Build(c.m_nodes);
    if (c.m_szStart == nullptr) {
      m_user.Answer(EAnswer::Yes);
    } else {
      m_user.Answer(EAnswer::No).Answer(EAnswer::Yes);
      Selection(c.m_szStart);
    }
    for (std::size_t k = 0; k < c.m_visits.size(); ++k) Page();
    EXPECT_EQ(RunDataEntryWalk(m_doc), c.m_bComplete);
    EXPECT_EQ(m_visited, c.m_visits);
    EXPECT_EQ(m_user.Texts().front(), kFirst);
    for (const std::string& name : c.m_visits) EXPECT_DOUBLE_EQ(Degree(name), 1.0) << name;
    EXPECT_TRUE(m_doc.IsModified());
    // The views are refreshed once, when the walk completes.
    EXPECT_EQ(m_counter.m_nChanges, c.m_bComplete ? 1 : 0);
    m_doc.Unsubscribe(&m_counter);
    m_counter.m_nChanges = 0;
    m_user.Clear();
  }
}

TEST_F(DataEntryWalk, FollowsSiblingLinksNotIndices) {
  Build({"A:", "A1:A", "B:"});
  m_doc.SetCurrentAttribute(FindAttribute(m_doc, "A1"));
  m_doc.InsertAttributeAbove();
  m_doc.Attribute(m_doc.CurrentAttribute()).m_strName = "A0";
  m_user.Answer(EAnswer::Yes);
  Page(), Page(), Page();
  EXPECT_TRUE(RunDataEntryWalk(m_doc));
  EXPECT_EQ(m_visited, (std::vector<std::string>{"A0", "A1", "B"}));
}

TEST_F(DataEntryWalk, CancellingAnEntryAsksWhetherToStop) {
  Build(kTree);
  // No goes on with the next attribute.
  m_user.Answer(EAnswer::Yes);
  Page(false), m_user.Answer(EAnswer::No), Page(), Page();
  EXPECT_TRUE(RunDataEntryWalk(m_doc));
  EXPECT_EQ(m_visited, (std::vector<std::string>{"A1", "A2", "B"}));
  ASSERT_EQ(m_user.Count(), 2u);
  EXPECT_EQ(m_user.Messages()[1].m_strText, kTerminate);
  EXPECT_EQ(m_user.Messages()[1].m_buttons, EButtons::YesNo);
  EXPECT_EQ(m_user.Messages()[1].m_nDefaultButton, 1);
  EXPECT_DOUBLE_EQ(Degree("A1"), 0.0);
  EXPECT_EQ(m_counter.m_nChanges, 1);

  // Yes stops: what was entered before stays, nothing after is asked, the
  // views are not refreshed.
  m_visited.clear();
  m_user.Clear();
  m_counter.m_nChanges = 0;
  m_doc.Alternative(0).Record(FindAttribute(m_doc, "A1")).m_dBelief[0] = 0.0;
  m_user.Answer(EAnswer::Yes);
  Page(), Page(false), m_user.Answer(EAnswer::Yes);
  EXPECT_FALSE(RunDataEntryWalk(m_doc));
  EXPECT_EQ(m_visited, (std::vector<std::string>{"A1", "A2"}));
  EXPECT_DOUBLE_EQ(Degree("A1"), 1.0);
  EXPECT_DOUBLE_EQ(Degree("B"), 1.0);  // from the first walk, untouched
  EXPECT_EQ(m_counter.m_nChanges, 0);
}

TEST_F(DataEntryWalk, AStoppedWalkStillCountsAsAChangeWhenAPageWasConfirmed) {
  Build({"Many:"});
  CAttribute& many = m_doc.Attribute(1);
  many.m_nGrades = 12;  // two pages: the first cancelled, the second confirmed
  m_user.Answer(EAnswer::Yes);
  Page(false), Page(), m_user.Answer(EAnswer::Yes);
  EXPECT_FALSE(RunDataEntryWalk(m_doc));
  EXPECT_DOUBLE_EQ(m_doc.Alternative(0).Record(1).m_dBelief[9], 1.0);
  EXPECT_TRUE(m_doc.IsModified());

  // A cancelled entry that changed nothing, then Yes, leaves the model as it was.
  m_doc.SetModifiedFlag(false);
  m_user.Answer(EAnswer::Yes);
  Page(false), Page(false), m_user.Answer(EAnswer::Yes);
  EXPECT_FALSE(RunDataEntryWalk(m_doc));
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DataEntryWalk, StartQuestionsAndTheSelectionWindow) {
  Build(kTree);
  // No to both questions: nothing.
  m_user.Answer(EAnswer::No).Answer(EAnswer::No);
  EXPECT_FALSE(RunDataEntryWalk(m_doc));
  EXPECT_EQ(m_user.Texts(), (std::vector<std::string>{kFirst, kSelected}));

  // Cancelling the selection and abandoning: nothing.
  m_user.Clear();
  m_user.Answer(EAnswer::No).Answer(EAnswer::Yes);
  Selection("A2", false);
  m_user.Answer(EAnswer::Yes);
  EXPECT_FALSE(RunDataEntryWalk(m_doc));
  EXPECT_EQ(m_user.Texts().back(), kAbandon);
  EXPECT_TRUE(m_visited.empty());
  EXPECT_FALSE(m_doc.IsModified());

  // Cancelling but not abandoning starts where the window was left.
  m_user.Clear();
  m_user.Answer(EAnswer::No).Answer(EAnswer::Yes);
  Selection("A2", false);
  m_user.Answer(EAnswer::No);
  Page(), Page();
  EXPECT_TRUE(RunDataEntryWalk(m_doc));
  EXPECT_EQ(m_visited, (std::vector<std::string>{"A2", "B"}));
}

TEST_F(DataEntryWalk, SelectionWindowListsTheHierarchyFromTheCurrentAttribute) {
  Build(kTree);
  m_doc.SetCurrentAttribute(FindAttribute(m_doc, "A2"));
  CSelectAttributePresenter p(m_doc);
  std::vector<std::string> names;
  std::vector<int> levels;
  for (const auto& row : p.Rows()) {
    names.push_back(row.m_strName);
    levels.push_back(row.m_nLevel);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Top Attribute", "A", "A1", "A2", "B"}));
  EXPECT_EQ(levels, (std::vector<int>{0, 1, 2, 2, 1}));
  EXPECT_EQ(p.SelectedRow(), 3);
  p.SelectRow(4);
  EXPECT_EQ(p.SelectedAttribute(), FindAttribute(m_doc, "B"));
  p.SelectRow(9);  // outside the list: no change
  EXPECT_EQ(p.SelectedAttribute(), FindAttribute(m_doc, "B"));
}

TEST_F(DataEntryWalk, DataInputMethodStartsTheChosenWay) {
  Build({"Price:"});
  m_doc.Attribute(1).m_nType = Quantitative;
  auto choose = [this](int method, bool bSelect) {
    m_user.OnDialog<CDataInputMethodPresenter>([=](CDataInputMethodPresenter& p) {
      EXPECT_EQ(p.m_nMethod, CDataInputMethodPresenter::TypeIn);
      p.m_nMethod = method;
      return bSelect ? p.Select() == EDialogAction::CloseOk : p.Cancel() == EDialogAction::CloseOk;
    });
  };
  // Cancel starts nothing.
  choose(CDataInputMethodPresenter::AddFromModelFile, false);
  RunDataInputMethodCommand(m_doc);
  EXPECT_EQ(m_user.Dialogs(), (std::vector<std::string>{CDataInputMethodPresenter::kKind}));
  EXPECT_EQ(m_user.Count(), 0u);

  m_user.Clear();
  choose(CDataInputMethodPresenter::TypeIn, true);
  m_user.Answer(EAnswer::Yes);
  m_user.OnDialog<CCertainValueEntry>(
      [](CCertainValueEntry& p) { return p.Ok() == EDialogAction::CloseOk; });
  RunDataInputMethodCommand(m_doc);
  EXPECT_EQ(m_user.Texts().front(), kFirst);

  m_user.Clear();
  choose(CDataInputMethodPresenter::ReadTextFile, true);
  m_user.OnDialog<CReadDataPresenter>([](CReadDataPresenter&) { return false; });
  RunDataInputMethodCommand(m_doc);

  m_user.Clear();
  choose(CDataInputMethodPresenter::AddFromModelFile, true);
  m_user.OnDialog<CAddFromFilePresenter>([](CAddFromFilePresenter& p) {
    EXPECT_EQ(p.Kind(), EMergeKind::Data);
    EXPECT_EQ(p.Title(), "ZEV Dialog: Add Data from Another ZEV Model File");
    return false;
  });
  RunDataInputMethodCommand(m_doc);

  EXPECT_STREQ(CDataInputMethodPresenter::MethodText(0),
               "Type in assessment data onscreen for a selected alternative");
  EXPECT_STREQ(CDataInputMethodPresenter::MethodText(1), "Read assessment data from a text file");
  EXPECT_STREQ(CDataInputMethodPresenter::MethodText(2), "Add assessment data from an ZEV file");
}

}  // namespace
}  // namespace zev
