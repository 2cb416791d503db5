#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/dialogs/icons.h"

namespace zev {

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About ZEV");
  setObjectName("aboutDialog");
  auto* icon = new QLabel(this);
  icon->setPixmap(AppIcon().pixmap(64, 64));
  auto* text = new QLabel(this);
  text->setText("<b>ZEV Version " ZEV_VERSION_TEXT
                "</b><br>"
                "Tarsel for Multiple Criteria Assessment<br><br>"
                "Multiple-criteria assessment with the evidential reasoning approach.<br><br>"
                "Copyright (C) 2026 The ZEV project team");
  text->setTextFormat(Qt::RichText);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(text, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  setFixedSize(sizeHint());
}

}  // namespace zev
