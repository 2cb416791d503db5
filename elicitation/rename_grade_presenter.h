#pragma once

#include <string>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// The modeless window "Change the name of a grade in all attributes".
class CRenameGradePresenter {
 public:
  static constexpr const char* kFieldFrom = "from";
  static constexpr const char* kFieldTo = "to";

  explicit CRenameGradePresenter(CMADMDoc& doc) : m_doc(doc) {}

  static std::string Title() { return "Change the name of a grade in all attributes"; }

  std::string m_strFrom;
  std::string m_strTo;

  // Each text field refuses to be left empty; false after the warning.
  bool FromFocusLost();
  bool ToFocusLost();
  // Checks both texts and renames the grade in every attribute.
  bool Change();

  const std::string& FocusField() const { return m_strFocus; }

 private:
  CMADMDoc& m_doc;
  std::string m_strFocus;
};

}  // namespace zev
