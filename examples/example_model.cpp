#include "examples/example_model.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/conversion.h"
#include "engine/evaluate_commands.h"

namespace zev::examples {

namespace {

// Adds a child as the last of its father's children; returns its index.
int AddChild(CMADMDoc& doc, int father, const char* name) {
  int last = -1;
  for (int i = 1; i <= doc.LastAttribute(); ++i) {
    if (doc.Attribute(i).m_nFather == father && doc.Attribute(i).m_nNextSibling == -1) last = i;
  }
  doc.SetCurrentAttribute(last < 0 ? father : last);
  if (last < 0)
    doc.InsertAttributeRight();
  else
    doc.InsertAttributeBelow();
  const int n = doc.CurrentAttribute();
  doc.Attribute(n).SetName(name);
  return n;
}

struct SGrade {
  const char* m_pszName;
  double m_dUtility;
  double m_dValue;
};

void SetGrades(CAttribute& a, std::initializer_list<SGrade> grades) {
  a.m_nGrades = static_cast<int>(grades.size());
  SGradeTable& g = a.MutableGrades();
  int k = 0;
  for (const SGrade& grade : grades) {
    g.m_strGradeName[k] = CText(grade.m_pszName);
    g.m_dGradeUtility[k] = grade.m_dUtility;
    g.m_dGradeValue[k] = grade.m_dValue;
    ++k;
  }
}

void Quantitative(CAttribute& a, std::uint16_t type, double best, double worst, const char* unit) {
  a.m_nType = type;
  a.m_dBest = best;
  a.m_dWorst = worst;
  a.SetUnit(unit);
}

// A precise value.
void Value(CAlternative& alt, int i, double value) {
  CAssessment& r = alt.Record(i);
  r.m_dValue = value;
  r.m_nPossibleValues = 1;
  r.m_dPossibleValue[0] = value;
  r.m_dBelief[0] = 1.0;
}

// Possible values with their belief degrees (the rest is unassigned).
void Values(CAlternative& alt, int i, std::initializer_list<std::pair<double, double>> values) {
  CAssessment& r = alt.Record(i);
  int k = 0;
  for (const auto& [value, belief] : values) {
    r.m_dPossibleValue[k] = value;
    r.m_dBelief[k] = belief;
    ++k;
  }
  r.m_nPossibleValues = k;
  r.m_dValue = r.m_dPossibleValue[0];
}

// Belief degrees on the grades, worst grade first.
void Beliefs(CAlternative& alt, int i, std::initializer_list<double> beliefs) {
  CAssessment& r = alt.Record(i);
  int k = 0;
  for (double b : beliefs) r.m_dBelief[k++] = b;
  for (; k < kMaxGrades; ++k) r.m_dBelief[k] = 0.0;
}

}  // namespace

void BuildLaptopModel(CMADMDoc& doc) {
  doc.OnNewDocument();
  // As in the desktop program, every edit re-derives the rules below it.
  AttachEngine(doc);
  CAttribute& top = doc.Attribute(0);
  top.SetName("Laptop for a student");
  top.SetDescription("Which laptop to buy for three years of study, travel and evening work.");
  SetGrades(top, {{"Poor", 0.0, 0.0},
                  {"Fair", 0.3, 0.25},
                  {"Average", 0.55, 0.5},
                  {"Good", 0.8, 0.75},
                  {"Excellent", 1.0, 1.0}});

  const int performance = AddChild(doc, 0, "Performance");
  const int speed = AddChild(doc, performance, "Processor speed");
  const int memory = AddChild(doc, performance, "Memory");
  const int portability = AddChild(doc, 0, "Portability");
  const int weight = AddChild(doc, portability, "Weight");
  const int battery = AddChild(doc, portability, "Battery life");
  const int cost = AddChild(doc, 0, "Cost");
  const int price = AddChild(doc, cost, "Price");
  const int warranty = AddChild(doc, cost, "Warranty");
  const int build = AddChild(doc, 0, "Build quality");

  // The fathers convert to the top grades one to one (the default rules),
  // so their grades carry the top's names and utilities.
  for (int father : {performance, portability, cost}) {
    for (int k = 0; k < 5; ++k) {
      doc.Attribute(father).SetGradeName(k, top.GradeName(k));
      doc.Attribute(father).SetGradeUtility(k, top.GradeUtility(k));
    }
  }
  doc.Attribute(performance).m_dWeight = 0.35;
  doc.Attribute(portability).m_dWeight = 0.25;
  doc.Attribute(cost).m_dWeight = 0.25;
  doc.Attribute(build).m_dWeight = 0.15;

  // A benchmark score: utility rises quickly at first.
  CAttribute& s = doc.Attribute(speed);
  Quantitative(s, zev::Quantitative, 12000.0, 4000.0, "points");
  s.SetDescription("Multi-core score of the common benchmark, higher is better.");
  s.m_nConversion = ByUtility;
  SetGrades(s, {{"Slow", 0.0, 4000.0}, {"Adequate", 0.6, 8000.0}, {"Fast", 1.0, 12000.0}});
  s.m_dWeight = 0.6;

  // Memory in gigabytes, one value per grade of the father (rule-based).
  CAttribute& m = doc.Attribute(memory);
  Quantitative(m, zev::Quantitative, 32.0, 8.0, "GB");
  SetGrades(m, {{"8 GB", 0.0, 8.0},
                {"12 GB", 0.3, 12.0},
                {"16 GB", 0.55, 16.0},
                {"24 GB", 0.8, 24.0},
                {"32 GB", 1.0, 32.0}});
  m.m_dWeight = 0.4;

  // Weight in kilograms: lighter is better.
  CAttribute& w = doc.Attribute(weight);
  Quantitative(w, zev::Quantitative, 1.0, 2.5, "kg");
  w.m_nConversion = ByUtility;
  SetGrades(
      w, {{"Heavy", 0.0, 2.5}, {"Bulky", 0.4, 2.0}, {"Light", 0.75, 1.5}, {"Feather", 1.0, 1.0}});
  w.m_dWeight = 0.5;

  // Battery life depends on the use, so it is assessed with several values.
  CAttribute& b = doc.Attribute(battery);
  Quantitative(b, QuantitativeUncertain, 15.0, 5.0, "hours");
  b.SetDescription("Hours of mixed use away from the socket.");
  b.m_nConversion = ByUtility;
  SetGrades(b, {{"Short", 0.0, 5.0}, {"Day", 0.7, 10.0}, {"Long", 1.0, 15.0}});
  b.m_dWeight = 0.5;

  // Price in pounds: cheaper is better.
  CAttribute& p = doc.Attribute(price);
  Quantitative(p, zev::Quantitative, 700.0, 2000.0, "\xA3");
  p.SetComments("Street price with the student discount, VAT included.");
  p.m_nConversion = ByUtility;
  SetGrades(p, {{"Expensive", 0.0, 2000.0}, {"Fair", 0.5, 1300.0}, {"Bargain", 1.0, 700.0}});
  p.m_dWeight = 0.7;

  // Warranty: three grades converted by rules to the five of Cost.
  CAttribute& g = doc.Attribute(warranty);
  SetGrades(g, {{"None", 0.0, 0.0}, {"1 year", 0.5, 0.5}, {"3 years", 1.0, 1.0}});
  g.SetGradeDefinition(0, "Only the statutory guarantee.");
  g.SetGradeDefinition(1, "Maker's warranty for one year.");
  g.SetGradeDefinition(2, "Extended warranty with accidental damage cover.");
  const double rules[3][5] = {
      {1.0, 0.0, 0.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.4, 0.6}};
  for (int k = 0; k < 3; ++k) {
    for (int j = 0; j < 5; ++j) g.SetConversionEntry(k, j, rules[k][j]);
  }
  g.SetConversionComment(2, "Accidental damage cover is worth more than the years alone.");
  g.m_dWeight = 0.3;

  // Build quality: four grades with utilities of their own.
  CAttribute& q = doc.Attribute(build);
  q.m_nConversion = ByUtility;
  SetGrades(q, {{"Flimsy", 0.0, 0.0},
                {"Acceptable", 0.4, 0.0},
                {"Solid", 0.75, 0.0},
                {"Caf\xE9-proof", 1.0, 0.0}});
  q.SetDescription("Hinges, keyboard and chassis after a term in a rucksack.");

  // The alternatives.
  const char* names[] = {"Kestrel 14",  "Basalt 16", "Wisp Air",   "Atelier X",
                         "Thrift Book", "Nomad 13",  "Orchard Pro"};
  doc.Alternative(0).SetName(names[0]);
  for (int a = 1; a < 7; ++a) {
    doc.AddAlternativeCommand();
    doc.CurrentAlternative().SetName(names[a]);
  }
  doc.PrepareAllAlternatives();

  struct SRow {
    double m_dSpeed;
    double m_dMemory;
    double m_dWeight;
    double m_dPrice;
  };
  const SRow rows[7] = {{9800, 16, 1.4, 1150},  {11500, 32, 2.3, 1750}, {6200, 8, 1.05, 899},
                        {10400, 24, 1.6, 1590}, {4300, 8, 1.9, 720},    {7600, 16, 1.25, 1020},
                        {11900, 24, 1.55, 1990}};
  for (int a = 0; a < 7; ++a) {
    CAlternative& alt = doc.Alternative(a);
    Value(alt, speed, rows[a].m_dSpeed);
    Value(alt, memory, rows[a].m_dMemory);
    Value(alt, weight, rows[a].m_dWeight);
    Value(alt, price, rows[a].m_dPrice);
  }

  // Battery: uncertain everywhere; Wisp Air and Nomad 13 leave part unassigned.
  Values(doc.Alternative(0), battery, {{9.0, 0.5}, {12.0, 0.5}});
  Values(doc.Alternative(1), battery, {{5.5, 0.7}, {7.0, 0.3}});
  Values(doc.Alternative(2), battery, {{13.0, 0.6}, {15.0, 0.2}});
  Values(doc.Alternative(3), battery, {{8.0, 0.25}, {10.0, 0.5}, {11.0, 0.25}});
  Values(doc.Alternative(4), battery, {{6.0, 1.0}});
  Values(doc.Alternative(5), battery, {{10.0, 0.3}, {14.0, 0.4}});
  Values(doc.Alternative(6), battery, {{11.0, 0.5}, {13.5, 0.5}});

  // Warranty (None, 1 year, 3 years) and build quality (4 grades).
  Beliefs(doc.Alternative(0), warranty, {0.0, 1.0, 0.0});
  Beliefs(doc.Alternative(1), warranty, {0.0, 0.0, 1.0});
  Beliefs(doc.Alternative(2), warranty, {0.0, 1.0, 0.0});
  Beliefs(doc.Alternative(3), warranty, {0.0, 0.5, 0.3});
  Beliefs(doc.Alternative(4), warranty, {1.0, 0.0, 0.0});
  Beliefs(doc.Alternative(5), warranty, {0.0, 0.6, 0.0});
  Beliefs(doc.Alternative(6), warranty, {0.0, 0.0, 1.0});
  Beliefs(doc.Alternative(0), build, {0.0, 0.2, 0.8, 0.0});
  Beliefs(doc.Alternative(1), build, {0.0, 0.0, 0.6, 0.4});
  Beliefs(doc.Alternative(2), build, {0.0, 0.3, 0.4, 0.0});
  Beliefs(doc.Alternative(3), build, {0.0, 0.0, 0.2, 0.8});
  Beliefs(doc.Alternative(4), build, {0.5, 0.5, 0.0, 0.0});
  Beliefs(doc.Alternative(5), build, {0.0, 0.0, 0.5, 0.0});
  Beliefs(doc.Alternative(6), build, {0.0, 0.0, 0.1, 0.9});

  doc.Alternative(3).Record(warranty).SetEvidence(
      "The shop could not say whether damage is covered.");
  doc.Alternative(5).Record(battery).SetAssessComment("Only two reviews so far.");
  doc.Alternative(2).SetDescription("Fanless, very light; the keyboard flexes.");

  // The matrices of utility-based attributes and the utilities of rule-based
  // ones, derived from the top down as any change of grades does.
  PropagateRules(doc, 0);
  doc.SetCurrentAttribute(0);
  doc.SetCurrentPosition(0);
  // Saved after ranking, so that the model opens with its rankings and
  // utilities rather than the defaults; the boxes show the first laptop.
  EvaluateAndRank(doc);
  CopyDisplayValues(doc, doc.Alternative(0));
  doc.SetModifiedFlag(false);
}

}  // namespace zev::examples
