#pragma once

#include "app/dialogs/tool_window.h"
#include "commands/model_commands.h"

class QButtonGroup;
class QLabel;

namespace zev {

// The attribute insertion window: the current attribute's name and the four
// ways of inserting next to it (above, right, below, left).
class CInsertionWindow : public CToolWindow {
  Q_OBJECT

 public:
  static constexpr const char* kTitle = "ZEV Dialog: Insert Attributes";

  CInsertionWindow(CModelCommands& commands, QWidget* parent);
  // After every change it names the attribute it inserts at.
  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

  QLabel* AttributeLabel() const { return m_pName; }
  // 0 above, 1 right, 2 below, 3 left.
  void SetChoice(int nChoice);
  int Choice() const;
  void Insert();

 private:
  void ShowCurrentAttribute();

  CModelCommands& m_commands;
  QLabel* m_pName;
  QButtonGroup* m_pChoices;
};

}  // namespace zev
