#pragma once

#include <span>
#include <string>

namespace zev {

// The rules shared by every assessment entry dialog.

// Every comparison of entered degrees and values uses this tolerance.
inline constexpr double kEntryTolerance = 1e-8;
// A page shows at most this many grades or possible values.
inline constexpr int kEntryPageRows = 9;
// The bounds of the number of possible values.
inline constexpr int kMinPossibleValues = 1;
inline constexpr int kMaxPossibleValues = 20;

// A degree, or a total of degrees, is accepted strictly between -1e-8 and
// 1.00000001.
bool DegreeAccepted(double d);

// The range rule for a value between best and worst, whichever way round they
// are: a value passes unless it lies at least 1e-8 beyond one of them. When
// best and worst differ by less than 1e-8 every value passes.
bool ValueInRange(double d, double dBest, double dWorst);
// A value outside the range replaced by the bound that it passes; a value
// that passes the range rule is returned unchanged.
double ClampToRange(double d, double dBest, double dWorst);

// The preset choices of every belief-degree field, in their order.
std::span<const char* const> DegreePresets();

// The number of pages for a count of entries, and the entries of page p.
int EntryPageCount(int nEntries);
int EntryPageFirst(int nPage);
int EntryPageRows(int nEntries, int nPage);

// The warning for a field whose text is not a number.
inline constexpr const char* kNotANumberMessage = "Please enter a number.";

// How an entered degree or value is shown in its field: the shortest general
// real-number text ("%g").
std::string EntryText(double d);

// The warning after the last page when the degrees of all pages add up to
// more than one: the attribute's name and its count of entries, named by
// noun ("evaluation grades", "possible values").
std::string TotalAboveOneMessage(const std::string& name, int nEntries, const char* noun);

}  // namespace zev
