#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elicitation/convert_grades_presenter.h"
#include "elicitation/text_presenter.h"
#include "engine/conversion.h"
#include "model/format.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using test::CScriptedUser;
using P = CConvertGradesPresenter;

// The top attribute with nFather grades named "F1", "F2", ... and a
// qualitative child C with two grades.
struct SGradesModel {
  CScriptedUser user;
  CMADMDoc doc;
  int c = 0;
  explicit SGradesModel(int nFather) {
    doc.OnNewDocument();
    AttachEngine(doc);
    test::BuildHierarchy(doc, {"C:"});
    c = test::FindAttribute(doc, "C");
    CAttribute& top = doc.Attribute(0);
    top.m_nGrades = nFather;
    for (int j = 0; j < nFather; ++j) {
      top.SetGradeName(j, "F" + FormatInt(j + 1));
      top.SetGradeUtility(j, nFather > 1 ? static_cast<double>(j) / (nFather - 1) : 1.0);
    }
    CAttribute& child = doc.Attribute(c);
    child.m_nGrades = 2;
    child.SetGradeName(0, "Low");
    child.SetGradeName(1, "High");
    doc.SetCurrentAttribute(c);
    doc.SetModifiedFlag(false);
  }
  CAttribute& Child() { return doc.Attribute(c); }
};

// Plays one page: sets the given degrees (by father grade) and confirms.
CScriptedUser::DialogScript Page(std::vector<std::pair<int, std::string>> degrees) {
  return [degrees](CDialogPresenter& base) {
    P& p = static_cast<P&>(base);
    for (int row = 0; row < p.Rows(); ++row) p.m_strDegree[row] = "0";
    for (const auto& [grade, text] : degrees) {
      const int row = grade - p.FirstFatherGrade();
      if (row >= 0 && row < p.Rows()) p.m_strDegree[row] = text;
    }
    return p.Ok() == EDialogAction::CloseOk;
  };
}

CScriptedUser::DialogScript CancelPage() {
  return [](CDialogPresenter& base) {
    return static_cast<P&>(base).Cancel() == EDialogAction::CloseOk;
  };
}

TEST(ConvertGradesEditor, TopAttributeNeedsNoConversion) {
  SGradesModel m(5);
  m.doc.SetCurrentAttribute(0);
  EXPECT_FALSE(RunConvertGradesEditor(m.doc));
  EXPECT_EQ(m.user.OnlyText(),
            "Top Attribute is the top attribute.\nNo grade conversion is needed.");
  EXPECT_EQ(m.user.Last().m_icon, EIcon::Warning);
  EXPECT_TRUE(m.user.Dialogs().empty());
}

TEST(ConvertGradesEditor, PagesOfNineFatherGrades) {
  EXPECT_EQ(P::PageCount(1), 1);
  EXPECT_EQ(P::PageCount(9), 1);
  EXPECT_EQ(P::PageCount(10), 2);
  EXPECT_EQ(P::PageCount(18), 2);
  EXPECT_EQ(P::PageCount(19), 3);
  EXPECT_EQ(P::PageCount(20), 3);
}

TEST(ConvertGradesEditor, PresetDegreesInTheirOrder) {
  EXPECT_EQ(P::DegreeChoices(),
            (std::vector<std::string>{"0",    "1",    "0.1",  "0.2",  "0.3",  "0.4",  "0.5",
                                      "0.6",  "0.7",  "0.8",  "0.9",  "0.05", "0.15", "0.25",
                                      "0.35", "0.45", "0.55", "0.65", "0.75", "0.85", "0.95"}));
}

