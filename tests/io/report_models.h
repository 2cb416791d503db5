#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "model/madm_doc.h"
#include "tests/support/model_builders.h"

namespace zev::test {

// The three-level model of the report files in tests/data/reports:
//   Car (Top)
//     Price     quantitative, best 5000, worst 20000, unit the pound sign
//     Fuel use  uncertain, best 4, worst 10, unit l/100km
//     Quality
//       Comfort  five default grades
//       Safety   Low, Medium, High
// with two alternatives, Car A and Car B, whose results are set by hand.
inline void BuildCarModel(CMADMDoc& doc) {
  doc.OnNewDocument();
  BuildHierarchy(doc, {"Price", "Fuel use", "Quality", "Comfort:Quality", "Safety:Quality"});
  CAttribute& car = doc.Attribute(0);
  car.SetName("Car");
  car.SetDescription("Which car to buy.");
  const char* carDefinitions[5] = {"The car is unacceptable.", "The car is poor.",
                                   "The car is acceptable overall.", "The car is good overall.",
                                   "The car is excellent."};
  for (int k = 0; k < 5; ++k) car.SetGradeDefinition(k, carDefinitions[k]);

  CAttribute& price = doc.Attribute(1);
  price.m_nType = Quantitative;
  price.m_dBest = 5000;
  price.m_dWorst = 20000;
  price.SetDescription("Purchase price.");

  CAttribute& fuel = doc.Attribute(2);
  fuel.m_nType = QuantitativeUncertain;
  fuel.m_dBest = 4;
  fuel.m_dWorst = 10;
  fuel.SetUnit("l/100km");

  doc.Attribute(3).SetDescription("Comfort and safety.");

  CAttribute& comfort = doc.Attribute(4);
  comfort.SetGradeDefinition(0, "Very uncomfortable seats.");
  comfort.SetGradeDefinition(1, "Hard suspension.");

  CAttribute& safety = doc.Attribute(5);
  safety.m_nGrades = 3;
  safety.SetDescription("Crash tests.");
  const char* safetyNames[3] = {"Low", "Medium", "High"};
  for (int k = 0; k < 3; ++k) {
    safety.SetGradeName(k, safetyNames[k]);
    safety.SetGradeUtility(k, 0.5 * k);
  }
  safety.SetGradeDefinition(0, "Poor crash test results.");
  safety.SetGradeDefinition(2, "Excellent crash test results.");

  doc.Alternative(0).SetName("Car A");
  doc.Alternative(0).SetDescription("A small city car.");
  doc.AddAlternativeCommand();
  doc.Alternative(1).SetName("Car B");
  doc.PrepareAllAlternatives();
  doc.SelectAttribute(0);
  doc.SelectAlternative(0);
  doc.SetModifiedFlag(false);
}

// Results as an evaluation might have left them.
inline void SetCarResults(CMADMDoc& doc) {
  auto set = [](CAssessment& r, std::initializer_list<double> beliefs, double max, double min,
                double avg) {
    for (double& b : r.m_dBelief) b = 0.0;
    int k = 0;
    for (double b : beliefs) r.m_dBelief[k++] = b;
    r.m_dMaxUtility = max;
    r.m_dMinUtility = min;
    r.m_dAvgUtility = avg;
  };
  CAlternative& a = doc.Alternative(0);
  a.m_dUtility = 0.675;
  a.m_nRanking = 1;
  set(a.Record(0), {0, 0.1, 0.2, 0.5, 0.15}, 0.7, 0.65, 0.675);
  set(a.Record(1), {1}, 0.5, 0.5, 0.5);
  a.Record(1).m_dValue = 12500;
  a.Record(1).m_nPossibleValues = 1;
  a.Record(1).m_dPossibleValue[0] = 12500;
  a.Record(1).SetEvidence("Dealer list price.");
  set(a.Record(2), {0.7, 0.3}, 0.6, 0.5, 0.55);
  a.Record(2).m_nPossibleValues = 2;
  a.Record(2).m_dPossibleValue[0] = 6.5;
  a.Record(2).m_dPossibleValue[1] = 7.2;
  a.Record(2).SetAssessComment("Measured by the owner.");
  set(a.Record(3), {0, 0.15, 0.35, 0.4, 0.1}, 0.6125, 0.6125, 0.6125);
  set(a.Record(4), {0.6, 0.2, 0.2}, 0.15, 0.15, 0.15);
  a.Record(4).SetEvidence("Tested on a 200 km drive.");
  a.Record(4).SetAssessComment("Seats can be upgraded.");
  // Sums to 1 - 5e-9: the unassigned rest is written as zero.
  set(a.Record(5), {0.2, 0.3, 0.5 - 5e-9}, 0.65, 0.65, 0.65);

  CAlternative& b = doc.Alternative(1);
  b.m_dUtility = 0.0;
  b.m_nRanking = 2;
  set(b.Record(0), {1}, 0, 0, 0);
  set(b.Record(1), {1}, 0.8, 0.8, 0.8);
  b.Record(1).m_dValue = 9000;
  b.Record(1).m_nPossibleValues = 1;
  b.Record(1).m_dPossibleValue[0] = 9000;
  set(b.Record(2), {0.6}, 0.3, 0.1, 0.2);
  b.Record(2).m_nPossibleValues = 1;
  b.Record(2).m_dPossibleValue[0] = 8;
  set(b.Record(3), {}, 1, 0, 0.5);
  set(b.Record(4), {}, 1, 0, 0.5);
  set(b.Record(5), {}, 1, 0, 0.5);
}

// Plan (Top)
//   Quality
//     Design  Plan A: Good 1; Plan B: Poor 1
//     Build   Plan A: nothing; Plan B: Average 1
//   Cost      quantitative 0..1: Plan A 0.75, Plan B 0.3125
// Every weight 1, every matrix the identity, so the results can be worked
// out by hand (tests/data/reports/plan_*).
inline void BuildPlanModel(CMADMDoc& doc) {
  doc.OnNewDocument();
  BuildHierarchy(doc, {"Quality", "Cost", "Design:Quality", "Build:Quality"});
  CAttribute& plan = doc.Attribute(0);
  plan.SetName("Plan");
  const char* definitions[5] = {"Plan rejected.", "Plan needs major work.", "Plan is acceptable.",
                                "Plan is good.", "Plan is excellent."};
  for (int k = 0; k < 5; ++k) plan.SetGradeDefinition(k, definitions[k]);
  CAttribute& cost = doc.Attribute(2);
  cost.m_nType = Quantitative;
  cost.SetUnit("k");
  doc.Attribute(3).SetGradeDefinition(1, "Design is hard to follow.");
  doc.Attribute(3).SetGradeDefinition(3, "Design is clear.");
  doc.Alternative(0).SetName("Plan A");
  doc.AddAlternativeCommand();
  doc.Alternative(1).SetName("Plan B");
  doc.PrepareAllAlternatives();

  auto beliefs = [](CAssessment& r, int grade) {
    for (double& b : r.m_dBelief) b = 0.0;
    if (grade >= 0) r.m_dBelief[grade] = 1.0;
  };
  auto value = [](CAssessment& r, double v) {
    r.m_dValue = v;
    r.m_nPossibleValues = 1;
    r.m_dPossibleValue[0] = v;
    r.m_dBelief[0] = 1.0;
  };
  CAlternative& a = doc.Alternative(0);
  beliefs(a.Record(3), 3);
  beliefs(a.Record(4), -1);
  value(a.Record(2), 0.75);
  CAlternative& b = doc.Alternative(1);
  beliefs(b.Record(3), 1);
  b.Record(3).SetEvidence("Two testers got lost.");
  beliefs(b.Record(4), 2);
  value(b.Record(2), 0.3125);
  doc.SelectAttribute(0);
  doc.SelectAlternative(0);
  doc.SetModifiedFlag(false);
}

// The bytes of a file in tests/data.
inline std::string ReadTestData(const std::string& relative) {
  const char* root = std::getenv("ZEV_TEST_DATA");
  std::string path = std::string(root ? root : "tests/data") + "/" + relative;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace zev::test
