// The commands end to end: shortcuts, the toolbar, tool windows and their rule.

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <set>

#include "app/alternative_list_view.h"
#include "app/attribute_tree_view.h"
#include "app/dialogs/qt_text.h"
#include "app/insertion_window.h"
#include "app/madm_view.h"
#include "app/model_builder_window.h"
#include "app/rename_grade_window.h"
#include "app/results_window.h"
#include "commands/command_table.h"
#include "commands/report_commands.h"
#include "elicitation/define_attribute_presenter.h"
#include "elicitation/read_data_presenter.h"
#include "elicitation/report_options_presenter.h"
#include "elicitation/report_type_presenter.h"
#include "io/model_file.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

template <typename W>
int CountWindows(CMainFrame& frame) {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* t = qobject_cast<W*>(w); t && t->parent() == &frame) ++n;
  }
  return n;
}

}  // namespace

class CCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void theShortcutsBuildAHierarchy() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    Focus(child->TreeView());
    frame->UpdateCommandUI();
    QTest::keyClick(child->TreeView(), Qt::Key_R, Qt::ControlModifier);  // right of the top
    QCOMPARE(doc.LastAttribute(), 1);
    QTest::keyClick(child->TreeView(), Qt::Key_B, Qt::ControlModifier);  // below it
    QTest::keyClick(child->TreeView(), Qt::Key_A, Qt::ControlModifier);  // above that one
    QTest::keyClick(child->TreeView(), Qt::Key_L, Qt::ControlModifier);  // a new father
    QCOMPARE(doc.LastAttribute(), 4);
    QVERIFY(test::TreeIsConsistent(doc));
    QCOMPARE(test::ChildrenInOrder(doc, 0), (std::vector<int>{1, 4, 2}));
    QCOMPARE(test::ChildrenInOrder(doc, 4), (std::vector<int>{3}));
    // The tree shows the same.
    QAbstractItemModel* tree = child->TreeView()->model();
    QModelIndex top = tree->index(0, 0);
    QCOMPARE(tree->rowCount(top), 3);
    QCOMPARE(tree->index(1, 0, top).data().toString(), QString("Attribute 4"));
    QCOMPARE(tree->rowCount(tree->index(1, 0, top)), 1);
    QCOMPARE(CAttributeTreeModel::AttributeOf(child->TreeView()->currentIndex()), 4);

    // Above, below and left of the top are refused.
    child->Commands().SelectAttribute(0);
    QTest::keyClick(child->TreeView(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(user.LastText(),
             QString("You have to insert a new attribute\non the right side of the top attribute"));
    QCOMPARE(doc.LastAttribute(), 4);

    // In the list view Ctrl+W adds an alternative and Ctrl+A does nothing.
    Focus(child->ListView());
    QVERIFY(Enabled(*frame, kIdNewAlternative));
    QTest::keyClick(child->ListView(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(doc.AlternativeCount(), 2);
    QCOMPARE(child->ListView()->currentIndex().row(), 1);
    user.Clear();
    QTest::keyClick(child->ListView(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(doc.LastAttribute(), 4);
    QVERIFY(user.Messages().empty());
    QVERIFY(user.Problems().isEmpty());
  }

  void copyAndCutWorkFromTheTreeAndTheList() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    test::BuildHierarchy(doc, {"A:", "B:"});
    child->Commands().ClickAttributeInTree(1);
    Focus(child->TreeView());
    QTest::keyClick(child->TreeView(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(doc.HasClipboardAttribute());
    QCOMPARE(doc.ClipboardAttribute().m_strName, "A");
    // Ctrl+X in the list cuts the alternative, which asks first.
    doc.AddAlternativeCommand();
    child->Commands().SelectAlternative(1);
    Focus(child->ListView());
    user.Answer(EAnswer::Yes);
    QTest::keyClick(child->ListView(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(doc.AlternativeCount(), 1);
    QVERIFY(doc.HasClipboardAlternative());
    QCOMPARE(user.LastText(),
             QString("Deleting <Alternative 2> will eliminate all its information.\n\n"
                     "Do you really want to delete it?"));
    QVERIFY(user.Problems().isEmpty());
  }

  void exitAsksForEveryModifiedModel() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    Trigger(*frame, kIdFileNew);
    QCOMPARE(frame->DocumentCount(), 2);
    for (CChildFrame* c : frame->Children()) c->Document().Doc().SetModifiedFlag(true);
    user.Answer(EAnswer::No).Answer(EAnswer::Cancel);
    Trigger(*frame, kIdAppExit);
    // The first model closed, the second cancelled the exit.
    QCOMPARE(frame->DocumentCount(), 1);
    QVERIFY(frame->isVisible());
    user.Answer(EAnswer::No);
    Trigger(*frame, kIdAppExit);
    QCOMPARE(frame->DocumentCount(), 0);
    QVERIFY(!frame->isVisible());
    QVERIFY(user.Problems().isEmpty());
  }

  void theToolbarCarriesTheCommandsWithTheirTooltips() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    QStringList tips;
    for (QAction* a : frame->ToolBar()->actions()) {
      if (!a->isSeparator()) tips << a->toolTip();
    }
    QCOMPARE(tips,
             (QStringList{"New model", "Open model", "Save model", "Cut", "Copy", "Paste", "Print",
                          "Switch views", "Rank alternatives", "Graph belief degrees",
                          "Graph belief degrees of all alternatives", "Graph utility interval",
                          "Graph utility intervals of all alternatives", "Graph ranking",
                          "Visual comparison", "About"}));
    auto* button =
        qobject_cast<QToolButton*>(frame->ToolBar()->widgetForAction(frame->Action(kIdViewSwitch)));
    QVERIFY(button);
    button->click();
    QCOMPARE(frame->ActiveChild()->ViewMode(), EViewMode::DialogBox);
    QVERIFY(user.Problems().isEmpty());
  }

  void theModelBuilderExistsOnceAndSaysSo() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    Trigger(*frame, kIdViewDialogBox);
    Trigger(*frame, kIdModelBuilder);
    auto* builder = OpenWindow<CModelBuilderWindow>(*frame);
    QVERIFY(builder);
    QCOMPARE(builder->windowTitle(), QString("ZEV Dialog: Assistant Decision Model Builder"));
    QVERIFY(user.Messages().empty());
    Trigger(*frame, kIdModelBuilder);
    QCOMPARE(CountWindows<CModelBuilderWindow>(*frame), 1);
    QCOMPARE(user.LastText(), QString("An assistant model builder is still open and used.\n"
                                      "You have to close this window to open a new one."));
    QCOMPARE(user.Messages().back().m_icon, EIcon::Information);
    builder->close();
    QVERIFY(!frame->ActiveChild()->Document().Registry().IsOpen(EModelessKind::ModelBuilder));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(CountWindows<CModelBuilderWindow>(*frame), 0);
    QVERIFY(!frame->ActiveChild()->Document().Registry().IsOpen(EModelessKind::ModelBuilder));
    user.Clear();
    Trigger(*frame, kIdModelBuilder);
    QCOMPARE(CountWindows<CModelBuilderWindow>(*frame), 1);
    QVERIFY(user.Messages().empty());
    QVERIFY(user.Problems().isEmpty());
  }

  void theModelBuilderActsOnTheSideLastUsed() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    test::BuildHierarchy(doc, {"A:", "B:"});
    Trigger(*frame, kIdViewDialogBox);
    Trigger(*frame, kIdModelBuilder);
    auto* builder = OpenWindow<CModelBuilderWindow>(*frame);
    QVERIFY(builder);
    // Selecting in its list makes the alternative current and sets its focus.
    QTest::mouseClick(builder->List()->viewport(), Qt::LeftButton, {},
                      builder->List()->visualRect(builder->List()->model()->index(0, 0)).center());
    QVERIFY(!builder->AttributeFocus());
    QVERIFY(doc.IsAlternativeSelected());
    builder->InsertAddButton();
    QCOMPARE(doc.AlternativeCount(), 2);
    // The main views' selection is shown in the builder.
    child->Commands().SelectAttribute(2);
    QCOMPARE(CAttributeTreeModel::AttributeOf(builder->Tree()->currentIndex()), 2);
    QVERIFY(!builder->AttributeFocus());
    QTest::mouseClick(builder->Tree()->viewport(), Qt::LeftButton, {},
                      builder->Tree()->visualRect(builder->Tree()->currentIndex()).center());
    QVERIFY(builder->AttributeFocus());
    // Its delete button asks, then deletes the attribute.
    user.Answer(EAnswer::Yes);
    builder->DeleteButton();
    QCOMPARE(doc.LastAttribute(), 1);
    QCOMPARE(builder->Tree()->model()->rowCount(builder->Tree()->model()->index(0, 0)), 1);
    QVERIFY(user.Problems().isEmpty());
  }

  void theInsertionWindowNamesTheAttributeAndInserts() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    Focus(child->TreeView());
    Trigger(*frame, kIdInsertAttribute);
    auto* window = OpenWindow<CInsertionWindow>(*frame);
    QVERIFY(window);
    QCOMPARE(window->AttributeLabel()->text(), QString("Top Attribute"));
    window->SetChoice(1);  // right
    window->Insert();
    QCOMPARE(doc.LastAttribute(), 1);
    QCOMPARE(window->AttributeLabel()->text(), QString("Attribute 1"));
    window->SetChoice(2);  // below
    window->Insert();
    QCOMPARE(test::ChildrenInOrder(doc, 0), (std::vector<int>{1, 2}));
    child->Commands().SelectAttribute(1);
    QCOMPARE(window->AttributeLabel()->text(), QString("Attribute 1"));
    Focus(child->TreeView());
    Trigger(*frame, kIdInsertAttribute);
    QCOMPARE(user.LastText(), QString("An attribute insertion window is still open and\n"
                                      "may be minimised. To use it, you should restore it."));
    QCOMPARE(CountWindows<CInsertionWindow>(*frame), 1);
    // Closing the model closes its tool windows.
    user.Answer(EAnswer::No);
    Trigger(*frame, kIdFileClose);
    QCOMPARE(CountWindows<CInsertionWindow>(*frame), 0);
    QVERIFY(user.Problems().isEmpty());
  }

  void theGradeNameWindowRenamesEverywhere() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    test::BuildHierarchy(doc, {"A:"});
    Focus(child->TreeView());
    Trigger(*frame, kIdChangeGradeName);
    auto* window = OpenWindow<CRenameGradeWindow>(*frame);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Change the name of a grade in all attributes"));
    window->Change();
    QCOMPARE(user.LastText(), QString("The 'From' grade name must not be empty."));
    window->FromField()->setText("Best");
    window->ToField()->setText("Excellent");
    user.Answer(EAnswer::No);
    window->Change();
    QCOMPARE(user.LastText(), QString("The grade name has been changed in 2 attributes."));
    QCOMPARE(doc.Attribute(0).GradeName(4), "Excellent");
    QCOMPARE(doc.Attribute(1).GradeName(4), "Excellent");
    Trigger(*frame, kIdChangeGradeName);
    QCOMPARE(user.LastText(), QString("A window for changing a grade name is still open.\n"
                                      "You have to close this window to open a new one."));
    QVERIFY(user.Problems().isEmpty());
  }

  void aToolWindowChecksAFieldLeftForAnotherControlButNotForClose() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    Focus(frame->ActiveChild()->TreeView());
    Trigger(*frame, kIdChangeGradeName);
    auto* window = OpenWindow<CRenameGradeWindow>(*frame);
    QVERIFY(window);
    Activate(window);
    window->FromField()->setFocus();
    window->ToField()->setFocus();
    QCOMPARE(user.LastText(), QString("The 'From' grade name must not be empty."));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window->FromField()));
    user.Clear();
    Child<QPushButton>(window, "close")->setFocus();
    QVERIFY(user.Messages().empty());
    // Escape ends the window and empties its slot at once.
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!frame->ActiveChild()->Document().Registry().IsOpen(EModelessKind::GradeNameChange));
    QVERIFY(user.Problems().isEmpty());
  }

  void commandsWithoutTheirWindowsStayDisabled() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    Focus(frame->ActiveChild()->TreeView());
    for (int id : {kIdChangeRules}) {
      QVERIFY2(!Enabled(*frame, id), qPrintable(QString::number(id)));
    }
    QVERIFY(user.Problems().isEmpty());
  }

  void rankAssessesEveryAlternativeAndSaysSo() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    test::BuildHierarchy(doc, {"Price:", "Comfort:"});
    doc.AddAlternativeCommand();
    doc.AddAlternativeCommand();
    // Belief 1 on "Best" (utility 1) for the second alternative on both
    // attributes, on "Worst" for the third; the first stays unassessed.
    for (int i : {1, 2}) {
      doc.Alternative(1).Record(i).m_dBelief[4] = 1.0;
      doc.Alternative(2).Record(i).m_dBelief[0] = 1.0;
    }
    doc.Notify({EDocChange::Model, -1, -1});
    child->Commands().SelectAttribute(1);
    Focus(child->ListView());
    QVERIFY(Enabled(*frame, kIdRank));
    QTest::keyClick(child->ListView(), Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(user.LastText(), QString(" All alternatives have been assessed on all attributes."));
    QCOMPARE(user.Messages().back().m_icon, EIcon::Information);
    QCOMPARE(doc.Alternative(1).m_nRanking, 1);
    QCOMPARE(doc.Alternative(0).m_nRanking, 2);
    QCOMPARE(doc.Alternative(2).m_nRanking, 3);
    QCOMPARE(doc.Alternative(1).UtilityText(), std::string("1.000000"));
    QCOMPARE(doc.CurrentAttribute(), 1);  // kept

    // The box diagram shows the results.
    Trigger(*frame, kIdViewDialogBox);
    QCOMPARE(doc.Attribute(0).ShownValueText(), std::string("0.0000"));  // the last alternative's

    // Assess Attribute ranks on the current attribute only.
    for (int pos = 0; pos < 3; ++pos) doc.Alternative(pos).m_nRanking = 9;
    Trigger(*frame, kIdAssessAttribute);
    QCOMPARE(doc.Alternative(1).m_nRanking, 1);
    QCOMPARE(doc.Alternative(2).m_nRanking, 3);
    QVERIFY(user.Problems().isEmpty());
  }

  void theUtilityIntervalWindowShowsASnapshot() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    test::BuildHierarchy(doc, {"Price:"});
    doc.Alternative(0).Record(1).m_dBelief[3] = 0.5;  // utility 0.75 on half
    child->Commands().SelectAttribute(1);
    Focus(child->TreeView());
    Trigger(*frame, kIdShowUtilityInterval);
    Trigger(*frame, kIdShowUtilityInterval);
    QList<CResultsWindow*> windows = frame->findChildren<CResultsWindow*>();
    QCOMPARE(windows.size(), 2);  // not registered: one more each time
    CResultsWindow* w = windows.front();
    QCOMPARE(w->windowTitle(), QString("ZEV Dialog: The Assessment Results of An Alternative"));
    const SAssessmentResults& r = w->Results();
    QCOMPARE(r.m_strAttributeName, std::string("Price"));
    QCOMPARE(r.m_strAlternativeName, std::string("First alternative"));
    QCOMPARE(r.m_strMaxUtility, std::string("0.875000"));
    QCOMPARE(r.m_strMinUtility, std::string("0.375000"));
    QCOMPARE(r.m_strAvgUtility, std::string("0.625000"));
    QCOMPARE(w->findChild<QLineEdit*>("maximum")->text(), QString("0.875000"));
    QVERIFY(w->findChild<QLineEdit*>("maximum")->isReadOnly());
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
      if (b->text() == "Al&ternative Info") b->click();
    }
    QCOMPARE(user.LastText(), QString("No description for the alternative is provided."));
    for (CResultsWindow* window : windows) window->close();
    QVERIFY(user.Problems().isEmpty());
  }

  void exactlyTheCommandsOfMissingSubsystemsAreUnavailable() {
    auto frame = StartForTest();
    CModelCommands& commands = frame->ActiveChild()->Commands();
    std::set<int> missing;
    for (const SCommandInfo& c : CommandTable()) {
      if (!IsFrameCommand(c.m_nId) && c.m_nId != kIdFilePrint && c.m_nId != kIdFilePrintPreview &&
          !commands.IsAvailable(c.m_nId)) {
        missing.insert(c.m_nId);
      }
    }
    const std::set<int> expected = {kIdChangeRules};  // never enabled
    QCOMPARE(missing, expected);
  }

  void aChangedRangeIsFollowedUpAfterTheDefinition() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    test::BuildHierarchy(doc, {"Price:"});
    child->Commands().SelectAttribute(1);
    Focus(child->TreeView());
    user.OnDialog<CDefineAttributePresenter>([](CDefineAttributePresenter& p) {
      p.ChooseQuantitative();
      p.m_strBest = "100";
      return p.Ok() == EDialogAction::CloseOk;
    });
    user.Answer(EAnswer::No);  // the default association of values
    Trigger(*frame, kIdDefineAttribute);
    QVERIFY(
        user.LastText().startsWith("You have modified the best and/or the worst value for the "
                                   "following attribute:\n<Price>."));
    QCOMPARE(doc.Attribute(1).m_nType, Quantitative);
    QCOMPARE(doc.Attribute(1).m_dBest, 100.0);
    QCOMPARE(doc.Attribute(1).GradeValue(4), 100.0);
    QVERIFY(!doc.Attribute(1).m_bRangeChanged);
    // Convert Values is now enabled, Convert Grades not.
    QVERIFY(Enabled(*frame, kIdConvertValues));
    QVERIFY(!Enabled(*frame, kIdConvertGrades));
    QVERIFY(user.Problems().isEmpty());
  }

  void reportsAreWrittenThroughTheirDialogs() {
    CQtScriptedUser user;
    QTemporaryDir dir;
    auto frame = StartForTest();
    QVERIFY(frame->OpenDocument(PathFromQt(qEnvironmentVariable("ZEV_EXAMPLES") + "/laptop.zev")));
    Focus(frame->ActiveChild()->TreeView());
    // The chooser's first choice leads to the alternative report's options.
    user.OnDialog<CReportTypePresenter>([](CReportTypePresenter& p) {
      p.Choose(0);
      return p.Select() == EDialogAction::CloseOk;
    });
    user.OnDialog<CReportOptionsPresenter>(
        [](CReportOptionsPresenter& p) { return p.StartSaving() == EDialogAction::CloseOk; });
    const std::string path = PathFromQt(dir.filePath("alternative"));
    user.ChooseFile(path);
    Trigger(*frame, kIdReportTextFileType);
    QVERIFY(QFile::exists(PathToQt(path + ".txt")));
    // The attribute report asks only for its file.
    user.ChooseFile(PathFromQt(dir.filePath("attribute.txt")));
    Trigger(*frame, kIdReportAttribute);
    QVERIFY(QFile::exists(dir.filePath("attribute.txt")));
    QVERIFY(user.Problems().isEmpty());
  }

  void dataAreReadFromATextFileThroughItsDialog() {
    CQtScriptedUser user;
    QTemporaryDir dir;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    test::BuildHierarchy(doc, {"Comfort:"});
    doc.SetModifiedFlag(false);
    const QString dataPath = dir.filePath("data.txt");
    {
      QFile data(dataPath);
      QVERIFY(data.open(QIODevice::WriteOnly));
      data.write(
          "ALTERNATIVE NAME: {First alternative}\n"
          "ATTRIBUTE NAME: {Comfort} TYPE: QUALITATIVE NUMBER: 5\n"
          "  JUDGEMENT: {Good} 0.6 {Best} 0.3 {Poor} 0 {Average} 0 {Worst} 0\n");
    }
    Focus(child->TreeView());
    // A name that is not there first: the question, then the right name.
    user.OnDialog<CReadDataPresenter>([&](CReadDataPresenter& p) {
      p.m_strFileName = PathFromQt(dir.filePath("missing.txt"));
      return p.Read() == EDialogAction::CloseOk;
    });
    user.Answer(EAnswer::Yes);
    user.OnDialog<CReadDataPresenter>([&](CReadDataPresenter& p) {
      p.m_strFileName = PathFromQt(dataPath);
      return p.Read() == EDialogAction::CloseOk;
    });
    Trigger(*frame, kIdReadTextFile);
    QCOMPARE(user.LastText(), QString("The whole data file has been read successfully!"));
    QVERIFY(
        user.Texts().at(0).endsWith("> is not found.\nWould you like to enter a new file name?"));
    QCOMPARE(doc.Alternative(0).Record(1).m_dBelief[3], 0.6);
    QCOMPARE(doc.Alternative(0).Record(1).m_dBelief[4], 0.3);
    // The data mark the model modified, and the save keeps them (the first
    // alternative existed before the attribute it assesses).
    QVERIFY(doc.IsModified());
    QVERIFY(frame->isWindowModified());
    const std::string path = PathFromQt(dir.filePath("read.zev"));
    user.ChooseFile(path);
    Trigger(*frame, kIdFileSave);
    CMADMDoc saved;
    SFileError error;
    QVERIFY(LoadModelFile(path, saved, error));
    QCOMPARE(saved.Alternative(0).Record(1).m_dBelief[3], 0.6);
    QVERIFY(user.Problems().isEmpty());
  }

  void theDefineAttributeCommandRunsItsDialog() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    Focus(child->TreeView());
    user.OnDialog<CDefineAttributePresenter>([](CDefineAttributePresenter& p) {
      p.m_strName = "Car choice";
      return p.Ok() == EDialogAction::CloseOk;
    });
    Trigger(*frame, kIdDefineAttribute);
    QCOMPARE(child->Document().Doc().Attribute(0).m_strName, "Car choice");
    QCOMPARE(child->TreeView()->model()->index(0, 0).data().toString(), QString("Car choice"));
    QVERIFY(user.Problems().isEmpty());
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CCommandsTest)
#include "commands_test.moc"
