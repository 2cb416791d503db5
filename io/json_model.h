#pragma once

#include <string>
#include <string_view>

#include "io/model_file.h"
#include "model/madm_doc.h"

namespace zev {

// The JSON form of a whole model: everything the model file holds, in
// UTF-8, so that other programs can read and write models. Reading it back
// gives a model that saves to the very bytes the original saves to.
// docs/json-model.md describes the form.

inline constexpr const char* kJsonFileFilter =
    "ZEV Models in JSON (*.json)|*.json|All Files (*.*)|*.*||";
inline constexpr const char* kJsonFileExtension = "json";
// The value of the "format" member, and the version this program writes.
inline constexpr const char* kJsonFormatName = "ZEV model";
inline constexpr int kJsonFormatVersion = 1;

// The JSON text of the model (the document is not changed).
std::string WriteModelJson(const CMADMDoc& doc);

// Reads a model from its JSON text into `doc`, with the checks of the
// model file reader (every limit, one tree under attribute 0, counts and
// ranges) and those of the form itself (every member present, of its type,
// no other members). On success the document holds the model as a model
// file read would leave it; on failure `doc` is untouched and
// `error.m_strProblem` says what is wrong and where ("/attributes/3/weight:
// ..."). More than 51 attributes show the attribute limit message first,
// as the model file reader does.
bool ReadModelJson(std::string_view text, CMADMDoc& doc, SFileError& error);

// The same for a file; the error names the file.
bool LoadModelJsonFile(const std::string& path, CMADMDoc& doc, SFileError& error);

// Writes the JSON text through the atomic-file helper.
bool SaveModelJsonFile(const std::string& path, const CMADMDoc& doc, SFileError& error);

}  // namespace zev
