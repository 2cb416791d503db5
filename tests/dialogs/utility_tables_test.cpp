// The grade table and the value/utility table, driven with keys.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "elicitation/grade_table_presenter.h"
#include "elicitation/method_choice_presenter.h"
#include "elicitation/text_presenter.h"
#include "elicitation/utility_scoring_presenter.h"
#include "elicitation/value_utility_presenter.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

class UtilityTablesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_doc = std::make_unique<CMADMDoc>();
    m_doc->OnNewDocument();
    BuildHierarchy(*m_doc, {"Comfort:", "Power:"});
    m_comfort = FindAttribute(*m_doc, "Comfort");
    m_power = FindAttribute(*m_doc, "Power");
  }

  void theMethodChoiceStartsTheMethodChosenWithItsAccelerator() {
    CQtScriptedUser user;
    m_doc->Attribute(m_comfort).m_nConversion = ByUtility;
    m_doc->SelectAttribute(m_comfort);
    user.OnDialog(CUtilityMethodPresenter::kKind, [](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Select a Method for Estimating Utilities"));
      QVERIFY(Child<QRadioButton>(&d, "choice0")->isChecked());
      Accelerator('v');
      Accelerator('s');
      QVERIFY(!d.isVisible());
    });
    int nOpened = 0;
    UtilitySelectMethodsCommand(*m_doc, [&nOpened] { ++nOpened; });
    QCOMPARE(nOpened, 1);
    QVERIFY(user.Problems().isEmpty());
  }

  void tenGradesComeOnTwoPagesAndARefusedUtilityKeepsTheFocus() {
    CQtScriptedUser user;
    CAttribute& comfort = m_doc->Attribute(m_comfort);
    comfort.m_nGrades = 10;
    comfort.m_nConversion = ByUtility;
    m_doc->SelectAttribute(m_comfort);
    user.OnDialog(CGradeTablePresenter::kKind, [&user](QDialog& d) {
      QCOMPARE(FocusedName(), QString("name0"));
      QVERIFY(d.findChild<QWidget*>("name8"));
      QVERIFY(!d.findChild<QWidget*>("name9"));
      Retype("Awful");
      Press(Qt::Key_Tab);
      QCOMPARE(FocusedName(), QString("utility0"));
      QCOMPARE(Child<QComboBox>(&d, "utility0")->count(), 21);
      QCOMPARE(Child<QComboBox>(&d, "utility0")->itemText(1), QString("1"));
      Retype("1.5");
      Press(Qt::Key_Tab);
      QCOMPARE(user.LastText(),
               QString("A utility is a positive real\nnumber between zero and one."));
      QCOMPARE(FocusedName(), QString("utility0"));
      Retype("0.1");
      Press(Qt::Key_Tab);
      QCOMPARE(FocusedName(), QString("name1"));
      Accelerator('d');  // the meaning of the grade last in focus
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
    user.OnDialog(CGradeMeaningPresenter::kKind, [](QDialog& d) {
      QCOMPARE(Child<QLabel>(&d, "gradeName")->text(), QString("Poor"));
      QCOMPARE(Child<QLabel>(&d, "attributeName")->text(), QString("Comfort"));
      QCOMPARE(FocusedName(), QString("definition"));
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("Hard seats");
      Click(&d, "ok");
    });
    user.OnDialog(CGradeTablePresenter::kKind, [](QDialog& d) {
      QCOMPARE(Child<QLineEdit>(&d, "name0")->text(), QString("New name"));
      QVERIFY(!d.findChild<QWidget*>("name1"));
      Retype("Dropped");
      Press(Qt::Key_Escape);
    });
    DefineGradesCommand(*m_doc);
    QCOMPARE(user.Problems(), QStringList());
    QCOMPARE(user.Dialogs().size(), size_t(3));
    QCOMPARE(comfort.GradeName(0).Str(), std::string("Awful"));
    QCOMPARE(comfort.GradeUtility(0), 0.1);
    QCOMPARE(comfort.GradeDefinition(1).Str(), std::string("Hard seats"));
    QCOMPARE(comfort.GradeName(9).Str(), std::string("New name"));
  }

  void aByRuleAttributeShowsItsUtilitiesLocked() {
    CQtScriptedUser user;
    m_doc->SelectAttribute(m_comfort);
    user.OnDialog(CGradeTablePresenter::kKind, [](QDialog& d) {
      auto* utility = Child<QComboBox>(&d, "utility1");
      QCOMPARE(utility->currentText(), QString("0.25"));
      QVERIFY(!utility->isEnabled());
      Press(Qt::Key_Tab);
      QCOMPARE(FocusedName(), QString("name1"));
      Press(Qt::Key_Return);
    });
    DefineGradesCommand(*m_doc);
    QCOMPARE(user.Problems(), QStringList());
  }

  void theValueUtilityTableChecksUtilitiesAndTheirOrder() {
    CQtScriptedUser user;
    CAttribute& power = m_doc->Attribute(m_power);
    power.m_nType = Quantitative;
    power.m_nConversion = ByUtility;
    power.m_dBest = 100;
    power.m_dWorst = 0;
    m_doc->SelectAttribute(m_power);
    user.OnDialog(CValueUtilityPresenter::kKind, [&user](QDialog& d) {
      QCOMPARE(Child<QComboBox>(&d, "number")->currentText(), QString("5"));
      QCOMPARE(Child<QComboBox>(&d, "utility0")->itemText(1), QString("0.05"));
      QCOMPARE(Child<QComboBox>(&d, "utility0")->itemText(20), QString("1"));
      Accelerator('n');
      QCOMPARE(FocusedName(), QString("number"));
      Press(Qt::Key_Up);  // 3 typical values
      QCOMPARE(FocusedName(), QString("utility0"));
      QCOMPARE(Child<QLineEdit>(&d, "value1")->text(), QString("50"));
      QCOMPARE(Child<QComboBox>(&d, "utility2")->currentText(), QString("1"));
      QVERIFY(!Child<QWidget>(&d, "value3")->isVisible());
      Press(Qt::Key_Tab);
      Press(Qt::Key_Tab);
      QCOMPARE(FocusedName(), QString("utility1"));
      Retype("1.2");
      Press(Qt::Key_Tab);
      QCOMPARE(user.LastText(), QString("A utility value must be between zero and one."));
      QCOMPARE(FocusedName(), QString("utility1"));
      Retype("0.6");
      Press(Qt::Key_Tab);
      Press(Qt::Key_Tab);
      Retype("0.5");
      Press(Qt::Key_Return);
      QVERIFY(d.isVisible());
      QVERIFY(user.LastText().startsWith("Irrational assignment! Since the best value is larger"));
      QCOMPARE(FocusedName(), QString("utility2"));
      Retype("0.9");
      Accelerator('c');
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
    user.OnDialog(CTextPresenter::kKind, [](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Comments on Utilities of Power"));
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("Rated power");
      Click(&d, "ok");
    });
    DirectAssignmentCommand(*m_doc);
    QCOMPARE(user.Problems(), QStringList());
    QCOMPARE(power.m_nGrades, 3);
    QCOMPARE(power.GradeValue(2), 100.0);
    QCOMPARE(power.GradeUtility(1), 0.6);
    QCOMPARE(power.GradeUtility(2), 0.9);
    QCOMPARE(power.m_strComments.Str(), std::string("Rated power"));
  }

 private:
  std::unique_ptr<CMADMDoc> m_doc;
  int m_comfort = -1;
  int m_power = -1;
};

}  // namespace zev::test

QTEST_MAIN(zev::test::UtilityTablesTest)
#include "utility_tables_test.moc"
