#pragma once

#include <string>
#include <string_view>

#include "model/madm_doc.h"
#include "model/prompter.h"

namespace zev {

// The commands of "&Save in Text File" and "Summary &Report". Each checks
// that the model has an attribute besides the Top, evaluates what its
// report shows, asks for the file in the Save As window, writes the whole
// report at once (never a partial file) and tells the user.

// "Al&ternative": the alternative report or the hierarchy file of the
// current alternative.
void AlternativeReportCommand(CMADMDoc& doc);
// "&Attribute": every alternative on the current attribute.
void AttributeReportCommand(CMADMDoc& doc);
// "Summary &Report": the summary of the current alternative, opened for
// the user afterwards.
void SummaryReportCommand(CMADMDoc& doc);

// The reports themselves, without the guard and the evaluation. Each
// returns whether a file was written.
bool SaveAlternativeReport(CMADMDoc& doc, int nPosition);
bool SaveAttributeReport(CMADMDoc& doc, int nAttribute);
bool SaveSummaryReport(CMADMDoc& doc, int nPosition);

// Writing a report to a given path (the command-line tool's way), with the
// completion message the desktop shows; the summary is not opened. Each
// returns whether the file was written.
struct SReportOptions;
bool WriteAlternativeReport(const CMADMDoc& doc, int nPosition, const SReportOptions& options,
                            const std::string& path);
bool WriteAttributeReport(const CMADMDoc& doc, int nAttribute, const std::string& path);
bool WriteSummaryReport(const CMADMDoc& doc, int nPosition, const std::string& path);

// The guard of every report command: false, after the information
// "There is only one attribute and thus nothing to save!", when the model
// holds only the Top.
bool HasAttributesToReport(const CMADMDoc& doc);
// What the reports of alternatives show: every alternative evaluated and
// ranked on the Top, the current attribute kept.
void EvaluateForAlternativeReport(CMADMDoc& doc);
// What the attribute report shows: every alternative evaluated and ranked
// on that attribute, which becomes the current one.
void EvaluateForAttributeReport(CMADMDoc& doc, int nAttribute);

class CSinkFilter;

// Writes a report text (with "\n" line ends) as a file with CR LF line
// ends, atomically. On failure the user is told why and false is returned.
// The filter (for tests) sits between the text and the file.
bool WriteReportFile(const std::string& path, std::string_view text, CSinkFilter* filter = nullptr);

// The file-name rules: the extension (".txt" or ".doc", compared case-
// sensitively on the last four characters) is appended when the path does
// not end in it; for the summary report the spaces of the file-name part
// are removed first, the folders staying as they are.
std::string WithReportExtension(std::string path, std::string_view extension);
std::string WithoutSpacesInFileName(std::string path);

// The window "ZEV Dialog: Output Text File Selection Window".
class CReportTypePresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "ReportType";
  static constexpr int kChoices = 3;
  static const char* ChoiceLabel(int i);
  static constexpr const char* kSelectLabel = "&Select";
  static constexpr const char* kCancelLabel = "&Cancel";

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Output Text File Selection Window"; }

  // The third choice (all alternatives each on all attributes) is never
  // enabled.
  static bool ChoiceEnabled(int i) { return i == 0 || i == 1; }
  // A click on a choice; a disabled one is ignored.
  void Choose(int i) {
    if (ChoiceEnabled(i)) m_nChoice = i;
  }
  int Choice() const { return m_nChoice; }

  EDialogAction Select() { return EDialogAction::CloseOk; }
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

 private:
  int m_nChoice = 0;
};

// "&Text File Type": the chooser, then the alternative or attribute command.
void ChooseReportType(CMADMDoc& doc);

}  // namespace zev
