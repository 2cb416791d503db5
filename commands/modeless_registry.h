#pragma once

#include <array>
#include <functional>

#include "model/madm_doc.h"

namespace zev {

// The kinds of modeless tool window; each exists at most once per model.
enum class EModelessKind {
  Insertion,
  Overview,
  ModelBuilder,
  VisualComparison,
  UtilityScoring,
  GradeNameChange,
  WeightSensitivity,
  InputSensitivity,
  GroupAssessment,
  TradeOff,
  UndoHistory,
};
inline constexpr int kModelessKinds = 11;

class CModelessRegistry;

// The handle of an open tool window, as the command layer sees it. The
// desktop's windows derive from it; destroying the window empties its slot.
class CModelessWindow {
 public:
  CModelessWindow() = default;
  CModelessWindow(const CModelessWindow&) = delete;
  CModelessWindow& operator=(const CModelessWindow&) = delete;
  virtual ~CModelessWindow();

  // Restores the window if minimised and raises it above the others.
  virtual void BringToFront() = 0;
  // Closes and destroys the window (its model is going away).
  virtual void Destroy() = 0;
  // The document's one typed notification, passed on by the registry: every
  // change, and a change of the selection only to the kinds that show one.
  virtual void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) = 0;

 protected:
  // Empties the slot at once, for a window that is closed now and destroyed
  // a little later.
  void LeaveRegistry();

 private:
  friend class CModelessRegistry;
  CModelessRegistry* m_pRegistry = nullptr;
  EModelessKind m_kind = EModelessKind::Insertion;
};

// One slot per kind of tool window, empty or holding the open window, and
// the rule by which the commands open them.
class CModelessRegistry : public CDocObserver {
 public:
  // Creates the window of a kind (shown, as a child of the model window).
  using Factory = std::function<CModelessWindow*()>;

  explicit CModelessRegistry(CMADMDoc& doc);
  ~CModelessRegistry() override;
  CModelessRegistry(const CModelessRegistry&) = delete;
  CModelessRegistry& operator=(const CModelessRegistry&) = delete;

  // A kind without a factory cannot be opened (its command is disabled).
  void SetFactory(EModelessKind kind, Factory factory);
  bool CanOpen(EModelessKind kind) const;

  CModelessWindow* Window(EModelessKind kind) const;
  bool IsOpen(EModelessKind kind) const { return Window(kind) != nullptr; }

  // The command's rule: a failed precondition is a warning and opens
  // nothing; an open window shows the kind's message (if any) and comes to
  // the front; otherwise the window is created, stored and brought forward.
  // Returns the window now open, or nullptr.
  CModelessWindow* Open(EModelessKind kind);

  // Stores a window created elsewhere (a window opened from another tool
  // window still takes the slot of its kind).
  void Attach(EModelessKind kind, CModelessWindow* window);

  // Destroys every open window.
  void DestroyAll();

  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

  // The message shown when the kind's window is already open ("" if none),
  // and the warning of its precondition when the precondition fails ("" if
  // it holds).
  static const char* AlreadyOpenMessage(EModelessKind kind);
  std::string PreconditionWarning(EModelessKind kind) const;
  // Whether windows of this kind are told of selection changes: those that
  // show the current attribute or alternative.
  static bool ShowsSelection(EModelessKind kind);

 private:
  friend class CModelessWindow;
  void Detach(CModelessWindow* window);

  CMADMDoc& m_doc;
  std::array<CModelessWindow*, kModelessKinds> m_windows{};
  std::array<Factory, kModelessKinds> m_factories{};
};

}  // namespace zev
