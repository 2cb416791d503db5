#include "tests/cli/cli_run.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace zev::test {

SCliRun RunCli(const std::vector<std::string>& args, std::uint64_t nAddressSpace) {
  CTempDir io;
  const std::string out = io.Path("stdout");
  const std::string err = io.Path("stderr");
  pid_t child = ::fork();
  if (child == 0) {
    int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (o < 0 || e < 0 || ::dup2(o, 1) < 0 || ::dup2(e, 2) < 0) std::_Exit(127);
    if (nAddressSpace > 0) {
      struct rlimit limit;
      ::getrlimit(RLIMIT_AS, &limit);
      limit.rlim_cur = nAddressSpace;
      if (::setrlimit(RLIMIT_AS, &limit) != 0) std::_Exit(127);
    }
    std::vector<char*> argv;
    std::string program = ZEV_CLI;
    argv.push_back(program.data());
    std::vector<std::string> copies(args);
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    std::_Exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  SCliRun run;
  run.m_nExit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.m_strOut = ReadFile(out);
  run.m_strErr = ReadFile(err);
  return run;
}

}  // namespace zev::test
