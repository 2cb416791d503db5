#include "app/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <ctime>

#include "app/about_dialog.h"
#include "app/child_frame.h"
#include "app/dialogs/dialog_registry.h"
#include "app/dialogs/icons.h"
#include "app/dialogs/qt_text.h"
#include "app/graph_window.h"
#include "app/group_assessment_window.h"
#include "app/input_sensitivity_window.h"
#include "app/insertion_window.h"
#include "app/madm_print.h"
#include "app/madm_view.h"
#include "app/model_builder_window.h"
#include "app/overview_window.h"
#include "app/rename_grade_window.h"
#include "app/report_writer.h"
#include "app/results_window.h"
#include "app/trade_off_window.h"
#include "app/undo_history_window.h"
#include "app/utility_scoring_window.h"
#include "app/visual_comparison_window.h"
#include "app/weight_sensitivity_window.h"
#include "commands/command_table.h"
#include "commands/exchange_commands.h"
#include "commands/model_files.h"

namespace zev {

namespace {

constexpr const char* kSettingsKey = "Local AppWizard-Generated Applications";
constexpr const char* kSettingsApplication = "ZEV";
constexpr const char* kRecentGroup = "Recent File List";
constexpr const char* kGeometryKey = "Main Window/Geometry";
// The share of the screen a main window takes the first time, and of the
// window area a model window takes.
constexpr double kScreenShare = 0.85;
constexpr double kAreaShare = 0.8;

QString LocalTime(const char* format) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[128];
  size_t n = std::strftime(buffer, sizeof buffer, format, &local);
  return QString::fromLocal8Bit(buffer, static_cast<qsizetype>(n));
}

CChildFrame* FrameOf(QMdiSubWindow* sub) {
  return sub ? qobject_cast<CChildFrame*>(sub->widget()) : nullptr;
}

}  // namespace

// Tells the main window about every change of a model: its title, its
// modified mark and the enabled commands follow.
class CMainFrame::CDocumentWatcher : public CDocObserver, public CUndoListener {
 public:
  CDocumentWatcher(CMainFrame& frame, CModelDocument& document)
      : m_frame(frame), m_document(document) {
    m_document.Doc().Subscribe(this);
    m_document.Commands().History().Subscribe(this);
  }
  ~CDocumentWatcher() override {
    m_document.Commands().History().Unsubscribe(this);
    m_document.Doc().Unsubscribe(this);
  }
  void OnDocumentChanged(CMADMDoc&, const SDocChange&) override { OnHistoryChanged(); }
  // The modified mark and the texts of Undo and Redo follow the history.
  void OnHistoryChanged() override {
    m_frame.UpdateTitles();
    m_frame.UpdateCommandUI();
  }
  CModelDocument& Document() { return m_document; }

 private:
  CMainFrame& m_frame;
  CModelDocument& m_document;
};

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setObjectName("mainFrame");
  setWindowIcon(AppIcon());
  setAcceptDrops(true);
  m_pMdiArea = new QMdiArea(this);
  m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(m_pMdiArea);
  connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] {
    UpdateTitles();
    UpdateCommandUI();
  });

  BuildActions();
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  LoadSettings();
  UpdateTitles();
  UpdateCommandUI();
  RestoreGeometry();
}

CMainFrame::~CMainFrame() {
  // Windows first, then the models they show.
  for (QMdiSubWindow* sub : m_pMdiArea->subWindowList()) delete sub;
  m_watchers.clear();
  m_documents.clear();
}

// ---------------------------------------------------------------------------
// Building the window

