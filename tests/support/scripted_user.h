#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/scripted_prompter.h"

namespace zev::test {

// The scripted user of the core tests: whatever it was not prepared for
// fails the running test at once, and whatever was queued but never used
// fails it at the end.
class CScriptedUser : public CPresenterScriptedPrompter {
 public:
  CScriptedUser() = default;
  ~CScriptedUser() override;

  CScriptedUser& Answer(EAnswer answer) {
    QueueAnswer(answer);
    return *this;
  }
  CScriptedUser& ChooseFile(std::string path) {
    QueueFile(std::move(path));
    return *this;
  }
  CScriptedUser& OnDialog(std::string kind, DialogScript script) {
    QueueDialog(std::move(kind), std::move(script));
    return *this;
  }
  template <typename P>
  CScriptedUser& OnDialog(std::function<bool(P&)> script) {
    QueueDialog<P>(std::move(script));
    return *this;
  }
  using CScriptedPrompter::ChooseFile;

  std::vector<std::string> Texts() const;
  // The text of the only message shown; fails the test otherwise.
  std::string OnlyText() const;
  const SMessage& Last() const;
  std::size_t Count() const { return Messages().size(); }

  EAnswer Show(const SMessage& message) override;

 protected:
  void Problem(const std::string& what) override;
};

}  // namespace zev::test
