#include "app/model_builder_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/alternative_list_model.h"
#include "app/attribute_tree_model.h"
#include "app/attribute_tree_view.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CModelBuilderWindow::CModelBuilderWindow(CModelCommands& commands, QWidget* parent)
    : CToolWindow(parent, "modelBuilderWindow", kTitle), m_commands(commands) {
  CMADMDoc& doc = commands.Doc();

  m_pTreeModel = new CAttributeTreeModel(doc, this);
  m_pTreeModel->SetRenamer([this](int i, const QString& name) {
    SetAttributeFocus(true);
    return m_commands.RenameAttribute(i, FromQt(name));
  });
  m_pListModel = new CAlternativeListModel(doc, this);
  m_pListModel->SetRenamer([this](int pos, const QString& name) {
    SetAttributeFocus(false);
    return m_commands.RenameAlternative(pos, FromQt(name));
  });

  m_pTree = new QTreeView(this);
  m_pTree->setObjectName("builderTree");
  m_pTree->setModel(m_pTreeModel);
  m_pTree->header()->hide();
  m_pTree->setExpandsOnDoubleClick(false);
  ApplyModelListStyle(m_pTree);
  m_pList = new QTreeView(this);
  m_pList->setObjectName("builderList");
  m_pList->setModel(m_pListModel);
  m_pList->setRootIsDecorated(false);
  m_pList->setUniformRowHeights(true);
  ApplyModelListStyle(m_pList);
  for (QTreeView* v : {m_pTree, m_pList}) v->setContextMenuPolicy(Qt::CustomContextMenu);

  connect(m_pTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (m_bSyncing || !current.isValid()) return;
            SetAttributeFocus(true);
            m_commands.SelectAttribute(CAttributeTreeModel::AttributeOf(current));
          });
  connect(m_pList->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (m_bSyncing || !current.isValid()) return;
            SetAttributeFocus(false);
            m_commands.SelectAlternative(current.row());
          });
  connect(m_pTree, &QTreeView::clicked, this, [this](const QModelIndex& index) {
    SetAttributeFocus(true);
    if (!m_commands.Doc().IsAttributeSelected()) {
      m_commands.SelectAttribute(CAttributeTreeModel::AttributeOf(index));
    }
  });
  connect(m_pList, &QTreeView::clicked, this, [this](const QModelIndex& index) {
    SetAttributeFocus(false);
    if (!m_commands.Doc().IsAlternativeSelected()) m_commands.SelectAlternative(index.row());
  });
  connect(m_pTree, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
    QModelIndex index = m_pTree->indexAt(p);
    if (index.isValid()) m_pTree->setCurrentIndex(index);
    SetAttributeFocus(true);
    m_pMenu->popup(m_pTree->viewport()->mapToGlobal(p));
  });
  connect(m_pList, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
    QModelIndex index = m_pList->indexAt(p);
    if (index.isValid()) m_pList->setCurrentIndex(index);
    SetAttributeFocus(false);
    m_pMenu->popup(m_pList->viewport()->mapToGlobal(p));
  });
  // After a reset of a model (a structural edit) the views show the
  // selection again.
  connect(m_pTreeModel, &QAbstractItemModel::modelReset, this, &CModelBuilderWindow::ShowSelection);
  connect(m_pListModel, &QAbstractItemModel::modelReset, this, &CModelBuilderWindow::ShowSelection);

  BuildMenu();

  const char* labels[] = {"&Define", "D&elete", "Insert/&Add", "&Input", "&Weight", "&Utility"};
  using Button = void (CModelBuilderWindow::*)();
  const Button actions[] = {
      &CModelBuilderWindow::DefineButton,    &CModelBuilderWindow::DeleteButton,
      &CModelBuilderWindow::InsertAddButton, &CModelBuilderWindow::InputButton,
      &CModelBuilderWindow::WeightButton,    &CModelBuilderWindow::UtilityButton};
  auto* buttons = new QHBoxLayout;
  for (int i = 0; i < 6; ++i) {
    m_pButtons[i] = new QPushButton(labels[i], this);
    m_pButtons[i]->setAutoDefault(false);
    connect(m_pButtons[i], &QPushButton::clicked, this, actions[i]);
    buttons->addWidget(m_pButtons[i]);
  }
  buttons->addStretch(1);
  AddCloseButton(buttons)->setAutoDefault(false);

  auto* treeBox = new QVBoxLayout;
  treeBox->addWidget(new QLabel("Attribute hierarchy window", this));
  treeBox->addWidget(m_pTree);
  auto* listBox = new QVBoxLayout;
  listBox->addWidget(new QLabel("Alternative list window", this));
  listBox->addWidget(m_pList);
  auto* views = new QHBoxLayout;
  views->addLayout(treeBox, 3);
  views->addLayout(listBox, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(views);
  layout->addLayout(buttons);
  resize(620, 420);
  ShowSelection();
  UpdateButtons();
}

