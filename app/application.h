#pragma once

#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "commands/command_table.h"

class QApplication;

namespace zev {

class CMainFrame;

// What the command line asks for.
struct SStartOptions {
  bool m_bSplash = true;
  std::vector<std::string> m_files;
  // Renders the main window into this picture file and ends.
  std::string m_strScreenshot;
  // The view mode the first window shows.
  EViewMode m_viewMode = EViewMode::ListTree;
  // Runs the Rank command on every model opened.
  bool m_bRank = false;
  // Writes the decision report of the one model named into this file
  // (PDF, or OpenDocument text for ".odt") without showing a window.
  std::string m_strExportReport;
};

// The command line: model files to open, "--no-splash", "--view-mode N",
// "--rank", "--screenshot FILE" and "--export-report FILE".
SStartOptions ParseCommandLine(const QStringList& arguments);

// The process-wide settings made right after the application object exists:
// numbers in the C ("English") form, the settings key, the resources.
void ConfigureApplication(QApplication& app);

// Creates the main window, shows the splash screen when allowed, and opens
// the files named (or a new model when none is named). nullptr when a named
// file could not be opened: the start ends there.
std::unique_ptr<CMainFrame> StartApplication(const SStartOptions& options);

// `zev --export-report FILE MODEL`: 0 when written, 1 when the model or the
// report file failed, 2 for a usage error.
int ExportReportFromCommandLine(const SStartOptions& options);

// The whole program.
int RunApplication(int argc, char** argv);

}  // namespace zev
