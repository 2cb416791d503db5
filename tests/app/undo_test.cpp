// Undo and redo in the desktop: the Edit items, their keys and texts, the
// modified mark, the history window and a tool window's writes.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeView>
#include <iterator>

#include "app/alternative_list_view.h"
#include "app/attribute_tree_model.h"
#include "app/attribute_tree_view.h"
#include "app/charts/chart_widget.h"
#include "app/dialogs/qt_text.h"
#include "app/insertion_window.h"
#include "app/madm_view.h"
#include "app/undo_history_window.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "io/model_file.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

// A model of two fathers with two children each, as if opened.
CChildFrame& StartWithHierarchy(CMainFrame& frame) {
  CChildFrame& child = *frame.ActiveChild();
  CMADMDoc& doc = child.Document().Doc();
  BuildHierarchy(
      doc, {"Cost:", "Price:Cost", "Upkeep:Cost", "Quality:", "Comfort:Quality", "Safety:Quality"});
  child.Commands().History().Clear();
  doc.Notify({EDocChange::Loaded, 0, 0});
  return child;
}

QString ActionText(CMainFrame& frame, int id) {
  frame.UpdateCommandUI();
  return frame.Action(id)->text();
}

// A write of a tool window into the model, and what comes before it.
struct SWindowWrite {
  const char* m_strAttribute;  // current when the window opens
  int m_nCommand;              // opens the window
  const char* m_strWindow;     // its object name
  const char* m_strStep;       // the step the write records
  void (*m_prepare)(QWidget& window, CQtScriptedUser& user);
  void (*m_write)(QWidget& window, CQtScriptedUser& user);
};

CChartWidget& DragChart(QWidget& window) {
  auto* chart = window.findChild<CChartWidget*>("leftChart");
  return chart ? *chart : *window.findChild<CChartWidget*>();
}

void Nothing(QWidget&, CQtScriptedUser&) {}

void DragSecondWeight(QWidget& window, CQtScriptedUser&) {
  emit DragChart(window).PointDragged(0, 1, 0.05);
}

const SWindowWrite kWindowWrites[] = {
    {"Price", kIdUtilityVisualScoring, "utilityScoringWindow", "Update Utilities",
     [](QWidget& window, CQtScriptedUser&) {
       const ChartContent& chart = DragChart(window).Content();
       emit DragChart(window).PointDragged(0, 1, (chart.Value(0, 0) + chart.Value(0, 1)) / 2);
     },
     [](QWidget& window, CQtScriptedUser& user) {
       user.Answer(EAnswer::Yes);
       Click(&window, "update");
     }},
    {"Portability", kIdChangeWeight, "weightSensitivityWindow", "Change Weight", Nothing,
     DragSecondWeight},
    {"Portability", kIdChangeWeight, "weightSensitivityWindow", "Normalise Weights",
     DragSecondWeight,
     [](QWidget& window, CQtScriptedUser&) {
       window.findChild<QCheckBox*>("normalise")->setChecked(true);
     }},
    // Picking another sibling group switches normalising off.
    {"Portability", kIdChangeWeight, "weightSensitivityWindow", "Normalise Weights",
     [](QWidget& window, CQtScriptedUser& user) {
       DragSecondWeight(window, user);
       window.findChild<QCheckBox*>("normalise")->setChecked(true);
     },
     [](QWidget& window, CQtScriptedUser&) {
       auto* tree = window.findChild<QTreeView*>("attributes");
       QAbstractItemModel* model = tree->model();
       const QModelIndexList price =
           model->match(model->index(0, 0), Qt::DisplayRole, "Price", 1, Qt::MatchRecursive);
       emit tree->clicked(price.value(0));
     }},
    {"Portability", kIdChangeWeight, "weightSensitivityWindow", "Restore Opening Weights",
     DragSecondWeight, [](QWidget& window, CQtScriptedUser&) { Click(&window, "restart"); }},
    {"Build quality", kIdChangeInputData, "inputSensitivityWindow", "Change Input Data", Nothing,
     [](QWidget& window, CQtScriptedUser&) { emit DragChart(window).PointDragged(0, 0, 0.9); }},
    {"Price", kIdCreateGroupAssessment, "groupAssessmentWindow", "Create A Group Alternative",
     Nothing,
     [](QWidget& window, CQtScriptedUser& user) {
       user.OnDialog("GroupName", [](QDialog& view) { Click(&view, "ok"); });
       Click(&window, "create");
     }},
};

}  // namespace

class CUndoTest : public QObject {
  Q_OBJECT

 private slots:
  void ctrlZBringsADeletedSubTreeBackInTheTreeAndTheBoxes() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame& child = StartWithHierarchy(*frame);
    CMADMDoc& doc = child.Document().Doc();
    QVERIFY(!Enabled(*frame, kIdEditUndo));
    QCOMPARE(ActionText(*frame, kIdEditUndo), QString("&Undo\tCtrl+Z"));

    Trigger(*frame, kIdViewDialogBox);
    CMADMView* boxes = child.DialogBoxView();
    QVERIFY(boxes);
    child.Commands().SelectAttribute(FindAttribute(doc, "Cost"));
    Focus(boxes);
    const QImage before = boxes->grab().toImage();

