#include "app/dialogs/pairwise_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

namespace {

bool IsWithin(QWidget* focus, QWidget* control) {
  return focus && (focus == control || control->isAncestorOf(focus));
}

}  // namespace

CPairwiseDialog::CPairwiseDialog(CPairwisePresenter& p, QWidget* parent)
    : CDialogView(p, parent), m_p(p) {
  using P = CPairwisePresenter;
  auto* layout = new QVBoxLayout(this);

  auto* pair = new QGridLayout;
  m_pAttribute = new QComboBox(this);
  m_pAttribute->setObjectName(P::kFieldAttribute);
  for (const std::string& name : p.ChoiceNames()) m_pAttribute->addItem(ToQt(name));
  connect(m_pAttribute, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (!IsShowing()) m_p.m_nChoice = i;
  });
  auto* attributeLabel = new QLabel(tr("A&ttribute Selected:"), this);
  attributeLabel->setBuddy(m_pAttribute);
  pair->addWidget(attributeLabel, 0, 0);
  pair->addWidget(m_pAttribute, 0, 1);
  auto* selectBox = new QHBoxLayout;
  m_pSelect = AddButton(selectBox, tr("Confirm &selection"), "confirmSelection",
                        [this] { ConfirmSelection(); });
  pair->addLayout(selectBox, 0, 2);

  m_pUnder = new QLabel(this);
  m_pUnder->setObjectName("underSelection");
  m_pUnder->setTextFormat(Qt::PlainText);
  m_pRatio = NewPresetCombo(P::RatioPresets(), this);
  m_pRatio->setObjectName(P::kFieldRatio);
  Bind(m_pRatio, m_p.m_strRatio);
  auto* ratioLabel = new QLabel(tr("is"), this);
  ratioLabel->setBuddy(m_pRatio);
  m_pCompared = new QLabel(this);
  m_pCompared->setObjectName("compared");
  m_pCompared->setTextFormat(Qt::PlainText);
  auto* ratioRow = new QHBoxLayout;
  ratioRow->addWidget(m_pUnder);
  ratioRow->addWidget(ratioLabel);
  ratioRow->addWidget(m_pRatio, 1);
  ratioRow->addWidget(new QLabel(tr("times as important as"), this));
  ratioRow->addWidget(m_pCompared);
  pair->addLayout(ratioRow, 1, 0, 1, 2);
  auto* compareBox = new QHBoxLayout;
  m_pCompare = AddButton(compareBox, tr("Confirm &comparison"), "confirmComparison",
                         [this] { ConfirmComparison(); });
  pair->addLayout(compareBox, 1, 2);
  pair->setColumnStretch(1, 1);
  layout->addLayout(pair);

  layout->addWidget(new QLabel(tr("Comparisons provided:"), this));
  m_pComparisons =
      NewColumnList({tr("Attribute Selected"), tr("times a.i.a."), tr("Attribute Compared to")},
                    "comparisons", this);
  connect(m_pComparisons, &QTreeWidget::itemDoubleClicked, this, [this] { EditComparison(); });
  layout->addWidget(m_pComparisons, 1);

  auto* results = new QHBoxLayout;
  auto* weightsColumn = new QVBoxLayout;
  weightsColumn->addWidget(new QLabel(tr("Generated Weights:"), this));
  m_pWeights = NewColumnList({tr("Attribute name"), tr("Weight")}, "weights", this);
  m_pWeights->setFocusPolicy(Qt::NoFocus);
  m_pWeights->setSelectionMode(QAbstractItemView::NoSelection);
  weightsColumn->addWidget(m_pWeights, 1);
  results->addLayout(weightsColumn, 1);

  auto* methodColumn = new QVBoxLayout;
  auto* methods = new QGroupBox(tr("Method"), this);
  auto* methodLayout = new QVBoxLayout(methods);
  const std::pair<EWeightMethod, const char*> methodTexts[] = {
      {EWeightMethod::Eigenvector, "Eigen&vector (AHP)"},
      {EWeightMethod::GeometricMean, "&Geometric Mean"},
      {EWeightMethod::Mixed, "Mi&xed Approach"}};
  for (const auto& [method, text] : methodTexts) {
    auto* choice = new QRadioButton(tr(text), methods);
    choice->setObjectName(WeightMethodName(method));
    choice->setChecked(method == m_p.Method());
    connect(choice, &QRadioButton::toggled, this, [this, method](bool bOn) {
      if (bOn) m_p.SetMethod(method);
    });
    methodLayout->addWidget(choice);
    m_methods.push_back(choice);
  }
  methodColumn->addWidget(methods);
  m_pCalculate = AddButton(methodColumn, tr("Calculate &weights"), "calculate", [this] {
    m_p.CalculateWeights();
    ShowState();
  });
  auto* indexRow = new QHBoxLayout;
  m_pIndex = new QLineEdit(this);
  m_pIndex->setObjectName("index");
  m_pIndex->setReadOnly(true);
  m_pIndex->setFocusPolicy(Qt::NoFocus);
  indexRow->addWidget(new QLabel(tr("Inconsistency Index:"), this));
  indexRow->addWidget(m_pIndex);
  methodColumn->addLayout(indexRow);
  m_pClear = AddButton(methodColumn, tr("Clea&r all comparisons"), "clear", [this] {
    m_p.ClearAll();
    ShowState();
  });
  methodColumn->addStretch();
  results->addLayout(methodColumn);
  layout->addLayout(results, 1);

  auto* more = new QHBoxLayout;
  m_pComments = AddButton(more, tr("Co&mments"), "comments", [this] { m_p.Comments(); });
  AddButton(more, tr("&Advice"), "advice", [] { CPairwisePresenter::Advice(); });
  more->addStretch();
  layout->addLayout(more);
  AddOkCancel(layout);

  ShowState();
  resize(sizeHint().expandedTo(QSize(560, 480)));
}

