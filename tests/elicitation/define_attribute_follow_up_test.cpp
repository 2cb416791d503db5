#include "elicitation/define_attribute_follow_up.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elicitation/convert_grades_presenter.h"
#include "elicitation/convert_values_presenter.h"
#include "elicitation/define_attribute_presenter.h"
#include "engine/conversion.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace zev {
namespace {

const char* const kRangeQuestion =
    "You have modified the best and/or the worst value for the following attribute:\n"
    "<Q>.\n"
    "The values of the attribute need to be associated with the grades of its father attribute.\n\n"
    "To associate manually, click Yes.\n"
    "To accept default association, click No.";

std::string GradesQuestion(const std::string& name) {
  return "You have modified the evaluation grades for the following attribute:\n<" + name +
         ">.\nThese grades need to be converted to the grades of its father attribute.\n\n"
         "To convert manually, click Yes.\nTo accept default conversion, click No.";
}

std::string ChildrenQuestion(const std::string& name) {
  return "As you have modified the evaluation grades for the attribute:\n<" + name +
         ">. \nThe grades of its child attributes need to be converted as well.\n\n"
         "To convert manually, click Yes.\nTo accept default conversion, click No.";
}

// Records which hooks were opened, on which attribute.
struct SOpened {
  std::vector<std::string> m_calls;
  SAttributeDialogOpeners Openers() {
    SAttributeDialogOpeners o;
    o.m_selectUtilityMethods = [this](CMADMDoc& d) { Add("methods", d); };
    o.m_assignUtilitiesDirectly = [this](CMADMDoc& d) { Add("direct", d); };
    o.m_defineGrades = [this](CMADMDoc& d) { Add("grades", d); };
    return o;
  }
  void Add(const char* what, CMADMDoc& d) {
    m_calls.push_back(std::string(what) + " " + d.CurrentAttributeRef().m_strName.Str());
  }
};

// Top (3 grades, utilities 0, 0.4, 1) with a father F (qualitative) whose
// children are A (qualitative), Q (precise quantitative, rule-based) and U
// (uncertain, utility-based); and a quantitative leaf Q2 under the top.
struct SFollowUpModel {
  test::CScriptedUser user;
  CMADMDoc doc;
  SOpened opened;
  int f = 0, a = 0, q = 0, u = 0, q2 = 0;
  SFollowUpModel() {
    doc.OnNewDocument();
    AttachEngine(doc);
    CAttribute& top = doc.Attribute(0);
    top.m_nGrades = 3;
    top.SetGradeUtility(0, 0.0);
    top.SetGradeUtility(1, 0.4);
    top.SetGradeUtility(2, 1.0);
    test::BuildHierarchy(doc, {"F:", "A:F", "Q:F", "U:F", "Q2:"});
    f = test::FindAttribute(doc, "F");
    a = test::FindAttribute(doc, "A");
    q = test::FindAttribute(doc, "Q");
    u = test::FindAttribute(doc, "U");
    q2 = test::FindAttribute(doc, "Q2");
    for (int i : {q, q2}) {
      doc.Attribute(i).m_nType = Quantitative;
      doc.Attribute(i).m_dBest = 100;
      doc.Attribute(i).m_dWorst = 0;
    }
    doc.Attribute(u).m_nType = QuantitativeUncertain;
    doc.Attribute(u).m_nConversion = ByUtility;
    doc.Attribute(u).m_dBest = 10;
    doc.Attribute(u).m_dWorst = 50;
    doc.SetModifiedFlag(false);
  }
  CAttribute& At(int i) { return doc.Attribute(i); }
  void FollowUp(int k) {
    doc.SetCurrentAttribute(k);
    RunDefinitionFollowUp(doc, opened.Openers());
  }
};

TEST(DefinitionFollowUp, RequestedConversionOpensTheMatchingDialog) {
  SFollowUpModel m;
  // Rule-based qualitative: the grades editor (cancelled here).
  m.At(m.a).m_bOpenConversion = true;
  m.user.OnDialog<CConvertGradesPresenter>([](CConvertGradesPresenter& p) {
    EXPECT_EQ(p.ChildName(), "A");
    return false;
  });
  m.user.OnDialog<CConvertGradesPresenter>([](CConvertGradesPresenter&) { return false; });
  m.user.OnDialog<CConvertGradesPresenter>([](CConvertGradesPresenter&) { return false; });
  m.user.OnDialog<CConvertGradesPresenter>([](CConvertGradesPresenter&) { return false; });
  m.user.OnDialog<CConvertGradesPresenter>([](CConvertGradesPresenter&) { return false; });
  m.FollowUp(m.a);
  EXPECT_FALSE(m.At(m.a).m_bOpenConversion);

  // Rule-based quantitative: the values editor.
  m.At(m.q).m_bOpenConversion = true;
  m.user.OnDialog<CConvertValuesPresenter>([](CConvertValuesPresenter& p) {
    EXPECT_EQ(p.ChildName(), "Q");
    return false;
  });
  m.FollowUp(m.q);
  EXPECT_FALSE(m.At(m.q).m_bOpenConversion);

  // Utility-based: the method choice.
  m.At(m.u).m_bOpenConversion = true;
  m.FollowUp(m.u);
  EXPECT_EQ(m.opened.m_calls, (std::vector<std::string>{"methods U"}));
  EXPECT_FALSE(m.At(m.u).m_bOpenConversion);

  // The top attribute has nothing to convert to.
  m.At(0).m_bOpenConversion = true;
  m.FollowUp(0);
  EXPECT_EQ(m.opened.m_calls.size(), 1u);
  EXPECT_FALSE(m.At(0).m_bOpenConversion);
  EXPECT_EQ(m.user.Count(), 0u);
}

TEST(DefinitionFollowUp, TopBecomesUtilityBasedAndRuleBasedValuesFollowTheFathersGrades) {
  SFollowUpModel m;
  m.At(0).m_nConversion = ByRule;
  m.At(m.q).m_nGrades = 7;
  m.FollowUp(m.q);
  EXPECT_EQ(m.At(0).m_nConversion, ByUtility);
  EXPECT_EQ(m.At(m.q).m_nGrades, 5);  // F's five grades
  EXPECT_TRUE(m.doc.IsModified());
  // The rules were propagated from Q: its utilities are F's through the identity.
  EXPECT_EQ(m.At(m.q).GradeUtility(2), m.At(m.f).GradeUtility(2));
  for (int i = 0; i <= m.doc.LastAttribute(); ++i) EXPECT_EQ(m.At(i).m_nMark, 6);
}

TEST(DefinitionFollowUp, RangeOfAUtilityBasedAttributeGetsEvenValuesAndUtilities) {
  SFollowUpModel m;
  CAttribute& q = m.At(m.q);
  q.m_nConversion = ByUtility;
  q.m_dBest = 100;
  q.m_bRangeChanged = true;
  m.user.Answer(EAnswer::No);
  m.FollowUp(m.q);
  EXPECT_EQ(m.user.OnlyText(), kRangeQuestion);
  EXPECT_EQ(m.user.Last().m_buttons, EButtons::YesNo);
  EXPECT_EQ(m.user.Last().m_icon, EIcon::Question);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(q.GradeValue(i), 25.0 * i);
    EXPECT_EQ(q.GradeUtility(i), 0.25 * i);
  }
  EXPECT_FALSE(q.m_bRangeChanged);
  EXPECT_TRUE(m.opened.m_calls.empty());

