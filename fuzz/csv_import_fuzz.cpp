// Fuzz target for reading assessments tables: any bytes are either refused
// with a message and the model untouched, or stored within the bounds the
// reader promises (degrees within the tolerance, values within the range,
// 1 to 20 possible values), and the model still saves and loads.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "io/csv_exchange.h"
#include "io/model_file.h"
#include "io/text_import.h"

namespace {

// Car A, Car B and "Car A " on a price, a comfort scale with a grade whose
// name holds a colon and a semicolon, and an uncertain fuel use, under a
// father.
void BuildModel(zev::CMADMDoc& doc) {
  doc.OnNewDocument();
  doc.SetCurrentAttribute(0);
  doc.InsertAttributeRight();  // 1, the father
  doc.InsertAttributeRight();  // 2
  doc.InsertAttributeBelow();  // 3
  doc.InsertAttributeBelow();  // 4
  doc.Attribute(1).SetName("Costs");
  zev::CAttribute& price = doc.Attribute(2);
  price.SetName("Price");
  price.m_nType = zev::Quantitative;
  price.m_dBest = 5000;
  price.m_dWorst = 20000;
  zev::CAttribute& comfort = doc.Attribute(3);
  comfort.SetName("Comfort");
  comfort.SetGradeName(2, "So: so; ok");
  zev::CAttribute& fuel = doc.Attribute(4);
  fuel.SetName("Fuel use");
  fuel.m_nType = zev::QuantitativeUncertain;
  fuel.m_dBest = 4;
  fuel.m_dWorst = 10;
  doc.Alternative(0).SetName("Car A");
  doc.AddAlternativeCommand();
  doc.Alternative(1).SetName("Car B");
  doc.AddAlternativeCommand();
  doc.Alternative(2).SetName("Car A ");
  doc.SetModifiedFlag(false);
}

bool Same(const zev::CAssessment& a, const zev::CAssessment& b) {
  return a.m_nPossibleValues == b.m_nPossibleValues && a.m_dValue == b.m_dValue &&
         std::memcmp(a.m_dBelief, b.m_dBelief, sizeof a.m_dBelief) == 0 &&
         std::memcmp(a.m_dPossibleValue, b.m_dPossibleValue, sizeof a.m_dPossibleValue) == 0;
}

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "csv import fuzz: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string before = [] {
    zev::CMADMDoc doc;
    BuildModel(doc);
    return zev::WriteModel(doc);
  }();
  zev::CMADMDoc doc;
  BuildModel(doc);
  std::vector<zev::CAssessment> old;
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    for (int i = 2; i <= 4; ++i) old.push_back(doc.Alternative(pos).Record(i));
  }
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const zev::SCsvImportResult result = zev::ReadAssessmentsCsv(doc, bytes);
  Check(!result.m_strMessage.empty(), "no message");
  if (!result.m_bSucceeded) {
    Check(zev::WriteModel(doc) == before, "a refused table changed the model");
    Check(!doc.IsModified(), "a refused table marked the model modified");
    return 0;
  }
  Check(result.m_nRowsRead > 0, "a table read without rows");
  Check(doc.AlternativeCount() == 3 + result.m_nAlternativesAdded, "alternatives lost or gained");
  // What the table stored (the first alternative of a new model holds a
  // default that need not be within the range).
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    for (int i = 2; i <= 4; ++i) {
      const zev::CAssessment& r = doc.Alternative(pos).Record(i);
      const std::size_t at = static_cast<std::size_t>(pos * 3 + i - 2);
      if (at < old.size() && Same(old[at], r)) continue;
      Check(r.m_nPossibleValues >= 1 && r.m_nPossibleValues <= zev::kMaxGrades, "a count");
      for (int k = 0; k < r.BeliefCount(); ++k) {
        Check(zev::DataDegreeInRange(r.m_dBelief[k]), "a degree out of range");
      }
      if (i == 3) continue;
      for (int k = 0; k < r.m_nPossibleValues; ++k) {
        Check(zev::DataValueInRange(r.m_dPossibleValue[k], doc.Attribute(i)), "a value");
      }
    }
  }
  const std::string saved = zev::WriteModel(doc);
  zev::CMADMDoc again;
  zev::SFileError error;
  Check(zev::ReadModel(saved, again, error), "the model no longer loads");
  return 0;
}