void CMainFrame::BuildActions() {
  for (const SCommandInfo& c : CommandTable()) {
    auto* action = new QAction(this);
    // The shortcut is shown after the tab exactly as written in the table.
    action->setText(QString::fromUtf8(c.m_pszText));
    action->setStatusTip(QString::fromUtf8(c.m_pszPrompt));
    action->setToolTip(QString::fromUtf8(c.m_pszTooltip));
    action->setData(c.m_nId);
    action->setIconVisibleInMenu(false);
    QString shortcut =
        QString::fromUtf8(MenuShortcut(c).data(), static_cast<qsizetype>(MenuShortcut(c).size()));
    if (c.m_bBindsShortcut && !shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
    QIcon icon = CommandIcon(c.m_nId);
    if (!icon.isNull()) action->setIcon(icon);
    const int id = c.m_nId;
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions[id] = action;
  }
  m_actions[kIdEditRedo]->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  for (int id : {static_cast<int>(kIdViewToolbar), static_cast<int>(kIdViewStatusBar)}) {
    m_actions[id]->setCheckable(true);
    m_actions[id]->setChecked(true);
  }
}

void CMainFrame::BuildMenus() {
  for (const SCommandInfo& c : CommandTable()) {
    QStringList path = QString::fromUtf8(c.m_pszMenuPath).split('|');
    QString key;
    QMenu* menu = nullptr;
    bool bSeparatorPlaced = false;
    for (int level = 0; level < path.size(); ++level) {
      key += (level ? "|" : "") + path[level];
      auto it = m_menus.find(key);
      if (it != m_menus.end()) {
        menu = it->second;
        continue;
      }
      QMenu* created = nullptr;
      if (!menu) {
        created = menuBar()->addMenu(path[level]);
        if (!c.m_bWithoutModel && path[level] != "&File" && path[level] != "&View" &&
            path[level] != "&Help") {
          m_modelMenus.push_back(created);
        }
      } else {
        // A separator asked for by the first item of a submenu goes before it.
        if (c.m_bSeparatorBefore && !menu->isEmpty()) menu->addSeparator();
        bSeparatorPlaced = true;
        created = menu->addMenu(path[level]);
      }
      connect(created, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
      // The prompt of the last item highlighted goes with the menu.
      connect(created, &QMenu::aboutToHide, statusBar(), &QStatusBar::clearMessage);
      m_menus[key] = created;
      menu = created;
    }
    if (c.m_bSeparatorBefore && !bSeparatorPlaced && !menu->isEmpty()) menu->addSeparator();
    menu->addAction(m_actions[c.m_nId]);
  }
  m_pWindowMenu = m_menus["&Window"];
  connect(m_pWindowMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateWindowMenu);
}

void CMainFrame::BuildToolBar() {
  m_pToolBar = addToolBar("Toolbar");
  m_pToolBar->setObjectName("toolbar");
  m_pToolBar->setMovable(true);
  m_pToolBar->setFloatable(true);
  m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
  for (int id : ToolbarCommands()) {
    if (id == 0)
      m_pToolBar->addSeparator();
    else
      m_pToolBar->addAction(m_actions[id]);
  }
  connect(m_pToolBar, &QToolBar::visibilityChanged, this,
          [this](bool bVisible) { m_actions[kIdViewToolbar]->setChecked(bVisible); });
}

void CMainFrame::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  m_pMessagePane = new QLabel("Ready", bar);
  m_pMessagePane->setObjectName("messagePane");
  bar->addWidget(m_pMessagePane, 1);
  m_pDatePane = new QLabel("Date", bar);
  m_pDatePane->setObjectName("datePane");
  m_pTimePane = new QLabel("Time", bar);
  m_pTimePane->setObjectName("timePane");
  for (QLabel* pane : {m_pDatePane, m_pTimePane}) {
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    bar->addPermanentWidget(pane);
  }
  m_pClock = new QTimer(this);
  m_pClock->setObjectName("clock");
  m_pClock->setInterval(1000);
  connect(m_pClock, &QTimer::timeout, this, &CMainFrame::UpdateClock);
  m_pClock->start();
}

void CMainFrame::UpdateClock() {
  m_pDatePane->setText(LocalTime("%x"));
  m_pTimePane->setText(LocalTime("%X"));
  m_pDatePane->adjustSize();
  m_pTimePane->adjustSize();
}

// ---------------------------------------------------------------------------
// Settings

void CMainFrame::LoadSettings() {
  QSettings settings(kSettingsKey, kSettingsApplication);
  settings.beginGroup(kRecentGroup);
  std::vector<std::string> paths;
  for (int i = 1; i <= CRecentFileList::kSize; ++i) {
    paths.push_back(PathFromQt(settings.value(QString("File%1").arg(i)).toString()));
  }
  settings.endGroup();
  m_recent.Assign(paths);
  UpdateRecentMenu();
}

void CMainFrame::RestoreGeometry() {
  QSettings settings(kSettingsKey, kSettingsApplication);
  if (restoreGeometry(settings.value(kGeometryKey).toByteArray())) return;
  // The first start: most of the screen, centred.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QSize size(static_cast<int>(screen.width() * kScreenShare),
                   static_cast<int>(screen.height() * kScreenShare));
  resize(size);
  move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
}

