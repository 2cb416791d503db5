// The graph windows and the visual comparison, opened by their commands.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeView>
#include <algorithm>

#include "analysis/graphs.h"
#include "app/attribute_tree_model.h"
#include "app/attribute_tree_view.h"
#include "app/charts/chart_widget.h"
#include "app/graph_window.h"
#include "app/visual_comparison_window.h"
#include "commands/command_ids.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

std::vector<CGraphWindow*> GraphWindows(CMainFrame& frame) {
  std::vector<CGraphWindow*> windows;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* g = qobject_cast<CGraphWindow*>(w); g && g->isVisible() && g->parent() == &frame)
      windows.push_back(g);
  }
  return windows;
}

void CloseAll(const std::vector<CGraphWindow*>& windows) {
  for (CGraphWindow* w : windows) w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Two attributes under the top and n alternatives; the first alternative
// is assessed "Best" on both, the others stay unassessed.
CMADMDoc& Prepare(CMainFrame& frame, int nAlternatives) {
  CMADMDoc& doc = frame.ActiveChild()->Document().Doc();
  test::BuildHierarchy(doc, {"Price:", "Comfort:"});
  while (doc.AlternativeCount() < nAlternatives) doc.AddAlternativeCommand();
  for (int i : {1, 2}) doc.Alternative(0).Record(i).m_dBelief[4] = 1.0;
  Focus(frame.ActiveChild()->TreeView());
  return doc;
}

CVisualComparisonWindow* ComparisonWindow(CMainFrame& frame) {
  return dynamic_cast<CVisualComparisonWindow*>(
      frame.ActiveChild()->Document().Registry().Window(EModelessKind::VisualComparison));
}

}  // namespace

class CGraphWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachGraphCommandOpensItsSnapshotWindows() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    Prepare(*frame, 21);
    frame->ActiveChild()->Commands().SelectAttribute(1);
    struct SCase {
      int m_nId;
      const char* m_pszTitle;
      int m_nWindows;
      int m_nSeriesInFirst;
    };
    const SCase cases[] = {
        {kIdGraphBeliefAttAtAlt, kBeliefGraphWindowTitle, 1, 1},
        {kIdGraphBeliefAlternatives, kBeliefGraphWindowTitle, 2, 20},
        {kIdGraphUtilityAttAtAlt, kUtilityGraphWindowTitle, 1, 1},
        {kIdGraphUtilityAlternatives, kUtilityGraphWindowTitle, 2, 20},
        {kIdGraphRanking, kUtilityGraphWindowTitle, 2, 3},  // unassessed: intervals
    };
    for (const SCase& c : cases) {
      QVERIFY2(Enabled(*frame, c.m_nId), qPrintable(QString::number(c.m_nId)));
      Trigger(*frame, c.m_nId);
      std::vector<CGraphWindow*> windows = GraphWindows(*frame);
      QCOMPARE(static_cast<int>(windows.size()), c.m_nWindows);
      for (CGraphWindow* w : windows) QCOMPARE(w->windowTitle(), QString(c.m_pszTitle));
      // The first window of a group is the fuller one.
      auto size = [](CGraphWindow* w) {
        return w->Chart()->Content().PointCount() * w->Chart()->Content().SeriesCount();
      };
      std::sort(windows.begin(), windows.end(),
                [&](CGraphWindow* a, CGraphWindow* b) { return size(a) > size(b); });
      QCOMPARE(windows[0]->Chart()->Content().SeriesCount(), c.m_nSeriesInFirst);
      CloseAll(windows);
    }
    QVERIFY(GraphWindows(*frame).empty());
    QVERIFY(user.Problems().isEmpty());
  }

  void graphWindowsStayAsDrawnAndOpenAnyNumber() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CMADMDoc& doc = Prepare(*frame, 2);
    Trigger(*frame, kIdGraphRanking);
    Trigger(*frame, kIdGraphRanking);
    std::vector<CGraphWindow*> windows = GraphWindows(*frame);
    QCOMPARE(windows.size(), std::size_t(2));
    const ChartContent drawn = windows[0]->Chart()->Content();
    QCOMPARE(drawn.m_strPointLabels[0], doc.Alternative(0).m_strName.Str());
    // A later change of the model leaves the open graphs as they were.
    doc.Alternative(0).SetName("Renamed");
    doc.Notify({EDocChange::Alternatives, doc.CurrentAttribute(), 0});
    QCOMPARE(windows[0]->Chart()->Content().m_strPointLabels, drawn.m_strPointLabels);
    Click(windows[0], "help");
    QVERIFY(user.LastText().startsWith("The graph shows utilities"));
    // Each closes on its own.
    Click(windows[0], "close");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(GraphWindows(*frame).size(), std::size_t(1));
    CloseAll(GraphWindows(*frame));
    QVERIFY(user.Problems().isEmpty());
  }

  void theVisualComparisonFollowsTheSelectionAndDraws() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CMADMDoc& doc = Prepare(*frame, 3);
    CModelCommands& commands = frame->ActiveChild()->Commands();
    QVERIFY(Enabled(*frame, kIdVisualComparison));
    Trigger(*frame, kIdVisualComparison);
    auto* window = ComparisonWindow(*frame);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString(CVisualComparison::kTitle));

    // Nothing selected: Draw refuses and draws nothing.
    Click(window, "draw");
    QCOMPARE(user.LastText(),
             QString("To draw a comparison graph, at least\none attribute has to be selected."));
    QCOMPARE(window->Chart()->Content().SeriesCount(), 0);

    // The highlight follows the views; Select One takes the source that moved.
    commands.SelectAttribute(2);
    QCOMPARE(CAttributeTreeModel::AttributeOf(window->Hierarchy()->currentIndex()), 2);
    Click(window, "selectOne");
    commands.SelectAlternative(1);
    QCOMPARE(window->Alternatives()->currentIndex().row(), 1);
    Click(window, "selectOne");
    QCOMPARE(window->SelectedAttributes()->count(), 1);
    QCOMPARE(window->SelectedAttributes()->item(0)->text(), QString("Comfort"));
    QCOMPARE(window->SelectedAlternatives()->item(0)->text(), QString("Alternative 2"));
    Click(window, "draw");
    QCOMPARE(window->Chart()->Content().SeriesCount(), 1);
    QCOMPARE(window->Chart()->Content().m_kind, EChartKind::Curves);
    Click(window, "curveBar");
    QCOMPARE(window->Chart()->Content().m_kind, EChartKind::Bars);

    // Select All takes everything and draws; Deselect removes the chosen entry.
    Click(window, "selectAll");
    QCOMPARE(window->SelectedAttributes()->count(), 3);
    QCOMPARE(window->Chart()->Content().SeriesCount(), 3);
    QCOMPARE(window->Chart()->Content().PointCount(), 3);
    window->SelectedAlternatives()->setCurrentRow(0);
    emit window->SelectedAlternatives()->itemClicked(window->SelectedAlternatives()->item(0));
    Click(window, "deselect");
    QCOMPARE(window->SelectedAlternatives()->count(), 2);
    QCOMPARE(window->SelectedAlternatives()->item(0)->text(), QString("Alternative 2"));

    // The tool bar button shows and hides the chart's own tool bar.
    Click(window, "toolBar");
    QVERIFY(window->Chart()->IsToolBarVisible());
    Click(window, "toolBar");
    QVERIFY(!window->Chart()->IsToolBarVisible());

    // Deleting an alternative takes it out of the list.
    commands.SelectAlternative(2);
    user.Answer(EAnswer::Yes);
    doc.DeleteAlternativeCommand();
    QCOMPARE(window->SelectedAlternatives()->count(), 1);

    // The window is single: the command brings it forward with its message.
    Trigger(*frame, kIdVisualComparison);
    QCOMPARE(user.LastText(), QString("A comparison graph window is still open and used.\n"
                                      "You have to close this window to open a new one."));
    Click(window, "clear");
    QCOMPARE(window->SelectedAttributes()->count(), 0);
    QCOMPARE(window->Chart()->Content().SeriesCount(), 0);
    Click(window, "close");
    QVERIFY(!frame->ActiveChild()->Document().Registry().IsOpen(EModelessKind::VisualComparison));
    QVERIFY(user.Problems().isEmpty());
  }

  void theCurveTypeWindowChecksItsThreshold() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    Prepare(*frame, 2);
    Trigger(*frame, kIdVisualComparison);
    auto* window = ComparisonWindow(*frame);
    QVERIFY(window);
    user.OnDialog(CCurveTypePresenter::kKind, [&user](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString(CCurveTypePresenter::kTitle));
      QVERIFY(Child<QRadioButton>(&d, "type0")->isChecked());
      QVERIFY(!Child<QLineEdit>(&d, "difference")->isEnabled());
      Click(&d, "type2");
      QVERIFY(Child<QLineEdit>(&d, "difference")->isEnabled());
      QVERIFY(!Child<QLineEdit>(&d, "level")->isEnabled());
      // The scale and the field move together.
      Child<QSlider>(&d, "differenceScale")->setValue(250);
      QCOMPARE(Child<QLineEdit>(&d, "difference")->text(), QString("0.2500"));
      Child<QLineEdit>(&d, "difference")->setFocus();
      Retype("1.0001");
      Press(Qt::Key_Tab);
      QCOMPARE(user.LastText(), QString(CCurveTypePresenter::kThresholdMessage));
      QCOMPARE(FocusedName(), QString("difference"));
      Retype("0.3");
      Press(Qt::Key_Tab);
      QCOMPARE(Child<QSlider>(&d, "differenceScale")->value(), 300);
      Child<QComboBox>(&d, "differenceDirection")->setCurrentIndex(1);
      Click(&d, "ok");
    });
    Click(window, "viewWhat");
    const SCurveType& c = window->Presenter().CurveType();
    QCOMPARE(c.m_type, ECurveType::Difference);
    QVERIFY(c.m_bSmaller);
    QCOMPARE(c.m_dDifference, 0.3);
    window->close();
    QVERIFY(user.Problems().isEmpty());
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CGraphWindowsTest)
#include "graph_windows_test.moc"
