#include "elicitation/entry_field.h"

#include "elicitation/assessment_rules.h"
#include "model/number.h"

namespace zev {

void CEntryField::Set(double d) {
  m_dValue = d;
  m_strText = EntryText(d);
  m_strOwnText = m_strText;
}

bool CEntryField::Read(double& d) const {
  if (m_strText == m_strOwnText) {
    d = m_dValue;
    return true;
  }
  // Degrees and values are signed: a degree a hair below zero is accepted.
  return ReadRealNumber(m_strText, d);
}

}  // namespace zev
