#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "elicitation/read_data_presenter.h"
#include "io/text_import.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"
#include "tests/support/temp_dir.h"

namespace zev {
namespace {

using test::CScriptedUser;
namespace fs = std::filesystem;

class ReadDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc.OnNewDocument();
    test::BuildHierarchy(m_doc, {"Price"});
    m_doc.Attribute(1).m_nType = Quantitative;
    m_doc.Attribute(1).m_dBest = 100;
    m_doc.Attribute(1).m_dWorst = 0;
    m_doc.SetModifiedFlag(false);
    std::ofstream(m_dir / "data.txt", std::ios::binary)
        << "ATTRIBUTE NAME: {Price} TYPE: QUANTITATIVE VALUE: 42\n";
  }

  test::CTempDir m_tmp;
  const fs::path& m_dir = m_tmp.Dir();
  CMADMDoc m_doc;
};

TEST_F(ReadDataTest, BrowseOffersTheDataFileChooser) {
  CScriptedUser user;
  user.ChooseFile((m_dir / "chosen").string()).ChooseFile("");
  CReadDataPresenter presenter;
  EXPECT_EQ(presenter.m_strFileName, "*.txt");
  presenter.Browse();
  ASSERT_EQ(user.FileChoices().size(), 1u);
  const SFileChoice& choice = user.FileChoices()[0];
  EXPECT_FALSE(choice.m_bSave);
  EXPECT_EQ(choice.m_strFilter, "ZEV Data Files (*.txt)|*.txt|All Files (*.*)|*.*||");
  EXPECT_EQ(choice.m_strDefaultExt, "txt");
  EXPECT_EQ(choice.m_strPath, "ZEV Data");
  EXPECT_EQ(presenter.m_strFileName, (m_dir / "chosen.txt").string());
  // Cancelling the chooser keeps the name.
  presenter.Browse();
  EXPECT_EQ(presenter.m_strFileName, (m_dir / "chosen.txt").string());
}

TEST_F(ReadDataTest, MissingFileAsksForAnotherNameAndRetries) {
  CScriptedUser user;
  const std::string missing = (m_dir / "dat.txt").string();
  user.OnDialog<CReadDataPresenter>([&](CReadDataPresenter& p) {
        EXPECT_EQ(p.m_strFileName, "*.txt");
        EXPECT_EQ(std::string(CReadDataPresenter::kPrompt),
                  "Enter the name of a file, or browse the directory hierarchy to find the file "
                  "name.");
        p.m_strFileName = missing;
        return p.Read() == EDialogAction::CloseOk;
      })
      .Answer(EAnswer::Yes)
      .OnDialog<CReadDataPresenter>([&](CReadDataPresenter& p) {
        EXPECT_EQ(p.m_strFileName, missing);
        p.m_strFileName = (m_dir / "data.txt").string();
        return p.Read() == EDialogAction::CloseOk;
      });
  EXPECT_TRUE(RunReadDataCommand(m_doc));
  ASSERT_EQ(user.Count(), 2u);
  EXPECT_EQ(
      user.Messages()[0].m_strText,
      "The file name <" + missing + "> is not found.\nWould you like to enter a new file name?");
  EXPECT_EQ(user.Messages()[0].m_buttons, EButtons::YesNo);
  EXPECT_EQ(user.Messages()[1].m_strText, kTextImportSuccess);
  EXPECT_DOUBLE_EQ(m_doc.Alternative(0).Record(1).m_dValue, 42);
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ReadDataTest, NoToTheQuestionOrCancelEndsTheCommand) {
  {
    CScriptedUser user;
    user.OnDialog<CReadDataPresenter>([&](CReadDataPresenter& p) {
          p.m_strFileName = m_dir.string();  // a folder cannot be read as a file
          return p.Read() == EDialogAction::CloseOk;
        })
        .Answer(EAnswer::No);
    EXPECT_FALSE(RunReadDataCommand(m_doc));
    EXPECT_EQ(user.Count(), 1u);
  }
  {
    CScriptedUser user;
    user.OnDialog<CReadDataPresenter>([](CReadDataPresenter& p) {
      p.m_strFileName = "data.txt";
      return p.Cancel() == EDialogAction::CloseOk;
    });
    EXPECT_FALSE(RunReadDataCommand(m_doc));
    EXPECT_EQ(user.Count(), 0u);
  }
  EXPECT_DOUBLE_EQ(m_doc.Alternative(0).Record(1).m_dValue, 0.5);
}

}  // namespace
}  // namespace zev
