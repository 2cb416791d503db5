#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zev {

// Where the bytes of a file go on their way to disk. Tests put a sink in
// between that fails after some bytes, like a full disk.
class CByteSink {
 public:
  virtual ~CByteSink() = default;
  // False when the bytes could not all be written; `error` says why.
  virtual bool Write(std::string_view bytes, std::string& error) = 0;
};

// Writes a whole file so that it is never left half written: the bytes go
// to a temporary file in the target's folder, which is flushed to disk and
// then renamed over the target. A symbolic link is followed to the file it
// names, which is replaced while the link stays; the replacement keeps the
// permissions (and, where the system allows, the owner) of the file it
// replaces. A file or folder the user may not write, or whose mode bits allow
// nobody to write it, is refused before anything is written. On any failure
// the temporary file is removed, the target (if it existed) is untouched, and
// `error` tells what went wrong in words a user understands.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

// The same, with the bytes passing through `filter` on their way to the
// temporary file (for tests). The filter forwards to `next`.
class CSinkFilter {
 public:
  virtual ~CSinkFilter() = default;
  virtual bool Write(std::string_view bytes, CByteSink& next, std::string& error) = 0;
};
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                         CSinkFilter* filter);

// Reads a whole file into `bytes`; false with a reason in `error`.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);

}  // namespace zev
