// The start-up state of the desktop application, its menus and bars.

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <ctime>

#include "app/about_dialog.h"
#include "app/alternative_list_view.h"
#include "app/attribute_tree_view.h"
#include "app/splash_screen.h"
#include "commands/command_table.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"

namespace zev::test {

class CStartupTest : public QObject {
  Q_OBJECT

 private slots:
  // Every test starts without recent files, whatever an earlier run left.
  void init() { QSettings("Local AppWizard-Generated Applications", "ZEV").clear(); }

  void startsWithOneNewModelInTheListTreeView() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    QVERIFY(frame);
    QCOMPARE(frame->Children().size(), size_t(1));
    CChildFrame* child = frame->ActiveChild();
    QVERIFY(child);
    QCOMPARE(child->ViewMode(), EViewMode::ListTree);
    QVERIFY(child->TreeView());
    QVERIFY(!child->DialogBoxView());
    QCOMPARE(child->ActiveView(), EViewKind::Tree);
    const CMADMDoc& doc = child->Document().Doc();
    QCOMPARE(doc.LastAttribute(), 0);
    QCOMPARE(doc.AlternativeCount(), 1);
    QVERIFY(!doc.IsModified());
    // The list sits left with its ideal width, the tree right of it.
    QCOMPARE(child->Splitter()->widget(0), static_cast<QWidget*>(child->ListView()));
    QCOMPARE(child->Splitter()->widget(1), static_cast<QWidget*>(child->TreeView()));
    QCOMPARE(child->ListView()->minimumWidth(), 10);
    QCOMPARE(child->Splitter()->sizes().front(), 202);
    QCOMPARE(child->TreeView()->model()->rowCount(), 1);
    QCOMPARE(child->ListView()->model()->rowCount(), 1);
    QCOMPARE(frame->windowTitle(),
             QString("ZEV - Tarsel for Multiple Criteria Assessment - ZEV1[*]"));
    QVERIFY(user.Problems().isEmpty());
  }

  void theStartStateEnablesTheViewCommandsByTheRules() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    Focus(child->TreeView());
    QCOMPARE(child->ActiveView(), EViewKind::Tree);
    QVERIFY(!Enabled(*frame, kIdViewListTree));
    QVERIFY(Enabled(*frame, kIdViewDialogBox));
    QVERIFY(Enabled(*frame, kIdViewSwitch));
    // The tree view: attribute commands, no alternative commands.
    QVERIFY(!Enabled(*frame, kIdNewAlternative));
    QVERIFY(Enabled(*frame, kIdInsertRight));
    QVERIFY(!Enabled(*frame, kIdModelBuilder));
    QVERIFY(!Enabled(*frame, kIdFilePrint));
    // The Top: no grade conversion, no weight sensitivity precondition here.
    QVERIFY(!Enabled(*frame, kIdConvertGrades));
    QVERIFY(!Enabled(*frame, kIdConvertValues));
    QVERIFY(!Enabled(*frame, kIdEditUndo));
    QVERIFY(!Enabled(*frame, kIdChangeRules));
    QVERIFY(Enabled(*frame, kIdFileSave));
    QVERIFY(Enabled(*frame, kIdFileClose));

    // The list view: alternative commands, no attribute commands.
    Focus(child->ListView());
    QCOMPARE(child->ActiveView(), EViewKind::List);
    QVERIFY(Enabled(*frame, kIdNewAlternative));
    QVERIFY(!Enabled(*frame, kIdInsertAbove));
    QVERIFY(!Enabled(*frame, kIdModelBuilder));