    user.Answer(EAnswer::Yes).Answer(EAnswer::Yes);  // delete it, and its children
    Trigger(*frame, kIdDeleteAttribute);
    QCOMPARE(FindAttribute(doc, "Upkeep"), -1);
    QVERIFY(boxes->grab().toImage() != before);
    QVERIFY(doc.IsModified());
    QCOMPARE(ActionText(*frame, kIdEditUndo), QString("&Undo Delete Attribute\tCtrl+Z"));

    QTest::keyClick(boxes, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(TreeIsConsistent(doc));
    QVERIFY(FindAttribute(doc, "Upkeep") != -1);
    QCOMPARE(boxes->grab().toImage(), before);
    QVERIFY(!doc.IsModified());
    QCOMPARE(ActionText(*frame, kIdEditRedo), QString("&Redo Delete Attribute\tCtrl+Y"));

    Trigger(*frame, kIdViewListTree);
    CAttributeTreeModel* tree = child.TreeView()->TreeModel();
    QCOMPARE(tree->rowCount(tree->IndexOf(FindAttribute(doc, "Cost"))), 2);

    // Ctrl+Shift+Z makes it again; Ctrl+Z once more, and the model is as
    // opened, so closing it asks nothing.
    Focus(child.TreeView());
    QTest::keyClick(child.TreeView(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(FindAttribute(doc, "Upkeep"), -1);
    QCOMPARE(tree->rowCount(tree->IndexOf(0)), 1);
    QTest::keyClick(child.TreeView(), Qt::Key_Z, Qt::ControlModifier);
    Trigger(*frame, kIdFileClose);
    QCOMPARE(frame->ActiveChild(), nullptr);
    QVERIFY(user.Problems().isEmpty());
  }

  void theHistoryWindowGoesBackToAClickedStepAndUndoesAToolWindowsWrites() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame& child = *frame->ActiveChild();
    CMADMDoc& doc = child.Document().Doc();
    Focus(child.TreeView());
    Trigger(*frame, kIdInsertAttribute);
    auto* insertion = OpenWindow<CInsertionWindow>(*frame);
    QVERIFY(insertion);
    insertion->SetChoice(1);  // right
    insertion->Insert();
    insertion->SetChoice(2);  // below
    insertion->Insert();
    QCOMPARE(doc.LastAttribute(), 2);

    Focus(child.TreeView());
    Trigger(*frame, kIdViewUndoHistory);
    auto* history = OpenWindow<CUndoHistoryWindow>(*frame);
    QVERIFY(history);
    QListWidget* list = history->List();
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(1)->text(), QString("Insert Attribute Right"));
    QCOMPARE(list->item(2)->text(), QString("Insert Attribute Below"));
    QCOMPARE(list->currentRow(), 2);
    if (qEnvironmentVariableIsSet("ZEV_UNDO_SCREENSHOT")) {
      child.Commands().History().Undo();
      history->adjustSize();
      history->grab().save(qEnvironmentVariable("ZEV_UNDO_SCREENSHOT"));
      child.Commands().History().Redo();
    }

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QCoreApplication::processEvents();
    QCOMPARE(doc.LastAttribute(), 0);
    QVERIFY(!doc.IsModified());
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(insertion->AttributeLabel()->text(), QString("Top Attribute"));

    Trigger(*frame, kIdEditRedo);
    QCOMPARE(doc.LastAttribute(), 1);
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(doc.IsModified());
    user.Answer(EAnswer::No);
    Trigger(*frame, kIdFileClose);
    QVERIFY(user.Problems().isEmpty());
  }

  void aToolWindowsWriteIsOneStepUndoneToTheSavedBytes_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < static_cast<int>(std::size(kWindowWrites)); ++row)
      QTest::addRow("%d %s", row, kWindowWrites[row].m_strStep) << row;
  }
  void aToolWindowsWriteIsOneStepUndoneToTheSavedBytes() {
    QFETCH(int, row);
    const SWindowWrite& w = kWindowWrites[row];
    CQtScriptedUser user;
    auto frame = StartForTest();
    QVERIFY(frame->OpenDocument(PathFromQt(qEnvironmentVariable("ZEV_EXAMPLES") + "/laptop.zev")));
    CChildFrame& child = *frame->ActiveChild();
    CMADMDoc& doc = child.Document().Doc();
    const int k = FindAttribute(doc, w.m_strAttribute);
    if (w.m_nCommand == kIdUtilityVisualScoring) doc.Attribute(k).m_nConversion = ByUtility;
    child.Commands().SelectAttribute(k);
    if (w.m_nCommand == kIdCreateGroupAssessment)
      Focus(child.ListView());
    else
      Focus(child.TreeView());
    Trigger(*frame, w.m_nCommand);
    auto* window = frame->findChild<QWidget*>(w.m_strWindow);
    QVERIFY(window && window->isVisible());
    w.m_prepare(*window, user);
    CUndoHistory& history = child.Commands().History();
    const size_t steps = history.Position();
    const std::string before = WriteModel(doc);

    w.m_write(*window, user);
    const std::string after = WriteModel(doc);
    QVERIFY(after != before);
    QCOMPARE(history.Position(), steps + 1);
    QCOMPARE(history.UndoName(), std::string(w.m_strStep));
    QVERIFY(history.Undo());
    QVERIFY(WriteModel(doc) == before);
    QVERIFY(history.Redo());
    QVERIFY(WriteModel(doc) == after);
    QVERIFY(user.Problems().isEmpty());
    user.Answer(EAnswer::Yes);  // keep changed weights
    window->close();
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CUndoTest)
#include "undo_test.moc"
