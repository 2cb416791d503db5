#include "commands/undo_history.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "commands/model_commands.h"
#include "elicitation/define_alternative_presenter.h"
#include "io/model_file.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::CScriptedUser;

enum class EShape { New, Hierarchy, FiftyAttributes };

class UndoTest : public ::testing::TestWithParam<EShape> {
 protected:
  UndoTest() {
    m_doc.OnNewDocument();
    switch (GetParam()) {
      case EShape::New:
        break;
      case EShape::Hierarchy:
        test::BuildHierarchy(m_doc, {"Cost:", "Price:Cost", "Upkeep:Cost",
                                     "Quality:", "Comfort:Quality", "Safety:Quality", "Looks:"});
        m_doc.AddAlternativeCommand();
        m_doc.AddAlternativeCommand();
        break;
      case EShape::FiftyAttributes:
        test::BuildFiftyAttributeModel(m_doc, 7);
        break;
    }
    History().Clear();
  }

  CUndoHistory& History() { return m_commands.History(); }
  std::string Bytes() { return WriteModel(m_doc); }

  // One random edit of any kind, through the commands as the menus run them.
  void RandomEdit(std::mt19937& random) {
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const int attribute = pick(m_doc.AttributeCount());
    const int alternative = pick(m_doc.AlternativeCount());
    switch (pick(11)) {
      case 0:
      case 1: {
        static const int kInserts[] = {kIdInsertAbove, kIdInsertBelow, kIdInsertLeft,
                                       kIdInsertRight};
        m_commands.SelectAttribute(attribute);
        m_commands.Run(kInserts[pick(4)]);
        break;
      }
      case 2:
        m_commands.SelectAttribute(attribute);
        m_user.Answer(EAnswer::Yes).Answer(pick(2) ? EAnswer::Yes : EAnswer::No);
        m_commands.Run(kIdDeleteAttribute);
        break;
      case 3:
        m_commands.SelectAlternative(alternative);
        m_commands.Run(kIdNewAlternative);
        break;
      case 4:
        m_commands.SelectAlternative(alternative);
        m_user.Answer(EAnswer::Yes);
        m_commands.Run(kIdDeleteAlternative);
        break;
      case 5:
        m_commands.SelectAttribute(attribute);
        m_commands.Run(kIdEditCopy);
        m_commands.SelectAttribute(pick(m_doc.AttributeCount()));
        m_user.Answer(EAnswer::Yes);
        m_commands.Run(kIdEditPaste);
        break;
      case 6:
        m_commands.SelectAlternative(alternative);
        m_commands.Run(kIdEditCopy);
        m_commands.SelectAlternative(pick(m_doc.AlternativeCount()));
        m_user.Answer(EAnswer::Yes);
        m_commands.Run(kIdEditPaste);
        break;
      case 7:
        m_commands.RenameAttribute(attribute, "Renamed " + std::to_string(pick(1000)));
        break;
      case 8:
        m_commands.RenameAlternative(alternative, "Option " + std::to_string(pick(1000)));
        break;
      case 9:
        m_commands.SetWeightText(attribute, "0." + std::to_string(pick(10000)));
        break;
      case 10:
        // A tool window writing an assessment.
        m_commands.RecordStep("Drag", [&] {
          CAssessment& r = m_doc.Alternative(alternative).Record(attribute);
          r.m_dBelief[0] = pick(100) / 100.0;
          r.m_dValue = pick(50);
          m_doc.PublishChanges({EDocChange::Assessment, attribute, alternative});
        });
        break;
    }
  }

  CScriptedUser m_user{CScriptedUser::EProblems::Collect};
  CMADMDoc m_doc;
  CModelessRegistry m_registry{m_doc};
  CModelCommands m_commands{m_doc, m_registry};
};

// Random edits over every kind of command: undo to the start and redo to
// the end give back the bytes saved at every point, and the modified mark
// holds at every point, with the model saved half way.
TEST_P(UndoTest, RandomEditsUndoAndRedoExactly) {
  std::mt19937 random(20 + static_cast<unsigned>(GetParam()));
  std::vector<std::string> saved = {Bytes()};
  for (int n = 0; n < 60; ++n) {
    const size_t steps = History().Position();
    RandomEdit(random);
    if (History().Position() == steps) {
      EXPECT_EQ(Bytes(), saved.back()) << "a command without a step changed the model";
      continue;
    }
    EXPECT_TRUE(m_doc.IsModified());
    saved.push_back(Bytes());
  }
  ASSERT_EQ(History().Position() + 1, saved.size());
  const size_t savedAt = saved.size() / 2;
  History().GoTo(savedAt);
  History().MarkSaved();
  History().GoTo(saved.size() - 1);

  for (size_t i = saved.size() - 1; i-- > 0;) {
    ASSERT_TRUE(History().Undo());
    ASSERT_EQ(Bytes(), saved[i]) << "after undoing back to point " << i;
    EXPECT_EQ(m_doc.IsModified(), i != savedAt);
    EXPECT_TRUE(test::TreeIsConsistent(m_doc));
  }
  EXPECT_FALSE(History().CanUndo());
  for (size_t i = 1; i < saved.size(); ++i) {
    ASSERT_TRUE(History().Redo());
    ASSERT_EQ(Bytes(), saved[i]) << "after redoing to point " << i;
    EXPECT_EQ(m_doc.IsModified(), i != savedAt);
  }
  EXPECT_FALSE(History().CanRedo());
}

INSTANTIATE_TEST_SUITE_P(Shapes, UndoTest,
                         ::testing::Values(EShape::New, EShape::Hierarchy,
                                           EShape::FiftyAttributes));