CModelBuilderWindow::~CModelBuilderWindow() = default;

void CModelBuilderWindow::OnDocumentChanged(CMADMDoc&, const SDocChange& change) {
  if (change.m_kind == EDocChange::Selection) ShowSelection();
}

void CModelBuilderWindow::BuildMenu() {
  m_pMenu = new QMenu("Assistant Model Builder Menu", this);
  m_pMenu->setObjectName("builderMenu");
  auto add = [this](QMenu* menu, const char* text, bool bAttribute, int id) {
    QAction* a = menu->addAction(text);
    a->setData(id);
    connect(a, &QAction::triggered, this, [this, bAttribute, id] {
      if (bAttribute) SetAttributeFocus(true);
      m_commands.Run(id);
    });
  };
  QMenu* attribute = m_pMenu->addMenu("&Attribute");
  add(attribute, "&Insert", true, kIdInsertAttribute);
  add(attribute, "&Define", true, kIdDefineAttribute);
  add(attribute, "&Grades", true, kIdDefineGrades);
  add(attribute, "D&elete", true, kIdDeleteAttribute);
  QMenu* alternative = m_pMenu->addMenu("Alter&native");
  auto addAlternative = [this, alternative](const char* text, int id) {
    QAction* a = alternative->addAction(text);
    a->setData(id);
    connect(a, &QAction::triggered, this, [this, id] {
      SetAttributeFocus(false);
      m_commands.Run(id);
    });
  };
  addAlternative("&Add", kIdNewAlternative);
  addAlternative("&Define", kIdDefineAlternative);
  addAlternative("D&elete", kIdDeleteAlternative);
  m_pMenu->addSeparator();
  add(m_pMenu, "Assign &Weights", false, kIdWeightSelectMethods);
  add(m_pMenu, "Estimate &Utility", false, kIdUtilitySelectMethods);
  add(m_pMenu, "Change Grade &Names", false, kIdChangeGradeName);
  add(m_pMenu, "Convert &Grades", false, kIdConvertGrades);
  add(m_pMenu, "Convert &Values", false, kIdConvertValues);
  connect(m_pMenu, &QMenu::aboutToShow, this, [this] {
    for (QAction* a : m_pMenu->findChildren<QAction*>()) {
      bool bOk = false;
      int id = a->data().toInt(&bOk);
      if (bOk && id) {
        a->setEnabled(m_commands.IsAvailable(id) &&
                      CModelCommands::RuleAllows(id, m_commands.Doc(), EViewMode::DialogBox));
      }
    }
  });
}

void CModelBuilderWindow::SetAttributeFocus(bool b) {
  m_bAttributeFocus = b;
  UpdateButtons();
}

void CModelBuilderWindow::UpdateButtons() {
  auto available = [this](int id) { return m_commands.IsAvailable(id); };
  const bool a = m_bAttributeFocus;
  m_pButtons[0]->setEnabled(available(a ? kIdDefineAttribute : kIdDefineAlternative));
  m_pButtons[1]->setEnabled(available(a ? kIdDeleteAttribute : kIdDeleteAlternative));
  m_pButtons[2]->setEnabled(available(a ? kIdInsertAttribute : kIdNewAlternative));
  m_pButtons[3]->setEnabled(available(kIdInputAttAtAlt));
  m_pButtons[4]->setEnabled(available(kIdWeightSelectMethods));
  m_pButtons[5]->setEnabled(available(kIdUtilitySelectMethods));
}

void CModelBuilderWindow::ShowSelection() {
  const CMADMDoc& doc = m_commands.Doc();
  m_bSyncing = true;
  m_pTree->expandAll();
  QModelIndex attribute = m_pTreeModel->IndexOf(doc.CurrentAttribute());
  if (attribute.isValid()) m_pTree->setCurrentIndex(attribute);
  if (doc.AlternativeCount() > 0) {
    QModelIndex alternative = m_pListModel->index(doc.CurrentPosition());
    if (alternative.isValid()) m_pList->setCurrentIndex(alternative);
  }
  m_bSyncing = false;
  UpdateButtons();
}

void CModelBuilderWindow::DefineButton() {
  m_commands.Run(m_bAttributeFocus ? kIdDefineAttribute : kIdDefineAlternative);
}

void CModelBuilderWindow::DeleteButton() {
  m_commands.Run(m_bAttributeFocus ? kIdDeleteAttribute : kIdDeleteAlternative);
}

void CModelBuilderWindow::InsertAddButton() {
  m_commands.Run(m_bAttributeFocus ? kIdInsertAttribute : kIdNewAlternative);
}

void CModelBuilderWindow::InputButton() { m_commands.Run(kIdInputAttAtAlt); }
void CModelBuilderWindow::WeightButton() { m_commands.Run(kIdWeightSelectMethods); }
void CModelBuilderWindow::UtilityButton() { m_commands.Run(kIdUtilitySelectMethods); }

}  // namespace zev
