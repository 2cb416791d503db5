#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QWidget;

namespace zev {

// Validation on loss of focus for the fields of one window. A field is
// checked when the focus leaves it for another control of the same window;
// after a refusal the focus goes to the field the presenter names (or back
// to the field left). Moving into a message box, a drop-down list or
// another window is no loss of focus, nor is pressing an exempt button
// (OK and Cancel, which check and clamp by themselves).
class CFocusGuard : public QObject {
  Q_OBJECT

 public:
  CFocusGuard(QWidget* window, std::function<std::string()> focusFieldName);

  void Guard(QWidget* field, std::function<bool()> check);
  // Calls entered whenever the field (or a part of it) gets the focus.
  void OnFocus(QWidget* field, std::function<void()> entered);
  void Exempt(QPushButton* button);

  // Gives the focus to the named child of the window (selecting its text)
  // without checking the field it leaves.
  bool FocusNamed(const std::string& name);

 private:
  void FocusChanged(QWidget* old, QWidget* now);
  static int Owner(const std::vector<QWidget*>& fields, QWidget* w);

  QWidget* m_pWindow;
  std::function<std::string()> m_focusFieldName;
  std::vector<QWidget*> m_guarded;
  std::vector<std::function<bool()>> m_checks;
  std::vector<QWidget*> m_watched;
  std::vector<std::function<void()>> m_entered;
  std::vector<QPushButton*> m_exempt;
  bool m_bMoving = false;
};

}  // namespace zev
