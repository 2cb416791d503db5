#include "io/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
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
  const std::string folder = FolderOf(path);
  std::string tmp = path + ".XXXXXX";
  int fd = ::mkstemp(tmp.data());
  if (fd < 0) {
    error = "The file <" + path + "> cannot be created in the folder <" + folder +
            ">: " + Reason(errno) + ".";
    return false;
  }
  // A new file gets the permissions a plain creation would give it; an
  // existing one keeps its own.
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) {
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
  if (ok && ::rename(tmp.c_str(), path.c_str()) != 0) {
    why = Reason(errno);
    ok = false;
  }
  if (!ok) {
    ::unlink(tmp.c_str());
    error = "The file <" + path + "> could not be written: " + why + ".";
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
  ::close(fd);
  return true;
}

}  // namespace zev
