// The ways of entering data from the menus: the method window, the walk with
// its attribute window, and the three windows that add from another model
// file, each driven through its real view.
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

#include "app/alternative_list_view.h"
#include "app/attribute_tree_view.h"
#include "elicitation/add_from_file_presenter.h"
#include "elicitation/data_entry_walk.h"
#include "elicitation/qualitative_entry_page.h"
#include "io/model_file.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"
#include "tests/support/temp_dir.h"

namespace zev::test {

namespace {

// Double-clicks the item of the tree whose text is name.
void DoubleClickItem(QTreeWidget& tree, const QString& name) {
  const QList<QTreeWidgetItem*> found = tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
  QCOMPARE(found.size(), 1);
  const QPoint at = tree.visualItemRect(found[0]).center();
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class DataInputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_frame = StartForTest();
    QVERIFY(m_frame);
    m_child = m_frame->ActiveChild();
    CMADMDoc& doc = m_child->Document().Doc();
    BuildHierarchy(doc, {"A:", "A1:A", "A2:A", "B:"});
    doc.CurrentAlternative().SetName("Car A");
    Focus(m_child->TreeView());
  }
  void cleanup() {
    m_child = nullptr;
    m_frame.reset();
  }

  void everyCommandOfDataInputIsAvailable() {
    for (int id : {kIdDataInputMethod, kIdInputAlternative, kIdAddAttributesFromFile,
                   kIdAddDataFromFile, kIdOverview}) {
      QVERIFY2(Enabled(*m_frame, id), qPrintable(QString::number(id)));
    }
    Focus(m_child->ListView());  // a command of the alternative list
    QVERIFY(Enabled(*m_frame, kIdAddAlternativesFromFile));
  }

  // The method window, then the walk from an attribute double-clicked in its
  // window: A2 and B are entered, A1 is not visited.
  void theWalkStartsFromTheAttributeDoubleClickedInItsWindow() {
    CQtScriptedUser user;
    user.OnDialog(CDataInputMethodPresenter::kKind, [](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("ZEV Dialog: Data Input Method"));
      QVERIFY(Child<QRadioButton>(&d, "method0")->isChecked());
      QCOMPARE(Child<QRadioButton>(&d, "method2")->text(),
               QString("Add assessment data from an ZEV file"));
      Click(&d, "ok");
    });
    user.Answer(EAnswer::No).Answer(EAnswer::Yes);
    user.OnDialog(CSelectAttributePresenter::kKind, [](QDialog& d) {
      auto* tree = Child<QTreeWidget>(&d, "attributes");
      QCOMPARE(tree->topLevelItemCount(), 1);  // the top, with the hierarchy under it
      DoubleClickItem(*tree, "A2");
      QVERIFY(!d.isVisible());
    });
    QStringList visited;
    for (int i = 0; i < 2; ++i) {
      user.OnDialog<CQualitativeEntryPage>([&visited](CQualitativeEntryPage& p) {
        visited << QString::fromStdString(p.AttributeName());
        p.ToggleTick(0);
        return p.Ok() == EDialogAction::CloseOk;
      });
    }
    Trigger(*m_frame, kIdDataInputMethod);
    QCOMPARE(user.Problems().join("|"), QString());
    QCOMPARE(visited, QStringList({"A2", "B"}));
    CMADMDoc& doc = m_child->Document().Doc();
    QCOMPARE(doc.Alternative(0).Record(FindAttribute(doc, "B")).m_dBelief[0], 1.0);
    QCOMPARE(doc.Alternative(0).Record(FindAttribute(doc, "A1")).m_dBelief[0], 0.0);
  }

