// Renders a few dialogs and windows offscreen into PNG files for the
// documentation:
//   zev_dialog_screenshots <folder>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/charts/chart_widget.h"
#include "app/dialogs/dialog_registry.h"
#include "app/dialogs/dialog_view.h"
#include "app/graph_window.h"
#include "app/overview_window.h"
#include "app/utility_scoring_window.h"
#include "app/visual_comparison_window.h"
#include "commands/model_document.h"
#include "commands/modeless_registry.h"
#include "elicitation/convert_grades_presenter.h"
#include "elicitation/define_attribute_presenter.h"
#include "elicitation/pairwise_presenter.h"
#include "elicitation/qualitative_entry_page.h"
#include "elicitation/weight_scoring_presenter.h"
#include "model/madm_doc.h"
#include "tests/support/model_builders.h"

namespace {

using namespace zev;

bool SaveWindow(QDialog* view, const QString& folder, const QString& file) {
  view->show();
  view->activateWindow();
  QApplication::setActiveWindow(view);
  QCoreApplication::processEvents();
  // The window's own frame is the desktop's; a plain caption stands in for
  // it so that the title shows.
  const QPixmap client = view->grab();
  const int caption = 28;
  // Drawn in the window's own units, at its scale.
  const QSize size = client.deviceIndependentSize().toSize();
  const qreal scale = client.devicePixelRatio();
  QPixmap shot(QSize(size.width(), size.height() + caption) * scale);
  shot.setDevicePixelRatio(scale);
  shot.fill(QColor(60, 64, 72));
  QPainter painter(&shot);
  painter.setPen(Qt::white);
  QFont font = view->font();
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRect(10, 0, size.width() - 20, caption), Qt::AlignVCenter | Qt::AlignLeft,
                   view->windowTitle());
  painter.drawPixmap(0, caption, client);
  painter.end();
  const QString path = QDir(folder).filePath(file);
  if (!shot.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

bool Save(CDialogPresenter& presenter, const QString& folder, const QString& file) {
  std::unique_ptr<QDialog> view(CreateDialogView(presenter, nullptr));
  return view && SaveWindow(view.get(), folder, file);
}

// The example model, read into a document of its own.
bool OpenExample(CModelDocument& document) {
  std::string message;
  if (document.OnOpenDocument(ZEV_EXAMPLES "/laptop.zev", message)) return true;
  std::fprintf(stderr, "%s\n", message.c_str());
  return false;
}

// The overview window on the example model, with the second alternative
// and an attribute with children chosen.
bool SaveOverview(const QString& folder) {
  CModelDocument document(1);
  if (!OpenExample(document)) return false;
  CMADMDoc& doc = document.Doc();
  doc.SetCurrentPosition(std::min(1, doc.AlternativeCount() - 1));
  doc.SetCurrentAttribute(std::min(1, doc.LastAttribute()));
  auto* window = new COverviewWindow(document.Commands(), nullptr);
  document.Registry().Attach(EModelessKind::Overview, window);
  const bool ok = SaveWindow(window, folder, "overview.png");
  document.Registry().DestroyAll();
  return ok;
}

// A car model: comfort judged on five grades, price as a number.
void BuildModel(CMADMDoc& doc) {
  doc.OnNewDocument();
  doc.Attribute(0).SetName("Car");
  test::BuildHierarchy(doc, {"Quality:", "Comfort:Quality", "Price:"});
  CAttribute& comfort = doc.Attribute(test::FindAttribute(doc, "Comfort"));
  const char* const definitions[] = {"Hard seats, no room for the legs",
                                     "Hard seats with some room", "Adequate for short trips",
                                     "Comfortable on long trips", "Outstanding on any trip"};
  for (int k = 0; k < 5; ++k) comfort.SetGradeDefinition(k, definitions[k]);
  CAttribute& price = doc.Attribute(test::FindAttribute(doc, "Price"));
  price.m_nType = Quantitative;
  price.m_dBest = 12000;
  price.m_dWorst = 30000;
  price.SetUnit("\x80");
  doc.CurrentAlternative().SetName("Hatchback");
  doc.PrepareAlternative(doc.CurrentAlternative());
}

}  // namespace

// The ranking with intervals, a belief graph with "Unknown", the visual
// comparison and its curve type, on the example model.
bool SaveCharts(const QString& folder) {
  CModelDocument document(1);
  if (!OpenExample(document)) return false;
  CMADMDoc& doc = document.Doc();
  bool ok = true;
  doc.SetCurrentAttribute(test::FindAttribute(doc, "Portability"));
  {
    CGraphWindow ranking(DrawGraph(doc, EGraph::Ranking).front());
    ok = SaveWindow(&ranking, folder, "ranking-graph.png") && ok;
  }
  doc.SetCurrentAttribute(test::FindAttribute(doc, "Warranty"));
  // Nomad 13 leaves part of its warranty unassessed.
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    if (doc.Alternative(pos).m_strName == "Nomad 13") doc.SetCurrentPosition(pos);
  }
  {
    CGraphWindow belief(DrawGraph(doc, EGraph::BeliefAtSelection).front());
    ok = SaveWindow(&belief, folder, "belief-graph.png") && ok;
  }
  auto* comparison = new CVisualComparisonWindow(document.Commands(), nullptr);
  document.Registry().Attach(EModelessKind::VisualComparison, comparison);
  CVisualComparison& p = comparison->Presenter();
  p.SelectAll();
  // The attributes below the top, and three alternatives.
  p.ChooseEntry(CVisualComparison::EList::Attributes, 0);
  p.Deselect();
  while (p.SelectedAlternatives().size() > 3) {
    p.ChooseEntry(CVisualComparison::EList::Alternatives, 3);
    p.Deselect();
  }
  p.Draw();
  // The window shows its lists again when the model changes.
  comparison->OnDocumentChanged(doc, {EDocChange::Model, 0, 0});
  comparison->Chart()->ShowChart(p.Chart());
  ok = SaveWindow(comparison, folder, "visual-comparison.png") && ok;
  document.Registry().DestroyAll();
  SCurveType type;
  type.m_type = ECurveType::Difference;
  type.m_dDifference = 0.2;
  CCurveTypePresenter curveType(type);
  return Save(curveType, folder, "curve-type.png") && ok;
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  RegisterStandardDialogViews();
  CMADMDoc doc;
  BuildModel(doc);
  bool ok = true;

