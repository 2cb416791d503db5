#include "elicitation/method_choice_presenter.h"

namespace zev {

const std::vector<std::string>& CWeightMethodPresenter::Choices() const {
  static const std::vector<std::string> texts = {"&Visual scoring",
                                                 "&Pairwise comparisons of attributes"};
  return texts;
}

const std::vector<std::string>& CUtilityMethodPresenter::Choices() const {
  static const std::vector<std::string> texts = {
      "&Direct Assignment", "&Visual Scoring", "&Probability Assignment", "&Alternative Comparison",
      "&Reference Assignment"};
  return texts;
}

}  // namespace zev
