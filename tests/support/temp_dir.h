#pragma once

#include <filesystem>
#include <string>

namespace zev::test {

// A fresh folder under the system's temporary folder, removed with all it
// holds (even where a test took away the permissions) when the object goes.
class CTempDir {
 public:
  CTempDir();
  ~CTempDir();
  CTempDir(const CTempDir&) = delete;
  CTempDir& operator=(const CTempDir&) = delete;

  const std::filesystem::path& Dir() const { return m_dir; }
  // The path of a file in the folder.
  std::string Path(const std::string& name) const { return (m_dir / name).string(); }
  // How many entries the folder holds.
  std::size_t EntryCount() const;

 private:
  std::filesystem::path m_dir;
};

// A whole file as bytes ("" when it cannot be read), and bytes written as a file.
std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace zev::test
