// Renders the analysis tool windows over the example model offscreen into
// PNG files for the documentation:
//   zev_window_screenshots <examples folder> <folder> [--all]
// (--all adds the input-data and group assessment windows, to look at)
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>

#include "app/alternative_list_view.h"
#include "app/attribute_tree_view.h"
#include "app/dialogs/qt_text.h"
#include "app/group_assessment_window.h"
#include "app/input_sensitivity_window.h"
#include "app/trade_off_window.h"
#include "app/weight_sensitivity_window.h"
#include "commands/command_ids.h"
#include "tests/app/support/app_fixture.h"
#include "tests/app/support/qt_scripted_user.h"
#include "tests/support/model_builders.h"

namespace {

using namespace zev;

// The window with a plain caption standing in for the desktop's frame.
bool Save(QWidget& window, const QString& path) {
  QCoreApplication::processEvents();
  const QPixmap client = window.grab();
  const int caption = window.fontMetrics().height() + 12;
  const qreal ratio = client.devicePixelRatio();
  const QSize size = client.deviceIndependentSize().toSize();
  QPixmap shot(QSize(size.width(), size.height() + caption) * ratio);
  shot.setDevicePixelRatio(ratio);
  shot.fill(QColor(60, 64, 72));
  QPainter painter(&shot);
  painter.setPen(Qt::white);
  QFont font = window.font();
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRect(10, 0, size.width() - 20, caption), Qt::AlignVCenter | Qt::AlignLeft,
                   window.windowTitle());
  painter.drawPixmap(0, caption, client);
  painter.end();
  if (!shot.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

template <typename W>
W* Open(CMainFrame& frame, int id, EModelessKind kind) {
  test::Trigger(frame, id);
  return dynamic_cast<W*>(frame.ActiveChild()->Document().Registry().Window(kind));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: %s <examples folder> <folder> [--all]\n", argv[0]);
    return 2;
  }
  const QDir examples(QString::fromLocal8Bit(argv[1]));
  const QDir folder(QString::fromLocal8Bit(argv[2]));
  auto frame = test::StartForTest();
  if (!frame || !frame->OpenDocument(PathFromQt(examples.filePath("laptop.zev")))) return 1;
  CModelDocument& d = frame->ActiveChild()->Document();
  bool ok = true;

  d.Commands().SelectAttribute(test::FindAttribute(d.Doc(), "Performance"));
  test::Focus(frame->ActiveChild()->TreeView());
  if (auto* weights = Open<CWeightSensitivityWindow>(*frame, kIdChangeWeight,
                                                     EModelessKind::WeightSensitivity)) {
    weights->findChild<QPushButton*>("rankChange")->click();
    ok = Save(*weights, folder.filePath("weight-sensitivity.png")) && ok;
    weights->Destroy();
  } else {
    ok = false;
  }

  d.Commands().SelectAttribute(test::FindAttribute(d.Doc(), "Price"));
  test::Focus(frame->ActiveChild()->TreeView());
  if (auto* tradeOff = Open<CTradeOffWindow>(*frame, kIdTradeOff, EModelessKind::TradeOff)) {
    ok = Save(*tradeOff, folder.filePath("trade-off.png")) && ok;
    tradeOff->Destroy();
  } else {
    ok = false;
  }
  if (argc == 4 && QString(argv[3]) == "--all") {
    d.Commands().SelectAttribute(test::FindAttribute(d.Doc(), "Build quality"));
    test::Focus(frame->ActiveChild()->TreeView());
    auto* input =
        Open<CInputSensitivityWindow>(*frame, kIdChangeInputData, EModelessKind::InputSensitivity);
    ok = input && Save(*input, folder.filePath("input-sensitivity.png")) && ok;
    if (input) input->Destroy();
    test::Activate(frame.get());
    test::Focus(frame->ActiveChild()->ListView());
    auto* group = Open<CGroupAssessmentWindow>(*frame, kIdCreateGroupAssessment,
                                               EModelessKind::GroupAssessment);
    ok = group && Save(*group, folder.filePath("group-assessment.png")) && ok;
  }
  return ok ? 0 : 1;
}
