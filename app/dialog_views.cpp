#include "app/dialog_views.h"

#include <map>
#include <memory>

namespace zev {

namespace {

std::map<std::string, DialogView>& Views() {
  static std::map<std::string, DialogView> views;
  return views;
}

std::map<std::string, DialogFactory>& Factories() {
  static std::map<std::string, DialogFactory> factories;
  return factories;
}

}  // namespace

void RegisterDialogView(const std::string& kind, DialogView view) {
  Factories().erase(kind);
  if (view)
    Views()[kind] = std::move(view);
  else
    Views().erase(kind);
}

void RegisterDialogFactory(const std::string& kind, DialogFactory factory) {
  if (!factory) {
    RegisterDialogView(kind, nullptr);
    return;
  }
  RegisterDialogView(kind, [factory](CDialogPresenter& p, QWidget* parent) {
    std::unique_ptr<QDialog> dialog(factory(p, parent));
    return dialog && dialog->exec() == QDialog::Accepted;
  });
  Factories()[kind] = std::move(factory);
}

QDialog* CreateDialogView(CDialogPresenter& presenter, QWidget* parent) {
  auto it = Factories().find(presenter.DialogKind());
  if (it == Factories().end()) return nullptr;
  DialogFactory factory = it->second;
  return factory(presenter, parent);
}

bool HasDialogView(const std::string& kind) { return Views().count(kind) != 0; }

bool RunDialogView(CDialogPresenter& presenter, QWidget* parent, bool* pFound) {
  auto it = Views().find(presenter.DialogKind());
  if (pFound) *pFound = it != Views().end();
  if (it == Views().end()) return false;
  // A copy: the view may register others while it runs.
  DialogView view = it->second;
  return view(presenter, parent);
}

}  // namespace zev
