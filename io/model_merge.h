#pragma once

#include <string>
#include <string_view>

#include "model/madm_doc.h"

namespace zev {

// Bringing content of another model file into the open model. The other
// file is read whole and checked by the model file reader into a model of
// its own before the open model changes at all: a file that cannot be
// opened, is damaged or is refused leaves the open model exactly as it was,
// and so does a question answered No. Attributes of the two models are
// matched by exact name, alternatives (where they are matched) likewise.

enum class EMergeKind {
  // Every alternative of the other model arrives as a new alternative with
  // its assessments on the attributes of the same name.
  Alternatives,
  // The assessments of the other model's alternatives go to the open
  // model's alternatives of the same name.
  Data,
  // The other model's hierarchy becomes a new branch under the current
  // attribute.
  Attributes,
};

enum class EMergeResult {
  Merged,
  Unreadable,  // the file could not be opened: "Unable to open the following file:"
  Damaged,     // the model file reader refused it, with its message
  Refused,     // a limit or the current attribute does not allow the command
  Abandoned,   // the user declined: the attribute name question or the window
};

// The three commands on the bytes of the other file; `path` names it in
// the messages. Every message goes through the prompter.
EMergeResult MergeModelBytes(CMADMDoc& doc, EMergeKind kind, std::string_view bytes,
                             const std::string& path);

// The same on a file, which is read whole first.
EMergeResult MergeModelFile(CMADMDoc& doc, EMergeKind kind, const std::string& path);

inline EMergeResult AddAlternativesFromFile(CMADMDoc& doc, const std::string& path) {
  return MergeModelFile(doc, EMergeKind::Alternatives, path);
}
inline EMergeResult AddDataFromFile(CMADMDoc& doc, const std::string& path) {
  return MergeModelFile(doc, EMergeKind::Data, path);
}
inline EMergeResult AddAttributesFromFile(CMADMDoc& doc, const std::string& path) {
  return MergeModelFile(doc, EMergeKind::Attributes, path);
}

// The most attributes "Add attributes" takes from one file.
inline constexpr int kMaxMergedAttributes = 200;

}  // namespace zev
