#pragma once

#include <string>
#include <vector>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// "&Data Input Method": the three ways of entering assessment data.
class CDataInputMethodPresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "DataInputMethod";
  enum EMethod { TypeIn = 0, ReadTextFile = 1, AddFromModelFile = 2 };
  static constexpr int kMethods = 3;
  static constexpr const char* kSelectLabel = "&Select";
  static constexpr const char* kCancelLabel = "&Cancel";

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Data Input Method"; }
  static const char* MethodText(int nMethod);

  int m_nMethod = TypeIn;

  EDialogAction Select() { return EDialogAction::CloseOk; }
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }
};

// The window in which the data entry walk's first attribute is picked: the
// attributes in the order the hierarchy shows them.
class CSelectAttributePresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "SelectAttribute";
  static constexpr const char* kSelectLabel = "&Select";
  static constexpr const char* kCancelLabel = "&Cancel";

  // Starts on the document's current attribute.
  explicit CSelectAttributePresenter(const CMADMDoc& doc);

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Select An Attribute"; }
  std::string Prompt() const;

  struct SRow {
    int m_nAttribute = 0;
    int m_nLevel = 0;  // for indenting the name
    std::string m_strName;
    std::uint16_t m_nType = Qualitative;
    bool m_bHasChildren = false;
  };
  const std::vector<SRow>& Rows() const { return m_rows; }
  int SelectedRow() const;
  void SelectRow(int nRow);
  int SelectedAttribute() const { return m_nAttribute; }

  EDialogAction Select() { return EDialogAction::CloseOk; }
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

 private:
  std::vector<SRow> m_rows;
  int m_nAttribute = 0;
};

// "Alterna&tive" under "&Type in Data Onscreen": leads the user through
// every bottom attribute from the start chosen, in the order the hierarchy
// shows them, with the entry dialogs of each attribute's type. Every entry
// is stored at once, so stopping keeps what was entered. True when the
// walk ran to its end.
bool RunDataEntryWalk(CMADMDoc& doc);

// "&Data Input Method": the choice, then the walk, the text data file or
// the data of another model file.
void RunDataInputMethodCommand(CMADMDoc& doc);

}  // namespace zev
