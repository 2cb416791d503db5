#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// A fresh temporary folder, removed when the object goes.
class CTempDir {
 public:
  CTempDir();
  ~CTempDir();
  CTempDir(const CTempDir&) = delete;
  CTempDir& operator=(const CTempDir&) = delete;
  std::string Path(const std::string& name) const { return m_strPath + "/" + name; }

 private:
  std::string m_strPath;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace zev::test
