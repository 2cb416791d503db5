#pragma once

#include <string>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// Defines an alternative: its name and its description.
class CDefineAlternativePresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "DefineAlternative";
  static constexpr const char* kFieldName = "name";

  explicit CDefineAlternativePresenter(const CAlternative& alternative)
      : m_strName(alternative.m_strName.Str()),
        m_strDescription(alternative.m_strDescription.Str()) {}

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Define An Alternative"; }

  std::string m_strName;
  std::string m_strDescription;

  // An empty name is refused with a warning; the dialog stays open.
  EDialogAction Ok();
  void Store(CAlternative& alternative) const;
};

// The "De&fine" command on the current alternative.
bool RunDefineAlternativeDialog(CMADMDoc& doc);

}  // namespace zev