  q.m_bRangeChanged = true;
  m.user.Answer(EAnswer::Yes);
  m.FollowUp(m.q);
  EXPECT_EQ(m.opened.m_calls, (std::vector<std::string>{"direct Q"}));
}

TEST(DefinitionFollowUp, RangeOfARuleBasedAttributeTakesTheFathersUtilities) {
  SFollowUpModel m;
  // Q2 under the top with its three grades.
  CAttribute& q2 = m.At(m.q2);
  q2.m_dBest = 90;
  q2.m_dWorst = 30;
  q2.m_bRangeChanged = true;
  // Spoil the matrix to see it become the identity again.
  q2.SetConversionEntry(0, 1, 0.5);
  m.user.Answer(EAnswer::No);
  m.FollowUp(m.q2);
  EXPECT_EQ(q2.m_nGrades, 3);
  EXPECT_EQ(q2.GradeValue(0), 30.0);
  EXPECT_EQ(q2.GradeValue(1), 60.0);
  EXPECT_EQ(q2.GradeValue(2), 90.0);
  EXPECT_EQ(q2.GradeUtility(0), 0.0);
  EXPECT_EQ(q2.GradeUtility(1), 0.4);
  EXPECT_EQ(q2.GradeUtility(2), 1.0);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) EXPECT_EQ(q2.ConversionEntry(i, j), i == j ? 1.0 : 0.0);
  }

  // Yes opens the values editor.
  q2.m_bRangeChanged = true;
  m.user.Answer(EAnswer::Yes);
  m.user.OnDialog<CConvertValuesPresenter>([](CConvertValuesPresenter& p) {
    EXPECT_EQ(p.m_strValue[1], "60");
    return false;
  });
  m.FollowUp(m.q2);
  EXPECT_FALSE(q2.m_bRangeChanged);
}

