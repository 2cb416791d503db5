#pragma once

#include <string>

#include "model/madm_doc.h"

namespace zev::cli {

// Reads a model and attaches the engine; a damaged or missing file is
// shown as the desktop shows it.
bool LoadModel(const std::string& path, CMADMDoc& doc);
// Writes a model; a failure is shown as the desktop shows it.
bool SaveModel(const std::string& path, CMADMDoc& doc);
// The attribute named exactly so, else the one with this index; -1 if none.
int FindAttributeIndex(const CMADMDoc& doc, const std::string& nameOrIndex);

}  // namespace zev::cli