class UndoCommandsTest : public ::testing::Test {
 protected:
  UndoCommandsTest() {
    m_doc.OnNewDocument();
    test::BuildHierarchy(m_doc, {"Cost:", "Price:Cost", "Upkeep:Cost", "Looks:"});
    m_commands.History().Clear();
  }
  CScriptedUser m_user;
  CMADMDoc m_doc;
  CModelessRegistry m_registry{m_doc};
  CModelCommands m_commands{m_doc, m_registry};
};

TEST_F(UndoCommandsTest, StepsAreNamedAfterTheirCommandsAndTheMenuTextsSayIt) {
  CUndoHistory& history = m_commands.History();
  EXPECT_EQ(m_commands.UndoMenuText(), "&Undo");
  EXPECT_EQ(m_commands.RedoMenuText(), "&Redo");
  m_commands.SelectAttribute(test::FindAttribute(m_doc, "Cost"));
  m_user.Answer(EAnswer::Yes).Answer(EAnswer::Yes);
  m_commands.Run(kIdDeleteAttribute);
  m_commands.Run(kIdNewAlternative);
  ASSERT_EQ(history.StepCount(), 2u);
  EXPECT_EQ(history.StepName(0), "Delete Attribute");
  EXPECT_EQ(m_commands.UndoMenuText(), "&Undo New Alternative");
  history.Undo();
  EXPECT_EQ(m_commands.UndoMenuText(), "&Undo Delete Attribute");
  EXPECT_EQ(m_commands.RedoMenuText(), "&Redo New Alternative");
  history.Undo();
  EXPECT_NE(test::FindAttribute(m_doc, "Upkeep"), -1);
  EXPECT_TRUE(test::TreeIsConsistent(m_doc));
}

TEST_F(UndoCommandsTest, WhatChangesNothingRecordsNoStep) {
  // A refused delete, a cancelled dialog, a selection, an evaluation.
  m_user.Answer(EAnswer::No);
  m_commands.Run(kIdDeleteAttribute);
  m_user.OnDialog<CDefineAlternativePresenter>([](CDefineAlternativePresenter& p) {
    p.m_strName = "Changed but cancelled";
    return false;
  });
  m_commands.Run(kIdDefineAlternative);
  m_commands.SelectAttribute(1);
  EXPECT_FALSE(m_doc.IsModified());
  m_commands.Run(kIdRank);
  EXPECT_EQ(m_commands.History().StepCount(), 0u);
  EXPECT_EQ(m_user.LeftOvers(), std::vector<std::string>{});
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(UndoCommandsTest, NewStepAfterUndoEndsTheRedoSteps) {
  CUndoHistory& history = m_commands.History();
  m_commands.Run(kIdNewAlternative);
  history.MarkSaved();
  history.Undo();
  m_commands.RenameAttribute(0, "Goal");
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.StepCount(), 1u);
  // The saved point can no longer be reached.
  history.Undo();
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(UndoCommandsTest, OldestStepsGoBeyondTheBounds) {
  CUndoHistory& history = m_commands.History();
  history.SetLimits(3, size_t{1} << 30);
  for (int i = 0; i < 5; ++i) m_commands.RenameAttribute(0, "Top " + std::to_string(i));
  EXPECT_EQ(history.StepCount(), 3u);
  EXPECT_EQ(history.Position(), 3u);
  history.GoTo(0);
  EXPECT_EQ(m_doc.Attribute(0).m_strName, "Top 1");
  EXPECT_TRUE(m_doc.IsModified());
  // By memory: the newest step stays even alone beyond the bound.
  history.SetLimits(100, 1);
  m_commands.RenameAttribute(0, "Alone");
  EXPECT_EQ(history.StepCount(), 1u);
  EXPECT_TRUE(history.Undo());
}

// The 50-attribute model with 10,000 alternatives: a one-alternative edit
// costs little, a change of every alternative is still undoable.
TEST(UndoScaleTest, TenThousandAlternatives) {
  CScriptedUser user;
  CMADMDoc doc;
  doc.OnNewDocument();
  test::BuildFiftyAttributeModel(doc, 10000);
  CModelessRegistry registry(doc);
  CModelCommands commands(doc, registry);
  CUndoHistory& history = commands.History();
  history.Clear();
  const std::string start = WriteModel(doc);

  commands.RecordStep("Drag", [&] {
    doc.Alternative(5000).Record(12).m_dValue += 1.0;
    doc.PublishChanges({EDocChange::Assessment, 12, 5000});
  });
  ASSERT_EQ(history.StepCount(), 1u);
  EXPECT_LE(history.StepBytes(0), size_t{100} * 1024);

  commands.SelectAlternative(0);
  user.Answer(EAnswer::Yes);
  commands.Run(kIdDeleteAlternative);
  ASSERT_EQ(history.StepCount(), 2u);
  // Every later box moved: a header each, not a whole alternative each.
  EXPECT_LE(history.StepBytes(1), size_t{10000} * 200);

  history.GoTo(0);
  EXPECT_EQ(WriteModel(doc), start);
  EXPECT_FALSE(doc.IsModified());

  // Bounded by memory: the oldest edits go, the newest stay undoable.
  const size_t perEdit = history.StepBytes(0);
  history.SetLimits(1000, 3 * perEdit);
  for (int i = 0; i < 6; ++i) {
    commands.RecordStep("Drag", [&] {
      doc.Alternative(i).Record(12).m_dValue += 1.0;
      doc.PublishChanges({EDocChange::Assessment, 12, i});
    });
  }
  EXPECT_LE(history.BytesUsed(), 3 * perEdit);
  EXPECT_GE(history.StepCount(), 2u);
  EXPECT_LT(history.StepCount(), 6u);
  EXPECT_TRUE(history.Undo());
}

}  // namespace
}  // namespace zev