  const int comfort = test::FindAttribute(doc, "Comfort");
  const double degrees[] = {0.0, 0.0, 0.3, 0.7, 0.0};
  CQualitativeEntryPage entry(doc.CurrentAlternative(), comfort, "Quality", degrees, 0,
                              "No comments are provided.", "No evidence is provided.");
  ok = Save(entry, folder, "qualitative-entry.png") && ok;

  CDefineAttributePresenter define(doc.Attribute(test::FindAttribute(doc, "Price")));
  define.m_bAdvanced = true;
  ok = Save(define, folder, "define-attribute.png") && ok;

  const int quality = test::FindAttribute(doc, "Quality");
  const double row[] = {0.0, 0.0, 0.6, 0.4, 0.0};
  CConvertGradesPresenter convert(doc.Attribute(comfort), doc.Attribute(quality), 2, 0, row,
                                  "Average seats are mostly average, partly good quality.");
  ok = Save(convert, folder, "convert-grades.png") && ok;

  // The weights of four laptop criteria: Performance compared with the
  // three others, then Portability with the two after it, and the weights
  // generated from the slightly inconsistent matrix.
  CMADMDoc laptop;
  laptop.OnNewDocument();
  laptop.Attribute(0).SetName("Laptop");
  test::BuildHierarchy(laptop, {"Performance:", "Portability:", "Cost:", "Build quality:"});
  CPairwisePresenter pairwise(SWeightGroup::Of(laptop, 0));
  for (const auto& [choice, ratios] :
       {std::pair<int, std::vector<std::string>>{0, {"3/2", "2", "3"}},
        std::pair<int, std::vector<std::string>>{1, {"1", "2"}}}) {
    pairwise.m_nChoice = choice;
    pairwise.ConfirmSelection();
    for (const std::string& ratio : ratios) {
      pairwise.m_strRatio = ratio;
      pairwise.ConfirmComparison();
    }
  }
  pairwise.CalculateWeights();
  ok = Save(pairwise, folder, "pairwise-comparison.png") && ok;

  const double scores[] = {0.8, 0.55, 0.5, 0.3};
  SWeightGroup group = SWeightGroup::Of(laptop, 0);
  for (int i = 0; i < group.Count(); ++i) group.m_dWeights[static_cast<size_t>(i)] = scores[i];
  CWeightScoringPresenter scoring(group);
  scoring.Select(1);
  ok = Save(scoring, folder, "weight-scoring.png") && ok;

  CModelessRegistry registry(doc);
  CModelCommands commands(doc, registry);
  CAttribute& comfortAttribute = doc.Attribute(comfort);
  comfortAttribute.m_nConversion = ByUtility;
  const double utilities[] = {0.0, 0.35, 0.6, 0.8, 1.0};
  for (int k = 0; k < 5; ++k) comfortAttribute.SetGradeUtility(k, utilities[k]);
  doc.SelectAttribute(comfort);
  auto* utilityWindow = new CUtilityScoringWindow(commands, nullptr);
  auto* grades = utilityWindow->findChild<QTreeWidget*>("grades");
  grades->setCurrentItem(grades->topLevelItem(2));
  ok = SaveWindow(utilityWindow, folder, "utility-scoring.png") && ok;
  delete utilityWindow;
  ok = SaveOverview(folder) && ok;
  ok = SaveCharts(folder) && ok;

  return ok ? 0 : 1;
}
