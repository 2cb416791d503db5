#include "commands/model_document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "commands/model_files.h"
#include "tests/support/scripted_user.h"
#include "tests/support/temp_dir.h"

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

namespace zev {
namespace {

class ModelFiles : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const {
    return m_tmp.Path("zev_model_document_" + name);
  }
  test::CTempDir m_tmp;
};

TEST_F(ModelFiles, SaveAsWritesTheModelThatOpenReadsBack) {
  test::CScriptedUser user;
  const std::string path = Path("cars");
  CModelDocument document(1);
  document.OnNewDocument();
  document.Doc().InsertAttributeRight();
  document.Doc().Attribute(1).SetName("Price");
  document.Doc().AddAlternativeCommand();
  ASSERT_TRUE(document.Doc().IsModified());
  user.ChooseFile(path);  // without an extension: the window adds ".zev"
  ASSERT_TRUE(document.DoSave(true));
  EXPECT_EQ(document.PathName(), path + ".zev");
  EXPECT_EQ(document.Title(), "zev_model_document_cars.zev");
  EXPECT_FALSE(document.Doc().IsModified());

  // Save on a model with a file asks nothing.
  document.Doc().Attribute(1).SetName("Cost");
  document.Doc().SetModifiedFlag(true);
  ASSERT_TRUE(document.DoSave(false));
  EXPECT_EQ(user.FileChoices().size(), 1u);

  CModelDocument reopened(2);
  std::string message;
  ASSERT_TRUE(reopened.OnOpenDocument(path + ".zev", message)) << message;
  EXPECT_EQ(reopened.Title(), "zev_model_document_cars.zev");
  EXPECT_FALSE(reopened.Doc().IsModified());
  EXPECT_EQ(reopened.Doc().LastAttribute(), 1);
  EXPECT_EQ(reopened.Doc().Attribute(1).m_strName, "Cost");
  EXPECT_EQ(reopened.Doc().AlternativeCount(), 2);
  EXPECT_EQ(reopened.Doc().Alternative(1).m_strName, "Alternative 2");
  EXPECT_EQ(user.Count(), 0u);
}

TEST_F(ModelFiles, YesToTheCloseQuestionSavesFirst) {
  test::CScriptedUser user;
  CModelDocument document(1);
  document.OnNewDocument();
  document.SetPathName(Path("close.zev"));
  document.Doc().AddAlternativeCommand();
  user.Answer(EAnswer::Yes);
  EXPECT_TRUE(document.SaveModified());
  EXPECT_FALSE(document.Doc().IsModified());
  CModelDocument reopened(2);
  std::string message;
  ASSERT_TRUE(reopened.OnOpenDocument(Path("close.zev"), message)) << message;
  EXPECT_EQ(reopened.Doc().AlternativeCount(), 2);
}

TEST_F(ModelFiles, ADamagedFileIsRefusedWithItsReasonAndOpensNothing) {
  const std::string path = Path("damaged.zev");
  {
    CModelDocument document(1);
    document.OnNewDocument();
    document.SetPathName(path);
    ASSERT_TRUE(document.DoSave(false));
  }
  // Cut the file in the middle of its first attribute.
  std::FILE* f = std::fopen(path.c_str(), "r+b");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(ftruncate(fileno(f), 40), 0);
  std::fclose(f);
  CModelDocument document(2);
  std::string message;
  EXPECT_FALSE(document.OnOpenDocument(path, message));
  EXPECT_NE(message.find("is not a valid ZEV model file."), std::string::npos) << message;
  EXPECT_TRUE(document.PathName().empty());

  EXPECT_FALSE(document.OnOpenDocument(Path("missing.zev"), message));
  EXPECT_FALSE(message.empty());
}

TEST_F(ModelFiles, AFailedSaveKeepsTheModelModifiedAndSaysWhy) {
  test::CScriptedUser user;
  CModelDocument document(1);
  document.OnNewDocument();
  document.SetPathName("/nonexistent-folder-for-zev/model.zev");
  document.Doc().AddAlternativeCommand();
  EXPECT_FALSE(document.DoSave(false));
  EXPECT_TRUE(document.Doc().IsModified());
  EXPECT_EQ(user.Count(), 1u);
  EXPECT_EQ(user.Last().m_icon, EIcon::Warning);
}

}  // namespace
}  // namespace zev
