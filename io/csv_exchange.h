#pragma once

#include <string>
#include <string_view>

#include "model/madm_doc.h"

namespace zev {

// Assessments and results as comma-separated tables for spreadsheets.
//
// The assessments table has one row per alternative (its name first) and
// one column per bottom attribute, headed by the attribute's name, in the
// order of the hierarchy walk. A cell holds
//   qualitative:  grade and degree pairs    "Good: 0.6; Best: 0.3"
//   quantitative: one number                "12500"
//   uncertain:    value and degree pairs    "20: 0.5; 30: 0.5"
// A grade name that holds a semicolon, begins with a quote or has blanks
// at either end is written in double quotes ("Grade ""A""; top": 0.5).

// For the file choosers.
inline constexpr const char* kCsvFileFilter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";
inline constexpr const char* kCsvFileExtension = "csv";

// The results table after the Rank command's evaluation (the conversion
// rules propagated from the top, every alternative evaluated and ranked on
// the top attribute): per alternative in list order its name, ranking and
// the minimum, average and maximum utility on every attribute in the order
// of the hierarchy walk.
std::string ExportResultsCsv(CMADMDoc& doc);

// The assessments table of the model as it stands.
std::string ExportAssessmentsCsv(const CMADMDoc& doc);

struct SCsvImportResult {
  bool m_bSucceeded = false;
  // The refusal, naming the row, the column and the rule; or what was read.
  std::string m_strMessage;
  int m_nRowsRead = 0;
  int m_nAlternativesAdded = 0;
  // The records whose assessment the table changed.
  int m_nRecordsChanged = 0;
};

// Reads an assessments table into the model. The whole table is checked
// first, with the rules of the text data file (names matched exactly,
// degrees within [0, 1] and totals at most 1 with a tolerance of 0.00001,
// values within the attribute's best and worst value, 1 to 20 values);
// when any cell is refused, nothing is stored. Row k of a name goes to the
// k-th alternative of that name in list order, or, when the model has no
// such alternative, to a new one added as New Alternative adds it. An
// empty cell, and a precise value equal to the one the record holds, leave
// the record as it is. Nothing is shown; the caller tells the outcome.
SCsvImportResult ReadAssessmentsCsv(CMADMDoc& doc, std::string_view bytes);

// The desktop command's part: reads the bytes as above and tells the user
// the outcome (the refusal as a warning, success as information).
SCsvImportResult ImportAssessmentsCsv(CMADMDoc& doc, std::string_view bytes);

}  // namespace zev
