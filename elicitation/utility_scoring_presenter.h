#pragma once

#include <functional>
#include <string>
#include <vector>

#include "elicitation/entry_field.h"
#include "elicitation/method_choice_presenter.h"
#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// The modeless window that scores the grade utilities of one attribute:
// each grade has an order of preference (1 = most preferred) and a utility
// that must keep to that order. Utilities reach the attribute on "&Update";
// a new number of grades of a quantitative attribute reaches it at once.
class CUtilityScoringPresenter {
 public:
  static constexpr const char* kFieldUtility = "utility";
  static constexpr const char* kFieldOrder = "order";

  // Opens on attribute k. The grades of an attribute that is not
  // qualitative are named after their values, in the window and the model.
  CUtilityScoringPresenter(CMADMDoc& doc, int k);

  static std::string Title() { return "ZEV Dialog: Visual Scoring of Utilities"; }
  int Attribute() const { return m_nAttribute; }
  const std::string& AttributeName() const { return m_strAttributeName; }
  bool IsQualitative() const { return m_bQualitative; }
  // Whether the attribute is still the one the window opened on (after the
  // hierarchy changed, its slot may hold another one, or none).
  bool StillValid() const;

  int Count() const { return static_cast<int>(m_grades.size()); }
  const std::string& GradeName(int g) const { return Grade(g).m_strName; }
  int Order(int g) const { return Grade(g).m_nOrder; }
  double Utility(int g) const { return Grade(g).m_dUtility; }
  // As the list shows them.
  std::string OrderText(int g) const;
  std::string UtilityText(int g) const;

  int Selected() const { return m_nSelected; }
  // Selects a grade; "Edit Utility" and "Edit Order" show its utility and order.
  void Select(int g);

  // The number of grades offered (3, 5 or 9), and what may be edited now.
  static const std::vector<int>& NumberChoices();
  int Number() const { return m_nNumber; }
  bool UtilityEnabled() const { return !m_bOrderEditing && !m_bNumberEditing; }
  bool OrderEditing() const { return m_bOrderEditing; }
  bool NumberEditing() const { return m_bNumberEditing; }

  // The fields.
  CEntryField m_utility;   // "Edit Utility"
  std::string m_strOrder;  // "Edit Order"

  // The point of grade `point` dragged to `value` (the chart has one
  // series): the grade is selected and takes the value if it keeps to the
  // orders; false after a refusal, with the display as it was.
  bool Drag(int series, int point, double value);
  // The typed utility for the selected grade; false after a refusal.
  bool ConfirmUtility();
  // "&Edit Grade": order editing (qualitative) or the number choice.
  void EditGrade();
  // The typed order for the selected grade, after its question: the two
  // grades swap orders and the utilities are reset from the orders.
  bool ConfirmOrder();
  // A number of grades chosen while number editing, after its question.
  void ChooseNumber(int n);
  // "&Update": applies the typed utility, then, after the question, writes
  // the utilities and grade definitions to the attribute; false when the
  // typed utility was refused.
  bool Update();
  // "&Restart", after its question.
  void Restart();
  // "&Comments": the selected grade's meaning (qualitative) or the
  // attribute's description.
  void Comments();
  // Loads the window again from the attribute, as at opening.
  void Reload();

  const std::string& FocusField() const { return m_strFocus; }

 private:
  struct SGrade {
    std::string m_strName;
    std::string m_strDefinition;
    int m_nOrder = 1;
    double m_dUtility = 0.0;
  };
  const SGrade& Grade(int g) const { return m_grades[static_cast<size_t>(g)]; }
  void Load();
  void DeriveOrders();
  // The grade with this order, or -1.
  int GradeOfOrder(int order) const;
  bool SetUtility(int g, double value);
  bool Refuse(const std::string& text, const char* field);
  // Rules from the attribute down and a refresh after a write.
  void Written();

  CMADMDoc& m_doc;
  int m_nAttribute;
  std::string m_strAttributeName;
  std::uint16_t m_nType = Qualitative;
  bool m_bQualitative = true;
  std::vector<SGrade> m_grades;
  int m_nSelected = 0;
  int m_nNumber = 5;
  bool m_bOrderEditing = false;
  bool m_bNumberEditing = false;
  std::string m_strFocus;
};

// Estimate Utility, "Select &Methods" on the current attribute: the direct
// assignment, or the visual scoring window opened by `openVisualScoring`;
// the other three choices do nothing.
void UtilitySelectMethodsCommand(CMADMDoc& doc, const std::function<void()>& openVisualScoring);

}  // namespace zev
