#include "commands/recent_files.h"

#include <algorithm>

#include "model/format.h"

namespace zev {

std::string FileNameOf(const std::string& path) {
  std::string::size_type slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void CRecentFileList::Add(const std::string& path) {
  if (path.empty()) return;
  m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
  m_paths.insert(m_paths.begin(), path);
  if (m_paths.size() > static_cast<size_t>(kSize)) m_paths.resize(kSize);
}

void CRecentFileList::Remove(int index) {
  if (index < 0 || index >= Count()) return;
  m_paths.erase(m_paths.begin() + index);
}

void CRecentFileList::Assign(const std::vector<std::string>& paths) {
  m_paths.clear();
  for (const std::string& p : paths) {
    if (p.empty() || std::find(m_paths.begin(), m_paths.end(), p) != m_paths.end()) continue;
    m_paths.push_back(p);
    if (Count() == kSize) break;
  }
}

std::string CRecentFileList::MenuText(int index) const {
  if (index < 0 || index >= Count()) return {};
  std::string name = FileNameOf(m_paths[static_cast<size_t>(index)]);
  // A mnemonic character in the name itself is shown, not taken as one.
  std::string escaped;
  for (char c : name) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return "&" + FormatInt(index + 1) + " " + escaped;
}

}  // namespace zev
