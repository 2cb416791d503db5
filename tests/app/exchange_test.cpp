// The File menu's exchanges on the example: export and import of the
// assessments as a CSV table, the model in its JSON form as a new window,
// and the decision report.

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "app/alternative_list_view.h"
#include "app/dialogs/qt_text.h"
#include "commands/command_table.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"

namespace zev::test {

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class CExchangeTest : public QObject {
  Q_OBJECT

 private slots:
  void assessmentsGoOutAndComeBackAndTheReportIsWritten() {
    CQtScriptedUser user;
    QTemporaryDir dir;
    const QString model = dir.filePath("laptop.zev");
    QVERIFY(QFile::copy(qEnvironmentVariable("ZEV_EXAMPLES") + "/laptop.zev", model));
    auto frame = StartForTest();
    CChildFrame* child = frame->OpenDocument(PathFromQt(model));
    QVERIFY(child);
    QVERIFY(frame->TopMenu("&File|&Export")
                ->actions()
                .contains(frame->Action(kIdExportAssessmentsCsv)));
    QVERIFY(frame->TopMenu("&File|&Import")
                ->actions()
                .contains(frame->Action(kIdImportAssessmentsCsv)));

    const QString csv = dir.filePath("laptop-assessments.csv");
    user.ChooseFile(PathFromQt(csv));
    Trigger(*frame, kIdExportAssessmentsCsv);
    QVERIFY(ReadAll(csv).contains("\"Alternative\",\"Processor speed\","));

    // The table as it was: read, nothing stored, the model not modified.
    user.ChooseFile(PathFromQt(csv));
    Trigger(*frame, kIdImportAssessmentsCsv);
    QCOMPARE(user.LastText(), QString("The assessments of 7 alternatives have been read."));
    QVERIFY(!frame->isWindowModified());

    // A row of a name the model lacks: a new alternative, shown in the list.
    QFile file(csv);
    QVERIFY(file.open(QIODevice::Append));
    file.write("Lumen 15\n");
    file.close();
    user.ChooseFile(PathFromQt(csv));
    Trigger(*frame, kIdImportAssessmentsCsv);
    QCOMPARE(user.LastText(),
             QString("The assessments of 8 alternatives have been read; 1 of them is new."));
    QVERIFY(frame->isWindowModified());
    QCOMPARE(child->ListView()->model()->rowCount(), 8);

    const QString pdf = dir.filePath("laptop.pdf");
    user.ChooseFile(PathFromQt(pdf));
    Trigger(*frame, kIdExportReport);
    QVERIFY(ReadAll(pdf).startsWith("%PDF"));
    QVERIFY(user.Problems().isEmpty());
  }

  void aModelFromJsonOpensInANewWindowEvenWithoutAModel() {
    CQtScriptedUser user;
    QTemporaryDir dir;
    auto frame = StartForTest();
    const QString json = dir.filePath("model.json");
    user.ChooseFile(PathFromQt(json));
    Trigger(*frame, kIdExportModelJson);
    QVERIFY(frame->CloseAllDocuments());
    QCOMPARE(frame->DocumentCount(), 0);

    // Without a model only the import of a model is offered.
    frame->UpdateCommandUI();
    QVERIFY(!frame->TopMenu("&File|&Export")->menuAction()->isVisible());
    QVERIFY(frame->TopMenu("&File|&Import")->menuAction()->isVisible());
    QVERIFY(!frame->Action(kIdImportAssessmentsCsv)->isVisible());
    QVERIFY(Enabled(*frame, kIdImportModelJson));

    user.ChooseFile(PathFromQt(json));
    Trigger(*frame, kIdImportModelJson);
    QCOMPARE(frame->DocumentCount(), 1);
    QVERIFY(frame->ActiveChild()->Document().PathName().empty());
    QVERIFY(frame->isWindowModified());
    QVERIFY(frame->TopMenu("&File|&Export")->menuAction()->isVisible());

    // A refused file opens nothing.
    QFile bad(dir.filePath("bad.json"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("[]");
    bad.close();
    user.ChooseFile(PathFromQt(bad.fileName()));
    Trigger(*frame, kIdImportModelJson);
    QCOMPARE(frame->DocumentCount(), 1);
    QCOMPARE(user.Messages().back().m_icon, EIcon::Warning);
    user.Answer(EAnswer::No);  // the imported model is not saved
    QVERIFY(frame->CloseAllDocuments());
    QVERIFY(user.Problems().isEmpty());
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CExchangeTest)
#include "exchange_test.moc"
