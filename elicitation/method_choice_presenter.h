#pragma once

#include <string>
#include <vector>

#include "model/prompter.h"

namespace zev {

// A choice among methods, the first one preselected; "&Select" starts the
// chosen one, cancelling starts nothing.
class CMethodChoicePresenter : public CDialogPresenter {
 public:
  // The choices in their order, with their mnemonics.
  virtual const std::vector<std::string>& Choices() const = 0;

  int m_nChoice = 0;

  EDialogAction Select() { return EDialogAction::CloseOk; }
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }
};

// How the weights of an attribute and its siblings are assigned.
class CWeightMethodPresenter : public CMethodChoicePresenter {
 public:
  static constexpr const char* kKind = "WeightMethod";
  enum EChoice { kVisualScoring = 0, kPairwise = 1 };

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Select a Method for Assigning Weights"; }
  const std::vector<std::string>& Choices() const override;
};

// How the grade utilities of an attribute are estimated; only the first two
// methods are built.
class CUtilityMethodPresenter : public CMethodChoicePresenter {
 public:
  static constexpr const char* kKind = "UtilityMethod";
  enum EChoice {
    kDirect = 0,
    kVisualScoring = 1,
    kProbability = 2,
    kAlternativeComparison = 3,
    kReference = 4
  };

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override {
    return "ZEV Dialog: Select a Method for Estimating Utilities";
  }
  const std::vector<std::string>& Choices() const override;
};

}  // namespace zev
