#pragma once

#include <cstdint>
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

// Runs the built zev-cli with the arguments, in the given working folder;
// with a limit, the program may take at most that many bytes of address space.
SCliRun RunCli(const std::vector<std::string>& args, std::uint64_t nAddressSpace = 0);

}  // namespace zev::test
