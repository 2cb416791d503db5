// Measures the desktop application with a large model: opening a model file
// of 10,000 alternatives on 50 attributes into a window, ranking it, and the
// views' work on it. Not a test: run it by hand in a Release build and read
// the times it prints.
//
//   QT_QPA_PLATFORM=offscreen build-release/tests/zev_gui_scale_probe [alternatives]

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/alternative_list_view.h"
#include "app/application.h"
#include "app/child_frame.h"
#include "app/madm_view.h"
#include "app/main_frame.h"
#include "commands/command_table.h"
#include "commands/model_files.h"
#include "model/prompter.h"
#include "tests/support/model_builders.h"
#include "tests/support/scripted_user.h"

namespace {

std::string LastText(const zev::test::CScriptedUser& user) {
  return user.Messages().empty() ? std::string() : user.Messages().back().m_strText;
}

// The 50-attribute model with n alternatives and varied assessments on the
// bottom attributes.
void BuildLargeModel(zev::CMADMDoc& doc, int n) {
  zev::test::BuildFiftyAttributeModel(doc);
  for (int i = 1; i < n; ++i) doc.AddAlternativeCommand();
  unsigned seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<double>((seed >> 8) % 1000) / 1000.0;
  };
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    zev::CAlternative& a = doc.Alternative(pos);
    for (int k = 1; k <= doc.LastAttribute(); ++k) {
      if (doc.Attribute(k).m_nChildren > 0) continue;
      zev::CAssessment& r = a.Record(k);
      switch (doc.Attribute(k).m_nType) {
        case zev::Qualitative:
          r.m_dBelief[static_cast<int>(next() * 5)] = 0.6;
          r.m_dBelief[static_cast<int>(next() * 5)] += 0.3;
          break;
        case zev::Quantitative:
          r.m_dValue = 100.0 * next();
          r.m_nPossibleValues = 1;
          r.m_dPossibleValue[0] = r.m_dValue;
          r.m_dBelief[0] = 1.0;
          break;
        default:
          r.m_nPossibleValues = 2;
          r.m_dPossibleValue[0] = 10.0 + 40.0 * next();
          r.m_dPossibleValue[1] = 10.0 + 40.0 * next();
          r.m_dBelief[0] = 0.5;
          r.m_dBelief[1] = 0.4;
          break;
      }
    }
  }
}

double Seconds(QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e9; }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zev::ConfigureApplication(app);
  // A user who reads nothing: every question takes its default button.
  zev::test::CScriptedUser user(zev::test::CScriptedUser::EProblems::Collect);
  const int n = argc > 1 ? std::atoi(argv[1]) : 10000;

  QTemporaryDir dir;
  const std::string path = (dir.path() + "/large.zev").toStdString();
  {
    zev::CMADMDoc doc;
    BuildLargeModel(doc, n);
    std::string message;
    if (!zev::SaveModelToFile(path, doc, message)) {
      std::fprintf(stderr, "cannot write the model: %s\n", message.c_str());
      return 1;
    }
  }

  zev::CMainFrame frame;
  frame.resize(1200, 800);
  frame.show();
  QApplication::processEvents();

  QElapsedTimer t;
  t.start();
  zev::CChildFrame* child = frame.OpenDocument(path);
  QApplication::processEvents();
  const double open = Seconds(t);
  if (!child) {
    std::fprintf(stderr, "cannot open the model: %s\n", LastText(user).c_str());
    return 1;
  }
  zev::CMADMDoc& doc = child->Document().Doc();
  std::printf("alternatives: %d, attributes: %d\n", doc.AlternativeCount(), doc.AttributeCount());
  std::printf("open the model file into a window: %.3f s\n", open);

  child->ListView()->setFocus();
  QApplication::processEvents();
  t.restart();
  frame.OnCommand(zev::kIdRank);
  QApplication::processEvents();
  std::printf("Rank (with the views refreshed): %.3f s  [%s]\n", Seconds(t),
              LastText(user).c_str());
  int best = 0;
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    if (doc.Alternative(pos).m_nRanking < doc.Alternative(best).m_nRanking) best = pos;
  }
  std::printf("  ranked first: %s with utility %s; the last alternative ranks %d\n",
              doc.Alternative(best).m_strName.c_str(), doc.Alternative(best).UtilityText().c_str(),
              doc.Alternative(doc.AlternativeCount() - 1).m_nRanking);

  t.restart();
  child->ListView()->scrollToBottom();
  child->ListView()->viewport()->repaint();
  std::printf("list: scroll to the last alternative and paint: %.4f s\n", Seconds(t));

  t.restart();
  frame.OnCommand(zev::kIdViewDialogBox);
  QApplication::processEvents();
  std::printf("switch to the box diagram: %.4f s\n", Seconds(t));
  zev::CMADMView* view = child->DialogBoxView();
  t.restart();
  const int paints = 20;
  int drawn = 0;
  QScrollBar* bar = view->verticalScrollBar();
  for (int i = 0; i < paints; ++i) {
    bar->setValue(bar->maximum() * i / (paints - 1));
    view->viewport()->repaint();
    drawn = std::max(drawn, view->PaintedAlternatives());
  }
  std::printf("box diagram: one scroll and paint: %.4f s (at most %d alternative boxes drawn)\n",
              Seconds(t) / paints, drawn);

  t.restart();
  child->Commands().SelectAlternative(n / 2);
  QApplication::processEvents();
  std::printf("select an alternative (all views follow): %.4f s\n", Seconds(t));

  t.restart();
  frame.OnCommand(zev::kIdViewSwitch);
  QApplication::processEvents();
  std::printf("switch back to the list and the tree: %.4f s\n", Seconds(t));

  doc.SetModifiedFlag(false);
  return 0;
}
