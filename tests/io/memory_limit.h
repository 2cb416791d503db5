#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "io/model_file.h"

namespace zev::test {

// Address-space limits cannot be tested under AddressSanitizer, which
// reserves far more address space than any such limit allows.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

// The bytes of a new model whose one alternative is followed by `count` - 1
// copies of a second one: few bytes for each alternative, and each takes the
// full size of an alternative in memory.
inline std::string ManyAlternativesModel(int count) {
  CMADMDoc doc;
  doc.OnNewDocument();
  const std::string one = WriteModel(doc);
  doc.AddAlternativeCommand();
  const std::string two = WriteModel(doc);
  std::size_t at = 0;
  while (one[at] == two[at]) ++at;  // the alternative count
  std::string bytes = one;
  bytes[at] = static_cast<char>(count & 0xFF);
  bytes[at + 1] = static_cast<char>((count >> 8) & 0xFF);
  const std::string second = two.substr(one.size());
  bytes.reserve(one.size() + second.size() * static_cast<std::size_t>(count));
  for (int i = 1; i < count; ++i) bytes += second;
  return bytes;
}

// Lets this process take at most `bytes` more address space than it holds.
inline void LimitAddressSpace(std::uint64_t bytes) {
  unsigned long long pages = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%llu", &pages) != 1) pages = 0;
    std::fclose(f);
  }
  struct rlimit limit;
  ::getrlimit(RLIMIT_AS, &limit);
  limit.rlim_cur = pages * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE)) + bytes;
  ::setrlimit(RLIMIT_AS, &limit);
}

}  // namespace zev::test
