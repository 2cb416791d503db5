#include <gtest/gtest.h>

#include "app/commands/model_document.h"
#include "app/commands/model_files.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::CScriptedUser;

TEST(ModelDocument, IsNamedAfterItsFileOrItsNumber) {
  CModelDocument document(3);
  document.OnNewDocument();
  EXPECT_EQ(document.Title(), "ZEV3");
  document.SetPathName("/home/u/models/cars.zev");
  EXPECT_EQ(document.Title(), "cars.zev");
  EXPECT_FALSE(document.Doc().IsModified());
  EXPECT_EQ(document.Doc().Attribute(0).m_strName, "Top Attribute");
}

TEST(ModelDocument, AnUnmodifiedModelClosesWithoutAQuestion) {
  CScriptedUser user;
  CModelDocument document(1);
  document.OnNewDocument();
  EXPECT_TRUE(document.SaveModified());
  EXPECT_EQ(user.Count(), 0u);
}

TEST(ModelDocument, AModifiedModelAsksAndCancelKeepsItOpen) {
  CScriptedUser user;
  CModelDocument document(1);
  document.OnNewDocument();
  document.Doc().AddAlternativeCommand();
  user.Answer(EAnswer::Cancel);
  EXPECT_FALSE(document.SaveModified());
  EXPECT_EQ(user.Last().m_strText, "Save changes to ZEV1?");
  EXPECT_EQ(user.Last().m_buttons, EButtons::YesNoCancel);
  EXPECT_EQ(user.Last().m_nDefaultButton, 0);
  user.Answer(EAnswer::No);
  EXPECT_TRUE(document.SaveModified());
  EXPECT_TRUE(document.Doc().IsModified());
}

TEST(ModelDocument, SavingANewModelAsksForAModelFileName) {
  CScriptedUser user;
  CModelDocument document(2);
  document.OnNewDocument();
  document.Doc().AddAlternativeCommand();
  user.Answer(EAnswer::Yes).ChooseFile("");  // Yes, then the file window is cancelled
  EXPECT_FALSE(document.SaveModified());
  ASSERT_EQ(user.FileChoices().size(), 1u);
  const SFileChoice& choice = user.FileChoices()[0];
  EXPECT_TRUE(choice.m_bSave);
  EXPECT_EQ(choice.m_strFilter, "ZEV Model Files (*.zev)|*.zev|All Files (*.*)|*.*||");
  EXPECT_EQ(choice.m_strDefaultExt, "zev");
  EXPECT_EQ(choice.m_strPath, "ZEV2");
  EXPECT_TRUE(choice.m_bOverwritePrompt);
  EXPECT_TRUE(document.PathName().empty());
  EXPECT_TRUE(document.Doc().IsModified());
}

}  // namespace
}  // namespace zev
