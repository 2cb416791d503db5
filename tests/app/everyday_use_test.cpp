// The desktop as a person meets it: keys in fields, the focus after a
// command or a refusal, window sizes and what the boxes and messages say.

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>

#include "app/alternative_list_view.h"
#include "app/attribute_tree_view.h"
#include "app/box_painter.h"
#include "app/dialogs/field_window.h"
#include "app/dialogs/qt_text.h"
#include "app/madm_view.h"
#include "app/qt_prompter.h"
#include "commands/command_table.h"
#include "io/text_import.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

// A model window in the dialog-box view on the top and one child "Alpha",
// which is current.
CMADMView* BoxViewOnAlpha(CMainFrame& frame) {
  CChildFrame* child = frame.ActiveChild();
  Focus(child->TreeView());
  Trigger(frame, kIdInsertRight);
  child->Commands().RenameAttribute(1, "Alpha");
  Trigger(frame, kIdViewDialogBox);
  child->Commands().SelectAttribute(1);
  return child->DialogBoxView();
}

// Closes the next message box with its first button, noting what it said.
struct SBoxSeen {
  QString m_strTitle;
  QString m_strText;
  QMessageBox::Icon m_icon = QMessageBox::NoIcon;
};

// Looks again at every turn of the event loop until the box is there (a
// name editor commits from the event loop).
void CloseNextBox(SBoxSeen* seen) {
  QTimer::singleShot(0, [seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      CloseNextBox(seen);
      return;
    }
    seen->m_strTitle = box->windowTitle();
    seen->m_strText = box->text();
    seen->m_icon = box->icon();
    box->buttons().front()->click();
  });
}

}  // namespace

class CEverydayUseTest : public QObject {
  Q_OBJECT

 private slots:
  void editingKeysActOnTheTextOfABoxField() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CMADMView* view = BoxViewOnAlpha(*frame);
    CMADMDoc& doc = frame->ActiveChild()->Document().Doc();
    QLineEdit* field = view->AttributeField();

    // The first click into the field selects its text.
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    QVERIFY(field->hasFocus());
    QCOMPARE(field->selectedText(), QString("Alpha"));

    struct SCase {
      const char* m_pszWhat;
      Qt::Key m_key;
      Qt::KeyboardModifiers m_modifiers;
      QString m_strText;
      int m_nCursor;
      QString m_strSelected;
    };
    const SCase cases[] = {
        {"End", Qt::Key_End, Qt::NoModifier, "Alpha", 5, ""},
        {"Home", Qt::Key_Home, Qt::NoModifier, "Alpha", 0, ""},
        {"Right", Qt::Key_Right, Qt::NoModifier, "Alpha", 1, ""},
        {"select all", Qt::Key_A, Qt::ControlModifier, "Alpha", 5, "Alpha"},
        {"copy", Qt::Key_C, Qt::ControlModifier, "Alpha", 5, "Alpha"},
        {"cut", Qt::Key_X, Qt::ControlModifier, "", 0, ""},
        {"undo", Qt::Key_Z, Qt::ControlModifier, "Alpha", 5, "Alpha"},
        {"paste", Qt::Key_V, Qt::ControlModifier, "Alpha", 5, ""},
    };
    for (const SCase& c : cases) {
      QTest::keyClick(field, c.m_key, c.m_modifiers);
      QVERIFY2(field->text() == c.m_strText, c.m_pszWhat);
      QVERIFY2(field->cursorPosition() == c.m_nCursor, c.m_pszWhat);
      QVERIFY2(field->selectedText() == c.m_strSelected, c.m_pszWhat);
    }
    QCOMPARE(QApplication::clipboard()->text(), QString("Alpha"));
    // None of them reached the model: no attribute added, asked for or copied.
    QCOMPARE(doc.LastAttribute(), 1);
    QVERIFY(!doc.HasClipboardAttribute());

    // Down to the weight row: the weight is selected, so a 2 replaces the 1.
    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(field->selectedText(), QString("1.0000"));
    QTest::keyClick(field, Qt::Key_2);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(doc.Attribute(1).m_dWeight, 2.0);

