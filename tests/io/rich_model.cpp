#include "tests/io/rich_model.h"

#include <string>

#include "tests/support/model_builders.h"

namespace zev::test {

void BuildRichModel(CMADMDoc& doc) {
  doc.OnNewDocument();
  BuildHierarchy(doc, {"Cost", "Price:Cost", "Running cost:Cost", "Comfort", "Seats:Comfort",
                       "Noise:Comfort", "Caf\xE9 space:Comfort"});
  const int price = FindAttribute(doc, "Price");
  const int running = FindAttribute(doc, "Running cost");
  const int seats = FindAttribute(doc, "Seats");
  const int noise = FindAttribute(doc, "Noise");
  const int cost = FindAttribute(doc, "Cost");

  CAttribute& top = doc.Attribute(0);
  top.m_nGrades = 4;
  for (int k = 0; k < 4; ++k) {
    top.SetGradeName(k, std::string("Level ") + static_cast<char>('A' + k));
    top.SetGradeUtility(k, k / 3.0);
  }
  top.SetDescription(std::string(300, 'd') + "\xA3");

  CAttribute& p = doc.Attribute(price);
  p.m_nType = Quantitative;
  p.m_dBest = 10000.0;
  p.m_dWorst = 30000.0;
  p.SetUnit("\x80");
  p.m_nGrades = 3;
  for (int k = 0; k < 3; ++k) {
    p.SetGradeValue(k, 30000.0 - 10000.0 * k);
    p.SetGradeUtility(k, k * 0.5);
  }
  p.m_dWeight = 0.6;
  p.m_nConversion = ByUtility;

  CAttribute& r = doc.Attribute(running);
  r.m_nType = QuantitativeUncertain;
  r.m_dBest = 0.05;
  r.m_dWorst = 0.25;
  r.m_nGrades = 2;
  r.SetGradeValue(0, 0.25);
  r.SetGradeValue(1, 0.05);
  r.SetGradeUtility(0, 0.0);
  r.SetGradeUtility(1, 1.0);
  r.m_dWeight = 0.4;

  CAttribute& s = doc.Attribute(seats);
  s.m_nGrades = 7;
  for (int k = 0; k < 7; ++k) {
    s.SetGradeName(k, std::to_string(k + 2) + " seats");
    s.SetGradeDefinition(k, "Room for " + std::to_string(k + 2));
    s.SetConversionComment(k, "Seat rule " + std::to_string(k));
    s.SetGradeUtility(k, k / 6.0);
    for (int j = 0; j < 5; ++j) s.SetConversionEntry(k, j, j == k * 4 / 6 ? 1.0 : 0.0);
  }
  s.m_dWeight = 1.0 / 3.0;
  doc.Attribute(noise).m_dWeight = 0.25;
  doc.Attribute(cost).m_dWeight = 2.0;
  doc.Attribute(cost).SetComments(std::string(70000, 'c'));
  doc.Attribute(noise).m_nMark = 3;

  doc.AddAlternativeCommand();
  doc.AddAlternativeCommand();
  doc.PrepareAllAlternatives();
  CAlternative& first = doc.Alternative(0);
  first.SetName(
      "Estate \xAB"
      "diesel\xBB");
  first.Record(price).m_dValue = 21000.0;
  first.Record(price).m_nPossibleValues = 1;
  first.Record(price).m_dPossibleValue[0] = 21000.0;
  first.Record(price).m_dBelief[0] = 1.0;
  first.Record(running).m_nPossibleValues = 3;
  for (int k = 0; k < 3; ++k) {
    first.Record(running).m_dPossibleValue[k] = 0.1 + 0.05 * k;
    first.Record(running).m_dBelief[k] = 0.3;
  }
  first.Record(seats).m_dBelief[3] = 0.5;
  first.Record(seats).m_dBelief[6] = 0.5;
  first.Record(seats).SetEvidence("Brochure, page 4");
  first.Record(0).m_dAvgUtility = 0.625;
  first.Record(0).m_dMinUtility = 0.5;
  first.Record(0).m_dMaxUtility = 0.75;
  first.m_dUtility = 0.625;
  first.m_nRanking = 2;

  CAlternative& second = doc.Alternative(1);
  second.SetDescription("");
  second.Record(noise).m_dBelief[1] = 0.4;  // incomplete
  second.Record(noise).SetAssessComment("Heard it once");
  second.m_nSelection = 1;
  second.m_nShowFlag = 0;

  CAlternative& third = doc.Alternative(2);
  third.Record(seats).m_nPossibleValues = 9;  // more degrees than grades
  for (int k = 0; k < 9; ++k) third.Record(seats).m_dBelief[k] = 0.1;
  third.m_dUtility = -0.0;
}

}  // namespace zev::test