TEST(ConvertGradesEditor, NineGradesOnePageWithDegreeAndPageTotalChecks) {
  SGradesModel m(9);
  m.user.OnDialog<P>([&](P& p) {
    EXPECT_EQ(p.Title(), "ZEV Dialog: Convert Child Grades to Father Grades");
    EXPECT_EQ(p.PageCount(), 1);
    EXPECT_EQ(p.Rows(), 9);
    EXPECT_EQ(p.ChildGradeName(), "Low");
    EXPECT_EQ(p.FatherGradeName(8), "F9");
    EXPECT_EQ(p.m_strDegree[0], "1");  // the identity row as it stands
    EXPECT_EQ(p.m_strDegree[1], "0");
    // A degree out of range.
    p.m_strDegree[0] = "0";
    p.m_strDegree[3] = "1.5";
    EXPECT_EQ(p.Ok(), EDialogAction::Stay);
    EXPECT_EQ(p.FocusField(), P::DegreeField(3));
    // A sign is no positive number either.
    p.m_strDegree[3] = "-0.5";
    EXPECT_EQ(p.Ok(), EDialogAction::Stay);
    // Degrees in range but not totalling one.
    p.m_strDegree[3] = "0.5";
    EXPECT_EQ(p.Ok(), EDialogAction::Stay);
    EXPECT_EQ(p.FocusField(), P::DegreeField(0));
    p.m_strDegree[4] = "0.5";
    return p.Ok() == EDialogAction::CloseOk;
  });
  m.user.OnDialog("ConvertGrades", Page({{8, "1"}}));
  EXPECT_TRUE(RunConvertGradesEditor(m.doc));
  EXPECT_EQ(m.user.Texts(),
            (std::vector<std::string>{"A degree is a positive real number\nbetween zero and one.",
                                      "A degree is a positive real number\nbetween zero and one.",
                                      "The total degree must be one."}));
  CAttribute& c = m.Child();
  EXPECT_EQ(c.ConversionEntry(0, 3), 0.5);
  EXPECT_EQ(c.ConversionEntry(0, 4), 0.5);
  EXPECT_EQ(c.ConversionEntry(0, 0), 0.0);
  EXPECT_EQ(c.ConversionEntry(1, 8), 1.0);
  EXPECT_EQ(c.ConversionEntry(1, 1), 0.0);
  // The rules were propagated: utilities from the new rows.
  EXPECT_NEAR(c.GradeUtility(0), 0.5 * 3 / 8 + 0.5 * 4 / 8, 1e-15);
  EXPECT_EQ(c.GradeUtility(1), 1.0);
  EXPECT_TRUE(m.doc.IsModified());
}

