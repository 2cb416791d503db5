#include "commands/model_files.h"

#include "io/model_file.h"

namespace zev {

const char* ModelFileFilter() { return kModelFileFilter; }
const char* ModelFileExtension() { return kModelFileExtension; }

bool LoadModelFromFile(const std::string& path, CMADMDoc& doc, std::string& message) {
  SFileError error;
  if (LoadModelFile(path, doc, error)) return true;
  message = error.Message();
  return false;
}

bool SaveModelToFile(const std::string& path, CMADMDoc& doc, std::string& message) {
  SFileError error;
  if (SaveModelFile(path, doc, error)) return true;
  message = error.Message();
  return false;
}

}  // namespace zev
