#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include "commands/model_commands.h"
#include "model/madm_doc.h"

class QLineEdit;

namespace zev {

// The dialog-box view: the model drawn as boxes, with an edit field over the
// current attribute's focus row and one over the current alternative's name.
class CMADMView : public QAbstractScrollArea, public CDocObserver {
  Q_OBJECT

 public:
  CMADMView(CModelCommands& commands, QWidget* parent = nullptr);
  ~CMADMView() override;

  void OnDocumentChanged(CMADMDoc& doc, const SDocChange& change) override;

  QLineEdit* AttributeField() const { return m_pAttributeField; }
  QLineEdit* AlternativeField() const { return m_pAlternativeField; }
  // Device pixels per view unit (the screen's vertical resolution / 96).
  double Scale() const { return m_dScale; }
  // The alternative boxes drawn by the last paint.
  int PaintedAlternatives() const { return m_nPaintedAlternatives; }
  // The alternative whose values the attribute boxes show, or -1.
  int ShownAlternative() const { return m_nShownAlternative; }
  // A point in view units as a point of the viewport, and back.
  QPoint ToViewport(int x, int y) const;
  QPoint ToUnits(const QPoint& viewportPoint) const;
  // Scrolls so that the box centred on (x, y) is in sight.
  void EnsureBoxVisible(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void UpdateExtent();
  void PlaceFields();
  void LoadFields(bool bForce);
  void CommitAttributeField();
  void CommitAlternativeField();
  // Puts the stored texts back into the fields, dropping what was typed.
  void DiscardPending();
  bool ScrollKey(QKeyEvent* event, bool bKeypadDigits);
  void FocusAttributeField();
  // Gives a field the focus with its whole text selected.
  void FocusField(QLineEdit* field, Qt::FocusReason reason);

  CModelCommands& m_commands;
  CMADMDoc& m_doc;
  QLineEdit* m_pAttributeField;
  QLineEdit* m_pAlternativeField;
  double m_dScale = 1.0;
  int m_nPaintedAlternatives = 0;
  int m_nShownAlternative = -1;
  bool m_bCommitting = false;
  // A field the mouse has just given the focus to.
  QLineEdit* m_pClickedInto = nullptr;
  // What the fields were last loaded with, so that a refresh keeps a pending
  // edit unless its target or its stored text changed.
  int m_nFieldAttribute = -1;
  int m_nFieldRow = 0;
  QString m_strAttributeLoaded;
  int m_nFieldAlternative = -1;
  QString m_strAlternativeLoaded;
};

}  // namespace zev