TEST(ConvertGradesEditor, DegreeToleranceAtTheEnds) {
  SGradesModel m(3);
  m.user.OnDialog<P>([](P& p) {
    p.m_strDegree[0] = "1.000000009";
    p.m_strDegree[1] = "0";
    p.m_strDegree[2] = "0";
    return p.Ok() == EDialogAction::CloseOk;  // within 1.00000001
  });
  m.user.OnDialog<P>([](P& p) {
    p.m_strDegree[0] = "0";
    p.m_strDegree[1] = "0.999995";  // total above 0.99999
    p.m_strDegree[2] = "0";
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(RunConvertGradesEditor(m.doc));
  EXPECT_EQ(m.user.Count(), 0u);
}

TEST(ConvertGradesEditor, TenGradesTwoPagesAndTheRowTotalAfterBoth) {
  SGradesModel m(10);
  // Grade "Low": 0.5 on F10 only; the pages accept it, the row does not.
  m.user.OnDialog<P>([](P& p) {
    EXPECT_EQ(p.Rows(), 9);
    EXPECT_EQ(p.Page(), 0);
    for (int row = 0; row < 9; ++row) p.m_strDegree[row] = "0";
    return p.Ok() == EDialogAction::CloseOk;  // no page total with two pages
  });
  m.user.OnDialog<P>([](P& p) {
    EXPECT_EQ(p.Rows(), 1);
    EXPECT_EQ(p.FatherGradeName(0), "F10");
    p.m_strDegree[0] = "0.5";
    return p.Ok() == EDialogAction::CloseOk;
  });
  // Asked again from the first page, with the degrees as last entered.
  m.user.OnDialog<P>([](P& p) {
    EXPECT_EQ(p.Page(), 0);
    EXPECT_EQ(p.m_strDegree[0], "0");
    p.m_strDegree[0] = "0.5";
    return p.Ok() == EDialogAction::CloseOk;
  });
  m.user.OnDialog<P>([](P& p) {
    EXPECT_EQ(p.m_strDegree[0], "0.5");
    return p.Ok() == EDialogAction::CloseOk;
  });
  m.user.OnDialog("ConvertGrades", Page({{1, "1"}}));
  m.user.OnDialog("ConvertGrades", Page({}));
  EXPECT_TRUE(RunConvertGradesEditor(m.doc));
  EXPECT_EQ(m.user.OnlyText(),
            "The total degree must be one. Please check.\n"
            "Remember that this attribute as named below\n\n"
            "Top Attribute\n\n"
            "has 10 evaluation grades in total.");
  EXPECT_EQ(m.user.Last().m_icon, EIcon::Warning);
  EXPECT_EQ(m.Child().ConversionEntry(0, 0), 0.5);
  EXPECT_EQ(m.Child().ConversionEntry(0, 9), 0.5);
  EXPECT_EQ(m.Child().ConversionEntry(1, 1), 1.0);
}

TEST(ConvertGradesEditor, EighteenGradesExactlyTwoPagesOfNine) {
  SGradesModel m(18);
  std::vector<int> rows;
  for (int grade = 0; grade < 2; ++grade) {
    m.user.OnDialog<P>([&rows](P& p) {
      rows.push_back(p.Rows());
      EXPECT_EQ(p.PageCount(), 2);
      for (int row = 0; row < p.Rows(); ++row) p.m_strDegree[row] = row == 0 ? "1" : "0";
      return p.Ok() == EDialogAction::CloseOk;
    });
    m.user.OnDialog<P>([&rows](P& p) {
      rows.push_back(p.Rows());
      EXPECT_EQ(p.FatherGradeName(8), "F18");
      for (int row = 0; row < p.Rows(); ++row) p.m_strDegree[row] = "0";
      return p.Ok() == EDialogAction::CloseOk;
    });
  }
  EXPECT_TRUE(RunConvertGradesEditor(m.doc));
  EXPECT_EQ(rows, (std::vector<int>{9, 9, 9, 9}));
}

TEST(ConvertGradesEditor, CancelKeepsThePagesDegrees) {
  SGradesModel m(5);
  m.user.OnDialog("ConvertGrades", CancelPage());
  m.user.OnDialog("ConvertGrades", Page({{2, "0.25"}, {3, "0.75"}}));
  EXPECT_TRUE(RunConvertGradesEditor(m.doc));
  EXPECT_EQ(m.Child().ConversionEntry(0, 0), 1.0);  // identity row kept
  EXPECT_EQ(m.Child().ConversionEntry(1, 1), 0.0);
  EXPECT_EQ(m.Child().ConversionEntry(1, 3), 0.75);
}

TEST(ConvertGradesEditor, UntouchedDegreesKeepTheirExactValue) {
  SGradesModel m(3);
  for (int j = 0; j < 3; ++j) m.Child().SetConversionEntry(0, j, 1.0 / 3.0);
  m.user.OnDialog<P>([](P& p) {
    EXPECT_EQ(p.m_strDegree[0], "0.333333");
    return p.Ok() == EDialogAction::CloseOk;
  });
  m.user.OnDialog("ConvertGrades", Page({{2, "1"}}));
  EXPECT_TRUE(RunConvertGradesEditor(m.doc));
  EXPECT_EQ(m.Child().ConversionEntry(0, 1), 1.0 / 3.0);
}

TEST(ConvertGradesEditor, CancellingEveryPageOfAnInvalidRowEndsTheEditor) {
  SGradesModel m(10);
  // Row 0 totals 0.3 over the ten father grades.
  m.Child().SetConversionEntry(0, 0, 0.3);
  m.user.OnDialog("ConvertGrades", CancelPage());
  m.user.OnDialog("ConvertGrades", CancelPage());
  EXPECT_FALSE(RunConvertGradesEditor(m.doc));
  EXPECT_EQ(m.user.Count(), 1u);  // the row total warning
  EXPECT_EQ(m.Child().ConversionEntry(0, 0), 0.3);
  EXPECT_FALSE(m.doc.IsModified());
}

TEST(ConvertGradesEditor, ButtonsShowTextsAndTheCommentWindowIsStored) {
  SGradesModel m(2);
  m.Child().m_strDescription = CText("Child text");
  m.doc.Attribute(0).m_strDescription = CText("Father text");
  m.Child().SetGradeDefinition(0, "Low means low");
  m.doc.Attribute(0).SetGradeDefinition(1, "F2 means two");
  m.user.OnDialog<P>([&](P& p) {
    p.ShowChildDescription();
    p.ShowFatherDescription();
    p.ShowChildGradeDefinition();
    p.ShowFatherGradeDefinition(1);
    p.EditComment();
    return p.Ok() == EDialogAction::CloseOk;
  });
  m.user.OnDialog<CTextPresenter>([](CTextPresenter& t) {
    EXPECT_EQ(t.Title(), "ZEV Dialog: Comments on Converting C to Top Attribute");
    EXPECT_EQ(t.m_strText, "No comment for the conversion is provided.");
    t.m_strText = "Low is the worst";
    return true;
  });
  m.user.OnDialog("ConvertGrades", Page({{1, "1"}}));
  EXPECT_TRUE(RunConvertGradesEditor(m.doc));
  EXPECT_EQ(m.user.Texts(), (std::vector<std::string>{"Child text", "Father text", "Low means low",
                                                      "F2 means two"}));
  EXPECT_EQ(m.Child().ConversionComment(0), "Low is the worst");
  EXPECT_EQ(m.Child().ConversionComment(1), "No comment for the conversion is provided.");
}

}  // namespace
}  // namespace zev
