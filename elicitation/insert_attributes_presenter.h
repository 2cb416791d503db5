#pragma once

#include <string>

#include "model/madm_doc.h"

namespace zev {

// The modeless window "Insert Attributes": inserts an attribute next to the
// current one, and shows which attribute that is.
class CInsertAttributesPresenter {
 public:
  // The four choices in the order the window offers them; the value of
  // each is the document's insertion choice.
  enum EChoice { Above = 0, Right = 1, Below = 2, Left = 3 };

  explicit CInsertAttributesPresenter(CMADMDoc& doc) : m_doc(doc) {}

  static std::string Title() { return "Insert Attributes"; }
  // The name of the attribute the next insertion is made at.
  std::string CurrentAttributeName() const;

  int m_nChoice = Above;

  // Inserts according to the choice; the new attribute becomes current.
  void Insert();

 private:
  CMADMDoc& m_doc;
};

}  // namespace zev
