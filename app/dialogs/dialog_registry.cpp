#include "app/dialogs/dialog_registry.h"

#include <map>
#include <memory>

#include "app/dialogs/dialog_view.h"

namespace zev {

namespace {

struct SEntry {
  DialogRunner m_run;
  DialogFactory m_create;  // empty for a runner registered alone
};

std::map<std::string, SEntry>& Entries() {
  static std::map<std::string, SEntry> entries;
  return entries;
}

}  // namespace

void RegisterDialogView(const std::string& kind, DialogRunner runner) {
  if (runner)
    Entries()[kind] = {std::move(runner), nullptr};
  else
    Entries().erase(kind);
}

void RegisterDialogFactory(const std::string& kind, DialogFactory factory) {
  if (!factory) {
    Entries().erase(kind);
    return;
  }
  DialogRunner run = [factory](CDialogPresenter& p, QWidget* parent) {
    std::unique_ptr<CDialogView> view(factory(p, parent));
    return view && view->exec() == QDialog::Accepted;
  };
  Entries()[kind] = {std::move(run), std::move(factory)};
}

CDialogView* CreateDialogView(CDialogPresenter& presenter, QWidget* parent) {
  auto it = Entries().find(presenter.DialogKind());
  if (it == Entries().end() || !it->second.m_create) return nullptr;
  DialogFactory factory = it->second.m_create;
  return factory(presenter, parent);
}

bool HasDialogView(const std::string& kind) { return Entries().count(kind) != 0; }

bool RunDialogView(CDialogPresenter& presenter, QWidget* parent, bool* pFound) {
  auto it = Entries().find(presenter.DialogKind());
  if (pFound) *pFound = it != Entries().end();
  if (it == Entries().end()) return false;
  // A copy: the view may register others while it runs.
  DialogRunner run = it->second.m_run;
  return run(presenter, parent);
}

}  // namespace zev
