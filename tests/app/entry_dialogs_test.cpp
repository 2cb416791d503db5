// The assessment entry dialogs as views of their presenters, and the entry
// commands through them.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/attribute_tree_view.h"
#include "app/dialogs/certain_value_dialog.h"
#include "app/dialogs/convert_grades_dialog.h"
#include "app/dialogs/convert_values_dialog.h"
#include "app/dialogs/dialog_registry.h"
#include "app/dialogs/grade_text_dialog.h"
#include "app/dialogs/possible_value_count_dialog.h"
#include "app/dialogs/qualitative_entry_dialog.h"
#include "app/dialogs/uncertain_entry_dialog.h"
#include "commands/command_table.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/elicitation/assessment_fixtures.h"

namespace zev::test {

namespace {

std::vector<double> Degrees(const CAssessment& r) {
  return std::vector<double>(r.m_dBelief, r.m_dBelief + r.m_nGrades);
}

void ShowActive(QWidget& w) {
  w.show();
  w.activateWindow();
  (void)QTest::qWaitForWindowActive(&w);
}

}  // namespace

class CEntryDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { StartForTest(); }

  void aQualitativePageShowsItsGradesAndSpreadsTicks() {
    CQtScriptedUser user;
    CAlternative alternative;
    CAssessment& r = MakeQualitative(alternative, 5);
    std::vector<double> degrees = Degrees(r);
    CQualitativeEntryPage page(alternative, 1, "Quality", degrees, 0, "c", "e");
    CQualitativeEntryDialog dialog(page);
    ShowActive(dialog);
    QCOMPARE(dialog.windowTitle(), QString("ZEV Dialog: Car A"));
    QCOMPARE(dialog.GradeName(0)->text(), QString("G1"));
    QVERIFY(dialog.GradeName(4)->isVisible());
    QVERIFY(!dialog.GradeName(5)->isVisible());
    QVERIFY(!dialog.Degree(0)->isEnabled());

    dialog.Tick(0)->click();
    QCOMPARE(dialog.Degree(0)->currentText(), QString("1"));
    QVERIFY(dialog.Degree(0)->isEnabled());
    dialog.Tick(2)->click();
    QCOMPARE(dialog.Degree(0)->currentText(), QString("0.5"));
    QCOMPARE(dialog.Degree(2)->currentText(), QString("0.5"));
    // Focus on a grade shows its definition.
    dialog.GradeName(2)->setFocus();
    QCOMPARE(dialog.Definition()->toPlainText(), QString("Definition of G3"));

    // A degree above one is refused and gets the focus back.
    dialog.Degree(2)->setEditText("1.5");
    dialog.OkButton()->click();
    QCOMPARE(user.LastText(), QString("A degree is a positive real number\nbetween zero and one."));
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.Degree(2)->isAncestorOf(QApplication::focusWidget()) ||
            QApplication::focusWidget() == dialog.Degree(2));
    dialog.Degree(2)->setEditText("0.25");
    dialog.OkButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(page.AcceptedDegree(0), 0.5);
    QCOMPARE(page.AcceptedDegree(2), 0.25);
    QVERIFY(user.Problems().isEmpty());
  }

  void tenGradesMakeTwoPages() {
    CAlternative alternative;
    CAssessment& r = MakeQualitative(alternative, 10);
    std::vector<double> degrees = Degrees(r);
    CQualitativeEntryPage second(alternative, 1, "Quality", degrees, 1, "c", "e");
    CQualitativeEntryDialog dialog(second);
    ShowActive(dialog);
    QCOMPARE(dialog.GradeName(0)->text(), QString("G10"));
    QVERIFY(!dialog.GradeName(1)->isVisible());
    bool bPaged = false;
    for (QLabel* l : dialog.findChildren<QLabel*>()) bPaged |= l->text() == "Page 2 of 2";
    QVERIFY(bPaged);
  }

  void aCertainValueIsCheckedWhenItsFieldIsLeft() {
    CQtScriptedUser user;
    CAlternative alternative;
    MakeQuantitative(alternative, Quantitative, 100, 0);
    CCertainValueEntry entry(alternative, 1, "Quality", "c", "e");
    CCertainValueDialog dialog(entry);
    ShowActive(dialog);
    QCOMPARE(dialog.windowTitle(), QString("ZEV Dialog: Quality"));
    dialog.ValueField()->setFocus();
    dialog.ValueField()->selectAll();
    QTest::keyClicks(dialog.ValueField(), "150");
    // Leaving the field for another control of the dialog checks it.
    auto buttons = dialog.findChildren<QPushButton*>();
    QPushButton* help = nullptr;
    for (QPushButton* b : buttons) {
      if (b->text() == "Ho&w to Assess") help = b;
    }
    QVERIFY(help);
    help->setFocus();
    QCOMPARE(user.LastText(),
             QString("An assessment value must be between\nthe best and worst attribute values."));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.ValueField()));
    // OK clamps silently.
    user.Clear();
    dialog.OkButton()->click();
    QVERIFY(user.Messages().empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(entry.Value(), 100.0);
    QVERIFY(user.Problems().isEmpty());
  }

  void theNumberOfValuesIsClampedOnOk() {
    CAlternative alternative;
    MakeQuantitative(alternative, QuantitativeUncertain, 100, 0);
    CPossibleValueCount count(alternative, 1, "Quality", "c", "e");
    CPossibleValueCountDialog dialog(count);
    ShowActive(dialog);
    QCOMPARE(dialog.NumberField()->count(), 20);
    dialog.NumberField()->setEditText("25");
    dialog.OkButton()->click();
    QCOMPARE(count.Number(), 20);
  }

  void anUncertainPageShowsItsRows() {
    CAlternative alternative;
    MakeQuantitative(alternative, QuantitativeUncertain, 100, 0);
    std::vector<double> values{20, 30};
    std::vector<double> degrees{0.5, 0.3};
    CUncertainEntryPage page(alternative, 1, "Quality", values, degrees, 0, "c", "e");
    CUncertainEntryDialog dialog(page);
    ShowActive(dialog);
    QCOMPARE(dialog.Value(0)->text(), QString("20"));
    QCOMPARE(dialog.Degree(1)->currentText(), QString("0.3"));
    QVERIFY(!dialog.Value(2)->isVisible());
    dialog.Value(1)->setText("130");
    QTest::keyClick(dialog.Value(1), Qt::Key_0);  // typed, so the presenter sees it
    CQtScriptedUser user;
    dialog.OkButton()->click();
    QCOMPARE(user.LastText(),
             QString("A possible value must be between the best and worst values."));
    QVERIFY(dialog.isVisible());
  }

  void theGradeTextWindowShowsDefinitionsAndKeepsTheText() {
    CGradeTextPresenter presenter(CGradeTextPresenter::EText::Comments, "T",
                                  {{"Low", "low def"}, {"High", "high def"}}, 0, "old", "ev");
    CGradeTextDialog dialog(presenter);
    ShowActive(dialog);
    QCOMPARE(dialog.Definition()->toPlainText(), QString("low def"));
    dialog.Grades()->setCurrentRow(1);
    QCOMPARE(dialog.Definition()->toPlainText(), QString("high def"));
    dialog.Text()->setPlainText("new");
    dialog.accept();
    QCOMPARE(presenter.m_strText, std::string("new"));
  }

  void aGradeConversionPageChecksItsTotal() {
    CQtScriptedUser user;
    CAttribute father;
    father.ResetToDefaults();
    father.SetName("Quality");
    CAttribute child;
    child.ResetToDefaults();
    child.SetName("Comfort");
    std::vector<double> row{0, 0, 1, 0, 0};
    CConvertGradesPresenter page(child, father, 2, 0, row, "");
    CConvertGradesDialog dialog(page);
    ShowActive(dialog);
    QCOMPARE(dialog.Degree(2)->currentText(), QString::fromStdString(page.m_strDegree[2]));
    QVERIFY(!dialog.Degree(5)->isVisible());
    dialog.Degree(3)->setEditText("0.5");
    dialog.OkButton()->click();
    QCOMPARE(user.LastText(), QString("The total degree must be one."));
    QVERIFY(dialog.isVisible());
    dialog.Degree(2)->setEditText("0.5");
    dialog.OkButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(page.Degree(3), 0.5);
    QVERIFY(user.Problems().isEmpty());
  }

  void aValueConversionPageChecksAValueWhenItIsLeft() {
    CQtScriptedUser user;
    CAttribute father;
    father.ResetToDefaults();
    father.m_nGrades = 3;
    CAttribute child;
    child.ResetToDefaults();
    child.m_nType = Quantitative;
    child.m_dBest = 10;
    child.m_dWorst = 0;
    std::vector<double> values{0, 5, 10};
    CConvertValuesPresenter page(child, father, 0, values, "notes");
    CConvertValuesDialog dialog(page);
    ShowActive(dialog);
    QCOMPARE(dialog.Value(1)->text(), QString("5"));
    QVERIFY(!dialog.Value(3)->isVisible());
    dialog.Value(1)->setFocus();
    dialog.Value(1)->setText("50");
    dialog.Value(2)->setFocus();
    QCOMPARE(
        user.LastText(),
        QString("A feasible child attribute value must\nbe between its best and worst values."));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.Value(1)));
    // OK moves it to the bound silently.
    user.Clear();
    dialog.OkButton()->click();
    QVERIFY(user.Messages().empty());
    QCOMPARE(page.Value(1), 10.0);
    QCOMPARE(page.m_strComments, std::string("notes"));
    QVERIFY(user.Problems().isEmpty());
  }

  void attAtAltEntersTheAssessmentThroughTheDialogs() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    Focus(child->TreeView());
    Trigger(*frame, kIdInsertRight);
    QVERIFY(Enabled(*frame, kIdInputAttAtAlt));
    QVERIFY(Enabled(*frame, kIdShowBeliefDegree));
    QVERIFY(!Enabled(*frame, kIdShowAssessmentValue));
    user.OnDialog<CQualitativeEntryPage>([](CQualitativeEntryPage& p) {
      p.ToggleTick(3);
      return p.Ok() == EDialogAction::CloseOk;
    });
    Trigger(*frame, kIdInputAttAtAlt);
    QCOMPARE(doc.Alternative(0).Record(1).m_dBelief[3], 1.0);
    // On the top, which now has a child, the entry is refused.
    child->Commands().SelectAttribute(0);
    Trigger(*frame, kIdModifyAssessment);
    QVERIFY(user.LastText().startsWith("Top Attribute has 1 child attributes.\n"));
    QVERIFY(user.Problems().isEmpty());
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CEntryDialogsTest)
#include "entry_dialogs_test.moc"