void CMainFrame::SaveSettings() const {
  QSettings settings(kSettingsKey, kSettingsApplication);
  if (isVisible()) settings.setValue(kGeometryKey, saveGeometry());
  settings.beginGroup(kRecentGroup);
  for (int i = 1; i <= CRecentFileList::kSize; ++i) {
    QString key = QString("File%1").arg(i);
    if (i <= m_recent.Count())
      settings.setValue(key, PathToQt(m_recent.Paths()[i - 1]));
    else
      settings.remove(key);
  }
  settings.endGroup();
}

// ---------------------------------------------------------------------------
// Command state

QAction* CMainFrame::Action(int id) const {
  auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

QMenu* CMainFrame::TopMenu(const QString& title) const {
  auto it = m_menus.find(title);
  return it == m_menus.end() ? nullptr : it->second;
}

CChildFrame* CMainFrame::ActiveChild() const {
  QMdiSubWindow* sub = m_pMdiArea->activeSubWindow();
  if (!sub) {
    // Without an active window (the application is in the background) the
    // window last active still receives the commands.
    QList<QMdiSubWindow*> list = m_pMdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
      if ((*it)->isVisible()) return FrameOf(*it);
    }
    return nullptr;
  }
  return FrameOf(sub);
}

std::vector<CChildFrame*> CMainFrame::Children() const {
  std::vector<CChildFrame*> frames;
  for (QMdiSubWindow* sub : m_pMdiArea->subWindowList()) {
    if (CChildFrame* f = FrameOf(sub)) frames.push_back(f);
  }
  return frames;
}

std::vector<CChildFrame*> CMainFrame::FramesOf(const CModelDocument& document) const {
  std::vector<CChildFrame*> frames;
  for (CChildFrame* f : Children()) {
    if (&f->Document() == &document) frames.push_back(f);
  }
  return frames;
}

bool CMainFrame::IsFrameCommandEnabled(int id) const {
  CChildFrame* child = ActiveChild();
  switch (id) {
    case kIdFileMru1:
    case kIdFileMru2:
    case kIdFileMru3:
    case kIdFileMru4:
      return id - kIdFileMru1 < m_recent.Count();
    case kIdFileClose:
    case kIdFileSave:
    case kIdFileSaveAs:
    case kIdImportAssessmentsCsv:
    case kIdExportResultsCsv:
    case kIdExportAssessmentsCsv:
    case kIdExportModelJson:
    case kIdExportReport:
    case kIdWindowNew:
    case kIdWindowCascade:
    case kIdWindowTile:
    case kIdWindowArrange:
      return child != nullptr;
    case kIdViewSwitch:
    case kIdViewDialogBox:
    case kIdViewListTree:
      return child && CModelCommands::RuleAllows(id, child->Document().Doc(), child->ViewMode());
    case kIdEditUndo:
      return child && child->Commands().History().CanUndo();
    case kIdEditRedo:
      return child && child->Commands().History().CanRedo();
    case kIdViewUndoHistory:
      return child != nullptr;
    default:
      return true;
  }
}

