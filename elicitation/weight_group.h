#pragma once

#include <string>
#include <vector>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// The children of father in sibling order.
std::vector<int> ChildrenInSiblingOrder(const CMADMDoc& doc, int father);

// The children of one father whose weights a comparison or scoring dialog
// assigns: the dialog works on copies and writes them back when confirmed.
struct SWeightGroup {
  std::string m_strFatherName;
  std::vector<int> m_nAttributes;  // slots, in sibling order
  std::vector<std::string> m_strNames;
  std::vector<double> m_dWeights;
  // Each child's comments are its description.
  std::vector<std::string> m_strComments;

  static SWeightGroup Of(const CMADMDoc& doc, int father);
  int Count() const { return static_cast<int>(m_nAttributes.size()); }
  // Writes every weight and comment into its attribute, then tells the views.
  void Store(CMADMDoc& doc) const;
};

// The weight dialogs work on attribute k and its siblings: their father,
// or for the top attribute -1 after the dialog's notice.
int WeightFatherOrNotice(const CMADMDoc& doc, int k, const char* notice);

// Runs the weight dialog of `Presenter` on the current attribute and its
// siblings, and stores the weights when the user confirms.
template <typename Presenter>
void RunWeightDialog(CMADMDoc& doc, const char* notice) {
  const int father = WeightFatherOrNotice(doc, doc.CurrentAttribute(), notice);
  if (father < 0) return;
  Presenter presenter(SWeightGroup::Of(doc, father));
  if (presenter.Count() == 0 || !ThePrompter().RunModal(presenter)) return;
  presenter.Result().Store(doc);
}

}  // namespace zev
