// The assessment entry dialogs, driven with keys: qualitative pages with
// tick boxes, certain values, the number of possible values and uncertain
// pages, with their side windows and information boxes.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "elicitation/assessment_entry.h"
#include "elicitation/certain_value_presenter.h"
#include "elicitation/grade_text_presenter.h"
#include "elicitation/possible_value_count_presenter.h"
#include "elicitation/qualitative_entry_presenter.h"
#include "elicitation/text_presenter.h"
#include "elicitation/uncertain_entry_presenter.h"
#include "model/format.h"
#include "tests/dialogs/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

class AssessmentDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_doc = std::make_unique<CMADMDoc>();
    m_doc->OnNewDocument();
    BuildHierarchy(*m_doc, {"Quality:", "Comfort:Quality", "Price:", "Range:"});
    CAttribute& comfort = Attr("Comfort");
    comfort.m_nGrades = 10;
    for (int k = 0; k < 10; ++k) {
      comfort.SetGradeName(k, "C" + FormatInt(k + 1));
      comfort.SetGradeDefinition(k, "Comfort level " + FormatInt(k + 1));
    }
    CAttribute& price = Attr("Price");
    price.m_nType = Quantitative;
    price.m_dBest = 5000;
    price.m_dWorst = 20000;
    CAttribute& range = Attr("Range");
    range.m_nType = QuantitativeUncertain;
    range.m_dBest = 500;
    range.m_dWorst = 100;
    m_doc->CurrentAlternative().SetName("Hatchback");
  }

  void tenGradesOnTwoPagesWithARefusedDegreeAndACancelledPage() {
    CQtScriptedUser user;
    Select("Comfort");
    user.OnDialog(CQualitativeEntryPage::kKind, [&user](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Hatchback"));
      QCOMPARE(Child<QLabel>(&d, "fatherName")->text(), QString("Quality"));
      QCOMPARE(Child<QLabel>(&d, "attributeName")->text(), QString("Comfort"));
      QCOMPARE(FocusedName(), QString("name0"));  // no degree on the page
      QVERIFY(!Child<QComboBox>(&d, "degree0")->isEnabled());
      QCOMPARE(Child<QPlainTextEdit>(&d, "definition")->toPlainText(), QString("Comfort level 1"));
      Press(Qt::Key_Tab);
      QCOMPARE(FocusedName(), QString("tick0"));
      Press(Qt::Key_Space);
      QCOMPARE(Child<QComboBox>(&d, "degree0")->currentText(), QString("1"));
      Press(Qt::Key_Tab);
      QCOMPARE(FocusedName(), QString("degree0"));
      Retype("1.5");
      Press(Qt::Key_Return);
      QVERIFY(d.isVisible());
      QCOMPARE(user.LastText(), QString("A degree is a positive real number\nbetween zero and one."));
      QCOMPARE(FocusedName(), QString("degree0"));
      Retype("0.6");
      Press(Qt::Key_Tab);
      QCOMPARE(FocusedName(), QString("name1"));
      QCOMPARE(Child<QPlainTextEdit>(&d, "definition")->toPlainText(), QString("Comfort level 2"));
      Press(Qt::Key_Tab);
      Press(Qt::Key_Space);
      // The user's degrees stay; the new answer gets the rest.
      QCOMPARE(Child<QComboBox>(&d, "degree1")->currentText(), QString("0.4"));
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
    user.OnDialog(CQualitativeEntryPage::kKind, [](QDialog& d) {
      QCOMPARE(Child<QLineEdit>(&d, "name0")->text(), QString("C10"));
      QVERIFY(!d.findChild<QWidget*>("name1"));
      Press(Qt::Key_Tab);
      Press(Qt::Key_Space);
      QCOMPARE(Child<QComboBox>(&d, "degree0")->currentText(), QString("1"));
      Press(Qt::Key_Return);  // only the total over both pages is checked
    });
    // The total is 2: both pages again, with the degrees entered so far.
    user.OnDialog(CQualitativeEntryPage::kKind, [](QDialog& d) {
      QCOMPARE(FocusedName(), QString("degree0"));
      QCOMPARE(Child<QComboBox>(&d, "degree1")->currentText(), QString("0.4"));
      Press(Qt::Key_Escape);
    });
    user.OnDialog(CQualitativeEntryPage::kKind, [](QDialog& d) {
      QVERIFY(Child<QCheckBox>(&d, "tick0")->isChecked());
      Click(&d, "tick0");
      QCOMPARE(Child<QComboBox>(&d, "degree0")->currentText(), QString("0"));
      Click(&d, "ok");
    });
    QVERIFY(AssessSelection(*m_doc, EAssessCommand::AttAtAlt));
    QCOMPARE(user.Problems(), QStringList());
    QCOMPARE(user.Texts().size(), 2);
    QCOMPARE(user.Texts()[1], QString("The total degree must not be larger than one.\n"
                                      "Remember that this attribute as named below\n\n"
                                      "Comfort\n\nhas 10 evaluation grades in total."));
    const CAssessment& r = m_doc->CurrentAlternative().Record(FindAttribute(*m_doc, "Comfort"));
    QCOMPARE(r.m_dBelief[0], 0.6);
    QCOMPARE(r.m_dBelief[1], 0.4);
    QCOMPARE(r.m_dBelief[9], 0.0);
    QVERIFY(m_doc->CurrentAlternative().m_bInputCancelled);
  }

  void theEvidenceAndCommentsWindowsShowTheGrades() {
    CQtScriptedUser user;
    Select("Comfort");
    user.OnDialog(CQualitativeEntryPage::kKind, [](QDialog& d) {
      Click(&d, "evidence");
      Click(&d, "comments");
      Click(&d, "ok");
    });
    user.OnDialog(CGradeTextPresenter::kKind, [](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Hatchback on Comfort"));
      QVERIFY(!d.findChild<QWidget*>("shownEvidence"));
      auto* grades = Child<QListWidget>(&d, "grades");
      QCOMPARE(grades->count(), 9);
      grades->setFocus();
      Press(Qt::Key_Down);
      Press(Qt::Key_Down);
      QCOMPARE(Child<QPlainTextEdit>(&d, "definition")->toPlainText(), QString("Comfort level 3"));
      Child<QPlainTextEdit>(&d, "text")->setFocus();
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("Seat test");
      Click(&d, "ok");
    });
    user.OnDialog(CGradeTextPresenter::kKind, [](QDialog& d) {
      QCOMPARE(Child<QPlainTextEdit>(&d, "shownEvidence")->toPlainText(), QString("Seat test"));
      QVERIFY(Child<QPlainTextEdit>(&d, "shownEvidence")->isReadOnly());
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("Tall drivers only");
      Click(&d, "ok");
    });
    user.OnDialog(CQualitativeEntryPage::kKind, [](QDialog& d) { Click(&d, "ok"); });
    QVERIFY(AssessSelection(*m_doc, EAssessCommand::AttAtAlt));
    QCOMPARE(user.Problems(), QStringList());
    const CAssessment& r = m_doc->CurrentAlternative().Record(FindAttribute(*m_doc, "Comfort"));
    QCOMPARE(r.m_strEvidence.Str(), std::string("Seat test"));
    QCOMPARE(r.m_strAssessComment.Str(), std::string("Tall drivers only"));
  }

  void aCertainValueOutOfRangeIsRefusedWhileInUse() {
    CQtScriptedUser user;
    const int price = Select("Price");
    user.OnDialog(CCertainValueEntry::kKind, [&user](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Top Attribute"));
      QCOMPARE(Child<QLineEdit>(&d, "best")->text(), QString("5000"));
      QCOMPARE(FocusedName(), QString("value"));
      Retype("30000");
      Press(Qt::Key_Tab);
      QCOMPARE(user.LastText(),
               QString("An assessment value must be between\nthe best and worst attribute values."));
      QCOMPARE(FocusedName(), QString("value"));
      Retype("12000");
      Accelerator('w');  // How to Assess
      QCOMPARE(user.LastText(),
               QString("1. Provide a numerical value for the alternative on the above attribute.\n\n"
                       "2. The provided value must be between the best and worst values."));
      QCOMPARE(user.Messages().back().m_icon, EIcon::Information);
      Accelerator('a');  // Attribute Definition
      QCOMPARE(user.LastText(), QString("No description for the attribute is provided."));
      Click(&d, "comments");
      Press(Qt::Key_Return);
    });
    user.OnDialog(CTextPresenter::kKind, [](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Comments about Hatchback on Price"));
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("Dealer quote");
      Click(&d, "ok");
    });
    QVERIFY(AssessSelection(*m_doc, EAssessCommand::AttAtAlt));
    QCOMPARE(user.Problems(), QStringList());
    const CAssessment& r = m_doc->CurrentAlternative().Record(price);
    QCOMPARE(r.m_dValue, 12000.0);
    QCOMPARE(r.m_strAssessComment.Str(), std::string("Dealer quote"));
  }

  void anUncertainAssessmentAsksTheNumberThenTheValues() {
    CQtScriptedUser user;
    const int range = Select("Range");
    user.OnDialog(CPossibleValueCount::kKind, [&user](QDialog& d) {
      QCOMPARE(Child<QComboBox>(&d, "number")->count(), 20);
      QCOMPARE(Child<QLineEdit>(&d, "maximum")->text(), QString("20"));
      QCOMPARE(FocusedName(), QString("number"));
      Retype("25");
      Press(Qt::Key_Tab);
      QCOMPARE(user.LastText(), QString("The number of possible values must be\n"
                                        "between the minimum and maximum numbers."));
      QCOMPARE(FocusedName(), QString("number"));
      Retype("2");
      Press(Qt::Key_Return);
    });
    user.OnDialog(CUncertainEntryPage::kKind, [&user](QDialog& d) {
      QVERIFY(d.findChild<QWidget*>("value1"));
      QVERIFY(!d.findChild<QWidget*>("value2"));
      QCOMPARE(FocusedName(), QString("value0"));
      Retype("300");
      Press(Qt::Key_Tab);
      Retype("0.7");
      Press(Qt::Key_Tab);
      Retype("600");  // beyond the best value
      Press(Qt::Key_Tab);
      Retype("0.3");
      Press(Qt::Key_Return);
      QCOMPARE(user.LastText(),
               QString("A possible value must be between the best and worst values."));
      QCOMPARE(FocusedName(), QString("value1"));
      Retype("450");
      Press(Qt::Key_Return);
    });
    QVERIFY(AssessSelection(*m_doc, EAssessCommand::AttAtAlt));
    QCOMPARE(user.Problems(), QStringList());
    const CAssessment& r = m_doc->CurrentAlternative().Record(range);
    QCOMPARE(r.m_nPossibleValues, 2);
    QCOMPARE(r.m_dPossibleValue[1], 450.0);
    QCOMPARE(r.m_dBelief[0], 0.7);
    QCOMPARE(r.m_dValue, 300.0);
  }

 private:
  CAttribute& Attr(const char* name) { return m_doc->Attribute(FindAttribute(*m_doc, name)); }
  int Select(const char* name) {
    const int i = FindAttribute(*m_doc, name);
    m_doc->SelectAttribute(i);
    return i;
  }

  std::unique_ptr<CMADMDoc> m_doc;
};

}  // namespace zev::test

QTEST_MAIN(zev::test::AssessmentDialogsTest)
#include "assessment_dialogs_test.moc"