void CMainFrame::UpdateCommandUI() {
  CChildFrame* child = ActiveChild();
  const bool bModel = child != nullptr;
  for (QMenu* menu : m_modelMenus) menu->menuAction()->setVisible(bModel);
  for (const SCommandInfo& c : CommandTable()) {
    QAction* action = m_actions[c.m_nId];
    action->setVisible(bModel || c.m_bWithoutModel);
    bool bEnabled = false;
    if (IsFrameCommand(c.m_nId)) {
      bEnabled = IsFrameCommandEnabled(c.m_nId);
    } else if (child) {
      if (c.m_nId == kIdFilePrint || c.m_nId == kIdFilePrintPreview) {
        bEnabled = child->ActiveView() == EViewKind::DialogBox && child->DialogBoxView();
      } else {
        bEnabled = child->Commands().IsEnabled(c.m_nId, child->ActiveView(), child->ViewMode());
      }
    }
    action->setEnabled(bEnabled);
  }
  // A submenu none of whose items is shown (File, Export without a model)
  // is hidden too.
  for (const auto& [key, menu] : m_menus) {
    if (!key.contains('|')) continue;
    const QList<QAction*> actions = menu->actions();
    menu->menuAction()->setVisible(
        std::any_of(actions.begin(), actions.end(), [](QAction* a) { return a->isVisible(); }));
  }
  // The empty recent-file list shows one disabled entry.
  for (int i = 0; i < CRecentFileList::kSize; ++i) {
    m_actions[kIdFileMru1 + i]->setVisible(i == 0 || i < m_recent.Count());
  }
  m_actions[kIdViewStatusBar]->setChecked(statusBar()->isVisible() || !isVisible());
  // "&Undo Delete Attribute\tCtrl+Z": the step by name.
  for (int id : {static_cast<int>(kIdEditUndo), static_cast<int>(kIdEditRedo)}) {
    std::string text = id == kIdEditUndo ? "&Undo" : "&Redo";
    if (child) {
      text =
          id == kIdEditUndo ? child->Commands().UndoMenuText() : child->Commands().RedoMenuText();
    }
    const SCommandInfo* info = FindCommand(id);
    m_actions[id]->setText(ToQt(text) + "\t" +
                           QString::fromUtf8(MenuShortcut(*info).data(),
                                             static_cast<qsizetype>(MenuShortcut(*info).size())));
  }
}

// ---------------------------------------------------------------------------
// Dispatch

void CMainFrame::OnCommand(int id) {
  QAction* action = Action(id);
  if (action && !action->isEnabled()) return;
  if (IsFrameCommand(id)) {
    OnFrameCommand(id);
  } else if (CChildFrame* child = ActiveChild()) {
    if (id == kIdFilePrint || id == kIdFilePrintPreview) {
      PrintActive(id == kIdFilePrintPreview);
    } else {
      child->Commands().Execute(id, child->ActiveView(), child->ViewMode());
    }
  }
  UpdateTitles();
  UpdateCommandUI();
}

