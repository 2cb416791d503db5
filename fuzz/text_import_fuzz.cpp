// Feeds arbitrary bytes to the text data file reader on a small model with
// one attribute of each kind, and checks that whatever it stored keeps the
// records within the bounds the reader promises.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "io/text_import.h"
#include "model/madm_doc.h"

namespace {

void BuildModel(zev::CMADMDoc& doc) {
  doc.OnNewDocument();
  doc.SetCurrentAttribute(0);
  doc.InsertAttributeRight();  // 1
  doc.InsertAttributeBelow();  // 2
  doc.InsertAttributeBelow();  // 3
  zev::CAttribute& price = doc.Attribute(1);
  price.SetName("Price");
  price.m_nType = zev::Quantitative;
  price.m_dBest = 5000;
  price.m_dWorst = 20000;
  zev::CAttribute& comfort = doc.Attribute(2);
  comfort.SetName("Comfort");
  zev::CAttribute& fuel = doc.Attribute(3);
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

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static zev::CMADMDoc* doc = [] {
    auto* d = new zev::CMADMDoc;
    BuildModel(*d);
    return d;
  }();
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  doc->SetModifiedFlag(false);
  zev::STextImportResult result = zev::ReadTextData(*doc, bytes);
  Check(!result.m_strMessage.empty());
  Check(result.Succeeded() == (result.m_strMessage == zev::kTextImportSuccess));
  Check(doc->AlternativeCount() == 3);
  // Whatever a block stored marks the model modified.
  Check(result.m_nAttributeBlocks == 0 || doc->IsModified());
  for (int pos = 0; pos < doc->AlternativeCount(); ++pos) {
    for (int i = 1; i <= doc->LastAttribute(); ++i) {
      const zev::CAssessment& r = doc->Alternative(pos).Record(i);
      Check(r.m_nPossibleValues >= 1 && r.m_nPossibleValues <= zev::kMaxGrades);
      for (double b : r.m_dBelief) Check(b >= -0.00001 && b <= 1.00001);
    }
  }
  return 0;
}
