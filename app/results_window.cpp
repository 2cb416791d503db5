#include "app/results_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/qt_text.h"

namespace zev {

CResultsWindow::CResultsWindow(SAssessmentResults results, QWidget* parent)
    : CToolWindow(parent, "resultsWindow", SAssessmentResults::kTitle),
      m_results(std::move(results)) {
  auto field = [this](const std::string& text, const char* name) {
    auto* f = new QLineEdit(ToQt(text), this);
    f->setReadOnly(true);
    f->setObjectName(name);
    return f;
  };
  auto* form = new QFormLayout;
  form->addRow("Alternative Name:", field(m_results.m_strAlternativeName, "alternative"));
  form->addRow("Attribute Name:", field(m_results.m_strAttributeName, "attribute"));
  auto* note = new QLabel(SAssessmentResults::kNote, this);
  note->setWordWrap(true);
  form->addRow(note);
  form->addRow("Maximum Utility:", field(m_results.m_strMaxUtility, "maximum"));
  form->addRow("Minimum Utility:", field(m_results.m_strMinUtility, "minimum"));
  form->addRow("Average Utility:", field(m_results.m_strAvgUtility, "average"));
  form->addRow("Ranking:", field(m_results.m_strRanking, "ranking"));

  auto* attributeInfo = new QPushButton("&Attribute Info", this);
  auto* alternativeInfo = new QPushButton("Al&ternative Info", this);
  auto* ok = new QPushButton("O&K", this);
  ok->setDefault(true);
  connect(attributeInfo, &QPushButton::clicked, this, [this] { m_results.ShowAttributeInfo(); });
  connect(alternativeInfo, &QPushButton::clicked, this,
          [this] { m_results.ShowAlternativeInfo(); });
  connect(ok, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(attributeInfo);
  buttons->addWidget(alternativeInfo);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

}  // namespace zev
