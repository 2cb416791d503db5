// The decision report as the desktop writes it: a PDF whose pages and text
// poppler's tools read back, an OpenDocument text, and the command line.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "app/application.h"
#include "app/dialogs/qt_text.h"
#include "app/report_writer.h"
#include "engine/conversion.h"
#include "io/model_file.h"

namespace zev::test {

namespace {

std::string Example() { return PathFromQt(qEnvironmentVariable("ZEV_EXAMPLES") + "/laptop.zev"); }

// What a poppler tool prints for a file.
QString Poppler(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class CReportTest : public QObject {
  Q_OBJECT

 private slots:
  void theExampleGivesNinePagesWithTheRankingInOrder() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("laptop.pdf");
    CMADMDoc doc;
    SFileError error;
    QVERIFY(LoadModelFile(Example(), doc, error));
    AttachEngine(doc);
    QVERIFY(ExportDecisionReport(doc, PathFromQt(pdf)));
    QVERIFY(QFile::exists(pdf));

    const QString info = Poppler("pdfinfo", {pdf});
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+9\\n")), qPrintable(info));
    QVERIFY(info.contains("Laptop for a student"));

    // The ranking table on page 2, best first.
    const QString ranking = Poppler("pdftotext", {"-f", "2", "-l", "2", "-layout", pdf, "-"});
    qsizetype at = 0;
    for (const char* name : {"Orchard Pro", "Atelier X", "Kestrel 14", "Nomad 13", "Basalt 16",
                             "Wisp Air", "Thrift Book"}) {
      at = ranking.indexOf(QString(name), at);
      QVERIFY2(at >= 0, name);
    }
    // With its utility interval.
    const QString nomad = ranking.split(QChar(10)).filter("Nomad 13").value(0);
    QVERIFY2(nomad.contains("0.6550") && nomad.contains("0.6114") && nomad.contains("0.6987"),
             qPrintable(nomad));
    // Every alternative has a page of its own, headed by its place.
    const QString page9 = Poppler("pdftotext", {"-f", "9", "-l", "9", pdf, "-"});
    QVERIFY2(page9.startsWith("7. Thrift Book"), qPrintable(page9));
    QVERIFY(page9.contains("Key areas to consider"));
  }

  void theOpenDocumentTextHoldsTheChartsAsPictures() {
    QTemporaryDir dir;
    const QString odt = dir.filePath("laptop.odt");
    QCOMPARE(ReportFormatOf(odt), EReportFormat::Odt);
    QCOMPARE(ReportFormatOf(dir.filePath("laptop.ODT")), EReportFormat::Odt);
    QCOMPARE(ReportFormatOf(dir.filePath("laptop")), EReportFormat::Pdf);
    CMADMDoc doc;
    SFileError error;
    QVERIFY(LoadModelFile(Example(), doc, error));
    AttachEngine(doc);
    QVERIFY(ExportDecisionReport(doc, PathFromQt(odt)));
    QFile file(odt);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("PK"));
    QVERIFY(bytes.contains("application/vnd.oasis.opendocument.text"));
    QCOMPARE(bytes.count("Pictures/Picture"), 2 * 8);  // entry and manifest
  }

  void theCommandLineWritesTheReportOrSaysWhyNot() {
    QTemporaryDir dir;
    SStartOptions options;
    options.m_strExportReport = PathFromQt(dir.filePath("out.pdf"));
    QCOMPARE(ExportReportFromCommandLine(options), 2);  // no model
    options.m_files = {PathFromQt(dir.filePath("missing.zev"))};
    QCOMPARE(ExportReportFromCommandLine(options), 1);
    QVERIFY(!QFile::exists(dir.filePath("out.pdf")));
    options.m_files = {Example()};
    QCOMPARE(ExportReportFromCommandLine(options), 0);
    QVERIFY(QFile::exists(dir.filePath("out.pdf")));
    options.m_strExportReport = PathFromQt(dir.filePath("no/such/folder/out.pdf"));
    QCOMPARE(ExportReportFromCommandLine(options), 1);

    const QStringList arguments{"zev", "--export-report", "r.odt", "a.zev"};
    const SStartOptions parsed = ParseCommandLine(arguments);
    QCOMPARE(parsed.m_strExportReport, std::string("r.odt"));
    QCOMPARE(parsed.m_files, std::vector<std::string>{"a.zev"});
  }
};

}  // namespace zev::test

QTEST_MAIN(zev::test::CReportTest)
#include "report_test.moc"
