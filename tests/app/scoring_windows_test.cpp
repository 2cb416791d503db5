// Estimate Weight and Estimate Utility end to end: the pairwise comparison
// played with keys, and bars and points of the visual scoring windows
// dragged with the mouse.
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <cmath>

#include "app/attribute_tree_view.h"
#include "app/charts/chart_widget.h"
#include "app/dialogs/qt_text.h"
#include "app/utility_scoring_window.h"
#include "commands/command_ids.h"
#include "elicitation/method_choice_presenter.h"
#include "elicitation/pairwise_presenter.h"
#include "elicitation/weight_scoring_presenter.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

// Presses on a point of the chart, moves it to the height of value and
// lets go, as a user drags a bar or a point.
void Drag(CChartWidget& chart, int point, double value) {
  QWidget* viewport = chart.View()->viewport();
  const QPoint from = viewport->mapFrom(&chart, chart.PointPosition(0, point));
  const QPoint to = viewport->mapFrom(&chart, chart.ValuePosition(0, point, value));
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                   {});
  QApplication::sendEvent(viewport, &move);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

QStringList Column(QWidget* window, const char* list, int column) {
  QStringList texts;
  auto* tree = Child<QTreeWidget>(window, list);
  for (int i = 0; i < tree->topLevelItemCount(); ++i) texts << tree->topLevelItem(i)->text(column);
  return texts;
}

// The pixel grid of the chart: a drag lands within a pixel of its value.
constexpr double kPixel = 0.01;

}  // namespace

class CScoringWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_frame = StartForTest();
    m_doc = &m_frame->ActiveChild()->Document().Doc();
    BuildHierarchy(*m_doc, {"Speed:", "Comfort:", "Price:"});
    m_speed = FindAttribute(*m_doc, "Speed");
    Focus(m_frame->ActiveChild()->TreeView());
  }
  void cleanup() { m_frame.reset(); }

  // Speed is compared with the two others, one comparison is changed from
  // the list, and the consistent weights are generated and confirmed.
  void pairwiseComparisonsWithKeysAndAChangedComparison() {
    CQtScriptedUser user;
    m_doc->SelectAttribute(m_speed);
    user.OnDialog(CPairwisePresenter::kKind, [&user](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Pairwise Comparisons of Attributes"));
      QVERIFY(!Child<QComboBox>(&d, "ratio")->isEnabled());
      Child<QComboBox>(&d, "attribute")->setFocus();
      Press(Qt::Key_Return);  // selects Speed
      QCOMPARE(FocusedName(), QString("ratio"));
      QCOMPARE(Child<QLabel>(&d, "compared")->text(), QString("Comfort"));
      QVERIFY(!Child<QPushButton>(&d, "calculate")->isEnabled());
      Retype("1,5");
      Press(Qt::Key_Return);
      QVERIFY(user.LastText().startsWith("The compariosn ratio must be a non-negative"));
      QCOMPARE(FocusedName(), QString("ratio"));
      Retype("2");
      Press(Qt::Key_Return);
      QCOMPARE(Child<QLabel>(&d, "compared")->text(), QString("Price"));
      Retype("4");
      Press(Qt::Key_Return);
      QCOMPARE(FocusedName(), QString("attribute"));
      QCOMPARE(Column(&d, "comparisons", 1), QStringList({"2.000000", "4.000000"}));
      // Speed is now 8 times as important as Price; Comfort against Price
      // follows from Speed's row.
      auto* comparisons = Child<QTreeWidget>(&d, "comparisons");
      comparisons->setCurrentItem(comparisons->topLevelItem(1));
      comparisons->setFocus();
      Press(Qt::Key_Return);
      QCOMPARE(FocusedName(), QString("ratio"));
      QCOMPARE(Child<QComboBox>(&d, "ratio")->currentText(), QString("4.000000"));
      Retype("8");
      Press(Qt::Key_Return);
      Child<QRadioButton>(&d, "geometric")->click();
      Click(&d, "calculate");
      QCOMPARE(Column(&d, "weights", 1), QStringList({"0.615385", "0.307692", "0.076923"}));
      QCOMPARE(Child<QLineEdit>(&d, "index")->text(), QString("0.000000"));
      Click(&d, "ok");
    });
    Trigger(*m_frame, kIdWeightPairwise);
    QVERIFY(std::fabs(m_doc->Attribute(m_speed).m_dWeight - 8.0 / 13) < 1e-6);
    QVERIFY(std::fabs(m_doc->Attribute(FindAttribute(*m_doc, "Price")).m_dWeight - 1.0 / 13) <
            1e-6);
    QVERIFY(user.Problems().isEmpty());
  }

  // Select Methods leads to the chosen operation; cancelling it writes nothing.
  void theWeightMethodChoiceStartsPairwiseAndCancelKeepsTheWeights() {
    CQtScriptedUser user;
    m_doc->SelectAttribute(m_speed);
    user.OnDialog(CWeightMethodPresenter::kKind, [](QDialog&) {
      Accelerator('p');
      Accelerator('s');
    });
    user.OnDialog(CPairwisePresenter::kKind, [](QDialog& d) {
      Child<QComboBox>(&d, "attribute")->setFocus();
      Press(Qt::Key_Return);
      Retype("5");
      Press(Qt::Key_Return);
      Click(&d, "cancel");
    });
    Trigger(*m_frame, kIdWeightSelectMethods);
    QCOMPARE(m_doc->Attribute(m_speed).m_dWeight, 1.0);
    QVERIFY(user.Problems().isEmpty());
  }

  // A bar dragged to 0.8 on the scale [0, 1] is the weight confirmed.
  void aDraggedWeightBarIsTheWeightConfirmed() {
    CQtScriptedUser user;
    const int comfort = FindAttribute(*m_doc, "Comfort");
    const std::pair<const char*, double> weights[] = {
        {"Speed", 0.2}, {"Comfort", 0.3}, {"Price", 0.5}};
    for (const auto& [name, weight] : weights)
      m_doc->Attribute(FindAttribute(*m_doc, name)).m_dWeight = weight;
    m_doc->SelectAttribute(comfort);
    user.OnDialog(CWeightScoringPresenter::kKind, [](QDialog& d) {
      QVERIFY(QTest::qWaitForWindowExposed(&d));
      QVERIFY(Child<QRadioButton>(&d, "scale0")->isChecked());
      auto* chart = Child<CChartWidget>(&d, "chart");
      Drag(*chart, 1, 0.8);
      const double dragged = chart->Content().Value(0, 1);
      QVERIFY2(std::fabs(dragged - 0.8) < kPixel, qPrintable(QString::number(dragged)));
      QCOMPARE(Column(&d, "weights", 1)[1], QString::number(dragged, 'f', 6));
      QCOMPARE(Child<QTreeWidget>(&d, "weights")->currentItem()->text(0), QString("Comfort"));
      // Dragged above the scale, it stops at its top.
      Drag(*chart, 2, 1.5);
      QCOMPARE(Column(&d, "weights", 1)[2], QString("1.000000"));
      // Enter in "Weight:" confirms the typed weight, not the dialog.
      Child<QLineEdit>(&d, "weight")->setFocus();
      Retype("0.25");
      Press(Qt::Key_Return);
      QVERIFY(d.isVisible());
      QCOMPARE(Column(&d, "weights", 1)[2], QString("0.250000"));
      Click(&d, "ok");
    });
    Trigger(*m_frame, kIdWeightVisualScoring);
    QVERIFY(std::fabs(m_doc->Attribute(comfort).m_dWeight - 0.8) < kPixel);
    QCOMPARE(m_doc->Attribute(FindAttribute(*m_doc, "Price")).m_dWeight, 0.25);
    QVERIFY(user.Problems().isEmpty());
  }

  // A point dragged between its neighbours is taken, one dragged past a
  // more preferred grade is refused and stays; "&Update" writes the
  // utilities, and the window is single.
  void aDraggedUtilityPointIsWrittenOnUpdate() {
    CQtScriptedUser user;
    CAttribute& speed = m_doc->Attribute(m_speed);
    speed.m_nConversion = ByUtility;
    m_doc->SelectAttribute(m_speed);
    Trigger(*m_frame, kIdUtilityVisualScoring);
    auto* window = m_frame->findChild<CUtilityScoringWindow*>();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    CChartWidget& chart = *window->Chart();
    Drag(chart, 2, 0.6);
    const double dragged = chart.Content().Value(0, 2);
    QVERIFY2(std::fabs(dragged - 0.6) < kPixel, qPrintable(QString::number(dragged)));
    QCOMPARE(Column(window, "grades", 2)[2], QString::number(dragged, 'f', 6));
    QCOMPARE(speed.GradeUtility(2), 0.5);  // not before "&Update"
    Drag(chart, 2, 0.9);
    QVERIFY(user.LastText().startsWith(QString("The utility of <%1> must not be larger than 0.7500")
                                           .arg(ToQt(speed.GradeName(2).Str()))));
    QCOMPARE(chart.Content().Value(0, 2), dragged);
    QCOMPARE(FocusedName(), QString("utility"));
    user.Answer(EAnswer::Yes);
    Click(window, "update");
    QCOMPARE(speed.GradeUtility(2), dragged);
    Trigger(*m_frame, kIdUtilityVisualScoring);
    QCOMPARE(user.LastText(), QString("A window for scoring utilities is still open and used.\n"
                                      "You have to close this window to open a new one."));
    QCOMPARE(m_frame->findChildren<CUtilityScoringWindow*>().size(), 1);
    QVERIFY(user.Problems().isEmpty());
  }

  // "&Edit Grade" unlocks the order; Enter there moves grade 3 of 5 to the
  // top after the question (the former first takes its order), and the
  // utilities follow the new orders.
  void anOrderTypedWithEnterResetsTheUtilities() {
    CQtScriptedUser user;
    m_doc->Attribute(m_speed).m_nConversion = ByUtility;
    m_doc->SelectAttribute(m_speed);
    Trigger(*m_frame, kIdUtilityVisualScoring);
    auto* window = m_frame->findChild<CUtilityScoringWindow*>();
    QVERIFY(window);
    Activate(window);
    auto* grades = Child<QTreeWidget>(window, "grades");
    grades->setCurrentItem(grades->topLevelItem(2));
    QVERIFY(!Child<QLineEdit>(window, "order")->isEnabled());
    Click(window, "editGrade");
    QVERIFY(!Child<QLineEdit>(window, "utility")->isEnabled());
    QCOMPARE(FocusedName(), QString("order"));
    Retype("1");
    user.Answer(EAnswer::Yes);
    Press(Qt::Key_Return);
    QCOMPARE(Column(window, "grades", 1), QStringList({"5", "4", "1", "2", "3"}));
    QCOMPARE(Column(window, "grades", 2),
             QStringList({"0.000000", "0.250000", "1.000000", "0.750000", "0.500000"}));
    QVERIFY(Child<QLineEdit>(window, "utility")->isEnabled());
    QVERIFY(user.Problems().isEmpty());
  }

 private:
  std::unique_ptr<CMainFrame> m_frame;
  CMADMDoc* m_doc = nullptr;
  int m_speed = -1;
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CScoringWindowsTest)
#include "scoring_windows_test.moc"