  void escapeInTheMethodWindowStartsNothing() {
    CQtScriptedUser user;
    // The model as built here is taken as the saved one.
    m_child->Document().Doc().SetModifiedFlag(false);
    m_child->Commands().History().MarkSaved();
    user.OnDialog(CDataInputMethodPresenter::kKind,
                  [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    Trigger(*m_frame, kIdDataInputMethod);
    QCOMPARE(user.Problems().join("|"), QString());
    QVERIFY(user.Texts().isEmpty());
    QVERIFY(!m_child->Document().Doc().IsModified());
  }

  // Escape in the attribute window, then Yes to abandoning: nothing is entered.
  void cancellingTheAttributeWindowOffersToAbandon() {
    CQtScriptedUser user;
    user.Answer(EAnswer::No).Answer(EAnswer::Yes);
    user.OnDialog(CSelectAttributePresenter::kKind,
                  [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    user.Answer(EAnswer::Yes);
    Trigger(*m_frame, kIdInputAlternative);
    QCOMPARE(user.Problems().join("|"), QString());
    QCOMPARE(user.LastText(), QString("Do you want to abandon data input?"));
  }

  // Each add command takes its file from its window, browsed or typed.
  void eachAddCommandTakesTheFileOfItsWindow() {
    CTempDir dir;
    CMADMDoc other;
    other.OnNewDocument();
    BuildHierarchy(other, {"A:", "A1:A", "A2:A", "B:"});
    other.CurrentAlternative().SetName("Car A");
    other.CurrentAlternative().Record(FindAttribute(other, "B")).m_dValue = 7;
    other.AddAlternativeCommand();
    other.CurrentAlternative().SetName("Car B");
    const std::string path = dir.Path("other.zev");
    SFileError error;
    QVERIFY(SaveModelFile(path, other, error));

    struct SCase {
      int m_nCommand;
      const char* m_szTitle;
    };
    for (const SCase& c :
         {SCase{kIdAddAlternativesFromFile, "ZEV Dialog: Add Alternatives from A File"},
          SCase{kIdAddDataFromFile, "ZEV Dialog: Add Data from Another ZEV Model File"},
          SCase{kIdAddAttributesFromFile, "ZEV Dialog: Add Attributes from A File"}}) {
      CQtScriptedUser user;
      user.ChooseFile(path);
      const QString title = c.m_szTitle;
      Focus(c.m_nCommand == kIdAddAlternativesFromFile ? static_cast<QWidget*>(m_child->ListView())
                                                       : m_child->TreeView());
      user.OnDialog(CAddFromFilePresenter::kKind, [&](QDialog& d) {
        QCOMPARE(d.windowTitle(), title);
        Click(&d, "browse");
        QCOMPARE(Child<QLineEdit>(&d, CAddFromFilePresenter::kFieldPath)->text(),
                 QString::fromStdString(path));
        Click(&d, "ok");
      });
      Trigger(*m_frame, c.m_nCommand);
      QCOMPARE(user.Problems().join("|"), QString());
    }
    const CMADMDoc& doc = m_child->Document().Doc();
    // Two alternatives added; the data went to the later "Car A" only; the
    // other hierarchy grafted under the top.
    QCOMPARE(doc.AlternativeCount(), 3);
    QCOMPARE(doc.Alternative(1).m_strName.Str(), std::string("Car A"));
    QCOMPARE(doc.Alternative(1).Record(FindAttribute(doc, "B")).m_dValue, 7.0);
    QVERIFY(doc.Alternative(0).Record(FindAttribute(doc, "B")).m_dValue != 7.0);
    QCOMPARE(doc.LastAttribute(), 9);
  }

  void aFileThatCannotBeOpenedIsNamedAndNothingChanges() {
    CTempDir dir;
    const QString missing = QString::fromStdString(dir.Path("missing.zev"));
    CQtScriptedUser user;
    Focus(m_child->ListView());
    user.OnDialog(CAddFromFilePresenter::kKind, [&](QDialog& d) {
      Child<QLineEdit>(&d, CAddFromFilePresenter::kFieldPath)->setFocus();
      Retype(missing);
      Press(Qt::Key_Return);
    });
    Trigger(*m_frame, kIdAddAlternativesFromFile);
    QCOMPARE(user.Problems().join("|"), QString());
    QCOMPARE(user.LastText(), "Unable to open the following file:\n\n " + missing);
    QCOMPARE(m_child->Document().Doc().AlternativeCount(), 1);
  }

 private:
  std::unique_ptr<CMainFrame> m_frame;
  CChildFrame* m_child = nullptr;
};

}  // namespace zev::test

QTEST_MAIN(zev::test::DataInputTest)
#include "data_input_test.moc"