void CMainFrame::OnFrameCommand(int id) {
  CChildFrame* child = ActiveChild();
  switch (id) {
    case kIdFileNew:
      NewDocument();
      break;
    case kIdFileOpen: {
      SFileChoice choice;
      choice.m_bSave = false;
      choice.m_strTitle = "Open";
      choice.m_strFilter = ModelFileFilter();
      choice.m_strDefaultExt = ModelFileExtension();
      choice.m_bOverwritePrompt = false;
      if (ThePrompter().ChooseFile(choice)) OpenDocument(choice.m_strPath);
      break;
    }
    case kIdFileClose:
      if (child) CloseDocument(child->Document());
      break;
    case kIdFileSave:
    case kIdFileSaveAs:
      if (child) SaveDocument(child->Document(), id == kIdFileSaveAs);
      break;
    case kIdImportAssessmentsCsv:
      if (child) ImportAssessmentsCommand(child->Document());
      break;
    case kIdImportModelJson:
      ImportModelJson();
      break;
    case kIdExportResultsCsv:
      if (child) ExportResultsCommand(child->Document());
      break;
    case kIdExportAssessmentsCsv:
      if (child) ExportAssessmentsCommand(child->Document());
      break;
    case kIdExportModelJson:
      if (child) ExportModelJsonCommand(child->Document());
      break;
    case kIdExportReport:
      if (child) ExportReportCommand(child->Document(), ExportDecisionReport);
      break;
    case kIdFilePrintSetup: {
      QPageSetupDialog dialog(&Printer(), this);
      dialog.exec();
      break;
    }
    case kIdFileMru1:
    case kIdFileMru2:
    case kIdFileMru3:
    case kIdFileMru4:
      OpenRecent(id - kIdFileMru1);
      break;
    case kIdAppExit:
      close();
      break;
    case kIdViewToolbar:
      m_pToolBar->setVisible(!m_pToolBar->isVisible());
      break;
    case kIdViewStatusBar:
      statusBar()->setVisible(!statusBar()->isVisible());
      m_actions[kIdViewStatusBar]->setChecked(statusBar()->isVisible());
      break;
    case kIdViewSwitch:
      if (child) child->SwitchViews();
      break;
    case kIdEditUndo:
      if (child) child->Commands().History().Undo();
      break;
    case kIdEditRedo:
      if (child) child->Commands().History().Redo();
      break;
    case kIdViewUndoHistory:
      if (child) child->Document().Registry().Open(EModelessKind::UndoHistory);
      break;
    case kIdViewDialogBox:
      if (child) child->SetViewMode(EViewMode::DialogBox);
      break;
    case kIdViewListTree:
      if (child) child->SetViewMode(EViewMode::ListTree);
      break;
    case kIdWindowNew:
      if (child) AddFrame(child->Document());
      break;
    case kIdWindowCascade:
      Cascade();
      break;
    case kIdWindowTile:
      m_pMdiArea->tileSubWindows();
      break;
    case kIdWindowArrange:
      ArrangeIcons();
      break;
    case kIdHelpFinder:
      ShowHelpTopics();
      break;
    case kIdAppAbout:
      ShowAbout();
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------------------
// Documents and their windows

CModelDocument& CMainFrame::AdoptDocument(std::unique_ptr<CModelDocument> document) {
  CModelDocument& d = *document;
  m_documents.push_back(std::move(document));
  m_watchers.push_back(std::make_unique<CDocumentWatcher>(*this, d));
  d.Commands().SetHost(this);
  d.Commands().SetDialogCheck([](const std::string& kind) { return HasDialogView(kind); });
  InstallToolWindows(d);
  return d;
}

void CMainFrame::InstallToolWindows(CModelDocument& document) {
  CModelDocument* d = &document;
  d->Registry().SetFactory(EModelessKind::Insertion, [this, d]() -> CModelessWindow* {
    return new CInsertionWindow(d->Commands(), this);
  });
  d->Registry().SetFactory(EModelessKind::GradeNameChange, [this, d]() -> CModelessWindow* {
    return new CRenameGradeWindow(d->Commands(), this);
  });
  d->Registry().SetFactory(EModelessKind::ModelBuilder, [this, d]() -> CModelessWindow* {
    return new CModelBuilderWindow(d->Commands(), this);
  });
  d->Registry().SetFactory(EModelessKind::VisualComparison, [this, d]() -> CModelessWindow* {
    return new CVisualComparisonWindow(d->Commands(), this);
  });
  d->Registry().SetFactory(EModelessKind::GroupAssessment, [this, d]() -> CModelessWindow* {
    return new CGroupAssessmentWindow(d->Commands(), this);
  });
  d->Registry().SetFactory(EModelessKind::WeightSensitivity, [this, d]() -> CModelessWindow* {
    return new CWeightSensitivityWindow(d->Commands(), this);
  });
  d->Registry().SetFactory(EModelessKind::InputSensitivity, [this, d]() -> CModelessWindow* {
    return new CInputSensitivityWindow(d->Commands(), this);
  });
  d->Registry().SetFactory(EModelessKind::TradeOff, [this, d]() -> CModelessWindow* {
    return new CTradeOffWindow(d->Commands(), this);
  });
  d->Registry().SetFactory(EModelessKind::UtilityScoring, [this, d]() -> CModelessWindow* {
    return new CUtilityScoringWindow(d->Commands(), this);
  });
  d->Registry().SetFactory(EModelessKind::UndoHistory, [this, d]() -> CModelessWindow* {
    return new CUndoHistoryWindow(d->Commands(), this);
  });
  d->Registry().SetFactory(EModelessKind::Overview, [this, d]() -> CModelessWindow* {
    return new COverviewWindow(d->Commands(), this);
  });
}

CChildFrame* CMainFrame::AddFrame(CModelDocument& document) {
  auto* frame = new CChildFrame(document);
  QMdiSubWindow* sub = m_pMdiArea->addSubWindow(frame);
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  sub->setWindowIcon(AppIcon());
  sub->installEventFilter(this);
  // Ctrl+W belongs to the New Alternative command, not to closing the window.
  if (QMenu* system = sub->systemMenu()) {
    for (QAction* a : system->actions()) {
      QList<QKeySequence> keys = a->shortcuts();
      if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W)) > 0) a->setShortcuts(keys);
    }
  }
  connect(frame, &CChildFrame::ActiveViewChanged, this, &CMainFrame::UpdateCommandUI);
  connect(sub, &QMdiSubWindow::windowStateChanged, this, [this] { UpdateTitles(); });
  sub->show();
  PlaceWindow(sub, static_cast<int>(m_pMdiArea->subWindowList().size()) - 1);
  m_pMdiArea->setActiveSubWindow(sub);
  frame->setFocus(Qt::OtherFocusReason);
  UpdateTitles();
  UpdateCommandUI();
  return frame;
}

