#pragma once

#include <string>
#include <vector>

namespace zev {

// The recent-file list of the File menu: the most recent first, each path
// once, at most four.
class CRecentFileList {
 public:
  static constexpr int kSize = 4;

  // Puts the path first (moving it up when it is listed already).
  void Add(const std::string& path);
  void Remove(int index);
  void Clear() { m_paths.clear(); }
  // Replaces the list (from the stored settings); empty and repeated paths
  // are dropped, and only the first four are kept.
  void Assign(const std::vector<std::string>& paths);

  const std::vector<std::string>& Paths() const { return m_paths; }
  int Count() const { return static_cast<int>(m_paths.size()); }
  bool Empty() const { return m_paths.empty(); }

  // The menu text of an entry: its number as mnemonic and the file's name
  // ("&1 model.zev"), in the paths' own encoding (UTF-8).
  std::string MenuText(int index) const;

 private:
  std::vector<std::string> m_paths;
};

// The last component of a path.
std::string FileNameOf(const std::string& path);

}  // namespace zev
