#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/madm_doc.h"

namespace zev {

// Told whenever the steps or the position in them change.
class CUndoListener {
 public:
  virtual ~CUndoListener() = default;
  virtual void OnHistoryChanged() = 0;
};

// The undo history of one model: every change a command makes is one step,
// named after the command, that can be taken back and made again, exactly.
//
// A step is recorded around the command, so no command can forget to
// record: the attribute table and the document's own values are copied
// before it runs (the grade tables and texts are shared, so that costs
// pointer copies) and compared afterwards; an alternative is copied the
// moment the document hands it out for changing, so the many alternatives a
// command never touches cost nothing. The step keeps only what differs:
// the attribute slots, the records and the header of each changed
// alternative, and the stretch of the list where alternatives came or went.
// Undo and redo exchange what the step holds with the model, so the step
// then holds the other side.
//
// Evaluation results are derived: what the subscribers of the document's
// notification write while being told (views, re-evaluation) is not part of
// a step, and the evaluation commands run without one.
class CUndoHistory : private CChangeWatch {
 public:
  static constexpr size_t kDefaultMaxSteps = 1000;
  static constexpr const char* kTitle = "Undo History";
  // The first row of the history window: the model before the first step.
  static constexpr const char* kStartRow = "(start)";
  static constexpr size_t kDefaultMaxBytes = size_t{512} << 20;

  explicit CUndoHistory(CMADMDoc& doc);
  ~CUndoHistory() override;
  CUndoHistory(const CUndoHistory&) = delete;
  CUndoHistory& operator=(const CUndoHistory&) = delete;

  // Runs `change` and records what it changed as one step named `name`
  // (none when nothing changed). A change run while another is being
  // recorded joins that one. True when a step was recorded.
  bool Record(std::string_view name, const std::function<void()>& change);
  bool IsRecording() const { return m_nDepth > 0; }

  bool CanUndo() const { return m_nPosition > 0; }
  bool CanRedo() const { return m_nPosition < m_steps.size(); }
  // The name of the step that Undo or Redo would take; "" if none.
  std::string UndoName() const;
  std::string RedoName() const;
  bool Undo();
  bool Redo();
  // Goes back or forward to the point after the first `count` steps.
  void GoTo(size_t count);

  size_t StepCount() const { return m_steps.size(); }
  // How many steps are done (the rest can be redone).
  size_t Position() const { return m_nPosition; }
  const std::string& StepName(size_t i) const;
  size_t StepBytes(size_t i) const;
  size_t BytesUsed() const { return m_nBytes; }

  // The bounds: beyond either, the oldest steps are dropped (the newest is
  // always kept).
  void SetLimits(size_t maxSteps, size_t maxBytes);

  // The model as it is now is the one in its file (saved, opened, new).
  void MarkSaved();
  // No steps any more (a model read anew); the model is as saved.
  void Clear();
  // At the saved point with nothing changed outside the steps since.
  bool IsAtSavedPoint() const;

  void Subscribe(CUndoListener* listener);
  void Unsubscribe(CUndoListener* listener);

  struct SStep;

 private:
  void WillChange(const CAlternative& alternative) override;
  bool MarksModified(const SDocChange& change) override;

  void Begin();
  std::unique_ptr<SStep> Finish(std::string_view name);
  void Push(std::unique_ptr<SStep> step);
  void Apply(SStep& step);
  void Moved();
  void FollowModified();
  void Tell();

  CMADMDoc& m_doc;
  std::vector<std::unique_ptr<SStep>> m_steps;
  size_t m_nPosition = 0;
  // The position of the saved model; npos when no position reaches it.
  size_t m_nSaved = 0;
  // A change outside the steps (an evaluation) since the model was saved.
  bool m_bChangedOutside = false;
  size_t m_nBytes = 0;
  size_t m_nMaxSteps = kDefaultMaxSteps;
  size_t m_nMaxBytes = kDefaultMaxBytes;
  std::vector<CUndoListener*> m_listeners;

  // While recording: the model as it was.
  int m_nDepth = 0;
  bool m_bWasModified = false;
  bool m_bPublished = false;
  SDocState m_before;
  std::vector<CAttribute> m_beforeAttributes;
  std::vector<const CAlternative*> m_beforeList;
  std::mutex m_touchedMutex;
  std::unordered_map<const CAlternative*, std::unique_ptr<CAlternative>> m_touched;
};

}  // namespace zev
