// Writes the example model of the project, or checks that a committed copy
// is still what the model code builds:
//   zev-make-example OUT.zev
//   zev-make-example --check examples/laptop.zev
// The check also loads the file and saves it again, which must give the
// same bytes.
#include <cstdio>
#include <cstring>
#include <string>

#include "examples/example_model.h"
#include "io/atomic_file.h"
#include "io/model_file.h"

int main(int argc, char** argv) {
  const bool bCheck = argc == 3 && std::strcmp(argv[1], "--check") == 0;
  if (!(argc == 2 && argv[1][0] != '-') && !bCheck) {
    std::fprintf(stderr, "usage: %s OUT.zev | --check FILE.zev\n", argv[0]);
    return 2;
  }
  zev::CMADMDoc doc;
  zev::examples::BuildLaptopModel(doc);
  const std::string bytes = zev::WriteModel(doc);
  const std::string path = argv[argc - 1];
  std::string error;
  if (!bCheck) {
    if (!zev::WriteFileAtomically(path, bytes, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  std::string committed;
  if (!zev::ReadWholeFile(path, committed, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  if (committed == bytes) {
    // A file this program wrote loads and saves to the same bytes.
    zev::CMADMDoc loaded;
    zev::SFileError loadError;
    if (!zev::ReadModel(committed, loaded, loadError)) {
      std::fprintf(stderr, "%s\n", loadError.Message().c_str());
      return 1;
    }
    if (zev::WriteModel(loaded) != committed) {
      std::fprintf(stderr, "%s does not save to the same bytes after loading.\n", path.c_str());
      return 1;
    }
    return 0;
  }
  std::size_t at = 0;
  while (at < committed.size() && at < bytes.size() && committed[at] == bytes[at]) ++at;
  std::fprintf(stderr,
               "%s is not what the example program builds (%zu bytes, built %zu; first "
               "difference at byte %zu). Regenerate it with zev-make-example.\n",
               path.c_str(), committed.size(), bytes.size(), at);
  return 1;
}
