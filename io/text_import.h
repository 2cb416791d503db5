#pragma once

#include <string>
#include <string_view>

#include "model/madm_doc.h"

namespace zev {

// Reading assessment data from a text data file into the open model.
//
// The file is a sequence of blank-separated words (code page 1252 bytes):
//   ALTERNATIVE NAME: {name}
//   ATTRIBUTE NAME: {name} TYPE: QUANTITATIVE VALUE: real
//   ATTRIBUTE NAME: {name} TYPE: QUALITATIVE NUMBER: n JUDGEMENT: {grade} real ...
//   ATTRIBUTE NAME: {name} TYPE: UNCERTAIN NUMBER: m DISTRIBUTION: real real ...
// Reading stops at the first error. What the blocks before it stored stays
// in the model; the model is marked modified when anything was stored, and
// nothing is recomputed.

enum class ETextImportError {
  None,
  FileStructure,
  ObjectName,
  AlternativeFieldName,
  AttributeFieldName,
  FieldName,
  AlternativeName,
  AttributeName,
  AttributeType,
  AttributeValue,
  GradeNumber,
  GradeName,
  ValueNumber,
  ValueType,
  BeliefType,
  BeliefDegree,
  TotalBelief,
  // The two errors of the name reader: no "{" before a name, or no "}"
  // closing it (a word inside begins with "{", the file ends, or 9999 words
  // went by).
  NameLeftBracket,
  NameRightBracket,
};

struct STextImportResult {
  ETextImportError m_error = ETextImportError::None;
  // The caption and the text of the message that tells the outcome.
  std::string m_strHeading;
  std::string m_strMessage;
  int m_nAlternativeBlocks = 0;
  int m_nAttributeBlocks = 0;

  bool Succeeded() const { return m_error == ETextImportError::None; }
};

// The caption of each error's message box.
const char* TextImportHeading(ETextImportError error);

// The rules every reader of assessment data applies: a value within the
// attribute's best and worst value, a belief degree within [0, 1], and a
// total of degrees at most 1, each with this tolerance.
inline constexpr double kDataTolerance = 0.00001;
bool DataValueInRange(double v, const CAttribute& attribute);
inline bool DataDegreeInRange(double d) {
  return -kDataTolerance <= d && d <= 1.0 + kDataTolerance;
}
inline bool DataTotalInRange(double sum) { return sum <= 1.0 + kDataTolerance; }

inline constexpr const char* kTextImportSuccess = "The whole data file has been read successfully!";

// Reads the bytes of a data file into the model without showing anything.
STextImportResult ReadTextData(CMADMDoc& doc, std::string_view bytes);

// Reads the bytes and shows the outcome as a warning (success or the error).
STextImportResult ImportTextData(CMADMDoc& doc, std::string_view bytes);

// Reads the named file and imports it as above. False, with the reason in
// `error` and nothing shown, when the file cannot be opened or read.
bool ImportTextDataFile(CMADMDoc& doc, const std::string& path, STextImportResult& result,
                        std::string& error);

}  // namespace zev
