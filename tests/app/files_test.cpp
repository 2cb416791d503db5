// Model files in the desktop application: save, reopen, recent files, the
// command line, dropped files and damaged files.

#include <QDropEvent>
#include <QFile>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "app/alternative_list_view.h"
#include "app/attribute_tree_view.h"
#include "app/dialogs/qt_text.h"
#include "commands/command_table.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace zev::test {

namespace {

std::string Example() { return PathFromQt(qEnvironmentVariable("ZEV_EXAMPLES") + "/laptop.zev"); }

}  // namespace

class CFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    auto frame = StartForTest();
    frame->RecentFiles().Clear();
    frame->SaveSettings();
  }

  void aModelBuiltInTheWindowIsSavedAndReopened() {
    CQtScriptedUser user;
    QTemporaryDir dir;
    const std::string path = PathFromQt(dir.filePath("cars.zev"));
    auto frame = StartForTest();
    CChildFrame* child = frame->ActiveChild();
    Focus(child->TreeView());
    Trigger(*frame, kIdInsertRight);
    Trigger(*frame, kIdInsertBelow);
    child->Commands().RenameAttribute(1, "Price");
    Focus(child->ListView());
    Trigger(*frame, kIdNewAlternative);
    QVERIFY(frame->isWindowModified());

    user.ChooseFile(path);
    Trigger(*frame, kIdFileSave);  // a new model: Save asks for a name
    QCOMPARE(user.FileChoices().size(), size_t(1));
    QVERIFY(user.FileChoices()[0].m_bSave);
    QVERIFY(QFile::exists(PathToQt(path)));
    QCOMPARE(child->Document().PathName(), path);
    QVERIFY(!frame->isWindowModified());
    QCOMPARE(frame->windowTitle(),
             QString("ZEV - Tarsel for Multiple Criteria Assessment - cars.zev[*]"));
    QCOMPARE(frame->RecentFiles().Paths().front(), path);
    QCOMPARE(frame->Action(kIdFileMru1)->text(), QString("&1 cars.zev"));

    Trigger(*frame, kIdFileClose);
    QCOMPARE(frame->DocumentCount(), 0);
    QVERIFY(user.Messages().empty());  // saved, so nothing to ask

    Trigger(*frame, kIdFileMru1);
    QCOMPARE(frame->DocumentCount(), 1);
    CChildFrame* reopened = frame->ActiveChild();
    const CMADMDoc& doc = reopened->Document().Doc();
    QCOMPARE(doc.LastAttribute(), 2);
    QCOMPARE(doc.Attribute(1).m_strName, "Price");
    QCOMPARE(doc.AlternativeCount(), 2);
    QCOMPARE(doc.CurrentAttribute(), 0);
    QCOMPARE(doc.CurrentPosition(), 0);
    QVERIFY(!doc.IsModified());
    QCOMPARE(reopened->ListView()->model()->rowCount(), 2);
    QCOMPARE(reopened->TreeView()->model()->rowCount(reopened->TreeView()->model()->index(0, 0)),
             2);
    // Opening the same file again only brings its window forward.
    QCOMPARE(frame->OpenDocument(path), reopened);
    QCOMPARE(frame->DocumentCount(), 1);
    QVERIFY(user.Problems().isEmpty());
  }

  void rankedResultsAreSavedWithTheModel() {
    CQtScriptedUser user;
    QTemporaryDir dir;
    const std::string path = PathFromQt(dir.filePath("ranked.zev"));
    auto frame = StartForTest();
    QVERIFY(frame->OpenDocument(Example()));
    CChildFrame* child = frame->ActiveChild();
    CMADMDoc& doc = child->Document().Doc();
    for (int pos = 0; pos < doc.AlternativeCount(); ++pos) doc.Alternative(pos).m_nRanking = 0;
    Focus(child->TreeView());
    Trigger(*frame, kIdRank);
    QCOMPARE(user.LastText(), QString(" All alternatives have been assessed on all attributes."));
    std::vector<int> rankings;
    std::vector<std::string> utilities;
    for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
      rankings.push_back(doc.Alternative(pos).m_nRanking);
      utilities.push_back(doc.Alternative(pos).UtilityText());
      QVERIFY(rankings.back() >= 1);
    }
    user.ChooseFile(path);
    Trigger(*frame, kIdFileSaveAs);
    Trigger(*frame, kIdFileClose);
    QVERIFY(frame->OpenDocument(path));
    const CMADMDoc& reopened = frame->ActiveChild()->Document().Doc();
    for (int pos = 0; pos < reopened.AlternativeCount(); ++pos) {
      QCOMPARE(reopened.Alternative(pos).m_nRanking, rankings[static_cast<size_t>(pos)]);
      QCOMPARE(reopened.Alternative(pos).UtilityText(), utilities[static_cast<size_t>(pos)]);
    }
    QVERIFY(user.Problems().isEmpty());
  }

  void openAsksForAFileWithTheModelFilter() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    user.ChooseFile(Example());
    Trigger(*frame, kIdFileOpen);
    QCOMPARE(user.FileChoices().size(), size_t(1));
    const SFileChoice& choice = user.FileChoices()[0];
    QVERIFY(!choice.m_bSave);
    QCOMPARE(choice.m_strFilter,
             std::string("ZEV Model Files (*.zev)|*.zev|All Files (*.*)|*.*||"));
    QCOMPARE(frame->DocumentCount(), 2);
    QCOMPARE(frame->ActiveChild()->Document().Title(), std::string("laptop.zev"));
    QVERIFY(frame->ActiveChild()->Document().Doc().AlternativeCount() > 1);
    // A cancelled window opens nothing.
    user.ChooseFile("");
    Trigger(*frame, kIdFileOpen);
    QCOMPARE(frame->DocumentCount(), 2);
    QVERIFY(user.Problems().isEmpty());
  }

  void aFileNamedOnTheCommandLineIsOpened() {
    CQtScriptedUser user;
    StartForTest();  // configured
    SStartOptions options = ParseCommandLine({"zev", "--no-splash", PathToQt(Example())});
    QVERIFY(!options.m_bSplash);
    QCOMPARE(options.m_files, std::vector<std::string>{Example()});
    std::unique_ptr<CMainFrame> frame = StartApplication(options);
    QVERIFY(frame);
    QCOMPARE(frame->DocumentCount(), 1);
    QCOMPARE(frame->ActiveChild()->Document().PathName(), Example());
    QVERIFY(user.Problems().isEmpty());
  }

  void aDamagedFileGivesItsMessageAndOpensNothing() {
    CQtScriptedUser user;
    QTemporaryDir dir;
    QFile damaged(dir.filePath("damaged.zev"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("\x00\x00\x00\x00\x00\x00\x08\x00\x05", 9));
    damaged.close();
    auto frame = StartForTest();
    QVERIFY(!frame->OpenDocument(PathFromQt(damaged.fileName())));
    QCOMPARE(frame->DocumentCount(), 1);
    QCOMPARE(user.Messages().size(), size_t(1));
    QCOMPARE(user.Messages()[0].m_icon, EIcon::Warning);
    QVERIFY(user.LastText().contains("is not a valid ZEV model file."));
    QVERIFY(frame->RecentFiles().Empty());

    // Named on the command line, it ends the start.
    user.Clear();
    SStartOptions options;
    options.m_bSplash = false;
    options.m_files = {PathFromQt(damaged.fileName())};
    QVERIFY(!StartApplication(options));
    QCOMPARE(user.Messages().size(), size_t(1));
    QVERIFY(user.Problems().isEmpty());
  }

  void aRecentFileThatIsGoneLeavesTheList() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    frame->RecentFiles().Add("/nonexistent-for-zev/gone.zev");
    frame->SaveSettings();
    frame->LoadSettings();
    QVERIFY(Enabled(*frame, kIdFileMru1));
    Trigger(*frame, kIdFileMru1);
    QCOMPARE(user.Messages().size(), size_t(1));
    QVERIFY(frame->RecentFiles().Empty());
    QVERIFY(!Enabled(*frame, kIdFileMru1));
    QVERIFY(user.Problems().isEmpty());
  }

  void aFileDroppedOnTheWindowOpens() {
    CQtScriptedUser user;
    auto frame = StartForTest();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(PathToQt(Example()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    QCOMPARE(frame->DocumentCount(), 2);
    QCOMPARE(frame->ActiveChild()->Document().Title(), std::string("laptop.zev"));
    QVERIFY(user.Problems().isEmpty());
  }

  void aFileNameOutsideAsciiIsShownAsItIs() {
    CQtScriptedUser user;
    QTemporaryDir dir;
    const std::string path =
        PathFromQt(dir.filePath(QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC.zev")));
    auto frame = StartForTest();
    user.ChooseFile(path);
    Trigger(*frame, kIdFileSaveAs);
    QCOMPARE(frame->ActiveChild()->parentWidget()->windowTitle(),
             QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC.zev[*]"));
    QCOMPARE(frame->Action(kIdFileMru1)->text(),
             QString::fromUtf8("&1 Caf\xC3\xA9 \xE2\x82\xAC.zev"));
    frame->ActiveChild()->Document().Doc().SetModifiedFlag(true);
    user.Answer(EAnswer::Cancel);
    Trigger(*frame, kIdFileClose);
    QCOMPARE(user.LastText(), QString::fromUtf8("Save changes to Caf\xC3\xA9 \xE2\x82\xAC.zev?"));
    user.Answer(EAnswer::No);
    Trigger(*frame, kIdFileClose);
    QCOMPARE(frame->DocumentCount(), 0);
    QVERIFY(frame->OpenDocument(path));
    QCOMPARE(frame->ActiveChild()->Document().Title(), std::string("Caf\xE9 \x80.zev"));
    QVERIFY(user.Problems().isEmpty());
  }

  void saveAsLeavesTheOldFileAndTakesTheNewName() {
    CQtScriptedUser user;
    QTemporaryDir dir;
    auto frame = StartForTest();
    const std::string first = PathFromQt(dir.filePath("first.zev"));
    const std::string second = PathFromQt(dir.filePath("second"));
    user.ChooseFile(first);
    Trigger(*frame, kIdFileSaveAs);
    user.ChooseFile(second);
    Trigger(*frame, kIdFileSaveAs);
    QCOMPARE(user.FileChoices()[1].m_strPath, first);  // proposes the current name
    QCOMPARE(frame->ActiveChild()->Document().PathName(), second + ".zev");
    QVERIFY(QFile::exists(PathToQt(first)));
    QVERIFY(QFile::exists(PathToQt(second + ".zev")));
    QCOMPARE(frame->RecentFiles().Count(), 2);
    QVERIFY(user.Problems().isEmpty());
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CFilesTest)
#include "files_test.moc"
