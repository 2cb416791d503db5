#include "app/dialogs/possible_value_count_dialog.h"

#include <QComboBox>
#include <QFormLayout>

#include "app/dialogs/dialog_widgets.h"
#include "app/dialogs/qt_text.h"

namespace zev {

CPossibleValueCountDialog::CPossibleValueCountDialog(CPossibleValueCount& p, QWidget* parent)
    : CEntryDialog(p, parent, "possibleValueCountDialog"), m_p(p) {
  auto* body = new QWidget(this);
  auto* form = new QFormLayout(body);
  m_pNumber = NewChoiceCombo(CPossibleValueCount::NumberChoices(), body);
  m_pNumber->setObjectName(CPossibleValueCount::kFieldNumber);
  form->addRow("Number of possible values:", m_pNumber);
  form->addRow("Minimum:", PlainLabel(ToQt(CPossibleValueCount::MinimumText()), body));
  form->addRow("Maximum:", PlainLabel(ToQt(CPossibleValueCount::MaximumText()), body));
  Bind(m_pNumber, ToQt(p.NumberText()), [this](const QString& t) { m_p.SetNumberText(FromQt(t)); });
  GuardField(m_pNumber, [this] { return m_p.NumberFocusLost(); });
  Assemble(body, false);
}

}  // namespace zev
