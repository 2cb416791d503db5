#include "elicitation/insert_attributes_presenter.h"

namespace zev {

std::string CInsertAttributesPresenter::CurrentAttributeName() const {
  return m_doc.CurrentAttributeRef().m_strName.Str();
}

void CInsertAttributesPresenter::Insert() {
  if (m_nChoice < Above || m_nChoice > Left) return;
  m_doc.InsertAttribute(m_nChoice);
}

}  // namespace zev
