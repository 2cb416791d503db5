#pragma once

#include <QDialog>

namespace zev {

// "About ZEV": the program's name, version and copyright.
class CAboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDialog(QWidget* parent = nullptr);
};

}  // namespace zev
