#pragma once

#include "analysis/sensitivity_presenter.h"

namespace zev {

// The window "Sensitivity of alternative rankings to input data": the
// current alternative's input on a bottom attribute as bars to drag, and on
// the right the ranking. Input changes go straight into the alternative and
// stay.
class CInputSensitivityPresenter : public CSensitivityPresenter {
 public:
  static constexpr int kWindow = 219;
  static constexpr const char* kTitle =
      "ZEV Dialog: Sensitivity of alternative rankings to input data";

  static constexpr const char* kPickChoice =
      "Click this button if you want to select the bottom attribute whose &input data change";

  // Opens on the document's current attribute, which must have no children.
  explicit CInputSensitivityPresenter(CMADMDoc& doc);
  // Why the window cannot open on the current attribute ("" when it can).
  static std::string OpeningRefusal(const CMADMDoc& doc);

  int Attribute() const { return m_nAttribute; }
  // Bar `point` of the input chart dragged to a value.
  void Drag(int point, double dValue);
  void RedrawRight() override;
  // A change made elsewhere. When the user makes another attribute current,
  // the window takes it if it is a bottom one; a change of the current
  // alternative alone keeps the attribute picked in the window. An edit of
  // the hierarchy keeps the window's attribute where it moved; when it went
  // or gained children, the window takes the document's current attribute
  // if that is a bottom one, else the first bottom attribute.
  void FollowDocument(const SDocChange& change) override;
  // Tells the user that the changes are in memory only.
  void Close() const;

 private:
  void PickAttribute(int k) override;
  void DrawInput();
  bool IsBottom(int k) const;

  int m_nAttribute = 0;
  // The document's current attribute when the window last looked.
  int m_nFollowed = 0;
};

}  // namespace zev
