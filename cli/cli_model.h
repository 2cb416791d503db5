#pragma once

#include <string>

#include "model/madm_doc.h"

namespace zev::cli {

// Exit statuses of zev-cli.
inline constexpr int kOk = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsage = 2;

// Reads a model for a command, with the engine attached; a damaged or
// missing file is a warning as the desktop shows it, and false.
bool LoadModel(const std::string& path, CMADMDoc& doc);
bool SaveModel(const std::string& path, CMADMDoc& doc);

// "zev-cli: " and the text on standard error; returns kUsage.
int UsageError(const std::string& text);

// The attribute named exactly so, else the one with this index; -1 when
// there is none.
int FindAttributeIndex(const CMADMDoc& doc, const std::string& nameOrIndex);
// The same, with a usage message naming the range when there is none.
int AttributeArgument(const CMADMDoc& doc, const std::string& nameOrIndex);
// The first alternative named exactly so, else "@N" for the N-th in list
// order from 1; -1 and a usage message when there is none.
int AlternativeArgument(const CMADMDoc& doc, const std::string& nameOrNumber);

}  // namespace zev::cli
