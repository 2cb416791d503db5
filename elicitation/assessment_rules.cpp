#include "elicitation/assessment_rules.h"

#include <algorithm>
#include <cmath>

#include "model/format.h"

namespace zev {

bool DegreeAccepted(double d) { return d > -kEntryTolerance && d < 1.0 + kEntryTolerance; }

bool ValueInRange(double d, double dBest, double dWorst) {
  if (dBest - dWorst >= kEntryTolerance) {
    return !(d - dBest >= kEntryTolerance || dWorst - d >= kEntryTolerance);
  }
  if (dWorst - dBest >= kEntryTolerance) {
    return !(d - dWorst >= kEntryTolerance || dBest - d >= kEntryTolerance);
  }
  return true;
}

double ClampToRange(double d, double dBest, double dWorst) {
  if (ValueInRange(d, dBest, dWorst)) return d;
  const double lo = std::min(dBest, dWorst);
  const double hi = std::max(dBest, dWorst);
  return d < lo ? lo : hi;
}

namespace {

constexpr const char* kPresets[] = {"0",    "1",    "0.1",  "0.2",  "0.3",  "0.4",  "0.5",
                                    "0.6",  "0.7",  "0.8",  "0.9",  "0.05", "0.15", "0.25",
                                    "0.35", "0.45", "0.55", "0.65", "0.75", "0.85", "0.95"};

}  // namespace

std::span<const char* const> DegreePresets() { return kPresets; }

int EntryPageCount(int nEntries) {
  return nEntries <= 0 ? 0 : (nEntries + kEntryPageRows - 1) / kEntryPageRows;
}

int EntryPageFirst(int nPage) { return nPage * kEntryPageRows; }

int EntryPageRows(int nEntries, int nPage) {
  return std::clamp(nEntries - EntryPageFirst(nPage), 0, kEntryPageRows);
}

std::string EntryText(double d) { return Format("%g", d); }

std::string TotalAboveOneMessage(const std::string& name, int nEntries, const char* noun) {
  return std::string("The total degree must not be larger than one.\n") +
         "Remember that this attribute as named below\n\n" + name + "\n\n" + "has " +
         FormatInt(nEntries) + " " + noun + " in total.";
}

}  // namespace zev