CChildFrame* CMainFrame::NewDocument() {
  auto document = std::make_unique<CModelDocument>(m_nNextUntitled++);
  document->OnNewDocument();
  return AddFrame(AdoptDocument(std::move(document)));
}

CChildFrame* CMainFrame::OpenDocument(const std::string& path) {
  // A model already open is only brought forward.
  for (auto& d : m_documents) {
    if (!d->PathName().empty() && d->PathName() == path) {
      std::vector<CChildFrame*> frames = FramesOf(*d);
      if (!frames.empty()) {
        m_pMdiArea->setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(frames.front()->parentWidget()));
        return frames.front();
      }
    }
  }
  auto document = std::make_unique<CModelDocument>(0);
  std::string message;
  if (!document->OnOpenDocument(path, message)) {
    ThePrompter().Warning(message);
    return nullptr;
  }
  m_recent.Add(path);
  SaveSettings();
  UpdateRecentMenu();
  return AddFrame(AdoptDocument(std::move(document)));
}

CChildFrame* CMainFrame::ImportModelJson() {
  std::unique_ptr<CModelDocument> document = ImportModelJsonCommand(m_nNextUntitled);
  if (!document) return nullptr;
  ++m_nNextUntitled;
  return AddFrame(AdoptDocument(std::move(document)));
}

void CMainFrame::OpenRecent(int index) {
  if (index < 0 || index >= m_recent.Count()) return;
  std::string path = m_recent.Paths()[static_cast<size_t>(index)];
  if (!OpenDocument(path)) {
    // A file that can no longer be opened leaves the list.
    m_recent.Remove(index);
    SaveSettings();
    UpdateRecentMenu();
  }
}

bool CMainFrame::SaveDocument(CModelDocument& document, bool bSaveAs) {
  bool bSaved = document.DoSave(bSaveAs);
  if (bSaved) {
    m_recent.Add(document.PathName());
    SaveSettings();
    UpdateRecentMenu();
  }
  UpdateTitles();
  return bSaved;
}

bool CMainFrame::CloseDocument(CModelDocument& document) {
  if (!document.SaveModified()) return false;
  if (!document.PathName().empty()) {
    m_recent.Add(document.PathName());
    SaveSettings();
    UpdateRecentMenu();
  }
  for (CChildFrame* frame : FramesOf(document)) {
    DestroyFrame(qobject_cast<QMdiSubWindow*>(frame->parentWidget()));
  }
  ForgetDocument(document);
  return true;
}

bool CMainFrame::CloseAllDocuments() {
  while (!m_documents.empty()) {
    if (!CloseDocument(*m_documents.back())) return false;
  }
  return true;
}

void CMainFrame::DestroyFrame(QMdiSubWindow* sub) {
  if (!sub) return;
  sub->removeEventFilter(this);
  m_pMdiArea->removeSubWindow(sub);
  delete sub;
  UpdateTitles();
  UpdateCommandUI();
}

