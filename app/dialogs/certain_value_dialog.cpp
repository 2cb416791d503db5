#include "app/dialogs/certain_value_dialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CCertainValueDialog::CCertainValueDialog(CCertainValueEntry& p, QWidget* parent)
    : CEntryDialog(p, parent, "certainValueDialog"), m_p(p) {
  auto* body = new QWidget(this);
  auto* form = new QFormLayout(body);
  form->addRow("Best value:", PlainLabel(ToQt(p.BestText()), body));
  form->addRow("Worst value:", PlainLabel(ToQt(p.WorstText()), body));
  form->addRow("Unit:", PlainLabel(ToQt(p.Unit()), body));
  m_pValue = new QLineEdit(body);
  m_pValue->setObjectName(CCertainValueEntry::kFieldValue);
  form->addRow(CCertainValueEntry::kValueLabel, m_pValue);
  Bind(m_pValue, ToQt(p.ValueText()), [this](const QString& t) { m_p.SetValueText(FromQt(t)); });
  GuardField(m_pValue, [this] { return m_p.ValueFocusLost(); });
  Assemble(body, false);
}

}  // namespace zev
