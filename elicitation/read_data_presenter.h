#pragma once

#include <string>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// The small window that asks for the name of a text data file.
class CReadDataPresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "ReadData";
  static constexpr const char* kFieldFileName = "file name";
  static constexpr const char* kPrompt =
      "Enter the name of a file, or browse the directory hierarchy to find the file name.";
  static constexpr const char* kBrowseLabel = "&Browse ...";
  static constexpr const char* kReadLabel = "&Read";
  static constexpr const char* kCancelLabel = "&Cancel";
  static constexpr const char* kFilter = "ZEV Data Files (*.txt)|*.txt|All Files (*.*)|*.*||";
  static constexpr const char* kDefaultExt = "txt";
  static constexpr const char* kDefaultName = "ZEV Data";

  explicit CReadDataPresenter(std::string fileName = "*.txt")
      : m_strFileName(std::move(fileName)) {}

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Read Data from Text File"; }

  // The file name as typed or browsed.
  std::string m_strFileName;

  // "&Browse ...": the platform's Open window; a chosen file replaces the name.
  void Browse();
  // "&Read" and "&Cancel".
  EDialogAction Read() { return EDialogAction::CloseOk; }
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }
};

// The "&Read Data from Text File" command: asks for a file name until a file
// can be opened or the user gives up, then reads the file into the model and
// shows the outcome. True when a file was read (whatever it held).
bool RunReadDataCommand(CMADMDoc& doc);

}  // namespace zev
