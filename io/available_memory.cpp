#include "io/available_memory.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "model/alternative.h"
#include "model/format.h"

namespace zev {

namespace {

constexpr std::uint64_t kUnknown = std::numeric_limits<std::uint64_t>::max();

// The first number in a small file, or kUnknown ("max" included).
std::uint64_t ReadNumber(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "r");
  if (!f) return kUnknown;
  unsigned long long n = 0;
  const bool ok = std::fscanf(f, "%llu", &n) == 1;
  std::fclose(f);
  return ok ? n : kUnknown;
}

// The value of a "Name:   1234 kB" line of /proc/meminfo, in bytes.
std::uint64_t MemInfo(const char* name) {
  std::FILE* f = std::fopen("/proc/meminfo", "r");
  if (!f) return kUnknown;
  char line[256];
  std::uint64_t value = kUnknown;
  const std::size_t length = std::strlen(name);
  while (std::fgets(line, sizeof line, f)) {
    unsigned long long kb = 0;
    if (std::strncmp(line, name, length) == 0 && line[length] == ':' &&
        std::sscanf(line + length + 1, "%llu", &kb) == 1) {
      value = static_cast<std::uint64_t>(kb) * 1024;
      break;
    }
  }
  std::fclose(f);
  return value;
}

std::uint64_t Left(std::uint64_t limit, std::uint64_t used) {
  if (limit == kUnknown) return kUnknown;
  if (used == kUnknown) return limit;
  return limit > used ? limit - used : 0;
}

// What is left under a resource limit, given the pages of /proc/self/statm
// that count against it (field 0: all mappings, field 5: data and stack).
std::uint64_t LeftUnderLimit(int resource, int statmField) {
  struct rlimit limit;
  if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return kUnknown;
  std::uint64_t used = kUnknown;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    unsigned long long fields[6] = {};
    if (std::fscanf(f, "%llu %llu %llu %llu %llu %llu", &fields[0], &fields[1], &fields[2],
                    &fields[3], &fields[4], &fields[5]) == 6) {
      used = static_cast<std::uint64_t>(fields[statmField]) *
             static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    }
    std::fclose(f);
  }
  return Left(limit.rlim_cur, used);
}

// The control group's own path ("0::/path" in /proc/self/cgroup).
std::string UnifiedGroup() {
  std::FILE* f = std::fopen("/proc/self/cgroup", "r");
  if (!f) return {};
  char line[512];
  std::string path;
  while (std::fgets(line, sizeof line, f)) {
    if (std::strncmp(line, "0::", 3) == 0) {
      path = line + 3;
      while (!path.empty() && (path.back() == '\n' || path.back() == '/')) path.pop_back();
      break;
    }
  }
  std::fclose(f);
  return path;
}

std::uint64_t LeftInControlGroup() {
  const std::string group = "/sys/fs/cgroup" + UnifiedGroup();
  std::uint64_t left =
      Left(ReadNumber(group + "/memory.max"), ReadNumber(group + "/memory.current"));
  if (left != kUnknown) return left;
  // The older hierarchy, as a container sees its own group.
  return Left(ReadNumber("/sys/fs/cgroup/memory/memory.limit_in_bytes"),
              ReadNumber("/sys/fs/cgroup/memory/memory.usage_in_bytes"));
}

}  // namespace

std::uint64_t AvailableMemory() {
  std::uint64_t machine = MemInfo("MemAvailable");
  if (machine == kUnknown) {
    const long pages = ::sysconf(_SC_AVPHYS_PAGES);
    const long size = ::sysconf(_SC_PAGESIZE);
    if (pages > 0 && size > 0) machine = static_cast<std::uint64_t>(pages) * size;
  }
  return std::min({machine, LeftUnderLimit(RLIMIT_AS, 0), LeftUnderLimit(RLIMIT_DATA, 5),
                   LeftInControlGroup()});
}

bool AlternativesFitInMemory(std::uint64_t count, std::string& shortfall, unsigned copies) {
  // Texts are left out: each takes about the bytes it takes in the file.
  const std::uint64_t need = count * sizeof(CAlternative) * copies;
  // Small models are not worth asking the system about.
  constexpr std::uint64_t kAlwaysAffordable = 64u << 20;
  if (need <= kAlwaysAffordable) return true;
  const std::uint64_t available = AvailableMemory();
  if (need <= available) return true;
  auto megabytes = [](std::uint64_t bytes) {
    return Format("%llu", static_cast<unsigned long long>((bytes + (1u << 20) - 1) >> 20)) + " MB";
  };
  shortfall = Format("%llu", static_cast<unsigned long long>(count)) + " alternatives need about " +
              megabytes(need) + " of memory, and " + megabytes(available) + " are available.";
  return false;
}

}  // namespace zev
