#pragma once

#include <string>

namespace zev {

// A text field of an entry dialog that holds a real number. The view shows
// and edits Text(). A number set by the dialog keeps its full precision for
// as long as the user leaves its text alone, so that an even spread of 1/3
// still sums to exactly one although the field shows "0.333333".
class CEntryField {
 public:
  CEntryField() { Set(0.0); }
  explicit CEntryField(double d) { Set(d); }

  // Sets the number and shows it.
  void Set(double d);
  // What the user typed.
  void SetText(std::string text) { m_strText = std::move(text); }
  const std::string& Text() const { return m_strText; }

  // The number the field holds; false when the typed text is not a number.
  bool Read(double& d) const;

 private:
  std::string m_strText;
  std::string m_strOwnText;  // the text of m_dValue as the dialog showed it
  double m_dValue = 0.0;
};

}  // namespace zev
