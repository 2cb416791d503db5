#include "app/group_assessment_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/analysis_list.h"
#include "app/dialogs/qt_text.h"

namespace zev {

using P = CGroupAssessmentPresenter;

CGroupAssessmentWindow::CGroupAssessmentWindow(CModelCommands& commands, QWidget* parent)
    : CToolWindow(parent, "groupAssessmentWindow", ToQt(P::kTitle),
                  [this] { return m_presenter.FocusField(); }),
      m_commands(commands),
      m_presenter(commands.Doc()) {
  m_pList = new CAnalysisList({"Name", "Weight"}, {40, 10}, this);
  m_pList->setObjectName("alternatives");
  connect(m_pList, &QTreeWidget::itemSelectionChanged, this,
          [this] { m_presenter.SetHighlighted(m_pList->Highlighted()); });
  auto* listLabel = new QLabel("&Alternatives:", this);
  listLabel->setBuddy(m_pList);

  m_pMembers = new QComboBox(this);
  m_pMembers->setObjectName("members");
  m_pMembers->setMinimumContentsLength(20);
  connect(m_pMembers, &QComboBox::activated, this, [this](int i) {
    const std::vector<int> members = m_presenter.Members();
    if (i < 0 || i >= static_cast<int>(members.size())) return;
    Act([this, pos = members[static_cast<size_t>(i)]] { m_presenter.ChooseMember(pos); });
  });
  auto* membersLabel = new QLabel("Selected alternati&ves:", this);
  membersLabel->setBuddy(m_pMembers);

  m_pWeight = new QLineEdit(this);
  m_pWeight->setObjectName(P::kFieldWeight);
  Bind(m_pWeight, ToQt(m_presenter.m_weight.Text()),
       [this](const QString& text) { m_presenter.m_weight.SetText(FromQt(text)); });
  GuardField(m_pWeight, [this] { return m_presenter.WeightFocusLost(); });
  auto* weightLabel = new QLabel("&Weight", this);
  weightLabel->setBuddy(m_pWeight);

  auto* side = new QVBoxLayout;
  side->addWidget(membersLabel);
  side->addWidget(m_pMembers);
  side->addWidget(weightLabel);
  side->addWidget(m_pWeight);
  side->addSpacing(fontMetrics().height());
  AddButton(side, "Select &One", "selectOne", [this] { Act([this] { m_presenter.SelectOne(); }); });
  AddButton(side, "&Deselect One", "deselectOne",
            [this] { Act([this] { m_presenter.DeselectOne(); }); });
  AddButton(side, "Select &Group", "selectGroup",
            [this] { Act([this] { m_presenter.SelectGroup(); }); });
  AddButton(side, "C&lear", "clear", [this] { Act([this] { m_presenter.Clear(); }); });
  AddButton(side, "Res&tart", "restart", [this] { Act([this] { m_presenter.Restart(); }); });
  side->addStretch(1);
  AddButton(side, "C&reate A Group Alternative", "create", [this] {
    Act([this] {
      m_commands.RecordStep("Create A Group Alternative", [this] { m_presenter.CreateGroup(); });
    });
  });

  auto* left = new QVBoxLayout;
  left->addWidget(listLabel);
  left->addWidget(m_pList, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addLayout(side);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  auto* help = new QPushButton("&Help", this);
  help->setObjectName("help");
  help->setDefault(true);
  connect(help, &QPushButton::clicked, this, [this] { m_presenter.Help(); });
  bottom->addWidget(help);
  AddCloseButton(bottom);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);
  resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 24);
  ShowState();
}

void CGroupAssessmentWindow::Act(const std::function<void()>& action) {
  const bool bWasActing = m_bActing;
  m_bActing = true;
  action();
  m_bActing = bWasActing;
  if (!m_bActing) ShowState();
}

void CGroupAssessmentWindow::ShowState() {
  std::vector<QStringList> rows;
  for (const P::SRow& row : m_presenter.Rows()) {
    rows.push_back({ToQt(row.m_strName), ToQt(row.m_strWeight)});
  }
  const CMADMDoc& doc = m_commands.Doc();
  Showing([&] {
    m_pList->SetRows(rows);
    m_pList->ShowRow(m_presenter.CurrentRow());
    m_pMembers->clear();
    const std::vector<int> members = m_presenter.Members();
    for (size_t i = 0; i < members.size(); ++i) {
      m_pMembers->addItem(ToQt(doc.Alternative(members[i]).m_strName.Str()));
      if (members[i] == m_presenter.CurrentMember())
        m_pMembers->setCurrentIndex(static_cast<int>(i));
    }
    m_pWeight->setText(ToQt(m_presenter.m_weight.Text()));
  });
}

void CGroupAssessmentWindow::OnDocumentChanged(CMADMDoc&, const SDocChange& change) {
  if (m_bActing || change.m_kind == EDocChange::Selection || change.m_kind == EDocChange::Results)
    return;
  Act([&] { m_presenter.FollowDocument(change); });
}

void CGroupAssessmentWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    CToolWindow::keyPressEvent(event);
    return;
  }
  P::EFocus focus = P::EFocus::Elsewhere;
  QWidget* w = focusWidget();
  if (w == m_pList || m_pList->isAncestorOf(w)) {
    focus = P::EFocus::AlternativeList;
  } else if (w == m_pMembers) {
    focus = P::EFocus::MemberList;
  } else if (w == m_pWeight) {
    focus = P::EFocus::WeightField;
  }
  Act([this, focus] { m_presenter.DefaultButton(focus); });
  if (focus == P::EFocus::WeightField && !m_presenter.FocusField().empty()) FocusPresenterField();
}

}  // namespace zev
