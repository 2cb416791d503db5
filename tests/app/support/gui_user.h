#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "tests/support/scripted_prompter.h"

namespace zev::test {

// The user of the desktop tests: a scripted user whose texts read as the
// user reads them (converted from code page 1252) and whose problems every
// test checks at its end through Unexpected().
class CGuiUser : public CPresenterScriptedPrompter {
 public:
  CGuiUser& Answer(EAnswer answer) {
    QueueAnswer(answer);
    return *this;
  }
  CGuiUser& OnDialog(std::string kind, DialogScript script) {
    QueueDialog(std::move(kind), std::move(script));
    return *this;
  }
  template <typename P>
  CGuiUser& OnDialog(std::function<bool(P&)> script) {
    QueueDialog<P>(std::move(script));
    return *this;
  }
  // "" cancels the file window.
  CGuiUser& ChooseFile(std::string path) {
    QueueFile(std::move(path));
    return *this;
  }
  using CScriptedPrompter::ChooseFile;

  QStringList Texts() const;
  QString LastText() const;
  // Everything asked for that was not scripted, and scripts never used.
  QStringList Unexpected() const;
};

}  // namespace zev::test
