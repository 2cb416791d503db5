#include "app/application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QPixmap>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "app/child_frame.h"
#include "app/dialogs/dialog_registry.h"
#include "app/dialogs/icons.h"
#include "app/dialogs/qt_text.h"
#include "app/main_frame.h"
#include "app/qt_prompter.h"
#include "app/report_writer.h"
#include "app/splash_screen.h"
#include "commands/command_ids.h"
#include "engine/conversion.h"
#include "io/model_file.h"

static void InitZevResources() { Q_INIT_RESOURCE(zev); }

namespace zev {

SStartOptions ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription("ZEV - Tarsel for Multiple Criteria Assessment");
  QCommandLineOption noSplash("no-splash", "Start without the splash screen.");
  parser.addOption(noSplash);
  QCommandLineOption screenshot("screenshot", "Save a picture of the main window and end.", "file");
  parser.addOption(screenshot);
  QCommandLineOption viewMode("view-mode", "1 for the box diagram, 2 for the list and tree.",
                              "mode");
  parser.addOption(viewMode);
  QCommandLineOption rank("rank", "Rank the alternatives of every model opened.");
  parser.addOption(rank);
  QCommandLineOption exportReport(
      "export-report", "Write the decision report of the model into the file and end.", "file");
  parser.addOption(exportReport);
  parser.addPositionalArgument("file", "A model file to open.", "[file...]");
  parser.parse(arguments);
  SStartOptions options;
  options.m_bSplash = !parser.isSet(noSplash);
  options.m_strScreenshot = PathFromQt(parser.value(screenshot));
  if (parser.value(viewMode) == "1") options.m_viewMode = EViewMode::DialogBox;
  options.m_bRank = parser.isSet(rank);
  options.m_strExportReport = PathFromQt(parser.value(exportReport));
  if (!options.m_strScreenshot.empty()) options.m_bSplash = false;
  for (const QString& f : parser.positionalArguments()) options.m_files.push_back(PathFromQt(f));
  return options;
}

void ConfigureApplication(QApplication& app) {
  InitZevResources();
  // Every category in the user's locale, then numbers with a decimal point:
  // the core formats and reads numbers in the C locale anyway.
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
  QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");
  QCoreApplication::setApplicationName("ZEV");
  QCoreApplication::setApplicationVersion(ZEV_VERSION_TEXT);
  QGuiApplication::setDesktopFileName("org.example.zev");
  app.setWindowIcon(AppIcon());
  RegisterStandardDialogViews();
}

std::unique_ptr<CMainFrame> StartApplication(const SStartOptions& options) {
  auto frame = std::make_unique<CMainFrame>();
  if (options.m_bSplash) {
    auto* splash = new CSplashScreen;
    splash->show();
  }
  if (options.m_files.empty()) {
    frame->NewDocument();
  } else {
    for (const std::string& path : options.m_files) {
      if (!frame->OpenDocument(path)) return nullptr;
    }
  }
  for (CChildFrame* child : frame->Children()) {
    if (options.m_viewMode != EViewMode::ListTree) child->SetViewMode(options.m_viewMode);
    if (options.m_bRank) child->Commands().Run(kIdRank);
  }
  frame->show();
  frame->UpdateClock();
  return frame;
}

int ExportReportFromCommandLine(const SStartOptions& options) {
  CStderrPrompter headless;
  CPrompterScope scope(headless);
  if (options.m_files.size() != 1) {
    std::fprintf(stderr, "zev: --export-report FILE needs exactly one model file.\n");
    return 2;
  }
  CMADMDoc doc;
  SFileError error;
  if (!LoadModelFile(options.m_files.front(), doc, error)) {
    headless.Warning(error.Message());
    return 1;
  }
  AttachEngine(doc);
  return ExportDecisionReport(doc, options.m_strExportReport) ? 0 : 1;
}

int RunApplication(int argc, char** argv) {
  // A report is written without a window, on any machine.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--export-report") == 0 &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  QApplication app(argc, argv);
  ConfigureApplication(app);
  SStartOptions options = ParseCommandLine(app.arguments());
  if (!options.m_strExportReport.empty()) return ExportReportFromCommandLine(options);
  // A picture is taken without a user: messages go to standard error.
  CQtPrompter desktop;
  CStderrPrompter headless;
  CPrompterScope scope(options.m_strScreenshot.empty() ? static_cast<CPrompter&>(desktop)
                                                       : static_cast<CPrompter&>(headless));
  std::unique_ptr<CMainFrame> frame = StartApplication(options);
  if (!frame) return 1;
  if (!options.m_strScreenshot.empty()) {
    // A laptop's screen, not a thumbnail.
    frame->resize(1280, 800);
    for (CChildFrame* child : frame->Children()) {
      if (QWidget* sub = child->parentWidget()) sub->showMaximized();
    }
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
    return frame->grab().save(PathToQt(options.m_strScreenshot)) ? 0 : 1;
  }
  return app.exec();
}

}  // namespace zev
