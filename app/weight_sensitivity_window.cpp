#include "app/weight_sensitivity_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QSignalBlocker>

namespace zev {

CWeightSensitivityWindow::CWeightSensitivityWindow(CModelCommands& commands, QWidget* parent)
    : CSensitivityWindow(commands, parent, "weightSensitivityWindow",
                         CWeightSensitivityPresenter::kTitle),
      m_presenter(commands.Doc()) {
  QBoxLayout* own = Build(m_presenter, CWeightSensitivityPresenter::kPickChoice);
  m_pNormalise = new QCheckBox("&Normalise", this);
  m_pNormalise->setObjectName("normalise");
  connect(m_pNormalise, &QCheckBox::toggled, this,
          [this](bool b) { Act([this, b] { m_presenter.SetNormalise(b); }); });
  own->addWidget(m_pNormalise);
  using EGraph = CWeightSensitivityPresenter::EGraph;
  for (auto [text, name, graph] : {std::tuple{"Ran&king", "ranking", EGraph::Ranking},
                                   std::tuple{"B&elief Degree", "belief", EGraph::Belief},
                                   std::tuple{"Rank C&hange", "rankChange", EGraph::RankChange}}) {
    AddButton(own, text, name,
              [this, graph] { Act([this, graph] { m_presenter.ShowGraph(graph); }); });
  }
  AddButton(own, "Res&tart", "restart", [this] { Act([this] { m_presenter.Restart(); }); });
  own->addStretch(1);
  ShowState();
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
