// The definition of an attribute with the grade table it opens, and the
// text windows, driven with keys and clicks.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "elicitation/define_attribute_presenter.h"
#include "elicitation/grade_table_presenter.h"
#include "elicitation/text_presenter.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

class DefinitionDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_doc = std::make_unique<CMADMDoc>();
    m_doc->OnNewDocument();
    BuildHierarchy(*m_doc, {"Cost:", "Price:Cost", "Comfort:"});
  }

  void aQuantitativeAttributeIsDefinedFromTheKeyboard() {
    CQtScriptedUser user;
    const int price = Select("Price");
    user.OnDialog(CDefineAttributePresenter::kKind, [](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Define An Attribute"));
      QCOMPARE(FocusedName(), QString("name"));
      QVERIFY(Child<QWidget>(&d, "grades")->isVisible());
      QVERIFY(!Child<QWidget>(&d, "best")->isVisible());
      QVERIFY(!Child<QWidget>(&d, "uncertain")->isVisible());
      QVERIFY(Child<QWidget>(&d, "advanced")->isVisible());
      QVERIFY2(!Child<QWidget>(&d, "rule")->isVisible(), "the basis shows only with Advanced");
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("Purchase price");
      Accelerator('n');  // Quantitative
      QVERIFY(Child<QWidget>(&d, "best")->isVisible());
      QVERIFY(Child<QWidget>(&d, "uncertain")->isVisible());
      QVERIFY(!Child<QWidget>(&d, "grades")->isVisible());
      QVERIFY(!Child<QWidget>(&d, "defineGradesYes")->isVisible());
      Accelerator('b');
      QCOMPARE(FocusedName(), QString("best"));
      Retype("5000");
      Accelerator('w');
      Retype("20000");
      Accelerator('i');
      QCOMPARE(Child<QLineEdit>(&d, "unit")->text(), QString::fromUtf8("\xC2\xA3"));
      Retype(QString::fromUtf8("\xE2\x82\xAC"));  // the euro sign has a code page 1252 form
      Accelerator('u');
      Press(Qt::Key_Return);
      QVERIFY(!d.isVisible());
    });
    QVERIFY(RunDefineAttributeDialog(*m_doc, nullptr));
    QCOMPARE(user.Problems(), QStringList());
    const CAttribute& a = m_doc->Attribute(price);
    QCOMPARE(a.m_strName.Str(), std::string("Purchase price"));
    QCOMPARE(a.m_nType, std::uint16_t(QuantitativeUncertain));
    QCOMPARE(a.m_dBest, 5000.0);
    QCOMPARE(a.m_dWorst, 20000.0);
    QCOMPARE(a.m_strUnit.Str(), std::string("\x80"));
    QVERIFY(a.m_bRangeChanged);
  }

  void aRefusedGradeCountKeepsTheFocusAndDefineGradesNowOpensTheTable() {
    CQtScriptedUser user;
    const int comfort = Select("Comfort");
    user.OnDialog(CDefineAttributePresenter::kKind, [&user](QDialog& d) {
      Accelerator('g');
      QCOMPARE(FocusedName(), QString("grades"));
      Retype("21");
      QCOMPARE(user.LastText(), QString("The maximum number of evaluation grades\n"
                                        "that this product can copy with is 20.\n"
                                        "To handle more grades, please contact:\n\n") +
                                    kContactLines);
      QCOMPARE(FocusedName(), QString("grades"));
      Retype("3");
      Accelerator('y');  // Define Grades Now? Yes
      QVERIFY(!d.isVisible());
    });
    user.OnDialog(CGradeTablePresenter::kKind, [](QDialog& d) {
      QCOMPARE(Child<QLabel>(&d, "attributeName")->text(), QString("Comfort"));
      QVERIFY(d.findChild<QWidget*>("name2"));
      QVERIFY2(!d.findChild<QWidget*>("name3"), "three grades now");
      Press(Qt::Key_Return);
    });
    user.OnDialog(CDefineAttributePresenter::kKind, [](QDialog& d) {
      QCOMPARE(Child<QLineEdit>(&d, "grades")->text(), QString("3"));
      Press(Qt::Key_Escape);
    });
    const bool bConfirmed =
        RunDefineAttributeDialog(*m_doc, [this, comfort] { RunGradeTable(*m_doc, comfort); });
    QVERIFY(bConfirmed);
    QCOMPARE(user.Problems(), QStringList());
    QCOMPARE(m_doc->Attribute(comfort).m_nGrades, 3);
    QCOMPARE(m_doc->Attribute(comfort).GradeUtility(1), 0.5);
  }

  void theRuleChoiceAsksAndClosesForTheFollowUp() {
    CQtScriptedUser user;
    const int price = Select("Price");
    user.Answer(EAnswer::Yes);
    user.OnDialog(CDefineAttributePresenter::kKind, [&user](QDialog& d) {
      Accelerator('a');  // Advanced
      QVERIFY(Child<QWidget>(&d, "rule")->isVisible());
      QVERIFY(Child<QRadioButton>(&d, "rule")->isChecked());
      Click(&d, "rule");
      QCOMPARE(user.LastText(), QString("Do you want to change grade convertion rules?"));
      QCOMPARE(user.Messages().back().m_icon, EIcon::Question);
      QVERIFY(!d.isVisible());
    });
    QVERIFY(RunDefineAttributeDialog(*m_doc, nullptr));
    QCOMPARE(user.Problems(), QStringList());
    QVERIFY(m_doc->Attribute(price).m_bOpenConversion);
  }

  void theDescriptionIsEditedInItsOwnWindow() {
    CQtScriptedUser user;
    const int price = Select("Price");
    user.OnDialog(CDefineAttributePresenter::kKind, [](QDialog& d) {
      Accelerator('d');  // Describe
      Click(&d, "ok");
      QVERIFY(!d.isVisible());
    });
    user.OnDialog(CTextPresenter::kKind, [](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Attribute Description"));
      QCOMPARE(Child<QLabel>(&d, "prompt")->text(), QString("Describe the following Attribute"));
      QCOMPARE(FocusedName(), QString("text"));
      Press(Qt::Key_A, Qt::ControlModifier);
      Type("List price with taxes");
      Click(&d, "ok");
    });
    QVERIFY(RunDefineAttributeDialog(*m_doc, nullptr));
    QCOMPARE(user.Problems(), QStringList());
    QCOMPARE(m_doc->Attribute(price).m_strDescription.Str(), std::string("List price with taxes"));
  }

  void theTextWindowsEditButtonsWorkOnTheText() {
    CQtScriptedUser user;
    user.OnDialog(CTextPresenter::kKind, [](QDialog& d) {
      auto* text = Child<QPlainTextEdit>(&d, "text");
      Press(Qt::Key_A, Qt::ControlModifier);
      Click(&d, "copy");
      Press(Qt::Key_End, Qt::ControlModifier);
      Click(&d, "paste");
      QCOMPARE(text->toPlainText(), QString("abcabc"));
      Click(&d, "undo");
      QCOMPARE(text->toPlainText(), QString("abc"));
      Press(Qt::Key_A, Qt::ControlModifier);
      Click(&d, "cut");
      QCOMPARE(text->toPlainText(), QString());
      Click(&d, "cancel");
    });
    QCOMPARE(CTextPresenter::Edit("Title", "Prompt", "abc"), std::string("abc"));
    QCOMPARE(user.Problems(), QStringList());
  }

 private:
  int Select(const char* name) {
    const int i = FindAttribute(*m_doc, name);
    m_doc->SelectAttribute(i);
    return i;
  }

  std::unique_ptr<CMADMDoc> m_doc;
};

}  // namespace zev::test

QTEST_MAIN(zev::test::DefinitionDialogsTest)
#include "definition_dialogs_test.moc"
