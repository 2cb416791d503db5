// The group assessment, sensitivity and trade-off windows: their commands,
// and drags in their charts carried into the model and drawn again.

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTreeView>
#include <QTreeWidget>
#include <numeric>

#include "analysis/sensitivity_rules.h"
#include "app/alternative_list_view.h"
#include "app/analysis_list.h"
#include "app/attribute_tree_view.h"
#include "app/charts/chart_widget.h"
#include "app/dialogs/group_name_dialog.h"
#include "app/dialogs/qt_text.h"
#include "app/group_assessment_window.h"
#include "app/input_sensitivity_window.h"
#include "app/trade_off_window.h"
#include "app/weight_sensitivity_window.h"
#include "commands/command_ids.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

template <typename W>
int CountWindows(CMainFrame& frame) {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* t = qobject_cast<W*>(w); t && t->parent() == &frame && t->isVisible()) ++n;
  }
  return n;
}

// The example model open, the given attribute current and the tree view
// active.
std::unique_ptr<CMainFrame> StartOnExample(const char* attribute, bool bListActive = false) {
  auto frame = StartForTest();
  if (!frame->OpenDocument(PathFromQt(qEnvironmentVariable("ZEV_EXAMPLES") + "/laptop.zev")))
    return nullptr;
  CModelDocument& d = frame->ActiveChild()->Document();
  d.Commands().SelectAttribute(FindAttribute(d.Doc(), attribute));
  if (bListActive)
    Focus(frame->ActiveChild()->ListView());
  else
    Focus(frame->ActiveChild()->TreeView());
  return frame;
}

CMADMDoc& DocOf(CMainFrame& frame) { return frame.ActiveChild()->Document().Doc(); }

// Drags a bar of a chart to a value with the mouse, as a user does.
void DragBar(CChartWidget& chart, int point, double dValue) {
  QWidget* viewport = chart.View()->viewport();
  const QPoint from = viewport->mapFrom(&chart, chart.PointPosition(0, point));
  const QPoint to = viewport->mapFrom(&chart, chart.ValuePosition(0, point, dValue));
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                   {});
  QApplication::sendEvent(viewport, &move);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

// Within a few pixels of the value axis.
bool Near(double a, double b, double tolerance) { return std::abs(a - b) < tolerance; }

}  // namespace

class CAnalysisWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void theCommandsOpenOneWindowEachOrRefuse_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("alreadyOpen");
    QTest::newRow("weights on the top")
        << int(kIdChangeWeight) << int(EModelessKind::WeightSensitivity) << "Laptop for a student"
        << "To draw a weight graph, at least\n"
           "one sub-attribute has to be selected."
        << "";
    QTest::newRow("weights") << int(kIdChangeWeight) << int(EModelessKind::WeightSensitivity)
                             << "Cost"
                             << ""
                             << "";
    QTest::newRow("input on a father")
        << int(kIdChangeInputData) << int(EModelessKind::InputSensitivity) << "Cost"
        << "To draw a input data graph, at least\n"
           "one bottom-attribute has to be selected."
        << "";
    QTest::newRow("input") << int(kIdChangeInputData) << int(EModelessKind::InputSensitivity)
                           << "Price"
                           << ""
                           << "";
    QTest::newRow("trade-off") << int(kIdTradeOff) << int(EModelessKind::TradeOff) << "Price"
                               << ""
                               << "";
    QTest::newRow("group") << int(kIdCreateGroupAssessment) << int(EModelessKind::GroupAssessment)
                           << "Price"
                           << ""
                           << "A create group assessment window is still open and\n"
                              "may be minimised. To use it, you should restore it.";
  }
  void theCommandsOpenOneWindowEachOrRefuse() {
    QFETCH(int, id);
    QFETCH(int, kind);
    QFETCH(QString, attribute);
    QFETCH(QString, refusal);
    QFETCH(QString, alreadyOpen);
    CQtScriptedUser user;
    auto frame = StartOnExample(FromQt(attribute).c_str(), id == kIdCreateGroupAssessment);
    QVERIFY(frame);
    QVERIFY(!Enabled(*frame, kIdChangeRules));  // shown, never available
    QVERIFY(Enabled(*frame, id));
    CModelessRegistry& registry = frame->ActiveChild()->Document().Registry();
    Trigger(*frame, id);
    if (!refusal.isEmpty()) {
      QCOMPARE(user.LastText(), refusal);
      QCOMPARE(user.Messages().back().m_icon, EIcon::Warning);
      QVERIFY(!registry.IsOpen(EModelessKind(kind)));
      QVERIFY(user.Problems().isEmpty());
      return;
    }
    QVERIFY(registry.IsOpen(EModelessKind(kind)));
    auto* window = dynamic_cast<QWidget*>(registry.Window(EModelessKind(kind)));
    QVERIFY(window && window->isVisible() && window->parent() == frame.get());
    QVERIFY(!window->isModal());
    QVERIFY(user.Messages().empty());
    Trigger(*frame, id);
    QCOMPARE(registry.Window(EModelessKind(kind)), dynamic_cast<CModelessWindow*>(window));
    if (alreadyOpen.isEmpty())
      QVERIFY(user.Messages().empty());
    else
      QCOMPARE(user.LastText(), alreadyOpen);
    QVERIFY(user.Problems().isEmpty());
  }

  void aDraggedWeightGoesIntoTheModelAndNoPutsItBack() {
    CQtScriptedUser user;
    auto frame = StartOnExample("Portability");
    QVERIFY(frame);
    CMADMDoc& doc = DocOf(*frame);
    const int portability = FindAttribute(doc, "Portability");
    const double opening = doc.Attribute(portability).m_dWeight;
    Trigger(*frame, kIdChangeWeight);
    auto* window = OpenWindow<CWeightSensitivityWindow>(*frame);
    QVERIFY(window);
    window->resize(1100, 760);
    Activate(window);
    CWeightSensitivityPresenter& p = window->Presenter();
    QCOMPARE(window->LeftChart()->Content(), p.LeftChart());
    QCOMPARE(window->RightChart()->Content().m_strTitle,
             std::string("Ranking on Laptop for a student"));
    const std::vector<double> before = window->RightChart()->Content().m_series[0].m_dValues;

    // Portability is the second of the top's children.
    DragBar(*window->LeftChart(), 1, 0.05);
    const double dragged = doc.Attribute(portability).m_dWeight;
    QVERIFY2(Near(dragged, 0.05, 0.02), qPrintable(QString::number(dragged)));
    QVERIFY(doc.IsModified());
    QCOMPARE(window->LeftChart()->Content(), p.LeftChart());
    QCOMPARE(p.LeftChart().Value(0, 1), dragged);
    // The ranking is drawn again from the model evaluated with the new weight.
    const ChartContent& ranking = window->RightChart()->Content();
    QCOMPARE(ranking, p.RightChart());
    QVERIFY(ranking.m_series[0].m_dValues != before);
    for (int i = 0; i < ranking.PointCount(); ++i) {
      QCOMPARE(ranking.Value(0, i), doc.Alternative(i).Record(0).m_dAvgUtility);
    }

    Click(window, "rankChange");
    const ChartContent& change = window->RightChart()->Content();
    QVERIFY(change.m_line);
    QCOMPARE(change.m_line->m_strLabel, std::string("Given weight"));
    QCOMPARE(change.m_line->m_dPosition, dragged * 10);
    QCOMPARE(change.PointCount(), 11);
    QCOMPARE(doc.Attribute(portability).m_dWeight, dragged);

    // Closing with No puts the opening weight back.
    user.Answer(EAnswer::No);
    window->close();
    QCOMPARE(user.LastText(), QString("Do you want to save the changed weights?"));
    QCOMPARE(doc.Attribute(portability).m_dWeight, opening);
    QVERIFY(!frame->ActiveChild()->Document().Registry().IsOpen(EModelessKind::WeightSensitivity));
    QVERIFY(user.Problems().isEmpty());
  }

  void theTreeAndListsChooseWhatTheGraphsShow() {
    CQtScriptedUser user;
    auto frame = StartOnExample("Price");
    QVERIFY(frame);
    CMADMDoc& doc = DocOf(*frame);
    Trigger(*frame, kIdChangeWeight);
    auto* window = OpenWindow<CWeightSensitivityWindow>(*frame);
    QVERIFY(window);
    Activate(window);
    CWeightSensitivityPresenter& p = window->Presenter();
    QCOMPARE(window->List()->topLevelItemCount(), doc.AlternativeCount());
    QCOMPARE(window->ShownList()->count(), 5);
    // In the ranking mode a click in the tree marks an attribute ranked on.
    window->RankOnButton()->click();
    QTreeView* tree = window->Tree();
    const int cost = FindAttribute(doc, "Cost");
    auto* model = tree->model();
    QModelIndex costIndex;
    for (int r = 0; r < model->rowCount(model->index(0, 0)); ++r) {
      QModelIndex i = model->index(r, 0, model->index(0, 0));
      if (i.data().toString() == "Cost") costIndex = i;
    }
    QVERIFY(costIndex.isValid());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(costIndex).center());
    QVERIFY(p.IsRankedOn(cost));
    QCOMPARE(window->RankingList()->count(), 2);
    QCOMPARE(window->RightChart()->Content().SeriesCount(), 2);
    // Deselecting the shown alternatives one by one ends in the refusal.
    for (int i = 0; i < 5; ++i) Click(window, "deselectOne");
    QCOMPARE(window->ShownList()->count(), 0);
    Click(window, "ranking");
    QCOMPARE(user.LastText(), QString("To draw a ranking graph, at least\n"
                                      "one alternative has to be selected."));
    // Highlighting two rows and Select Group shows them.
    QCOMPARE(window->List()->Highlighted(), std::vector<int>{doc.CurrentPosition()});
    window->List()->clearSelection();
    window->List()->topLevelItem(1)->setSelected(true);
    window->List()->topLevelItem(3)->setSelected(true);
    Click(window, "selectGroup");
    QCOMPARE(p.ShownAlternatives(), (std::vector<int>{1, 3}));
    QCOMPARE(window->RightChart()->Content().PointCount(), 2);
    user.Clear();
    window->close();  // nothing changed: no question
    QVERIFY(user.Messages().empty());
    QVERIFY(user.Problems().isEmpty());
  }

  void deletingTheShownAttributeMovesTheInputWindowOn() {
    CQtScriptedUser user;
    auto frame = StartOnExample("Build quality");
    QVERIFY(frame);
    CMADMDoc& doc = DocOf(*frame);
    Trigger(*frame, kIdChangeInputData);
    auto* window = OpenWindow<CInputSensitivityWindow>(*frame);
    QVERIFY(window);
    Activate(window);
    const int quality = FindAttribute(doc, "Build quality");
    QCOMPARE(window->Presenter().Attribute(), quality);
    const int count = doc.AttributeCount();
    user.Answer(EAnswer::Yes);
    Trigger(*frame, kIdDeleteAttribute);
    QCOMPARE(doc.AttributeCount(), count - 1);
    QCOMPARE(FindAttribute(doc, "Build quality"), -1);
    // The window now shows a bottom attribute that exists, drawn afresh.
    const int k = window->Presenter().Attribute();
    QVERIFY(k >= 0 && k <= doc.LastAttribute());
    QCOMPARE(doc.Attribute(k).m_nChildren, 0);
    const ChartContent& input = window->LeftChart()->Content();
    QCOMPARE(input, window->Presenter().LeftChart());
    QVERIFY(!input.m_strTitle.empty());
    // A drag lands on that attribute.
    DragBar(*window->LeftChart(), 0, 0.9);
    QCOMPARE(window->LeftChart()->Content(), window->Presenter().LeftChart());
    window->close();
    QVERIFY(user.Problems().isEmpty());
  }

  void aDraggedBeliefDegreeGoesIntoTheAlternative() {
    CQtScriptedUser user;
    auto frame = StartOnExample("Build quality");
    QVERIFY(frame);
    CMADMDoc& doc = DocOf(*frame);
    const int quality = FindAttribute(doc, "Build quality");
    const int pos = doc.CurrentPosition();
    Trigger(*frame, kIdChangeInputData);
    auto* window = OpenWindow<CInputSensitivityWindow>(*frame);
    QVERIFY(window);
    window->resize(1100, 760);
    Activate(window);
    QCOMPARE(window->LeftChart()->Content().m_series[0].m_strLegend, std::string("Belief"));
    const int grades = doc.Attribute(quality).m_nGrades;
    QCOMPARE(window->LeftChart()->Content().PointCount(), grades);

    // The degree dragged up takes its excess from the others.
    const CAssessment& r = doc.Alternative(pos).Record(quality);
    std::vector<double> expected(r.m_dBelief, r.m_dBelief + grades);
    QSignalSpy spy(window->LeftChart(), &CChartWidget::PointDragged);
    DragBar(*window->LeftChart(), 0, 0.9);
    QCOMPARE(spy.count(), 1);
    DragDegree(expected, 0, spy[0][2].toDouble());
    QCOMPARE(std::vector<double>(r.m_dBelief, r.m_dBelief + grades), expected);
    QVERIFY(std::accumulate(expected.begin(), expected.end(), 0.0) <= 1 + 1e-8);
    QCOMPARE(window->LeftChart()->Content(), window->Presenter().LeftChart());
    QCOMPARE(window->LeftChart()->Content().Value(0, 0), r.m_dBelief[0]);
    const ChartContent& ranking = window->RightChart()->Content();
    QCOMPARE(ranking, window->Presenter().RightChart());
    QCOMPARE(ranking.m_strTitle, std::string("Score on Laptop for a student"));

    // A click on another alternative shows its input on the same attribute.
    QTreeWidget* list = window->List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(2)).center());
    QCOMPARE(doc.CurrentPosition(), 2);
    QCOMPARE(window->Presenter().Attribute(), quality);
    QCOMPARE(window->LeftChart()->Content().Value(0, 1),
             doc.Alternative(2).Record(quality).m_dBelief[1]);

    window->close();
    QCOMPARE(user.LastText(),
             QString("Input data changed in this window are recorded in memory.\n\n"
                     "Save them in the current ZEV file if you want the changes.\n"
                     "Otherwise, save them in another ZEV file or do not save."));
    QCOMPARE(doc.Alternative(pos).Record(quality).m_dBelief[0], r.m_dBelief[0]);
    QVERIFY(user.Problems().isEmpty());
  }

  void aGroupAlternativeIsMadeFromTheChosenMembers() {
    CQtScriptedUser user;
    auto frame = StartOnExample("Price");
    QVERIFY(frame);
    CMADMDoc& doc = DocOf(*frame);
    const int price = FindAttribute(doc, "Price");
    const int n = doc.AlternativeCount();
    Focus(frame->ActiveChild()->ListView());
    Trigger(*frame, kIdCreateGroupAssessment);
    auto* window = OpenWindow<CGroupAssessmentWindow>(*frame);
    QVERIFY(window);
    Activate(window);
    QCOMPARE(window->MemberList()->count(), n);
    Click(window, "clear");
    QCOMPARE(window->MemberList()->count(), 0);
    Click(window, "create");
    QCOMPARE(user.LastText(), QString("To create a group alternative, at least\n"
                                      "ONE alternative has to be selected."));

    // Enter in the list selects the highlighted row; then rows 0 and 1.
    CAnalysisList* list = window->List();
    list->setFocus();
    list->clearSelection();
    list->topLevelItem(1)->setSelected(true);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(window->Presenter().Members(), (std::vector<int>{1}));
    list->topLevelItem(0)->setSelected(true);
    Click(window, "selectGroup");
    QCOMPARE(window->MemberList()->count(), 2);
    // Member 1 weighs 3: chosen in the drop-down list, typed, stored by Enter.
    window->MemberList()->setFocus();
    window->MemberList()->setCurrentIndex(1);
    emit window->MemberList()->activated(1);
    window->WeightField()->setFocus();
    Retype("3");
    Press(Qt::Key_Return);
    QCOMPARE(window->Presenter().Weight(1), 3.0);
    QCOMPARE(list->topLevelItem(1)->text(1), QString("3.00"));
    // A weight beyond 100 is refused and the focus returns.
    Retype("101");
    Press(Qt::Key_Return);
    QCOMPARE(user.LastText(), QString("Please enter a number between 0 and 100."));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window->WeightField()));
    Retype("3");

    user.OnDialog("GroupName", [](QDialog& view) {
      QCOMPARE(view.windowTitle(), QString("ZEV Dialog: Choose A Group Alternative Name"));
      auto* name = view.findChild<QLineEdit*>("name");
      QCOMPARE(name->text(), QString("Group Alternative"));
      name->setText("Pair");
      Click(&view, "ok");
    });
    Click(window, "create");
    QCOMPARE(doc.AlternativeCount(), n + 1);
    QCOMPARE(doc.Alternative(n).m_strName.Str(), std::string("Pair"));
    const double expected = (doc.Alternative(0).Record(price).m_dValue +
                             3 * doc.Alternative(1).Record(price).m_dValue) /
                            4;
    QVERIFY(Near(doc.Alternative(n).Record(price).m_dValue, expected, 1e-9));
    QCOMPARE(list->topLevelItemCount(), n + 1);
    QCOMPARE(list->topLevelItem(n)->text(0), QString("Pair"));
    // The members stay marked; the new alternative is not one of them.
    QCOMPARE(window->Presenter().Members(), (std::vector<int>{0, 1}));
    QVERIFY(user.Problems().isEmpty());
  }

  void theTradeOffFollowsItsAttributeLists() {
    CQtScriptedUser user;
    auto frame = StartOnExample("Price");
    QVERIFY(frame);
    CMADMDoc& doc = DocOf(*frame);
    const int price = FindAttribute(doc, "Price");
    Trigger(*frame, kIdTradeOff);
    auto* window = OpenWindow<CTradeOffWindow>(*frame);
    QVERIFY(window);
    QCOMPARE(window->XList()->currentIndex(), price);
    QCOMPARE(window->YList()->currentIndex(), 0);
    const ChartContent& c = window->Chart()->Content();
    QCOMPARE(c.m_kind, EChartKind::Points);
    QCOMPARE(static_cast<int>(c.m_dPointX.size()), doc.AlternativeCount());
    QCOMPARE(c.m_xRange, (std::optional<SChartRange>{SChartRange{700, 2000}}));
    const int build = FindAttribute(doc, "Build quality");
    window->XList()->setCurrentIndex(build);
    emit window->XList()->activated(build);
    QCOMPARE(window->Chart()->Content().m_xRange,
             (std::optional<SChartRange>{SChartRange{0, 100}}));
    QCOMPARE(window->Chart()->Content().m_dPointX[0],
             doc.Alternative(0).Record(build).m_dAvgUtility * 100);
    // The chart's tool bar comes from its context menu.
    QCOMPARE(window->Chart()->contextMenuPolicy(), Qt::ActionsContextMenu);
    window->Chart()->actions().front()->trigger();
    QVERIFY(window->Chart()->IsToolBarVisible());
    QVERIFY(user.Problems().isEmpty());
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CAnalysisWindowsTest)
#include "analysis_windows_test.moc"
