#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <vector>

#include "commands/model_commands.h"
#include "commands/model_document.h"
#include "commands/recent_files.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QTimer;
class QToolBar;

namespace zev {

class CChildFrame;

// The main window: menus and toolbar built from the command table, the
// status bar with its clock, and one MDI child per model window.
class CMainFrame : public QMainWindow, public CCommandHost {
  Q_OBJECT

 public:
  static constexpr const char* kTitle = "ZEV - Tarsel for Multiple Criteria Assessment";

  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  // Carries out a command of the table as the menu or toolbar would.
  void OnCommand(int id);
  // Enables, checks and shows the actions for the current state.
  void UpdateCommandUI();
  QAction* Action(int id) const;
  QMenu* TopMenu(const QString& title) const;
  QToolBar* ToolBar() const { return m_pToolBar; }
  QLabel* DatePane() const { return m_pDatePane; }
  QLabel* TimePane() const { return m_pTimePane; }
  QLabel* MessagePane() const { return m_pMessagePane; }
  QMdiArea* MdiArea() const { return m_pMdiArea; }

  CChildFrame* ActiveChild() const;
  std::vector<CChildFrame*> Children() const;
  std::vector<CChildFrame*> FramesOf(const CModelDocument& document) const;
  int DocumentCount() const { return static_cast<int>(m_documents.size()); }

  // File commands. Each returns the new window, or nullptr when nothing opened.
  CChildFrame* NewDocument();
  CChildFrame* OpenDocument(const std::string& path);
  // File, Import, Model from JSON: the model in a new, untitled window.
  CChildFrame* ImportModelJson();
  // Asks to save a modified model, then closes all its windows. False when
  // the user cancelled.
  bool CloseDocument(CModelDocument& document);
  bool CloseAllDocuments();
  bool SaveDocument(CModelDocument& document, bool bSaveAs);

  CRecentFileList& RecentFiles() { return m_recent; }
  void LoadSettings();
  void SaveSettings() const;
  QPrinter& Printer();

  // CCommandHost
  void ShowResults(const SAssessmentResults& results) override;
  void ShowGraphs(const std::vector<SGraphWindow>& windows) override;

  // Refreshes every date and time pane now (the clock does it every second).
  void UpdateClock();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class CDocumentWatcher;

  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void UpdateTitles();
  void UpdateRecentMenu();
  void UpdateWindowMenu();
  CChildFrame* AddFrame(CModelDocument& document);
  CModelDocument& AdoptDocument(std::unique_ptr<CModelDocument> document);
  void InstallToolWindows(CModelDocument& document);
  void RequestCloseFrame(QMdiSubWindow* sub);
  void DestroyFrame(QMdiSubWindow* sub);
  void ForgetDocument(CModelDocument& document);
  void OnFrameCommand(int id);
  bool IsFrameCommandEnabled(int id) const;
  void OpenRecent(int index);
  void ArrangeIcons();
  // Where the user left the main window, or most of the screen.
  void RestoreGeometry();
  // The nth of a cascade of model windows, all inside the window area.
  void PlaceWindow(QMdiSubWindow* sub, int nth);
  void Cascade();
  void ShowAbout();
  void ShowHelpTopics();
  void PrintActive(bool bPreview);

  std::map<int, QAction*> m_actions;
  std::map<QString, QMenu*> m_menus;
  std::vector<QMenu*> m_modelMenus;
  QMenu* m_pWindowMenu = nullptr;
  std::vector<QAction*> m_windowListActions;
  QToolBar* m_pToolBar = nullptr;
  QLabel* m_pMessagePane = nullptr;
  QLabel* m_pDatePane = nullptr;
  QLabel* m_pTimePane = nullptr;
  QTimer* m_pClock = nullptr;
  QMdiArea* m_pMdiArea = nullptr;
  std::unique_ptr<QPrinter> m_pPrinter;

  std::vector<std::unique_ptr<CModelDocument>> m_documents;
  std::vector<std::unique_ptr<CDocumentWatcher>> m_watchers;
  CRecentFileList m_recent;
  int m_nNextUntitled = 1;
  bool m_bPlacedOnShow = false;
};

}  // namespace zev
