#include "commands/modeless_registry.h"

#include "model/prompter.h"

namespace zev {

namespace {

int Slot(EModelessKind kind) { return static_cast<int>(kind); }

}  // namespace

CModelessWindow::~CModelessWindow() { LeaveRegistry(); }

void CModelessWindow::LeaveRegistry() {
  if (m_pRegistry) m_pRegistry->Detach(this);
}

CModelessRegistry::CModelessRegistry(CMADMDoc& doc) : m_doc(doc) { m_doc.Subscribe(this); }

CModelessRegistry::~CModelessRegistry() {
  m_doc.Unsubscribe(this);
  DestroyAll();
}

void CModelessRegistry::SetFactory(EModelessKind kind, Factory factory) {
  m_factories[Slot(kind)] = std::move(factory);
}

bool CModelessRegistry::CanOpen(EModelessKind kind) const {
  return static_cast<bool>(m_factories[Slot(kind)]);
}

CModelessWindow* CModelessRegistry::Window(EModelessKind kind) const {
  return m_windows[Slot(kind)];
}

const char* CModelessRegistry::AlreadyOpenMessage(EModelessKind kind) {
  switch (kind) {
    case EModelessKind::Insertion:
      return "An attribute insertion window is still open and\n"
             "may be minimised. To use it, you should restore it.";
    case EModelessKind::Overview:
      return "An overview window is still open and used.\n"
             "You have to close it to open a new one.";
    case EModelessKind::ModelBuilder:
      return "An assistant model builder is still open and used.\n"
             "You have to close this window to open a new one.";
    case EModelessKind::VisualComparison:
      return "A comparison graph window is still open and used.\n"
             "You have to close this window to open a new one.";
    case EModelessKind::UtilityScoring:
      return "A window for scoring utilities is still open and used.\n"
             "You have to close this window to open a new one.";
    case EModelessKind::GradeNameChange:
      return "A window for changing a grade name is still open.\n"
             "You have to close this window to open a new one.";
    case EModelessKind::GroupAssessment:
      return "A create group assessment window is still open and\n"
             "may be minimised. To use it, you should restore it.";
    case EModelessKind::WeightSensitivity:
    case EModelessKind::InputSensitivity:
    case EModelessKind::TradeOff:
    case EModelessKind::UndoHistory:
      return "";
  }
  return "";
}

std::string CModelessRegistry::PreconditionWarning(EModelessKind kind) const {
  const int k = m_doc.CurrentAttribute();
  if (kind == EModelessKind::WeightSensitivity && k == 0) {
    return std::string("To draw a weight graph, at least\n") +
           "one sub-attribute has to be selected.";
  }
  if (kind == EModelessKind::InputSensitivity && m_doc.Attribute(k).m_nChildren > 0) {
    return std::string("To draw a input data graph, at least\n") +
           "one bottom-attribute has to be selected.";
  }
  return {};
}

bool CModelessRegistry::ShowsSelection(EModelessKind kind) {
  switch (kind) {
    // The insertion window names the current attribute.
    case EModelessKind::Insertion:
    case EModelessKind::ModelBuilder:
    case EModelessKind::Overview:
    case EModelessKind::VisualComparison:
    case EModelessKind::WeightSensitivity:
    case EModelessKind::InputSensitivity:
      return true;
    default:
      return false;
  }
}

CModelessWindow* CModelessRegistry::Open(EModelessKind kind) {
  std::string warning = PreconditionWarning(kind);
  if (!warning.empty()) {
    ThePrompter().Warning(warning);
    return nullptr;
  }
  if (CModelessWindow* open = Window(kind)) {
    const char* message = AlreadyOpenMessage(kind);
    if (*message) ThePrompter().Information(message);
    open->BringToFront();
    return open;
  }
  if (!CanOpen(kind)) return nullptr;
  CModelessWindow* window = m_factories[Slot(kind)]();
  if (!window) return nullptr;
  Attach(kind, window);
  window->BringToFront();
  return window;
}

void CModelessRegistry::Attach(EModelessKind kind, CModelessWindow* window) {
  CModelessWindow*& slot = m_windows[Slot(kind)];
  if (slot == window) return;
  if (slot) slot->m_pRegistry = nullptr;
  slot = window;
  window->m_pRegistry = this;
  window->m_kind = kind;
}

void CModelessRegistry::Detach(CModelessWindow* window) {
  CModelessWindow*& slot = m_windows[Slot(window->m_kind)];
  if (slot == window) slot = nullptr;
  window->m_pRegistry = nullptr;
}

void CModelessRegistry::DestroyAll() {
  for (CModelessWindow*& slot : m_windows) {
    if (CModelessWindow* window = slot) {
      window->m_pRegistry = nullptr;
      slot = nullptr;
      window->Destroy();
    }
  }
}

void CModelessRegistry::OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) {
  for (int i = 0; i < kModelessKinds; ++i) {
    const EModelessKind kind = static_cast<EModelessKind>(i);
    if (change.m_kind == EDocChange::Selection && !ShowsSelection(kind)) continue;
    if (CModelessWindow* window = m_windows[i]) window->OnDocumentChanged(doc, change);
  }
}

}  // namespace zev
