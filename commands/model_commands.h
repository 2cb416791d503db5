#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/graphs.h"
#include "commands/command_table.h"
#include "commands/modeless_registry.h"
#include "commands/undo_history.h"
#include "model/madm_doc.h"

namespace zev {

// What the "&Utility Interval" command shows: one alternative's results on
// one attribute, as they were when the command ran.
struct SAssessmentResults {
  std::string m_strAlternativeName;
  std::string m_strAttributeName;
  std::string m_strMaxUtility;
  std::string m_strMinUtility;
  std::string m_strAvgUtility;
  std::string m_strRanking;
  std::string m_strAttributeDescription;
  std::string m_strAlternativeDescription;

  static constexpr const char* kTitle = "ZEV Dialog: The Assessment Results of An Alternative";
  static constexpr const char* kNote =
      "(The following are the assessment results and ranking of the above alternative on the "
      "above attribute.)";

  // "&Attribute Info" and "Al&ternative Info": the descriptions in information boxes.
  void ShowAttributeInfo() const;
  void ShowAlternativeInfo() const;
};

// What only the desktop can do for a command.
class CCommandHost {
 public:
  virtual ~CCommandHost() = default;
  // Opens a results window; any number may be open, each a snapshot.
  virtual void ShowResults(const SAssessmentResults& results) = 0;
  // Opens the windows of a graph command, in order; any number may be open,
  // each a snapshot.
  virtual void ShowGraphs(const std::vector<SGraphWindow>& windows) = 0;
};

// Every view command of a model, implemented once. The three views forward
// their commands and gestures here; the enabling rules of the menus and the
// selection operations live here too.
class CModelCommands {
 public:
  CModelCommands(CMADMDoc& doc, CModelessRegistry& registry);
  CModelCommands(const CModelCommands&) = delete;
  CModelCommands& operator=(const CModelCommands&) = delete;

  CMADMDoc& Doc() { return m_doc; }
  const CMADMDoc& Doc() const { return m_doc; }
  CModelessRegistry& Registry() { return m_registry; }
  void SetHost(CCommandHost* host) { m_pHost = host; }

  // Whether the command has an implementation in this build (a command whose
  // subsystem is missing stays in the menu, disabled).
  bool IsAvailable(int id) const;
  // The enabling rule of the command table on the current selection.
  static bool RuleAllows(int id, const CMADMDoc& doc, EViewMode viewMode);
  // Whether a view command is enabled with this view active.
  bool IsEnabled(int id, EViewKind activeView, EViewMode viewMode) const;
  // Runs a view command when it is enabled; false when it is not.
  bool Execute(int id, EViewKind activeView, EViewMode viewMode);
  // Runs a command from a gesture of a view (double-click, right-click),
  // where the menus' routing does not apply; nothing when unavailable.
  void Run(int id);

  // --- selection operations ----------------------------------------------
  // Each makes the attribute or alternative current, refreshes the views
  // (which marks the model modified) and tells the open tool windows.
  void SelectAttribute(int i);
  void SelectAlternative(int pos);
  // A click in the attribute tree also remembers the attribute it leaves.
  void ClickAttributeInTree(int i);
  int PreviousAttribute() const { return m_nPreviousAttribute; }

  // --- label edits ------------------------------------------------------
  // An empty name is refused with a warning and the old name stays.
  bool RenameAttribute(int i, std::string_view name);
  bool RenameAlternative(int pos, std::string_view name);
  // The weight row of the attribute field: "Weight must be a non-negative
  // real number." refuses a bad text.
  bool SetWeightText(int i, std::string_view text);

  // --- gestures of the views ---------------------------------------------
  // A double-click on an attribute box: define it (name row) or choose a
  // weighting method (weight row).
  void DoubleClickAttributeBox(int i);
  void DoubleClickAlternativeBox(int pos);
  // Selects and, for an attribute without children, enters data at the selection.
  void DoubleClickAttributeItem(int i);
  void DoubleClickAlternativeItem(int pos);
  // Selects and defines.
  void RightClickAttribute(int i);
  void RightClickAlternative(int pos);

  // The keys of the current attribute's field in the dialog-box view.
  void TabKey();      // to the first child
  void BackTabKey();  // to the father
  void DownKey();     // name row, weight row, next attribute
  void UpKey();       // weight row, name row, earlier attribute

  // --- undo -------------------------------------------------------------
  CUndoHistory& History() { return m_history; }
  // For a window that writes into the model outside a menu command (a drag,
  // a button of a tool window): runs `write` as one undo step named `name`.
  bool RecordStep(std::string_view name, const std::function<void()>& write) {
    return m_history.Record(name, write);
  }
  // The menu texts of Edit, Undo and Edit, Redo: "&Undo Delete Attribute".
  std::string UndoMenuText() const;
  std::string RedoMenuText() const;
  // The name of the step a command records, or "" for a command that records
  // none (evaluation, reports, graphs, opening a tool window, Copy).
  static std::string StepNameOf(int id);

  // Registers the implementation of a command (used as subsystems arrive and
  // by tests); replaces an earlier one. `dialogKinds` names the modal dialogs
  // it runs: the command is available only while each has a view.
  void SetHandler(int id, std::function<void()> handler, std::vector<std::string> dialogKinds = {});
  // Says whether a modal dialog kind has a view (the desktop registers its
  // views one by one); without a check every kind counts as having one.
  void SetDialogCheck(std::function<bool(const std::string& kind)> check) {
    m_dialogCheck = std::move(check);
  }

 private:
  void InstallHandlers();
  void OpenModeless(EModelessKind kind);
  void CutSelection();
  void ShowUtilityInterval();
  void RunHandler(int id);
  void ShowGraph(EGraph graph);
  static bool ModelessKindOf(int id, EModelessKind& kind);

  CMADMDoc& m_doc;
  CModelessRegistry& m_registry;
  CUndoHistory m_history;
  CCommandHost* m_pHost = nullptr;
  struct SHandler {
    std::function<void()> m_run;
    std::vector<std::string> m_dialogKinds;
  };
  std::map<int, SHandler> m_handlers;
  std::function<bool(const std::string&)> m_dialogCheck;
  int m_nPreviousAttribute = 0;
};

}  // namespace zev
