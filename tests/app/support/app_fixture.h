#pragma once

#include <QAction>
#include <QApplication>
#include <QTest>
#include <memory>

#include "app/application.h"
#include "app/child_frame.h"
#include "app/main_frame.h"

namespace zev::test {

// The application as it starts: a main window with one new model in the
// list-tree view, no splash screen, shown and active.
inline std::unique_ptr<CMainFrame> StartForTest() {
  static bool bConfigured = false;
  if (!bConfigured) {
    ConfigureApplication(*qApp);
    bConfigured = true;
  }
  SStartOptions options;
  options.m_bSplash = false;
  std::unique_ptr<CMainFrame> frame = StartApplication(options);
  if (frame) {
    frame->activateWindow();
    (void)QTest::qWaitForWindowActive(frame.get());
    QCoreApplication::processEvents();
  }
  return frame;
}

// Carries out a command the way its menu item does.
inline void Trigger(CMainFrame& frame, int id) {
  frame.UpdateCommandUI();
  frame.Action(id)->trigger();
}

inline bool Enabled(CMainFrame& frame, int id) {
  frame.UpdateCommandUI();
  return frame.Action(id)->isEnabled();
}

// The shown tool window of type W that belongs to the main window, if any.
template <typename W>
W* OpenWindow(CMainFrame& frame) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* t = qobject_cast<W*>(w); t && t->isVisible() && t->parent() == &frame) return t;
  }
  return nullptr;
}

// Gives the focus to a view so that it becomes the active one.
inline void Focus(QWidget* widget) {
  widget->setFocus(Qt::OtherFocusReason);
  QCoreApplication::processEvents();
}

}  // namespace zev::test