void CMainFrame::ForgetDocument(CModelDocument& document) {
  for (auto it = m_watchers.begin(); it != m_watchers.end(); ++it) {
    if (&(*it)->Document() == &document) {
      m_watchers.erase(it);
      break;
    }
  }
  for (auto it = m_documents.begin(); it != m_documents.end(); ++it) {
    if (it->get() == &document) {
      m_documents.erase(it);
      break;
    }
  }
  UpdateTitles();
  UpdateCommandUI();
}

void CMainFrame::RequestCloseFrame(QMdiSubWindow* sub) {
  CChildFrame* frame = FrameOf(sub);
  if (!frame) return;
  CModelDocument& document = frame->Document();
  if (FramesOf(document).size() > 1) {
    DestroyFrame(sub);
    return;
  }
  CloseDocument(document);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  auto* sub = qobject_cast<QMdiSubWindow*>(watched);
  if (sub && event->type() == QEvent::Close) {
    // The window closes after its model is asked whether to save; the work
    // is done once the close event is over, never inside it.
    event->ignore();
    QMetaObject::invokeMethod(
        this,
        [this, sub] {
          if (m_pMdiArea->subWindowList().contains(sub)) RequestCloseFrame(sub);
        },
        Qt::QueuedConnection);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!CloseAllDocuments()) {
    event->ignore();
    return;
  }
  SaveSettings();
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) OpenDocument(PathFromQt(url.toLocalFile()));
  }
  event->acceptProposedAction();
}

// ---------------------------------------------------------------------------
// Titles and dynamic menus

void CMainFrame::UpdateTitles() {
  std::map<const CModelDocument*, int> seen;
  for (CChildFrame* frame : Children()) {
    CModelDocument& d = frame->Document();
    const size_t count = FramesOf(d).size();
    int& n = seen[&d];
    ++n;
    QString title = ToQt(d.Title());
    if (count > 1) title += QString(":%1").arg(n);
    QWidget* sub = frame->parentWidget();
    sub->setWindowTitle(title + "[*]");
    sub->setWindowModified(d.Doc().IsModified());
  }
  CChildFrame* child = ActiveChild();
  QMdiSubWindow* active = m_pMdiArea->activeSubWindow();
  if (child && active && active->isMaximized()) {
    // A maximised model window adds its own name to the title.
    setWindowTitle(kTitle);
    setWindowModified(false);
  } else if (child) {
    setWindowTitle(QString(kTitle) + " - " + ToQt(child->Document().Title()) + "[*]");
    setWindowModified(child->Document().Doc().IsModified());
  } else {
    setWindowTitle(kTitle);
    setWindowModified(false);
  }
}

void CMainFrame::UpdateRecentMenu() {
  for (int i = 0; i < CRecentFileList::kSize; ++i) {
    QAction* action = m_actions[kIdFileMru1 + i];
    if (i < m_recent.Count()) {
      action->setText(PathToQt(m_recent.MenuText(i)));
      action->setStatusTip(PathToQt(m_recent.Paths()[static_cast<size_t>(i)]));
    } else {
      action->setText(i == 0 ? "Recent File" : QString());
    }
  }
  UpdateCommandUI();
}

void CMainFrame::UpdateWindowMenu() {
  for (QAction* a : m_windowListActions) delete a;
  m_windowListActions.clear();
  QList<QMdiSubWindow*> subs = m_pMdiArea->subWindowList();
  if (subs.isEmpty()) return;
  m_windowListActions.push_back(m_pWindowMenu->addSeparator());
  int n = 1;
  for (QMdiSubWindow* sub : subs) {
    QString title = sub->windowTitle().replace("[*]", sub->isWindowModified() ? "*" : "");
    QAction* a = m_pWindowMenu->addAction(QString("&%1 %2").arg(n++).arg(title));
    a->setCheckable(true);
    a->setChecked(sub == m_pMdiArea->activeSubWindow());
    connect(a, &QAction::triggered, this, [this, sub] { m_pMdiArea->setActiveSubWindow(sub); });
    m_windowListActions.push_back(a);
  }
}

