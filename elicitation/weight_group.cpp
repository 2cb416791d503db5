#include "elicitation/weight_group.h"

#include "model/prompter.h"

namespace zev {

std::vector<int> ChildrenInSiblingOrder(const CMADMDoc& doc, int father) {
  std::vector<int> children;
  int first = -1;
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    const CAttribute& a = doc.Attribute(i);
    if (i != father && a.m_nFather == father && a.m_nPrevSibling < 0) {
      first = i;
      break;
    }
  }
  // The chain is bounded by the slots, so a damaged one cannot loop.
  for (int k = first;
       k > 0 && k <= doc.LastAttribute() && children.size() < static_cast<size_t>(kAttributeSlots);
       k = doc.Attribute(k).m_nNextSibling) {
    children.push_back(k);
  }
  return children;
}

SWeightGroup SWeightGroup::Of(const CMADMDoc& doc, int father) {
  SWeightGroup group;
  group.m_strFatherName = doc.Attribute(father).m_strName.Str();
  group.m_nAttributes = ChildrenInSiblingOrder(doc, father);
  for (int k : group.m_nAttributes) {
    const CAttribute& a = doc.Attribute(k);
    group.m_strNames.push_back(a.m_strName.Str());
    group.m_dWeights.push_back(a.m_dWeight);
    group.m_strComments.push_back(a.m_strDescription.Str());
  }
  return group;
}

void SWeightGroup::Store(CMADMDoc& doc) const {
  for (size_t i = 0; i < m_nAttributes.size(); ++i) {
    CAttribute& a = doc.Attribute(m_nAttributes[i]);
    a.m_dWeight = m_dWeights[i];
    a.m_strDescription = CText(m_strComments[i]);
  }
  for (int k : m_nAttributes) doc.PublishChanges({EDocChange::Attribute, k, -1});
}

int WeightFatherOrNotice(const CMADMDoc& doc, int k, const char* notice) {
  const int father = doc.Attribute(k).m_nFather;
  if (k == 0 || father < 0 || father > doc.LastAttribute()) {
    ThePrompter().Information(notice);
    return -1;
  }
  return father;
}

}  // namespace zev
