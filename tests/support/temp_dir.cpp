#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace zev::test {

CTempDir::CTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zev-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) std::abort();
  m_dir = pattern;
}

CTempDir::~CTempDir() {
  std::error_code ec;
  std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all, ec);
  std::filesystem::remove_all(m_dir, ec);
}

std::size_t CTempDir::EntryCount() const {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_dir),
                                                std::filesystem::directory_iterator()));
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace zev::test
