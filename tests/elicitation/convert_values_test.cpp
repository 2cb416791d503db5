#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elicitation/convert_values_presenter.h"
#include "engine/conversion.h"
#include "model/format.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

using P = CConvertValuesPresenter;

// The top attribute with nFather grades and a precise quantitative child V
// (best 100, worst 0) with as many grades, values 10, 20, ...
struct SValuesModel {
  test::CScriptedUser user;
  CMADMDoc doc;
  int v = 0;
  explicit SValuesModel(int nFather, double best = 100, double worst = 0) {
    doc.OnNewDocument();
    AttachEngine(doc);
    test::BuildHierarchy(doc, {"V:"});
    v = test::FindAttribute(doc, "V");
    CAttribute& top = doc.Attribute(0);
    top.m_nGrades = nFather;
    for (int j = 0; j < nFather; ++j) {
      top.SetGradeName(j, "F" + FormatInt(j + 1));
      top.SetGradeUtility(j, static_cast<double>(j) / (nFather - 1));
    }
    CAttribute& child = doc.Attribute(v);
    child.m_nType = Quantitative;
    child.m_nGrades = nFather;
    child.m_dBest = best;
    child.m_dWorst = worst;
    for (int j = 0; j < nFather; ++j) child.SetGradeValue(j, 10.0 * (j + 1));
    doc.SetCurrentAttribute(v);
    doc.SetModifiedFlag(false);
  }
  CAttribute& Child() { return doc.Attribute(v); }
};

TEST(ConvertValuesEditor, ValueOutsideTheRangeIsRefusedWhileEditing) {
  SValuesModel m(3);
  m.user.OnDialog<P>([&](P& p) {
    EXPECT_EQ(p.Title(), "ZEV Dialog: Convert Child Attribute's Values to Its Father's Grades");
    EXPECT_EQ(p.BestText(), "100");
    EXPECT_EQ(p.WorstText(), "0");
    EXPECT_EQ(p.ChildName(), "V");
    EXPECT_EQ(p.FatherName(), "Top Attribute");
    EXPECT_EQ(p.Rows(), 3);
    EXPECT_EQ(p.FatherGradeName(2), "F3");
    EXPECT_EQ(p.m_strValue[1], "20");
    p.m_strValue[2] = "120";
    EXPECT_FALSE(p.ValueFocusLost(2));
    EXPECT_EQ(p.FocusField(), P::ValueField(2));
    p.m_strValue[2] = "-1";
    EXPECT_FALSE(p.ValueFocusLost(2));
    // Within 1e-8 of a bound passes.
    p.m_strValue[2] = "100.000000005";
    EXPECT_TRUE(p.ValueFocusLost(2));
    p.m_strValue[0] = "-0.000000005";
    EXPECT_TRUE(p.ValueFocusLost(0));
    p.m_strValue[1] = "fifty";
    EXPECT_FALSE(p.ValueFocusLost(1));
    p.m_strValue[1] = "50";
    EXPECT_TRUE(p.ValueFocusLost(1));
    p.m_strValue[2] = "90";
    return p.Ok() == EDialogAction::CloseOk;
  });
  m.Child().m_strComments = CText("Old comments");
  EXPECT_TRUE(RunConvertValuesEditor(m.doc));
  const std::string range =
      "A feasible child attribute value must\n"
      "be between its best and worst values.";
  EXPECT_EQ(m.user.Texts(), (std::vector<std::string>{range, range, "Please enter a number."}));
  EXPECT_EQ(m.Child().GradeValue(0), -0.000000005);
  EXPECT_EQ(m.Child().GradeValue(1), 50.0);
  EXPECT_EQ(m.Child().GradeValue(2), 90.0);
  EXPECT_TRUE(m.doc.IsModified());
}

