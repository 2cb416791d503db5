#pragma once

#include <string>
#include <vector>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// The preset choices of a utility field of the value/utility table: 0 to 1
// in steps of 0.05.
const std::vector<std::string>& ValueUtilityPresets();

// The value/utility table of a quantitative attribute: 3, 5 or 9 typical
// values, each with its utility.
class CValueUtilityPresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "ValueUtility";
  static constexpr int kMaxRows = 9;
  // Field names are these prefixes followed by the row (0..8).
  static constexpr const char* kFieldValue = "value";
  static constexpr const char* kFieldUtility = "utility";
  static constexpr const char* kFieldNumber = "number";

  explicit CValueUtilityPresenter(const CAttribute& attribute);

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Direct Assignment of Utilities"; }
  const std::string& AttributeName() const { return m_strAttributeName; }
  const std::string& BestText() const { return m_strBest; }
  const std::string& WorstText() const { return m_strWorst; }
  const std::string& Unit() const { return m_strUnit; }
  static std::string FieldName(const char* prefix, int row);

  // The numbers of typical values offered, in order.
  static const std::vector<int>& NumberChoices();
  int Number() const { return m_nNumber; }
  // Choosing 3, 5 or 9 resets the rows to evenly spaced values from worst
  // to best with utilities from 0 to 1; the focus goes to the first utility.
  void ChooseNumber(int n);

  // The rows as the view shows them; rows from Number() on are hidden.
  std::string m_strValue[kMaxRows];
  std::string m_strUtility[kMaxRows];
  // The attribute's comments, edited by "&Comments".
  std::string m_strComments;

  // A utility field lost the focus: false after the warning.
  bool UtilityFocusLost(int row);
  void Comments();
  // Clamps the utilities, then checks that they rise with the rows.
  EDialogAction Ok();
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

  // Writes a confirmed table: the grade count, the values, the utilities,
  // the comments and m_bUtilitiesChanged.
  void Store(CAttribute& attribute) const;

 private:
  bool Refuse(const char* message, const char* field, int row);

  std::string m_strAttributeName;
  std::string m_strBest;
  std::string m_strWorst;
  std::string m_strUnit;
  double m_dBest;
  double m_dWorst;
  int m_nNumber;
  double m_dValue[kMaxRows] = {};
  double m_dUtility[kMaxRows] = {};
};

// The value/utility table on attribute k; true when it was confirmed.
bool RunValueUtilityTable(CMADMDoc& doc, int k);

// "&Direct Assignment" on the current attribute: the grade table for a
// qualitative attribute, the value/utility table otherwise; then refresh and
// rule propagation.
void DirectAssignmentCommand(CMADMDoc& doc);

}  // namespace zev
