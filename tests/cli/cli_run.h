#pragma once

#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace zev::test {

// What one run of zev-cli printed and returned.
struct SCliRun {
  int m_nExit = -1;
  std::string m_strOut;
  std::string m_strErr;
};

// Runs the built zev-cli with the arguments, in the given working folder.
SCliRun RunCli(const std::vector<std::string>& args);

}  // namespace zev::test
