#include "app/dialogs/data_input_method_dialog.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zev {

CDataInputMethodDialog::CDataInputMethodDialog(CDataInputMethodPresenter& p, QWidget* parent)
    : CDialogView(p, parent, "dataInputMethodDialog"), m_p(p) {
  auto* layout = new QVBoxLayout(this);
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < CDataInputMethodPresenter::kMethods; ++i) {
    auto* method = new QRadioButton(CDataInputMethodPresenter::MethodText(i), this);
    method->setObjectName(QString("method%1").arg(i));
    group->addButton(method, i);
    layout->addWidget(method);
    connect(method, &QRadioButton::toggled, this, [this, i](bool bOn) {
      if (bOn) m_p.m_nMethod = i;
    });
    m_methods.push_back(method);
  }
  if (p.m_nMethod >= 0 && p.m_nMethod < CDataInputMethodPresenter::kMethods) {
    m_methods[static_cast<size_t>(p.m_nMethod)]->setChecked(true);
  }
  AddOkCancel(layout, CDataInputMethodPresenter::kSelectLabel,
              CDataInputMethodPresenter::kCancelLabel);
}

}  // namespace zev