void CPairwiseDialog::ShowState() {
  Showing([this] {
    const bool bComparing = m_p.Comparing();
    m_pAttribute->setCurrentIndex(m_p.m_nChoice);
    m_pRatio->setEditText(ToQt(m_p.m_strRatio));
    m_pUnder->setText(bComparing ? ToQt(m_p.NameAt(m_p.UnderSelection())) : QString());
    m_pCompared->setText(ToQt(m_p.ComparedName()));

    m_pComparisons->clear();
    for (const CPairwisePresenter::SComparison& c : m_p.Comparisons()) {
      new QTreeWidgetItem(m_pComparisons,
                          {ToQt(c.m_strSelected), ToQt(c.m_strTimes), ToQt(c.m_strCompared)});
    }
    m_pWeights->clear();
    for (int place = 0; place < m_p.Count(); ++place) {
      new QTreeWidgetItem(m_pWeights, {ToQt(m_p.NameAt(place)), ToQt(m_p.WeightText(place))});
    }
    m_pIndex->setText(ToQt(m_p.IndexText()));

    // During a comparison only the ratio can be given.
    m_pAttribute->setEnabled(!bComparing);
    m_pSelect->setEnabled(!bComparing);
    m_pComments->setEnabled(!bComparing);
    m_pRatio->setEnabled(bComparing);
    m_pCompare->setEnabled(bComparing);
    const bool bResults = m_p.ResultsEnabled();
    m_pComparisons->setEnabled(bResults);
    m_pCalculate->setEnabled(bResults);
    m_pClear->setEnabled(bResults);
    for (QRadioButton* method : m_methods) method->setEnabled(!bComparing);
    if (OkButton()) OkButton()->setEnabled(!bComparing);
  });
}

void CPairwiseDialog::ConfirmSelection() {
  m_p.ConfirmSelection();
  ShowState();
  FocusPresenterField();
}

void CPairwiseDialog::ConfirmComparison() {
  m_p.ConfirmComparison();
  ShowState();
  FocusPresenterField();
}

void CPairwiseDialog::EditComparison() {
  const int row = m_pComparisons->indexOfTopLevelItem(m_pComparisons->currentItem());
  if (row < 0) return;
  m_p.EditComparison(row);
  ShowState();
  FocusPresenterField();
}

void CPairwiseDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    QWidget* focus = focusWidget();
    if (IsWithin(focus, m_pRatio)) {
      ConfirmComparison();
      return;
    }
    if (IsWithin(focus, m_pAttribute)) {
      ConfirmSelection();
      return;
    }
    if (IsWithin(focus, m_pComparisons)) {
      EditComparison();
      return;
    }
  }
  CDialogView::keyPressEvent(event);
}

}  // namespace zev
