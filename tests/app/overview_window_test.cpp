// The overview window: single, its lists and tree, choosing in each, and
// following the views and the model while open.
#include "app/overview_window.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/attribute_tree_view.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

QStringList Column(const QTreeWidget& list, int column) {
  QStringList texts;
  for (int r = 0; r < list.topLevelItemCount(); ++r) texts << list.topLevelItem(r)->text(column);
  return texts;
}

void ClickRow(QTreeWidget& list, QTreeWidgetItem* item) {
  QVERIFY(item);
  list.scrollToItem(item);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
}

}  // namespace

class OverviewWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_frame = StartForTest();
    QVERIFY(m_frame);
    m_child = m_frame->ActiveChild();
    CMADMDoc& doc = m_child->Document().Doc();
    BuildHierarchy(doc, {"Quality:", "Comfort:Quality", "Price:"});
    CAttribute& price = doc.Attribute(FindAttribute(doc, "Price"));
    price.m_nType = Quantitative;
    price.m_dBest = 10;
    price.m_dWorst = 30;
    price.SetUnit("k");
    doc.CurrentAlternative().SetName("Car");
    doc.AddAlternativeCommand();
    doc.CurrentAlternative().SetName("Car");  // the same name twice
    doc.SetCurrentPosition(0);
    doc.SetCurrentAttribute(0);
    Focus(m_child->TreeView());
  }
  void cleanup() {
    m_child = nullptr;
    m_frame.reset();
  }

  void opensOnceWithItsListsAndTree() {
    CQtScriptedUser user;
    COverviewWindow* window = Open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(),
             QString("ZEV Dialog: Overview of the Decision Model and the Main Results"));
    QAbstractItemModelTester alternatives(window->Alternatives()->model());
    QAbstractItemModelTester attributes(window->Attributes()->model());
    QAbstractItemModelTester hierarchy(window->Hierarchy()->model());
    QCOMPARE(window->AlternativeName()->text(), QString("Car"));
    QCOMPARE(window->AttributeName()->text(), QString("Top Attribute"));
    QCOMPARE(Column(*window->Alternatives(), 0), QStringList({"Car", "Car"}));
    QCOMPARE(Column(*window->Attributes(), 0),
             QStringList({"Top Attribute", "Quality", "Comfort", "Price"}));
    QCOMPARE(Column(*window->Attributes(), 3), QStringList({"None", "0", "1", "0"}));
    QCOMPARE(Column(*window->Attributes(), 6),
             QStringList({"average utility", "average utility", "average utility", "k"}));
    QCOMPARE(window->Attributes()->headerItem()->text(4), QString("Weight"));
    // The tree: the top with its children under it.
    QCOMPARE(window->Hierarchy()->topLevelItemCount(), 1);
    QCOMPARE(window->Hierarchy()->topLevelItem(0)->childCount(), 2);
    // A second request brings the same window forward, with the message.
    Trigger(*m_frame, kIdOverview);
    QCOMPARE(user.Texts().size(), 1);
    QCOMPARE(Find(), window);
    QCOMPARE(Count(), 1);
    QVERIFY(user.Problems().isEmpty());
  }

  // The second of two alternatives of the same name is chosen by its row;
  // an attribute chosen in the tree is marked in the list too, and both go
  // to the document.
  void choosingInAListOrTheTreeSelectsForTheModel() {
    CQtScriptedUser user;
    COverviewWindow* window = Open();
    QVERIFY(window);
    CMADMDoc& doc = m_child->Document().Doc();
    ClickRow(*window->Alternatives(), window->Alternatives()->topLevelItem(1));
    QCOMPARE(doc.CurrentPosition(), 1);
    QCOMPARE(window->Presenter().OverviewAlternative(), 1);
    const int comfort = FindAttribute(doc, "Comfort");
    QTreeWidgetItem* node =
        window->Hierarchy()->findItems("Comfort", Qt::MatchExactly | Qt::MatchRecursive).value(0);
    ClickRow(*window->Hierarchy(), node);
    QCOMPARE(doc.CurrentAttribute(), comfort);
    QCOMPARE(window->AttributeName()->text(), QString("Comfort"));
    QCOMPARE(window->Attributes()->currentItem()->text(0), QString("Comfort"));
    // A click on the marked row hands it over again after the views moved on.
    doc.SetCurrentAttribute(0);
    ClickRow(*window->Hierarchy(), node);
    QCOMPARE(doc.CurrentAttribute(), comfort);
    // Select repeats the choice of the list used last, the attribute list.
    ClickRow(*window->Attributes(), window->Attributes()->topLevelItem(3));
    QCOMPARE(doc.CurrentAttribute(), FindAttribute(doc, "Price"));
    doc.SetCurrentAttribute(0);
    window->Attributes()->setFocus();
    Click(window, "select");
    QCOMPARE(doc.CurrentAttribute(), FindAttribute(doc, "Price"));
    QCOMPARE(doc.CurrentPosition(), 1);
    QVERIFY(user.Problems().isEmpty());
  }

  // "&Graph" is the graph command's, on the selection the window handed over.
  void graphDrawsTheSelectionThroughTheGraphCommand() {
    CQtScriptedUser user;
    CMADMDoc& doc = m_child->Document().Doc();
    std::vector<std::pair<int, int>> drawn;
    m_child->Commands().SetHandler(kIdGraphBeliefAttAtAlt, [&] {
      drawn.emplace_back(doc.CurrentAttribute(), doc.CurrentPosition());
    });
    COverviewWindow* window = Open();
    QVERIFY(window);
    QVERIFY(window->GraphButton()->isEnabled());
    ClickRow(*window->Attributes(), window->Attributes()->topLevelItem(2));
    Click(window, "graph");
    QCOMPARE(drawn, (std::vector<std::pair<int, int>>{{FindAttribute(doc, "Comfort"), 0}}));
    QVERIFY(user.Problems().isEmpty());
  }

  // The views' choice of an alternative shows in the window; a new
  // attribute shows in its lists and tree; Close empties the slot.
  void followsTheViewsAndTheModelUntilClosed() {
    CQtScriptedUser user;
    COverviewWindow* window = Open();
    QVERIFY(window);
    m_child->Commands().SelectAlternative(1);
    QCOMPARE(window->Presenter().OverviewAlternative(), 1);
    QCOMPARE(window->Alternatives()->currentItem(), window->Alternatives()->topLevelItem(1));
    CMADMDoc& doc = m_child->Document().Doc();
    doc.SetCurrentAttribute(FindAttribute(doc, "Price"));
    doc.InsertAttributeBelow();
    QCOMPARE(window->Attributes()->topLevelItemCount(), 5);
    QCOMPARE(window->Hierarchy()->topLevelItem(0)->childCount(), 3);
    Click(window, "close");
    QVERIFY(!m_child->Document().Registry().IsOpen(EModelessKind::Overview));
    QVERIFY(user.Problems().isEmpty());
  }

 private:
  COverviewWindow* Open() {
    Trigger(*m_frame, kIdOverview);
    return Find();
  }
  static COverviewWindow* Find() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* o = qobject_cast<COverviewWindow*>(w); o && o->isVisible()) return o;
    }
    return nullptr;
  }
  int Count() const {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      n += qobject_cast<COverviewWindow*>(w) ? 1 : 0;
    return n;
  }

  std::unique_ptr<CMainFrame> m_frame;
  CChildFrame* m_child = nullptr;
};

}  // namespace zev::test

QTEST_MAIN(zev::test::OverviewWindowTest)
#include "overview_window_test.moc"
