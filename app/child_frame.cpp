#include "app/child_frame.h"

#include <QApplication>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/alternative_list_view.h"
#include "app/attribute_tree_view.h"
#include "app/madm_view.h"

namespace zev {

namespace {

constexpr int kListIdealWidth = 202;
constexpr int kListMinimumWidth = 10;

bool Contains(const QWidget* ancestor, const QWidget* w) {
  return ancestor && w && (ancestor == w || ancestor->isAncestorOf(w));
}

}  // namespace

CChildFrame::CChildFrame(CModelDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  m_pSplitter = new QSplitter(Qt::Horizontal, this);
  m_pSplitter->setChildrenCollapsible(false);
  layout->addWidget(m_pSplitter);

  m_pList = new CAlternativeListView(Commands(), m_pSplitter);
  m_pList->setMinimumWidth(kListMinimumWidth);
  m_pTree = new CAttributeTreeView(Commands(), m_pSplitter);
  m_pSplitter->addWidget(m_pList);
  m_pSplitter->addWidget(m_pTree);
  m_pSplitter->setStretchFactor(0, 0);
  m_pSplitter->setStretchFactor(1, 1);
  m_pSplitter->setSizes({kListIdealWidth, 400});
  setFocusProxy(m_pTree);

  connect(qApp, &QApplication::focusChanged, this, &CChildFrame::OnFocusChanged);
}

CChildFrame::~CChildFrame() {
  // The views unsubscribe from the model on their way out; the model lives on.
  disconnect(qApp, nullptr, this, nullptr);
}

QWidget* CChildFrame::ActiveViewWidget() const {
  switch (m_activeView) {
    case EViewKind::List:
      return m_pList;
    case EViewKind::Tree:
      return m_pTree;
    case EViewKind::DialogBox:
      return m_pBox;
  }
  return nullptr;
}

void CChildFrame::SetActiveView(EViewKind view) {
  if (view == m_activeView) return;
  m_activeView = view;
  emit ActiveViewChanged();
}

void CChildFrame::OnFocusChanged(QWidget*, QWidget* now) {
  if (Contains(m_pList, now))
    SetActiveView(EViewKind::List);
  else if (Contains(m_pTree, now))
    SetActiveView(EViewKind::Tree);
  else if (Contains(m_pBox, now))
    SetActiveView(EViewKind::DialogBox);
}

void CChildFrame::SetViewMode(EViewMode mode) {
  if (mode == EViewMode::Any || mode == m_viewMode) return;
  const bool bRightWasActive = m_activeView != EViewKind::List;
  const bool bHadFocus = Contains(this, QApplication::focusWidget());
  QWidget* old = m_pBox ? static_cast<QWidget*>(m_pBox) : static_cast<QWidget*>(m_pTree);
  QWidget* fresh = nullptr;
  if (mode == EViewMode::DialogBox) {
    m_pBox = new CMADMView(Commands());
    fresh = m_pBox;
  } else {
    m_pTree = new CAttributeTreeView(Commands());
    fresh = m_pTree;
  }
  m_pSplitter->replaceWidget(1, fresh);
  // The new view takes the growth and the shrinking; the list keeps its width.
  m_pSplitter->setStretchFactor(0, 0);
  m_pSplitter->setStretchFactor(1, 1);
  if (old == m_pTree)
    m_pTree = nullptr;
  else
    m_pBox = nullptr;
  // Gone at once: it must not outlive a model closed right after the change.
  delete old;
  m_viewMode = mode;
  setFocusProxy(fresh);

  if (mode == EViewMode::DialogBox) {
    // The list is hidden in the dialog-box view.
    m_pList->hide();
  } else {
    m_pList->show();
    m_pList->setMinimumWidth(kListMinimumWidth);
    int total = 0;
    for (int size : m_pSplitter->sizes()) total += size;
    m_pSplitter->setSizes({kListIdealWidth, std::max(kListIdealWidth, total - kListIdealWidth)});
  }
  m_pList->Refill();

  // The new view becomes active when the old one was; a list hidden by the
  // change hands the activity to the new view.
  if (bRightWasActive || mode == EViewMode::DialogBox) {
    m_activeView = mode == EViewMode::DialogBox ? EViewKind::DialogBox : EViewKind::Tree;
    if (bHadFocus) fresh->setFocus(Qt::OtherFocusReason);
  }
  emit ActiveViewChanged();
}

void CChildFrame::SwitchViews() {
  SetViewMode(m_viewMode == EViewMode::DialogBox ? EViewMode::ListTree : EViewMode::DialogBox);
}

}  // namespace zev
