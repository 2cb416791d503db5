#include "app/weight_sensitivity_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QSignalBlocker>

namespace zev {

namespace {

// Restart and closing without keeping the changes put the weights back as
// they were when the window opened.
constexpr const char* kRestoreStep = "Restore Opening Weights";
constexpr const char* kNormaliseStep = "Normalise Weights";

}  // namespace

CWeightSensitivityWindow::CWeightSensitivityWindow(CModelCommands& commands, QWidget* parent)
    : CSensitivityWindow(commands, parent, "weightSensitivityWindow",
                         CWeightSensitivityPresenter::kTitle),
      m_presenter(commands.Doc()) {
  QBoxLayout* own = Build(m_presenter, CWeightSensitivityPresenter::kPickChoice);
  m_pNormalise = new QCheckBox("&Normalise", this);
  m_pNormalise->setObjectName("normalise");
  connect(m_pNormalise, &QCheckBox::toggled, this, [this](bool b) {
    Act([this, b] { m_commands.RecordStep(kNormaliseStep, [&] { m_presenter.SetNormalise(b); }); });
  });
  own->addWidget(m_pNormalise);
  using EGraph = CWeightSensitivityPresenter::EGraph;
  for (auto [text, name, graph] : {std::tuple{"Ran&king", "ranking", EGraph::Ranking},
                                   std::tuple{"B&elief Degree", "belief", EGraph::Belief},
                                   std::tuple{"Rank C&hange", "rankChange", EGraph::RankChange}}) {
    AddButton(own, text, name,
              [this, graph] { Act([this, graph] { m_presenter.ShowGraph(graph); }); });
  }
  AddButton(own, "Res&tart", "restart", [this] {
    Act([this] { m_commands.RecordStep(kRestoreStep, [this] { m_presenter.Restart(); }); });
  });
  own->addStretch(1);
  ShowState();
}

// Picking an attribute of another sibling group switches normalising off,
// which scales the weights back.
void CWeightSensitivityWindow::ClickedAttribute(int k) {
  m_commands.RecordStep(kNormaliseStep, [&] { Presenter().ClickAttribute(k); });
}

void CWeightSensitivityWindow::Dragged(int point, double dValue) {
  m_commands.RecordStep("Change Weight", [&] { m_presenter.DragWeight(point, dValue); });
}

// Closing may put the opening weights back.
void CWeightSensitivityWindow::Closing() {
  m_commands.RecordStep(kRestoreStep, [this] { m_presenter.Close(); });
}

void CWeightSensitivityWindow::ShowState() {
  CSensitivityWindow::ShowState();
  const QSignalBlocker quiet(m_pNormalise);
  m_pNormalise->setChecked(m_presenter.Normalise());
}

void CWeightSensitivityWindow::FollowDocument(const SDocChange& change) {
  // The list shows the current attribute; the weights and the hierarchy
  // may have been changed elsewhere.
  m_presenter.FollowDocument(change);
}

}  // namespace zev
