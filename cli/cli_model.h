#pragma once

#include <string>

#include "model/madm_doc.h"

namespace zev::cli {

inline constexpr int kOk = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsage = 2;

// Reads a model for a command, with the engine attached; a damaged or
// missing file is a warning as the desktop shows it, and false.
bool LoadModel(const std::string& path, CMADMDoc& doc);
// Saves a model; a failure is a warning, and false.
bool SaveModel(const std::string& path, CMADMDoc& doc);
// "zev-cli: " and the text on standard error; returns kUsage.
int Usage(const std::string& text);

// The attribute named exactly so, else the one with this index; -1 when
// there is none.
int FindAttributeIndex(const CMADMDoc& doc, const std::string& nameOrIndex);

// The same, or -1 after a usage message that says which there are.
int LookUpAttribute(const CMADMDoc& doc, const std::string& nameOrIndex);
// The first alternative named exactly so, else "@N" for the N-th in list
// order from 1; -1 after a usage message when there is none.
int LookUpAlternative(const CMADMDoc& doc, const std::string& nameOrNumber);

}  // namespace zev::cli
