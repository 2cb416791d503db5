// The two conversion editors, driven with keys: father grades in pages of
// nine, the degree and total checks, the comment window, and the values of
// a quantitative child with their range check.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "elicitation/convert_grades_presenter.h"
#include "elicitation/convert_values_presenter.h"
#include "elicitation/text_presenter.h"
#include "model/format.h"
#include "tests/dialogs/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

class ConversionEditorsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_doc = std::make_unique<CMADMDoc>();
    m_doc->OnNewDocument();
    BuildHierarchy(*m_doc, {"Quality:", "Comfort:Quality", "Cost:", "Price:Cost"});
  }

  void aRowOnOnePageIsCheckedOnThePage() {
    CQtScriptedUser user;
    CAttribute& quality = Attr("Quality");
    quality.m_nGrades = 3;
    quality.SetGradeName(0, "Low");
    quality.SetGradeName(1, "Medium");
    quality.SetGradeName(2, "High");
    CAttribute& comfort = Attr("Comfort");
    comfort.m_nGrades = 2;
    comfort.SetGradeName(0, "Hard");
    comfort.SetGradeName(1, "Soft");
    Select("Comfort");
    user.OnDialog(CConvertGradesPresenter::kKind, [&user](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Convert Child Grades to Father Grades"));
      QCOMPARE(Child<QLabel>(&d, "childGrade")->text(), QString("Hard"));
      QCOMPARE(Child<QLabel>(&d, "fatherGrade2")->text(), QString("High"));
      QVERIFY(!d.findChild<QWidget*>("degree3"));
      QCOMPARE(FocusedName(), QString("degree0"));
      QCOMPARE(Child<QComboBox>(&d, "degree0")->itemText(2), QString("0.1"));
      Retype("1.5");
      Press(Qt::Key_Return);
      QCOMPARE(user.LastText(), QString("A degree is a positive real number\nbetween zero and one."));
      QCOMPARE(FocusedName(), QString("degree0"));
      Retype("0.5");
      Press(Qt::Key_Return);
      QCOMPARE(user.LastText(), QString("The total degree must be one."));
      Press(Qt::Key_Tab);
      Retype("0.5");
      Accelerator('c');  // the conversion comment of this grade
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
    user.OnDialog(CTextPresenter::kKind, [](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Comments on Converting Comfort to Quality"));
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("Hard seats are half low, half medium");
      Click(&d, "ok");
    });
    user.OnDialog(CConvertGradesPresenter::kKind, [](QDialog& d) {
      QCOMPARE(Child<QLabel>(&d, "childGrade")->text(), QString("Soft"));
      Accelerator('h');  // the child's description
      Press(Qt::Key_Return);  // the identity row as it stands
    });
    QVERIFY(RunConvertGradesEditor(*m_doc));
    QCOMPARE(user.Problems(), QStringList());
    QCOMPARE(user.LastText(), QString("No description for the attribute is provided."));
    QCOMPARE(comfort.ConversionEntry(0, 0), 0.5);
    QCOMPARE(comfort.ConversionEntry(0, 1), 0.5);
    QCOMPARE(comfort.ConversionEntry(1, 1), 1.0);
    QCOMPARE(comfort.ConversionComment(0).Str(), std::string("Hard seats are half low, half medium"));
    // The ByRule child's utilities follow from the new rules.
    QCOMPARE(comfort.GradeUtility(0), 0.125);  // half of 0 and of 0.25
  }

  void tenFatherGradesTakeTwoPagesAndTheRowTotalIsCheckedAfterBoth() {
    CQtScriptedUser user;
    CAttribute& quality = Attr("Quality");
    quality.m_nGrades = 10;
    for (int k = 0; k < 10; ++k) quality.SetGradeName(k, "Q" + FormatInt(k + 1));
    Attr("Comfort").m_nGrades = 1;
    Select("Comfort");
    user.OnDialog(CConvertGradesPresenter::kKind, [](QDialog& d) {
      QCOMPARE(Child<QLabel>(&d, "page")->text(), QString("Father grades, page 1 of 2"));
      QVERIFY(d.findChild<QWidget*>("degree8"));
      Retype("0.5");  // the identity's 1 made 0.5: no page total with two pages
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
    user.OnDialog(CConvertGradesPresenter::kKind, [](QDialog& d) {
      QCOMPARE(Child<QLabel>(&d, "fatherGrade0")->text(), QString("Q10"));
      QVERIFY(!d.findChild<QWidget*>("degree1"));
      Press(Qt::Key_Escape);  // a cancelled page keeps its degrees
    });
    user.OnDialog(CConvertGradesPresenter::kKind, [](QDialog& d) {
      QCOMPARE(Child<QComboBox>(&d, "degree0")->currentText(), QString("0.5"));
      Press(Qt::Key_Return);
    });
    user.OnDialog(CConvertGradesPresenter::kKind, [](QDialog&) {
      Retype("0.5");
      Press(Qt::Key_Return);
    });
    QVERIFY(RunConvertGradesEditor(*m_doc));
    QCOMPARE(user.Problems(), QStringList());
    QCOMPARE(user.Texts(), QStringList{QString("The total degree must be one. Please check.\n"
                                               "Remember that this attribute as named below\n\n"
                                               "Quality\n\nhas 10 evaluation grades in total.")});
    QCOMPARE(Attr("Comfort").ConversionEntry(0, 9), 0.5);
  }

  void valuesOutOfRangeAreRefusedWhileEditingAndClampedOnClosing() {
    CQtScriptedUser user;
    CAttribute& price = Attr("Price");
    price.m_nType = Quantitative;
    price.m_dBest = 10000;
    price.m_dWorst = 30000;
    Attr("Cost").m_nGrades = 3;
    Select("Price");
    user.OnDialog(CConvertValuesPresenter::kKind, [&user](QDialog& d) {
      QCOMPARE(d.windowTitle(),
               QString("ZEV Dialog: Convert Child Attribute's Values to Its Father's Grades"));
      QCOMPARE(Child<QLabel>(&d, "best")->text(), QString("10000"));
      QVERIFY(!d.findChild<QWidget*>("value3"));
      QCOMPARE(FocusedName(), QString("value0"));
      Retype("30000");
      Press(Qt::Key_Tab);
      Retype("40000");
      Press(Qt::Key_Tab);
      QCOMPARE(user.LastText(), QString("A feasible child attribute value must\n"
                                        "be between its best and worst values."));
      QCOMPARE(FocusedName(), QString("value1"));
      Retype("20000");
      Accelerator('m');
      QCOMPARE(FocusedName(), QString("comments"));
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("From the dealers' lists");
      Press(Qt::Key_Backtab);
      QCOMPARE(FocusedName(), QString("value2"));
      Retype("5000");  // beyond the best value, and the page is closed from there
      Click(&d, "ok");
      QVERIFY(!d.isVisible());
    });
    QVERIFY(RunConvertValuesEditor(*m_doc));
    QCOMPARE(user.Problems(), QStringList());
    QCOMPARE(user.Texts().size(), 1);  // closing moves 5000 to the bound silently
    QCOMPARE(price.GradeValue(0), 30000.0);
    QCOMPARE(price.GradeValue(1), 20000.0);
    QCOMPARE(price.GradeValue(2), 10000.0);
    QCOMPARE(price.m_strComments.Str(), std::string("From the dealers' lists"));
  }

 private:
  CAttribute& Attr(const char* name) { return m_doc->Attribute(FindAttribute(*m_doc, name)); }
  void Select(const char* name) { m_doc->SelectAttribute(FindAttribute(*m_doc, name)); }

  std::unique_ptr<CMADMDoc> m_doc;
};

}  // namespace zev::test

QTEST_MAIN(zev::test::ConversionEditorsTest)
#include "conversion_editors_test.moc"