TEST(DefinitionFollowUp, SingleGradeTakesTheBestValueAndUtilityOne) {
  SFollowUpModel m;
  CAttribute& q = m.At(m.q);
  q.m_nConversion = ByUtility;
  q.m_nGrades = 1;
  q.m_dBest = 80;
  q.m_bRangeChanged = true;
  m.user.Answer(EAnswer::No);
  m.FollowUp(m.q);
  EXPECT_EQ(q.GradeValue(0), 80.0);
  EXPECT_EQ(q.GradeUtility(0), 1.0);
}

TEST(DefinitionFollowUp, ChangedGradesConvertTheAttributeAndItsChildren) {
  SFollowUpModel m;
  CAttribute& f = m.At(m.f);
  // F now has 3 grades with utilities 0, 0.7, 1 (as if set in the grade table).
  f.m_nGrades = 3;
  f.SetGradeUtility(1, 0.7);
  f.SetGradeUtility(2, 1.0);
  f.m_bGradesChanged = true;
  m.user.Answer(EAnswer::No).Answer(EAnswer::No);
  m.FollowUp(m.f);
  EXPECT_EQ(m.user.Texts(), (std::vector<std::string>{GradesQuestion("F"), ChildrenQuestion("F")}));
  EXPECT_FALSE(f.m_bGradesChanged);
  // F's own rows from its utilities against the top's 0, 0.4, 1: 0.7 is
  // halfway between 0.4 and 1.
  EXPECT_NEAR(f.ConversionEntry(1, 1), 0.5, 1e-15);
  EXPECT_NEAR(f.ConversionEntry(1, 2), 0.5, 1e-15);
  // ... but F is rule-based, so the final propagation re-derives its
  // utilities from those rows: 0.5 * 0.4 + 0.5 * 1.
  EXPECT_NEAR(f.GradeUtility(1), 0.7, 1e-15);
  // Q (rule-based, precise): F's grade count, even values, F's utilities.
  const CAttribute& q = m.At(m.q);
  EXPECT_EQ(q.m_nGrades, 3);
  EXPECT_EQ(q.GradeValue(0), 0.0);
  EXPECT_EQ(q.GradeValue(1), 50.0);
  EXPECT_EQ(q.GradeValue(2), 100.0);
  EXPECT_NEAR(q.GradeUtility(1), 0.7, 1e-15);
  EXPECT_EQ(q.ConversionEntry(1, 1), 1.0);
  // U (utility-based, uncertain): utilities in equal steps over its own
  // five grades, its matrix from them against F's 0, 0.7, 1.
  const CAttribute& u = m.At(m.u);
  EXPECT_EQ(u.m_nGrades, 5);
  EXPECT_EQ(u.GradeUtility(1), 0.25);
  EXPECT_NEAR(u.ConversionEntry(1, 0), 1.0 - 0.25 / 0.7, 1e-15);
  EXPECT_NEAR(u.ConversionEntry(1, 1), 0.25 / 0.7, 1e-15);
  // A (qualitative): rows from its own utilities (F's former ones,
  // 0, 0.4, 1, ...): 0.4 lies between F's new 0 and 0.7.
  EXPECT_NEAR(m.At(m.a).ConversionEntry(1, 0), 1.0 - 0.4 / 0.7, 1e-15);
  EXPECT_NEAR(m.At(m.a).ConversionEntry(1, 1), 0.4 / 0.7, 1e-15);
  EXPECT_TRUE(m.opened.m_calls.empty());
}

