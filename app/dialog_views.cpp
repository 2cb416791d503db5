#include "app/dialog_views.h"

#include <map>

namespace zev {

namespace {

std::map<std::string, DialogView>& Views() {
  static std::map<std::string, DialogView> views;
  return views;
}

}  // namespace

void RegisterDialogView(const std::string& kind, DialogView view) {
  if (view)
    Views()[kind] = std::move(view);
  else
    Views().erase(kind);
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
