#include "app/commands/model_files.h"

namespace zev {

const char* ModelFileFilter() { return "ZEV Model Files (*.zev)|*.zev|All Files (*.*)|*.*||"; }
const char* ModelFileExtension() { return "zev"; }

bool LoadModelFromFile(const std::string&, CMADMDoc&, std::string& message) {
  message = "Model files cannot be read by this build.";
  return false;
}

bool SaveModelToFile(const std::string&, CMADMDoc&, std::string& message) {
  message = "Model files cannot be written by this build.";
  return false;
}

}  // namespace zev
