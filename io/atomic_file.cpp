#include "io/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

namespace zev {

namespace {

std::string Reason(int err) { return std::strerror(err); }

class CFdSink : public CByteSink {
 public:
  explicit CFdSink(int fd) : m_fd(fd) {}
  bool Write(std::string_view bytes, std::string& error) override {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
      ssize_t n = ::write(m_fd, p, left);
      if (n < 0) {
        if (errno == EINTR) continue;
        error = Reason(errno);
        return false;
      }
      p += n;
      left -= static_cast<std::size_t>(n);
    }
    return true;
  }

 private:
  int m_fd;
};

class CFilteredSink : public CByteSink {
 public:
  CFilteredSink(CSinkFilter& filter, CByteSink& next) : m_filter(filter), m_next(next) {}
  bool Write(std::string_view bytes, std::string& error) override {
    return m_filter.Write(bytes, m_next, error);
  }

 private:
  CSinkFilter& m_filter;
  CByteSink& m_next;
};

std::string FolderOf(const std::string& path) {
  std::string::size_type slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a path finally names: symbolic links are followed (a dangling
// one to the file it would name), so that saving through a link updates its
// target and keeps the link. False for a loop of links.
bool ResolveLinks(const std::string& path, std::string& target) {
  target = path;
  // As many links as the system itself follows before it gives up.
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    std::string link(static_cast<std::size_t>(std::max<off_t>(st.st_size, PATH_MAX)) + 1, '\0');
    const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
    if (n < 0 || static_cast<std::size_t>(n) >= link.size()) return true;
    link.resize(static_cast<std::size_t>(n));
    if (link.empty() || link.front() == '/') {
      target = link;
    } else {
      const std::string folder = FolderOf(target);
      target = (folder == "/" ? folder : folder + "/") + link;
    }
  }
  return false;
}

// Whether this user may change an entry: the system must allow it, and its
// mode bits must allow writing to someone. The second rule keeps a file
// made read-only read-only for the administrator too, whom the system
// itself never refuses.
bool MayWrite(const std::string& path, const struct stat& st) {
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
  return WriteFileAtomically(path, bytes, error, nullptr);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                         CSinkFilter* filter) {
  error.clear();
  if (path.empty()) {
    error = "No file name was given.";
    return false;
  }
  std::string target;
  if (!ResolveLinks(path, target)) {
    error = "The file <" + path + "> cannot be written: " + Reason(ELOOP) + ".";
    return false;
  }
  // Named after the path the user gave, and after the file it stands for
  // when that is another one.
  const std::string name = target == path ? "<" + path + ">" : "<" + path + "> (<" + target + ">)";
  const std::string folder = FolderOf(target);
  struct stat st;
  const bool bExists = ::stat(target.c_str(), &st) == 0;
  if (bExists && !MayWrite(target, st)) {
    error = "The file " + name + " is read-only; it was not changed.";
    return false;
  }
  struct stat folderStat;
  if (::stat(folder.c_str(), &folderStat) == 0 && !MayWrite(folder, folderStat)) {
    error = "The file " + name + " cannot be created in the folder <" + folder +
            ">: " + Reason(EACCES) + ".";
    return false;
  }
  std::string tmp = target + ".XXXXXX";
  int fd = ::mkstemp(tmp.data());
  if (fd < 0) {
    error = "The file " + name + " cannot be created in the folder <" + folder +
            ">: " + Reason(errno) + ".";
    return false;
  }
  // A new file gets the permissions a plain creation would give it; an
  // existing one keeps its own, and its owner where the system allows it.
  if (bExists) {
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
      // Only the administrator may give a file away; the user keeps it.
    }
    ::fchmod(fd, st.st_mode & 07777);
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }

  CFdSink fileSink(fd);
  std::string why;
  bool ok;
  if (filter) {
    CFilteredSink filtered(*filter, fileSink);
    ok = filtered.Write(bytes, why);
  } else {
    ok = fileSink.Write(bytes, why);
  }
  if (ok && ::fsync(fd) != 0) {
    why = Reason(errno);
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    why = Reason(errno);
    ok = false;
  }
  if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) {
    why = Reason(errno);
    ok = false;
  }
  if (!ok) {
    ::unlink(tmp.c_str());
    error = "The file " + name + " could not be written: " + why + ".";
    return false;
  }
  // Make the rename itself durable.
  int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  bytes.clear();
  error.clear();
  int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) {
    error = "The file <" + path + "> cannot be opened: " + Reason(errno) + ".";
    return false;
  }
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    error = "The file <" + path + "> is a folder.";
    return false;
  }
  char buf[65536];
  try {
    for (;;) {
      ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0) {
        if (errno == EINTR) continue;
        error = "The file <" + path + "> cannot be read: " + Reason(errno) + ".";
        ::close(fd);
        bytes.clear();
        return false;
      }
      if (n == 0) break;
      bytes.append(buf, static_cast<std::size_t>(n));
    }
  } catch (const std::bad_alloc&) {
    ::close(fd);
    bytes = std::string();
    error = "The file <" + path + "> is too large to be read into the memory available.";
    return false;
  }
  ::close(fd);
  return true;
}

}  // namespace zev