void CMainFrame::PlaceWindow(QMdiSubWindow* sub, int nth) {
  const QSize area = m_pMdiArea->viewport()->size();
  if (area.width() < 2 || area.height() < 2) return;  // placed again when shown
  const QSize size(
      std::min(area.width(), std::max(480, static_cast<int>(area.width() * kAreaShare))),
      std::min(area.height(), std::max(320, static_cast<int>(area.height() * kAreaShare))));
  // Each window one title bar lower and to the right, starting again at the
  // corner before one would leave the area.
  const int step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) + 4;
  const int fit =
      std::max(1, std::min(area.width() - size.width(), area.height() - size.height()) / step + 1);
  const int offset = (nth % fit) * step;
  sub->setGeometry(QRect(QPoint(offset, offset), size));
}

void CMainFrame::Cascade() {
  int nth = 0;
  for (QMdiSubWindow* sub : m_pMdiArea->subWindowList()) {
    if (sub->isHidden() || sub->isMinimized()) continue;
    if (sub->isMaximized()) sub->showNormal();
    PlaceWindow(sub, nth++);
  }
  if (QMdiSubWindow* active = m_pMdiArea->activeSubWindow()) active->raise();
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (m_bPlacedOnShow) return;
  // Windows opened before the main window had its size.
  m_bPlacedOnShow = true;
  if (QLayout* l = layout()) l->activate();
  int nth = 0;
  for (QMdiSubWindow* sub : m_pMdiArea->subWindowList()) {
    if (!sub->isMaximized() && !sub->isMinimized()) PlaceWindow(sub, nth++);
  }
}

void CMainFrame::ArrangeIcons() {
  // Minimised windows line up along the bottom of the window area.
  int x = 0;
  const int bottom = m_pMdiArea->viewport()->height();
  for (QMdiSubWindow* sub : m_pMdiArea->subWindowList()) {
    if (!sub->isMinimized()) continue;
    QSize size = sub->size();
    if (x + size.width() > m_pMdiArea->viewport()->width()) x = 0;
    sub->move(x, bottom - size.height());
    x += size.width();
  }
}

// ---------------------------------------------------------------------------
// Windows of the commands

void CMainFrame::ShowResults(const SAssessmentResults& results) {
  auto* window = new CResultsWindow(results, this);
  window->show();
  window->raise();
}

void CMainFrame::ShowGraphs(const std::vector<SGraphWindow>& windows) {
  // The windows of one command are staggered so that each one's caption
  // shows, starting over after a few so that many stay on the screen.
  constexpr std::size_t kGraphStagger = 8;
  const int step = fontMetrics().height() + 8;
  QPoint first;
  for (std::size_t w = 0; w < windows.size(); ++w) {
    auto* window = new CGraphWindow(windows[w], this);
    window->show();
    if (w == 0)
      first = window->pos();
    else
      window->move(first + QPoint(step, step) * static_cast<int>(w % kGraphStagger));
    window->raise();
  }
}

void CMainFrame::ShowAbout() {
  CAboutDialog dialog(this);
  dialog.exec();
}

void CMainFrame::ShowHelpTopics() {
  ThePrompter().Information(
      "Build the decision model in the attribute tree or the box diagram: "
      "Modelling > Attribute inserts attributes above, below, left or right of "
      "the selected one, and Modelling > Alternative adds alternatives.\n\n"
      "Enter the assessment of the selected alternative on a bottom attribute "
      "with Input > Type in Data Onscreen > Att at Alt.\n\n"
      "Analysis > Rank assesses every alternative on every attribute and ranks "
      "them on the top attribute; View > Switch Views changes between the "
      "list-tree view and the box diagram.");
}

QPrinter& CMainFrame::Printer() {
  if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *m_pPrinter;
}

void CMainFrame::PrintActive(bool bPreview) {
  CChildFrame* child = ActiveChild();
  if (!child || !child->DialogBoxView()) return;
  const CMADMDoc& doc = child->Document().Doc();
  QPrinter& printer = Printer();
  printer.setDocName(ToQt(child->Document().Title()));
  if (bPreview) {
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&doc](QPrinter* p) { PrintDiagram(*p, doc); });
    preview.exec();
  } else {
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintDiagram(printer, doc);
  }
}

}  // namespace zev
