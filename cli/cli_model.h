#pragma once

#include <string>

#include "model/madm_doc.h"

namespace zev::cli {

// Reads a model for a command, with the engine attached; a damaged or
// missing file is a warning as the desktop shows it, and false.
bool LoadModel(const std::string& path, CMADMDoc& doc);

// The attribute named exactly so, else the one with this index; -1 when
// there is none.
int FindAttributeIndex(const CMADMDoc& doc, const std::string& nameOrIndex);

}  // namespace zev::cli
