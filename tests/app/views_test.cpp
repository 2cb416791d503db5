// The three views of a model window: switching, clicks, keys and label edits.

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPdfWriter>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>

#include "app/alternative_list_view.h"
#include "app/attribute_tree_view.h"
#include "app/dialogs/dialog_registry.h"
#include "app/madm_print.h"
#include "app/madm_view.h"
#include "commands/command_table.h"
#include "elicitation/define_alternative_presenter.h"
#include "elicitation/define_attribute_presenter.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

// A hierarchy of the top and three children A, B (with B1, B2) and C.
void BuildSmallModel(CMainFrame& frame) {
  CChildFrame* child = frame.ActiveChild();
  Focus(child->TreeView());
  CMADMDoc& doc = child->Document().Doc();
  Trigger(frame, kIdInsertRight);  // 1 under the top
  Trigger(frame, kIdInsertBelow);  // 2
  Trigger(frame, kIdInsertRight);  // 3 under 2
  Trigger(frame, kIdInsertBelow);  // 4 under 2
  doc.SetCurrentAttribute(2);
  Trigger(frame, kIdInsertBelow);  // 5
  const char* names[] = {"Top", "A", "B", "B1", "B2", "C"};
  for (int i = 0; i <= 5; ++i) doc.Attribute(i).SetName(names[i]);
  doc.Notify({EDocChange::Model, -1, -1});
}

QPoint BoxCentre(CMADMView* view, int x, int y) { return view->ToViewport(x, y); }

}  // namespace

class CViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void switchingViewsTwiceKeepsTheModelAndTheSelection() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    BuildSmallModel(*frame);
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    Focus(child->ListView());
    Trigger(*frame, kIdNewAlternative);
    Trigger(*frame, kIdNewAlternative);
    child->Commands().SelectAlternative(1);
    child->Commands().SelectAttribute(3);
    const CMADMDoc* before = &doc;

    Trigger(*frame, kIdViewSwitch);
    QCOMPARE(child->ViewMode(), EViewMode::DialogBox);
    QVERIFY(child->DialogBoxView());
    QVERIFY(!child->TreeView());
    QVERIFY(child->ListView()->isHidden());
    QCOMPARE(child->DialogBoxView()->AttributeField()->text(), QString("B1"));
    QCOMPARE(child->DialogBoxView()->AlternativeField()->text(), QString("Alternative 2"));

    Trigger(*frame, kIdViewSwitch);
    QCOMPARE(child->ViewMode(), EViewMode::ListTree);
    QVERIFY(child->TreeView());
    QVERIFY(!child->DialogBoxView());
    QVERIFY(!child->ListView()->isHidden());
    QCOMPARE(child->Splitter()->sizes().front(), 202);
    QCOMPARE(&child->Document().Doc(), before);
    QCOMPARE(doc.CurrentAttribute(), 3);
    QCOMPARE(doc.CurrentPosition(), 1);
    QVERIFY(doc.IsAttributeSelected());
    QCOMPARE(CAttributeTreeModel::AttributeOf(child->TreeView()->currentIndex()), 3);
    QCOMPARE(child->ListView()->currentIndex().row(), 1);
    QCOMPARE(child->TreeView()->model()->rowCount(child->TreeView()->model()->index(0, 0)), 3);
    // The explicit modes only go where the model window is not.
    QVERIFY(!Enabled(*frame, kIdViewListTree));
    Trigger(*frame, kIdViewDialogBox);
    QCOMPARE(child->ViewMode(), EViewMode::DialogBox);
    QVERIFY(!Enabled(*frame, kIdViewDialogBox));
    Trigger(*frame, kIdViewListTree);
    QCOMPARE(child->ViewMode(), EViewMode::ListTree);
    QVERIFY(user.Problems().isEmpty());
  }

  void theItemModelsHoldTheirContractThroughEveryEdit() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    QAbstractItemModelTester treeTester(child->TreeView()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester listTester(child->ListView()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    BuildSmallModel(*frame);
    CMADMDoc& doc = child->Document().Doc();
    QVERIFY(test::TreeIsConsistent(doc));
    // Delete B with its children, through the command.
    doc.SetCurrentAttribute(2);
    user.Answer(EAnswer::Yes).Answer(EAnswer::Yes);
    Focus(child->TreeView());
    Trigger(*frame, kIdDeleteAttribute);
    QCOMPARE(doc.LastAttribute(), 2);
    QAbstractItemModel* tree = child->TreeView()->model();
    QModelIndex top = tree->index(0, 0);
    QCOMPARE(tree->rowCount(top), 2);
    QCOMPARE(tree->index(0, 0, top).data().toString(), QString("A"));
    QCOMPARE(tree->index(1, 0, top).data().toString(), QString("C"));
    Focus(child->ListView());
    for (int i = 0; i < 6; ++i) Trigger(*frame, kIdNewAlternative);
    QCOMPARE(child->ListView()->model()->rowCount(), 7);
    user.Answer(EAnswer::Yes);
    Trigger(*frame, kIdDeleteAlternative);
    QCOMPARE(child->ListView()->model()->rowCount(), 6);
    child->Commands().RenameAlternative(0, "Car");
    QCOMPARE(child->ListView()->model()->index(0, 0).data().toString(), QString("Car"));
    QCOMPARE(child->ListView()->model()->headerData(0, Qt::Horizontal).toString(),
             QString("Alternative Name"));
    QVERIFY(user.Problems().isEmpty());
  }

  void treeLabelEditsRenameAndRefuseAnEmptyName() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    BuildSmallModel(*frame);
    CChildFrame* child = frame->ActiveChild();
    CAttributeTreeView* tree = child->TreeView();
    QModelIndex a = tree->TreeModel()->IndexOf(1);
    tree->setCurrentIndex(a);
    tree->edit(a);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->setText("Price");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits queued
    QCOMPARE(child->Document().Doc().Attribute(1).m_strName, "Price");

    tree->edit(a);
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->setText("");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits queued
    QCOMPARE(user.LastText(), QString("The attribute name must not be empty."));
    QCOMPARE(child->Document().Doc().Attribute(1).m_strName, "Price");
    QVERIFY(user.Problems().isEmpty());
  }

  void listLabelEditsRenameTheAlternativeOfTheEditedRow() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    doc.AddAlternativeCommand();
    doc.AddAlternativeCommand();
    doc.Alternative(1).SetName("Same");
    doc.Alternative(2).SetName("Same");
    doc.Notify({EDocChange::Model, -1, -1});
    CAlternativeListView* list = child->ListView();
    QModelIndex third = list->model()->index(2, 0);
    list->setCurrentIndex(third);
    list->edit(third);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->setText("Third");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits queued
    QCOMPARE(doc.Alternative(1).m_strName, "Same");
    QCOMPARE(doc.Alternative(2).m_strName, "Third");

    list->edit(third);
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->setText("");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits queued
    QCOMPARE(user.LastText(), QString("The alternative name must not be empty."));
    QCOMPARE(user.Messages().back().m_icon, EIcon::Warning);
    QCOMPARE(doc.Alternative(2).m_strName, "Third");
    QVERIFY(user.Problems().isEmpty());
  }

  void treeClicksSelectDefineAndEnterData() {
    CQtScriptedUser user;
    // Entry views, so that the entry command is available in this test.
    for (const char* kind : {"QualitativeEntryPage", "CertainValueEntry", "PossibleValueCount",
                             "UncertainEntryPage", "GradeText"}) {
      RegisterDialogView(kind, [](CDialogPresenter&, QWidget*) { return false; });
    }
    auto frame = StartForTest();
    BuildSmallModel(*frame);
    CChildFrame* child = frame->ActiveChild();
    CAttributeTreeView* tree = child->TreeView();
    CMADMDoc& doc = child->Document().Doc();
    doc.SetModifiedFlag(false);
    auto centre = [tree](int i) {
      return tree->visualRect(tree->TreeModel()->IndexOf(i)).center();
    };

    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre(3));
    QCOMPARE(doc.CurrentAttribute(), 3);
    QVERIFY(!doc.IsModified());  // a selection is not saved
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre(1));
    QCOMPARE(child->Commands().PreviousAttribute(), 3);

    // A right-click selects and defines.
    user.OnDialog<CDefineAttributePresenter>([](CDefineAttributePresenter& p) {
      p.m_strName = "Cost";
      return p.Ok() == EDialogAction::CloseOk;
    });
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, centre(5));
    QCOMPARE(doc.CurrentAttribute(), 5);
    QCOMPARE(doc.Attribute(5).m_strName, "Cost");

    // A double-click on a father selects it and opens nothing.
    user.Clear();
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre(2));
    QCOMPARE(doc.CurrentAttribute(), 2);
    QVERIFY(user.Dialogs().empty());
    QVERIFY(user.Messages().empty());
    // On a bottom attribute it opens data entry at the selection.
    user.OnDialog("QualitativeEntryPage", [](CDialogPresenter&) { return false; });
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre(3));
    QCOMPARE(doc.CurrentAttribute(), 3);
    QCOMPARE(user.Dialogs(), std::vector<std::string>{"QualitativeEntryPage"});
    QVERIFY(user.Problems().isEmpty());
    for (const char* kind : {"QualitativeEntryPage", "CertainValueEntry", "PossibleValueCount",
                             "UncertainEntryPage", "GradeText"}) {
      RegisterDialogView(kind, nullptr);
    }
  }

  void listClicksSelectAndDefine() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    doc.AddAlternativeCommand();
    doc.SetCurrentPosition(0);
    doc.Notify({EDocChange::Model, -1, -1});
    CAlternativeListView* list = child->ListView();
    QPoint second = list->visualRect(list->model()->index(1, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(doc.CurrentPosition(), 1);
    QVERIFY(doc.IsAlternativeSelected());
    user.OnDialog<CDefineAlternativePresenter>([](CDefineAlternativePresenter& p) {
      p.m_strDescription = "red";
      return p.Ok() == EDialogAction::CloseOk;
    });
    QPoint first = list->visualRect(list->model()->index(0, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, first);
    QCOMPARE(doc.CurrentPosition(), 0);
    QCOMPARE(doc.Alternative(0).m_strDescription, "red");
    QVERIFY(user.Problems().isEmpty());
  }

  void boxClicksSelectBoxesAndDoubleClicksDefine() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    BuildSmallModel(*frame);
    CChildFrame* child = frame->ActiveChild();
    Trigger(*frame, kIdViewDialogBox);
    CMADMView* view = child->DialogBoxView();
    view->resize(900, 600);
    CMADMDoc& doc = child->Document().Doc();
    const CAttribute& c = doc.Attribute(5);
    // The value cell, clear of the edit field over the name cell.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      BoxCentre(view, c.m_nX + 20, c.m_nY + 10));
    QCOMPARE(doc.CurrentAttribute(), 5);
    QVERIFY(doc.IsAttributeSelected());
    QCOMPARE(view->AttributeField()->text(), QString("C"));
    QCOMPARE(view->AttributeField()->geometry().center().y() < BoxCentre(view, c.m_nX, c.m_nY).y(),
             true);
    const CAlternative& alt = doc.Alternative(0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      BoxCentre(view, alt.m_nX - 20, alt.m_nY + 10));
    QVERIFY(doc.IsAlternativeSelected());
    user.OnDialog<CDefineAlternativePresenter>([](CDefineAlternativePresenter& p) {
      p.m_strName = "Car";
      return p.Ok() == EDialogAction::CloseOk;
    });
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                       BoxCentre(view, alt.m_nX - 20, alt.m_nY + 10));
    QCOMPARE(doc.Alternative(0).m_strName, "Car");
    QCOMPARE(view->AlternativeField()->text(), QString("Car"));
    // A double-click on an attribute box in its name row defines it.
    user.OnDialog<CDefineAttributePresenter>([](CDefineAttributePresenter&) { return false; });
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                       BoxCentre(view, c.m_nX + 20, c.m_nY + 10));
    QCOMPARE(user.Dialogs().back(), std::string(CDefineAttributePresenter::kKind));
    QVERIFY(user.Problems().isEmpty());
  }

  void theAttributeFieldRenamesAndWeighsAndMovesWithTheKeys() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    BuildSmallModel(*frame);
    CChildFrame* child = frame->ActiveChild();
    Trigger(*frame, kIdViewDialogBox);
    CMADMView* view = child->DialogBoxView();
    CMADMDoc& doc = child->Document().Doc();
    QLineEdit* field = view->AttributeField();
    child->Commands().SelectAttribute(1);
    QCOMPARE(field->text(), QString("A"));

    // A name confirmed with Enter is stored; an empty one is refused.
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "Price");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(doc.Attribute(1).m_strName, "Price");
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(user.LastText(), QString("The attribute name must not be empty."));
    QCOMPARE(doc.Attribute(1).m_strName, "Price");
    QCOMPARE(field->text(), QString("Price"));

    // Tab on an attribute without children leaves the selection; a typed
    // name is dropped first.
    QTest::keyClicks(field, "xyz");
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(doc.CurrentAttribute(), 1);
    QCOMPARE(field->text(), QString("Price"));
    QCOMPARE(doc.Attribute(1).m_strName, "Price");

    // Down: to the weight row, where the field edits the weight.
    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(doc.FocusRow(), 52);
    QCOMPARE(field->text(), QString("1.0000"));
    field->selectAll();
    QTest::keyClicks(field, "0.25");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(doc.Attribute(1).m_dWeight, 0.25);
    field->selectAll();
    QTest::keyClicks(field, "-3");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(user.LastText(), QString("Weight must be a non-negative real number."));
    QCOMPARE(doc.Attribute(1).m_dWeight, 0.25);
    // Down again: the next attribute's name row.
    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(doc.CurrentAttribute(), 2);
    QCOMPARE(doc.FocusRow(), 51);
    QCOMPARE(field->text(), QString("B"));
    // Tab: its first child; Shift+Tab: back to the father.
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(doc.CurrentAttribute(), 3);
    QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(doc.CurrentAttribute(), 2);
    // Up from the name row: the earlier box's weight row.
    QTest::keyClick(field, Qt::Key_Up);
    QCOMPARE(doc.CurrentAttribute(), 1);
    QCOMPARE(doc.FocusRow(), 52);
    QVERIFY(user.Problems().isEmpty());
  }

  void copyAndPasteInTheBoxViewAskFirst() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    BuildSmallModel(*frame);
    CChildFrame* child = frame->ActiveChild();
    Trigger(*frame, kIdViewDialogBox);
    CMADMView* view = child->DialogBoxView();
    CMADMDoc& doc = child->Document().Doc();
    child->Commands().SelectAttribute(1);
    // Ctrl+C in the view (not in a field) copies the box.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(doc.HasClipboardAttribute());
    QCOMPARE(doc.ClipboardAttribute().m_strName, "A");
    child->Commands().SelectAttribute(5);
    user.Answer(EAnswer::No);
    Trigger(*frame, kIdEditPaste);
    QCOMPARE(user.LastText(), QString("Replace <C> by <A> ?"));
    QCOMPARE(doc.Attribute(5).m_strName, "C");
    user.Answer(EAnswer::Yes);
    Trigger(*frame, kIdEditPaste);
    QCOMPARE(doc.Attribute(5).m_strName, "A");
    QVERIFY(test::TreeIsConsistent(doc));
    // Cut: copied, then deleted after the question.
    user.Answer(EAnswer::Yes);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(doc.LastAttribute(), 4);
    QVERIFY(user.Problems().isEmpty());
  }

  void theBoxViewPaintsOnlyWhatIsVisible() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    for (int i = 0; i < 499; ++i) doc.AddAlternativeCommand();
    Trigger(*frame, kIdViewDialogBox);
    CMADMView* view = child->DialogBoxView();
    view->resize(800, 500);
    view->viewport()->repaint();
    QVERIFY(view->PaintedAlternatives() > 0);
    QVERIFY(view->PaintedAlternatives() < 100);
    // 100 rows of alternatives push the hierarchy far down; the extent follows.
    QVERIFY(view->verticalScrollBar()->maximum() > 100 * 54 - 500);
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    view->viewport()->repaint();
    QVERIFY(view->PaintedAlternatives() < 100);
    // Page Up scrolls one page.
    const int bottom = view->verticalScrollBar()->value();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_PageUp);
    QCOMPARE(view->verticalScrollBar()->value(), bottom - view->verticalScrollBar()->pageStep());
    QTest::keyClick(view, Qt::Key_7, Qt::KeypadModifier);  // Home on the keypad
    QCOMPARE(view->verticalScrollBar()->value(), 0);
    QVERIFY(user.Problems().isEmpty());
  }

  void theBoxDiagramPrintsOnPages() {
    CMADMDoc doc;
    doc.OnNewDocument();
    test::BuildHierarchy(doc, {"A:", "B:A", "C:B", "D:C", "E:D", "F:E", "G:F"});
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("diagram.pdf"));
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QPageSize::A6));
    const int pages = PrintDiagram(pdf, doc);
    // Eight levels are wider than one small page.
    QVERIFY(pages >= 2);
    QVERIFY(QFileInfo(dir.filePath("diagram.pdf")).size() > 0);
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CViewsTest)
#include "views_test.moc"