TEST(ConvertValuesEditor, ClosingMovesValuesToTheBoundTheyPassed) {
  SValuesModel m(3, 0, 100);  // best below worst: the range is still 0 .. 100
  m.user.OnDialog<P>([&](P& p) {
    p.m_strValue[0] = "-5";
    p.m_strValue[1] = "55";
    p.m_strValue[2] = "250";
    p.m_strComments = "Associated by hand";
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(RunConvertValuesEditor(m.doc));
  EXPECT_EQ(m.user.Count(), 0u);  // silently
  EXPECT_EQ(m.Child().GradeValue(0), 0.0);
  EXPECT_EQ(m.Child().GradeValue(1), 55.0);
  EXPECT_EQ(m.Child().GradeValue(2), 100.0);
  EXPECT_EQ(m.Child().m_strComments, "Associated by hand");
}

TEST(ConvertValuesEditor, EqualBestAndWorstRestrictNothing) {
  SValuesModel m(2, 50, 50 + 0.5e-8);
  m.user.OnDialog<P>([&](P& p) {
    p.m_strValue[0] = "1000";
    EXPECT_TRUE(p.ValueFocusLost(0));
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(RunConvertValuesEditor(m.doc));
  EXPECT_EQ(m.Child().GradeValue(0), 1000.0);
}

TEST(ConvertValuesEditor, TenGradesOnTwoPagesStoredWhenTheLastIsConfirmed) {
  SValuesModel m(10);
  m.user.OnDialog<P>([&](P& p) {
    EXPECT_EQ(p.PageCount(), 2);
    EXPECT_EQ(p.Rows(), 9);
    p.m_strValue[0] = "5";
    p.m_strComments = "first page";
    return p.Cancel() == EDialogAction::CloseOk;  // the first page's closing does not matter
  });
  m.user.OnDialog<P>([&](P& p) {
    EXPECT_EQ(p.Page(), 1);
    EXPECT_EQ(p.Rows(), 1);
    EXPECT_EQ(p.FatherGradeName(0), "F10");
    EXPECT_EQ(p.m_strComments, "first page");
    p.m_strValue[0] = "99";
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(RunConvertValuesEditor(m.doc));
  EXPECT_EQ(m.Child().GradeValue(0), 5.0);
  EXPECT_EQ(m.Child().GradeValue(1), 20.0);
  EXPECT_EQ(m.Child().GradeValue(9), 99.0);
  EXPECT_EQ(m.Child().m_strComments, "first page");
}

TEST(ConvertValuesEditor, LastPageCancelledStoresNothing) {
  SValuesModel m(10);
  m.user.OnDialog<P>([](P& p) {
    p.m_strValue[0] = "5";
    return p.Ok() == EDialogAction::CloseOk;
  });
  m.user.OnDialog<P>([](P& p) { return p.Cancel() == EDialogAction::CloseOk; });
  EXPECT_FALSE(RunConvertValuesEditor(m.doc));
  EXPECT_EQ(m.Child().GradeValue(0), 10.0);
  EXPECT_FALSE(m.doc.IsModified());
}

TEST(ConvertValuesEditor, StoredValuesAreUsedByTheRules) {
  // A utility-based child: its matrix follows from its utilities and is
  // re-derived from the child after the values are stored.
  SValuesModel m(3);
  m.Child().m_nConversion = ByUtility;
  m.Child().SetGradeUtility(0, 0.25);
  m.user.OnDialog<P>([](P& p) { return p.Ok() == EDialogAction::CloseOk; });
  EXPECT_TRUE(RunConvertValuesEditor(m.doc));
  EXPECT_EQ(m.Child().ConversionEntry(0, 0), 0.5);
  EXPECT_EQ(m.Child().ConversionEntry(0, 1), 0.5);
}

TEST(ConvertValuesEditor, NotForTheTopAttribute) {
  SValuesModel m(3);
  m.doc.SetCurrentAttribute(0);
  EXPECT_FALSE(RunConvertValuesEditor(m.doc));
  EXPECT_TRUE(m.user.Dialogs().empty());
}

}  // namespace
}  // namespace zev
