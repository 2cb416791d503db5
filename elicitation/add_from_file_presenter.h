#pragma once

#include <string>

#include "io/model_merge.h"
#include "model/prompter.h"

namespace zev {

// The small window of each of the three commands that add from another
// model file: the file's path, "&Browse" and "Add".
class CAddFromFilePresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "AddFromFile";
  static constexpr const char* kFieldPath = "path";
  static constexpr const char* kPrompt = "Name of the ZEV model file:";
  static constexpr const char* kBrowseLabel = "&Browse";
  static constexpr const char* kAddLabel = "Add";
  static constexpr const char* kCancelLabel = "Cancel";

  explicit CAddFromFilePresenter(EMergeKind kind) : m_kind(kind) {}

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override;
  EMergeKind Kind() const { return m_kind; }

  std::string m_strPath;

  // The platform's Open window; a chosen file replaces the path.
  void Browse();
  EDialogAction Add() { return EDialogAction::CloseOk; }
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

 private:
  EMergeKind m_kind;
};

// "&Add from ZEV File" (alternatives), "Add from ZEV &File" (attributes) and
// "&Add Data from ZEV File": the window, then the command on the path given.
// Nothing happens when the window is cancelled.
EMergeResult RunAddFromFileCommand(CMADMDoc& doc, EMergeKind kind);

}  // namespace zev
