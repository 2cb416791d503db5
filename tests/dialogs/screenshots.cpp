// Renders a few dialogs and windows offscreen into PNG files for the
// documentation:
//   zev_dialog_screenshots <folder> [<example model>]
// The graph windows and the visual comparison are drawn from the example
// model when it is given.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <memory>

#include "app/charts/chart_widget.h"
#include "app/dialogs/dialog_registry.h"
#include "app/dialogs/dialog_view.h"
#include "app/graph_window.h"
#include "app/visual_comparison_window.h"
#include "elicitation/convert_grades_presenter.h"
#include "elicitation/define_attribute_presenter.h"
#include "elicitation/qualitative_entry_page.h"
#include "io/model_file.h"
#include "model/madm_doc.h"
#include "tests/support/model_builders.h"

namespace {

using namespace zev;

bool Save(QWidget* view, const QString& folder, const QString& file) {
  view->show();
  view->activateWindow();
  QApplication::setActiveWindow(view);
  QCoreApplication::processEvents();
  // The window's own frame is the desktop's; a plain caption stands in for
  // it so that the title shows.
  const QPixmap client = view->grab();
  const int caption = 28;
  // Drawn in the window's own coordinates at the screen's scale.
  const qreal scale = client.devicePixelRatio();
  QPixmap shot(client.width(), client.height() + qRound(caption * scale));
  shot.setDevicePixelRatio(scale);
  shot.fill(QColor(60, 64, 72));
  QPainter painter(&shot);
  painter.setPen(Qt::white);
  QFont font = view->font();
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRect(10, 0, view->width() - 20, caption), Qt::AlignVCenter | Qt::AlignLeft,
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
  return view && Save(view.get(), folder, file);
}

// The ranking with intervals, a belief graph with "Unknown" and a visual
// comparison, from the example model.
bool SaveWindows(const std::string& model, const QString& folder) {
  CMADMDoc doc;
  SFileError error;
  if (!LoadModelFile(model, doc, error)) {
    std::fprintf(stderr, "cannot read %s\n", model.c_str());
    return false;
  }
  bool ok = true;
  doc.SetCurrentAttribute(test::FindAttribute(doc, "Portability"));
  {
    CGraphWindow ranking(DrawGraph(doc, EGraph::Ranking).front());
    ok = Save(&ranking, folder, "ranking-graph.png") && ok;
  }
  doc.SetCurrentAttribute(test::FindAttribute(doc, "Warranty"));
  // Nomad 13 leaves part of its warranty unassessed.
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    if (doc.Alternative(pos).m_strName == "Nomad 13") doc.SetCurrentPosition(pos);
  }
  {
    CGraphWindow belief(DrawGraph(doc, EGraph::BeliefAtSelection).front());
    ok = Save(&belief, folder, "belief-graph.png") && ok;
  }
  CModelessRegistry registry(doc);
  CModelCommands commands(doc, registry);
  CVisualComparisonWindow comparison(commands, nullptr);
  CVisualComparison& p = comparison.Presenter();
  p.SelectAll();
  // The attributes below the top, and three alternatives.
  p.ChooseEntry(CVisualComparison::EList::Attributes, 0);
  p.Deselect();
  while (p.SelectedAlternatives().size() > 3) {
    p.ChooseEntry(CVisualComparison::EList::Alternatives, 3);
    p.Deselect();
  }
  comparison.Presenter().Draw();
  // The lists show the presenter's selection when the window acts; here
  // the presenter acted directly, so a document notification refreshes them.
  comparison.OnDocumentChanged(doc, {EDocChange::Model, 0, 0});
  comparison.Chart()->ShowChart(comparison.Presenter().Chart());
  ok = Save(&comparison, folder, "visual-comparison.png") && ok;
  SCurveType type;
  type.m_type = ECurveType::Difference;
  type.m_dDifference = 0.2;
  CCurveTypePresenter curveType(type);
  ok = Save(curveType, folder, "curve-type.png") && ok;
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

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s <folder> [<example model>]\n", argv[0]);
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

  if (argc == 3) ok = SaveWindows(argv[2], folder) && ok;

  return ok ? 0 : 1;
}
