#pragma once

#include <string>

#include "model/madm_doc.h"

namespace zev::cli {

inline constexpr int kOk = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsage = 2;

// Reads a model and attaches the engine; a damaged or missing file is a
// warning as the desktop shows it.
bool LoadModel(const std::string& path, CMADMDoc& doc);
// Saves a model; a failure is a warning.
bool SaveModel(const std::string& path, CMADMDoc& doc);
// "zev-cli: " and the text on standard error; returns kUsage.
int Usage(const std::string& text);

// The attribute named exactly so, else the one with this index; -1 if none.
int FindAttributeIndex(const CMADMDoc& doc, const std::string& nameOrIndex);

}  // namespace zev::cli
