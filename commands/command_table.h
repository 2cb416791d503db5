#pragma once

#include <span>
#include <string>
#include <string_view>

#include "commands/command_ids.h"

namespace zev {

// The three views of a model window.
enum class EViewKind { DialogBox, List, Tree };

// What a model window shows: the dialog-box view (mode 1) or the list and
// tree views (mode 2). Any stands for a caller outside a window's views,
// for which no view-mode rule applies.
enum class EViewMode { Any = 0, DialogBox = 1, ListTree = 2 };

// Who carries out a command. Frame commands (files, bars, view modes,
// windows, help) work whatever view is active; the others are view commands,
// and a view command that the active view does not handle is disabled.
enum ECommandHandler : unsigned {
  kHandledByFrame = 1u,
  kHandledByDialogBoxView = 2u,
  kHandledByListView = 4u,
  kHandledByTreeView = 8u,
};

// One entry of the menus and of the string table.
struct SCommandInfo {
  int m_nId;
  // The submenu titles from the menu bar down, joined by '|'.
  const char* m_pszMenuPath;
  // The item text with its mnemonic and, after a tab, its shortcut.
  const char* m_pszText;
  // The status-bar prompt and the tooltip.
  const char* m_pszPrompt;
  const char* m_pszTooltip;
  unsigned m_nHandlers;
  bool m_bSeparatorBefore;
  // In the menu of the main window while no model is open.
  bool m_bWithoutModel;
  // Whether the shortcut shown in the text is bound to this command. Ctrl+X
  // is shown by Cut and by both Delete items; the key itself cuts, which
  // deletes the selection after copying it.
  bool m_bBindsShortcut;
};

// Every command in menu order.
std::span<const SCommandInfo> CommandTable();
// nullptr for an unknown id.
const SCommandInfo* FindCommand(int id);

// The string table entry of a command: the prompt, a line feed, the tooltip.
std::string CommandString(int id);
// The item text before the tab, and the shortcut after it ("" if none).
std::string_view MenuLabel(const SCommandInfo& info);
std::string_view MenuShortcut(const SCommandInfo& info);

// The toolbar's buttons in order; 0 stands for a separator.
std::span<const int> ToolbarCommands();

// Whether a view of this kind carries out the command (frame commands are
// carried out by the frame, not by a view).
bool ViewHandles(EViewKind view, int id);
bool IsFrameCommand(int id);

}  // namespace zev
