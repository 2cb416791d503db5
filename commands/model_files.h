#pragma once

#include <string>

#include "model/madm_doc.h"

namespace zev {

// The model file as the desktop's file commands use it.

// The file window filter and default extension of model files.
const char* ModelFileFilter();
const char* ModelFileExtension();

// Reads a model file into `doc` (a fresh document); false with the message
// to show when the file cannot be read or is damaged.
bool LoadModelFromFile(const std::string& path, CMADMDoc& doc, std::string& message);
// Writes the model file atomically; false with the message to show.
bool SaveModelToFile(const std::string& path, CMADMDoc& doc, std::string& message);

}  // namespace zev