TEST(DefinitionFollowUp, ManualConversionOfTheChildrenInIndexOrder) {
  SFollowUpModel m;
  CAttribute& f = m.At(m.f);
  f.m_nGrades = 3;
  f.m_bGradesChanged = true;
  m.user.Answer(EAnswer::Yes).Answer(EAnswer::Yes);
  // F itself (rule-based): the grades editor, one page per grade of F.
  for (int i = 0; i < 3; ++i) {
    m.user.OnDialog<CConvertGradesPresenter>([](CConvertGradesPresenter& p) {
      EXPECT_EQ(p.ChildName(), "F");
      return false;
    });
  }
  // Then A (grades editor), Q (values editor), U (direct utilities).
  for (int i = 0; i < 5; ++i) {
    m.user.OnDialog<CConvertGradesPresenter>([](CConvertGradesPresenter& p) {
      EXPECT_EQ(p.ChildName(), "A");
      return false;
    });
  }
  m.user.OnDialog<CConvertValuesPresenter>([&](CConvertValuesPresenter& p) {
    EXPECT_EQ(p.ChildName(), "Q");
    EXPECT_EQ(m.doc.CurrentAttribute(), m.q);
    return false;
  });
  m.FollowUp(m.f);
  EXPECT_EQ(m.opened.m_calls, (std::vector<std::string>{"direct U"}));
  EXPECT_EQ(m.doc.CurrentAttribute(), m.f);
}

TEST(DefinitionFollowUp, LeafWithChangedGradesIsNotAskedAboutChildren) {
  SFollowUpModel m;
  m.At(m.a).m_nGrades = 2;
  m.At(m.a).m_bGradesChanged = true;
  m.user.Answer(EAnswer::No);
  m.FollowUp(m.a);
  EXPECT_EQ(m.user.OnlyText(), GradesQuestion("A"));
}

TEST(DefineAttributeCommand, DialogThenFollowUp) {
  SFollowUpModel m;
  m.doc.SetCurrentAttribute(m.a);
  m.user.OnDialog<CDefineAttributePresenter>([](CDefineAttributePresenter& p) {
    p.m_strGrades = "3";
    return p.Ok() == EDialogAction::CloseOk;
  });
  m.user.Answer(EAnswer::No);
  EXPECT_TRUE(RunDefineAttributeCommand(m.doc, m.opened.Openers()));
  // The grade count changed: the grade table, then the follow-up's question.
  EXPECT_EQ(m.opened.m_calls, (std::vector<std::string>{"grades A"}));
  EXPECT_EQ(m.user.OnlyText(), GradesQuestion("A"));
  EXPECT_EQ(m.At(m.a).m_nGrades, 3);
  EXPECT_FALSE(m.At(m.a).m_bGradesChanged);
}

TEST(DefineAttributeCommand, UntouchedRangeIsNoChange) {
  SFollowUpModel m;
  m.At(m.q).m_dBest = 0.123456789;
  m.doc.SetCurrentAttribute(m.q);
  m.user.OnDialog<CDefineAttributePresenter>([](CDefineAttributePresenter& p) {
    EXPECT_EQ(p.m_strBest, "0.123457");
    return p.Ok() == EDialogAction::CloseOk;
  });
  EXPECT_TRUE(RunDefineAttributeCommand(m.doc, m.opened.Openers()));
  EXPECT_EQ(m.user.Count(), 0u);
  EXPECT_EQ(m.At(m.q).m_dBest, 0.123456789);
}

TEST(DefineAttributeCommand, CancelledDialogHasNoFollowUp) {
  SFollowUpModel m;
  m.At(0).m_nConversion = ByRule;
  m.doc.SetCurrentAttribute(m.a);
  m.user.OnDialog<CDefineAttributePresenter>([](CDefineAttributePresenter&) { return false; });
  EXPECT_FALSE(RunDefineAttributeCommand(m.doc, m.opened.Openers()));
  EXPECT_EQ(m.At(0).m_nConversion, ByRule);
  EXPECT_FALSE(m.doc.IsModified());
}

}  // namespace
}  // namespace zev