    // With the view itself focused, the model's shortcuts act.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(view->hasFocus());
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(doc.LastAttribute(), 2);
    QVERIFY(user.Problems().isEmpty());
  }

  void theTreeLabelEditorKeepsItsEditingKeys() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CAttributeTreeView* tree = child->TreeView();
    Focus(tree);
    QTest::keyClick(tree, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(editor->selectedText(), editor->text());
    QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(child->Document().Doc().LastAttribute(), 0);
    QVERIFY(user.Problems().isEmpty());
  }

  void newAlternativeKeepsTheListReadyForTheNext() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CAlternativeListView* list = child->ListView();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    QCOMPARE(QApplication::focusWidget(), list);
    for (int n = 2; n <= 3; ++n) {
      // The second time with the name being edited (a click on the
      // selected name opens its editor).
      if (n == 3) QTest::keyClick(list, Qt::Key_F2);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
      QCoreApplication::processEvents();
      QCOMPARE(child->Document().Doc().AlternativeCount(), n);
      QCOMPARE(QApplication::focusWidget(), list);
      QCOMPARE(list->currentIndex().row(), n - 1);
      QVERIFY(list->selectionModel()->isSelected(list->currentIndex()));
    }
    QVERIFY(user.Problems().isEmpty());
  }

  void refusingAnEmptyNameKeepsTheUserWhereTheyWere() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    frame->NewDocument();
    CChildFrame* child = frame->ActiveChild();
    struct SCase {
      QAbstractItemView* m_pView;
      const char* m_pszMessage;
    };
    const SCase cases[] = {{child->ListView(), "The alternative name must not be empty."},
                           {child->TreeView(), "The attribute name must not be empty."}};
    // The real message box: closing it hands the focus back.
    CQtPrompter desktop;
    CPrompterScope scope(desktop);
    for (const SCase& c : cases) {
      Focus(c.m_pView);
      QTest::keyClick(c.m_pView, Qt::Key_F2);
      QWidget* editor = QApplication::focusWidget();
      QTest::keyClick(editor, Qt::Key_Delete);
      SBoxSeen seen;
      CloseNextBox(&seen);
      QTest::keyClick(editor, Qt::Key_Return);
      QCoreApplication::processEvents();
      QCOMPARE(seen.m_strText, QString(c.m_pszMessage));
      // Where the focus goes when the main window is active again.
      QCOMPARE(frame->ActiveChild(), child);
      QCOMPARE(frame->focusWidget(), c.m_pView);
    }
  }

  void windowsOpenAtAUsefulSizeAndStayReachable() {
    CQtScriptedUser user;
    // As on the first start.
    QSettings("Local AppWizard-Generated Applications", "ZEV").remove("Main Window");
    auto frame = StartForTest();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(frame->width() >= screen.width() * 3 / 4);
    QVERIFY(frame->height() >= screen.height() * 3 / 4);
    QMdiArea* area = frame->MdiArea();
    const QRect inside = area->viewport()->rect();
    auto allInside = [&] {
      for (QMdiSubWindow* sub : area->subWindowList()) {
        if (!inside.contains(sub->geometry())) return false;
      }
      return true;
    };
    QMdiSubWindow* first = area->subWindowList().front();
    QVERIFY(first->width() >= inside.width() * 3 / 4);
    QVERIFY(first->height() >= inside.height() * 3 / 4);
    for (int i = 0; i < 9; ++i) frame->NewDocument();
    QVERIFY(allInside());
    Trigger(*frame, kIdWindowTile);
    QVERIFY(allInside());
    Trigger(*frame, kIdWindowCascade);
    QVERIFY(allInside());

    // The list keeps its width through a view change while maximised.
    CChildFrame* child = frame->ActiveChild();
    QMdiSubWindow* sub = area->activeSubWindow();
    sub->showMaximized();
    Trigger(*frame, kIdViewSwitch);
    Trigger(*frame, kIdViewSwitch);
    sub->showNormal();
    QCoreApplication::processEvents();
    QVERIFY(child->Splitter()->sizes().front() >= 150);

    // The main window comes back where the user left it.
    const QRect left(screen.topLeft() + QPoint(30, 20), QSize(640, 480));
    frame->setGeometry(left);
    QVERIFY(frame->close());
    frame.reset();
    frame = StartForTest();
    QCOMPARE(frame->size(), left.size());
    QVERIFY(user.Problems().isEmpty());
  }

  void theFrameSaysWhatIsGoingOnWithoutHidingTheClock() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    // A menu prompt leaves the date and time shown and goes with the menu.
    QMenu* file = frame->TopMenu("&File");
    file->popup(QPoint(0, 0));
    file->setActiveAction(frame->Action(kIdFileNew));
    QVERIFY(!frame->statusBar()->currentMessage().isEmpty());
    QVERIFY(frame->DatePane()->isVisible());
    QVERIFY(frame->TimePane()->isVisible());
    file->hide();
    QVERIFY(frame->statusBar()->currentMessage().isEmpty());
    QVERIFY(frame->MessagePane()->isVisible());
    QCOMPARE(frame->MessagePane()->text(), QString("Ready"));

    // The model's name once in the title, maximised or not.
    const QString name = QString::fromStdString(frame->ActiveChild()->Document().Title());
    QMdiSubWindow* sub = frame->MdiArea()->activeSubWindow();
    for (bool bMaximised : {true, false, true}) {
      if (bMaximised)
        sub->showMaximized();
      else
        sub->showNormal();
      QCoreApplication::processEvents();
      QCOMPARE(frame->windowTitle().count(name), 1);
    }
    QVERIFY(user.Problems().isEmpty());
  }

  void dataFileMessagesShowTheirHeadingAndKind() {
    auto frame = StartForTest();
    CQtPrompter desktop;
    CPrompterScope scope(desktop);
    CMADMDoc doc;
    doc.OnNewDocument();
    test::BuildHierarchy(doc, {"Build"});
    const std::string name(doc.Alternative(0).m_strName.View());
    const std::string judgement =
        "ATTRIBUTE NAME: {Build} TYPE: QUALITATIVE NUMBER: 5 JUDGEMENT: {Worst} 0.25 {Poor} 0 "
        "{Average} 0 {Good} 0 {Best} ";
    struct SCase {
      std::string m_strData;
      bool m_bSucceeds;
      QMessageBox::Icon m_icon;
    };
    const SCase cases[] = {
        {"ALTERNATIVE NAME: {" + name + "} " + judgement + "0.75\n", true,
         QMessageBox::Information},
        {"ALTERNATIVE NAME: {" + name + "} " + judgement + "1.75\n", false, QMessageBox::Warning},
    };
    for (const SCase& c : cases) {
      SBoxSeen seen;
      CloseNextBox(&seen);
      const STextImportResult result = ImportTextData(doc, c.m_strData);
      QCOMPARE(result.Succeeded(), c.m_bSucceeds);
      QCOMPARE(seen.m_icon, c.m_icon);
      QCOMPARE(seen.m_strTitle, c.m_bSucceeds ? QString("ZEV") : ToQt(result.m_strHeading));
      QVERIFY(!seen.m_strTitle.isEmpty());
    }
  }

  void fieldsShowTheirNumbersAndDialogsTheirTitles() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    Focus(child->TreeView());
    Trigger(*frame, kIdInsertRight);
    bool bSeen = false;
    user.OnDialog("GradeTable", [&](QDialog& view) {
      const QList<QComboBox*> utilities = view.findChildren<QComboBox*>();
      QVERIFY(!utilities.isEmpty());
      for (QComboBox* utility : utilities) {
        utility->setEditText("0.333333");
        QLineEdit* edit = utility->lineEdit();
        QVERIFY(edit->fontMetrics().horizontalAdvance(edit->text()) < edit->width());
      }
      QVERIFY(view.width() >= TitleWidth(&view));
      bSeen = true;
      Click(&view, "cancel");
    });
    Trigger(*frame, kIdDefineGrades);
    QVERIFY(bSeen);
    QVERIFY(user.Problems().isEmpty());
  }

  void theBoxDiagramShowsTheSelectionAndWhoseValuesItShows() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CMADMView* view = BoxViewOnAlpha(*frame);
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    doc.AddAlternativeCommand();
    doc.Alternative(1).SetName("Second");
    doc.Notify({EDocChange::Model, -1, -1});
    view->resize(900, 600);
    auto framed = [&](int x, int y) {
      const QImage image = view->viewport()->grab().toImage();
      const QPoint at = view->ToViewport(x - 58, y) * image.devicePixelRatio();
      return image.pixelColor(at) == diagram::kSelection;
    };
    const CAttribute& alpha = doc.Attribute(1);
    const CAlternative& second = doc.Alternative(1);
    child->Commands().SelectAttribute(1);
    QVERIFY(framed(alpha.m_nX, alpha.m_nY));
    QVERIFY(!framed(second.m_nX, second.m_nY));
    child->Commands().SelectAlternative(1);
    QVERIFY(!framed(alpha.m_nX, alpha.m_nY));
    QVERIFY(framed(second.m_nX, second.m_nY));

    // Rank leaves the last alternative's values in the boxes; assessing one
    // alternative leaves its own.
    Trigger(*frame, kIdRank);
    QCOMPARE(view->ShownAlternative(), 1);
    QCOMPARE(ValuesCaption(doc, view->ShownAlternative()), QString("Attribute values of: Second"));
    child->Commands().SelectAlternative(0);
    Trigger(*frame, kIdAssessAlternative);
    QCOMPARE(view->ShownAlternative(), 0);

    // A model file saved after Rank opens naming the alternative whose values
    // its boxes show.
    CChildFrame* opened =
        frame->OpenDocument(PathFromQt(qEnvironmentVariable("ZEV_EXAMPLES") + "/laptop.zev"));
    QVERIFY(opened);
    Trigger(*frame, kIdViewDialogBox);
    QCOMPARE(ValuesCaption(opened->Document().Doc(), opened->DialogBoxView()->ShownAlternative()),
             QString("Attribute values of: Kestrel 14"));
    QVERIFY(user.Problems().isEmpty());
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CEverydayUseTest)
#include "everyday_use_test.moc"