    // The dialog-box view: the model builder too.
    Trigger(*frame, kIdViewDialogBox);
    QVERIFY(child->DialogBoxView());
    QCOMPARE(child->ActiveView(), EViewKind::DialogBox);
    QVERIFY(Enabled(*frame, kIdModelBuilder));
    QVERIFY(Enabled(*frame, kIdNewAlternative));
    QVERIFY(Enabled(*frame, kIdInsertAbove));
    QVERIFY(Enabled(*frame, kIdFilePrint));
    QVERIFY(!Enabled(*frame, kIdViewDialogBox));
    QVERIFY(Enabled(*frame, kIdViewListTree));
    QVERIFY(user.Problems().isEmpty());
  }

  void withoutAModelTheMenuHasOnlyTheFrameworkItems() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    Trigger(*frame, kIdFileClose);
    QCOMPARE(frame->DocumentCount(), 0);
    frame->UpdateCommandUI();
    QStringList visibleMenus;
    for (QAction* a : frame->menuBar()->actions()) {
      if (a->isVisible()) visibleMenus << a->text();
    }
    QCOMPARE(visibleMenus, (QStringList{"&File", "&View", "&Help"}));
    QStringList items;
    for (QMenu* menu :
         {frame->TopMenu("&File"), frame->TopMenu("&View"), frame->TopMenu("&Help")}) {
      for (QAction* a : menu->actions()) {
        if (a->isVisible() && !a->isSeparator()) items << a->text();
      }
    }
    QCOMPARE(items.join(","), QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "&Import",
                                           "P&rint Setup...", "Recent File", "E&xit", "&Toolbar",
                                           "&Status Bar", "&Help Topics", "&About ZEV..."})
                                  .join(","));
    QCOMPARE(frame->windowTitle(), QString("ZEV - Tarsel for Multiple Criteria Assessment"));
    // The recent-file entry stands for an empty list.
    QVERIFY(!Enabled(*frame, kIdFileMru1));
    Trigger(*frame, kIdFileNew);
    QCOMPARE(frame->DocumentCount(), 1);
    QCOMPARE(frame->ActiveChild()->Document().Title(), std::string("ZEV2"));
    QVERIFY(user.Problems().isEmpty());
  }

  void theTitleCarriesTheModelsNameAndItsModifiedMark() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    QVERIFY(!frame->isWindowModified());
    Focus(child->TreeView());
    Trigger(*frame, kIdInsertRight);
    QVERIFY(child->Document().Doc().IsModified());
    QVERIFY(frame->isWindowModified());
    QVERIFY(child->parentWidget()->isWindowModified());
    QVERIFY(child->parentWidget()->windowTitle().startsWith("ZEV"));
    // Closing a modified model asks; Cancel keeps it open.
    user.Answer(EAnswer::Cancel);
    Trigger(*frame, kIdFileClose);
    QCOMPARE(frame->DocumentCount(), 1);
    QCOMPARE(user.LastText(),
             QString("Save changes to ") + QString::fromStdString(child->Document().Title()) + "?");
    user.Answer(EAnswer::No);
    Trigger(*frame, kIdFileClose);
    QCOMPARE(frame->DocumentCount(), 0);
    QVERIFY(user.Problems().isEmpty());
  }

  void newWindowShowsTheSameModelTwice() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    CModelDocument& document = frame->ActiveChild()->Document();
    Trigger(*frame, kIdWindowNew);
    QCOMPARE(frame->FramesOf(document).size(), size_t(2));
    QCOMPARE(frame->ActiveChild()->parentWidget()->windowTitle(), QString("ZEV1:2[*]"));
    // Closing one of two windows does not close the model or ask.
    frame->ActiveChild()->parentWidget()->close();
    QTRY_COMPARE(frame->FramesOf(document).size(), size_t(1));
    QCOMPARE(frame->DocumentCount(), 1);
    QVERIFY(user.Messages().empty());
    QVERIFY(user.Problems().isEmpty());
  }

  void theStatusBarShowsDateTimeAndPrompts() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    QCOMPARE(frame->MessagePane()->text(), QString("Ready"));
    QTimer* clock = frame->findChild<QTimer*>("clock");
    QVERIFY(clock);
    QCOMPARE(clock->interval(), 1000);
    QVERIFY(clock->isActive());
    frame->UpdateClock();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[64];
    std::strftime(date, sizeof date, "%x", &local);
    QCOMPARE(frame->DatePane()->text(), QString::fromLocal8Bit(date));
    QVERIFY(!frame->TimePane()->text().isEmpty());
    QVERIFY(frame->TimePane()->text() != "Time");

    // A menu prompt leaves the date and time shown.
    QCOMPARE(frame->Action(kIdRank)->statusTip(),
             QString("All alternatives are assessed on all attributes and ranked on the top "
                     "attribute."));
    QCOMPARE(frame->Action(kIdRank)->toolTip(), QString("Rank alternatives"));
    frame->statusBar()->showMessage(frame->Action(kIdRank)->statusTip());
    QVERIFY(!frame->DatePane()->isHidden());
    QVERIFY(!frame->TimePane()->isHidden());
    frame->statusBar()->clearMessage();
    QVERIFY(!frame->DatePane()->isHidden());
    QVERIFY(!frame->TimePane()->isHidden());

    // The bars can be hidden and shown.
    Trigger(*frame, kIdViewToolbar);
    QVERIFY(frame->ToolBar()->isHidden());
    Trigger(*frame, kIdViewToolbar);
    QVERIFY(!frame->ToolBar()->isHidden());
    QCOMPARE(frame->ToolBar()->allowedAreas(), Qt::AllToolBarAreas);
    Trigger(*frame, kIdViewStatusBar);
    QVERIFY(frame->statusBar()->isHidden());
    Trigger(*frame, kIdViewStatusBar);
    QVERIFY(!frame->statusBar()->isHidden());
    QVERIFY(user.Problems().isEmpty());
  }

  void theSplashScreenTakesTheFirstKeyPressAndCloses() {
    StartForTest();  // configures the application
    QPointer<CSplashScreen> splash = new CSplashScreen;
    splash->show();
    QVERIFY(splash->Timer()->isActive());
    QVERIFY(splash->Timer()->isSingleShot());
    QCOMPARE(splash->Timer()->interval(), 2000);
    QCOMPARE(splash->size(), splash->Picture().size());

    QLineEdit target;
    target.show();
    target.setFocus();
    QTest::keyClick(&target, Qt::Key_A);
    // The key went to the splash screen, which closed.
    QCOMPARE(target.text(), QString());
    QTRY_VERIFY(splash.isNull());
    QTest::keyClick(&target, Qt::Key_B);
    QCOMPARE(target.text(), QString("b"));
  }

  void theSplashScreenTakesAMousePress() {
    StartForTest();
    QPointer<CSplashScreen> splash = new CSplashScreen;
    splash->show();
    int clicks = 0;
    QPushButton button("x");
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    button.show();
    QTest::mouseClick(&button, Qt::RightButton);
    QTRY_VERIFY(splash.isNull());
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 1);
  }

  void recentFilesAreKeptUnderTheSettingsKey() {
    CQtScriptedUser user;
    {
      auto frame = StartForTest();
      frame->RecentFiles().Clear();
      frame->RecentFiles().Add("/tmp/a.zev");
      frame->RecentFiles().Add("/tmp/b.zev");
      frame->SaveSettings();
    }
    QSettings settings("Local AppWizard-Generated Applications", "ZEV");
    QCOMPARE(settings.value("Recent File List/File1").toString(), QString("/tmp/b.zev"));
    QCOMPARE(settings.value("Recent File List/File2").toString(), QString("/tmp/a.zev"));
    auto frame = StartForTest();
    QCOMPARE(frame->RecentFiles().Count(), 2);
    QCOMPARE(frame->Action(kIdFileMru1)->text(), QString("&1 b.zev"));
    QVERIFY(frame->Action(kIdFileMru2)->isVisible());
    QVERIFY(!frame->Action(kIdFileMru3)->isVisible());
    frame->RecentFiles().Clear();
    frame->SaveSettings();
    QVERIFY(user.Problems().isEmpty());
  }

  void theAboutBoxNamesTheProgram() {
    CAboutDialog about;
    QCOMPARE(about.windowTitle(), QString("About ZEV"));
    bool bNamed = false;
    for (QLabel* label : about.findChildren<QLabel*>()) {
      if (label->text().contains("ZEV Version")) bNamed = true;
    }
    QVERIFY(bNamed);
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CStartupTest)
#include "startup_test.moc"
