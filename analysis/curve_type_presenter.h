#pragma once

#include <string>

#include "model/prompter.h"

namespace zev {

// What the visual comparison draws.
enum class ECurveType {
  Any = 0,         // any selected alternatives on any selected attributes
  Interval = 1,    // maximum, minimum and average utility of one alternative
  Difference = 2,  // the attributes where two alternatives differ more (or less) than a threshold
  Level = 3,       // the attributes where every alternative is better (or worse) than a threshold
};

struct SCurveType {
  ECurveType m_type = ECurveType::Any;
  // Difference: "smaller" instead of "greater", and the threshold.
  bool m_bSmaller = false;
  double m_dDifference = 0.0;
  // Level: "worse" instead of "better", and the threshold.
  bool m_bWorse = false;
  double m_dLevel = 0.0;
  friend bool operator==(const SCurveType&, const SCurveType&) = default;
};

// Thresholds lie in [0, 1] within this tolerance.
inline constexpr double kThresholdTolerance = 1e-8;

// The window that chooses the curve type of the visual comparison. The
// direction and threshold of the two threshold types are disabled unless
// their type is chosen.
class CCurveTypePresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "CurveType";
  static constexpr const char* kTitle = "ZEV Dialog: Select the Type of Curves to View ";
  static constexpr const char* kFieldDifference = "difference";
  static constexpr const char* kFieldLevel = "level";
  static constexpr const char* kThresholdMessage =
      "The value must be a non-negative real number in the interval [0   1].";
  // The texts of the four types; the two threshold types read on around
  // their direction and threshold.
  static constexpr const char* kTypeTexts[4] = {
      "View &ANY selected alternatives on ANY selected attributes",
      "View &maximum, minimum and average utilities of ONE selected alternative",
      "View all attribute differences", "View any attributes"};
  static constexpr const char* kThan = "than";
  static constexpr const char* kDifferenceEnd = "between TWO selected alternatives";
  static constexpr const char* kLevelEnd = "each for all the selected alternatives";
  static constexpr const char* kGreater = "greater";
  static constexpr const char* kSmaller = "smaller";
  static constexpr const char* kBetter = "better";
  static constexpr const char* kWorse = "worse";
  // The ends of the threshold scale.
  static constexpr const char* kScaleLow = "0.0";
  static constexpr const char* kScaleHigh = "1.0";

  explicit CCurveTypePresenter(const SCurveType& curveType);

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return kTitle; }

  ECurveType Type() const { return m_result.m_type; }
  void SetType(ECurveType type) { m_result.m_type = type; }
  // Whether the direction and threshold of a threshold type can be edited.
  bool IsEnabled(ECurveType type) const { return m_result.m_type == type; }
  void SetSmaller(bool b) { m_result.m_bSmaller = b; }
  void SetWorse(bool b) { m_result.m_bWorse = b; }

  // The threshold field of Difference or Level.
  const std::string& ThresholdText(ECurveType type) const;
  void SetThresholdText(ECurveType type, std::string text);
  // Moving the threshold scale: the value, shown with "%-1.4lf".
  void SetThreshold(ECurveType type, double d);
  // The threshold field lost the focus to another control: the text is
  // taken when it is a number in [0, 1] (within 1e-8); otherwise a warning
  // and false (the focus goes back, the threshold stays).
  bool ThresholdFocusLost(ECurveType type);
  // OK checks the chosen type's threshold and clamps it silently to [0, 1];
  // an unreadable one is refused as on focus loss.
  EDialogAction Ok();
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

  // The choice as it stands (after OK, the one to keep).
  const SCurveType& Result() const { return m_result; }

  // Runs the window; true and the choice in `curveType` when confirmed.
  static bool Choose(SCurveType& curveType);

 private:
  std::string& Text(ECurveType type);
  double& Threshold(ECurveType type);
  // The threshold the field holds; false when its text is not a number.
  bool Read(ECurveType type, double& d);
  // The threshold warning, with the focus back on the field; false.
  bool Refuse(ECurveType type);

  SCurveType m_result;
  std::string m_strDifference;
  std::string m_strLevel;
};

// A threshold as shown: "%-1.4lf".
std::string ThresholdText(double d);

}  // namespace zev
