#include "engine/group_assessment.h"

#include "engine/evaluate_commands.h"
#include "engine/kept_marks.h"
#include "engine/utility.h"

namespace zev {

namespace {

// The weight sum of the selected members, raised to the floor.
double MemberWeightSum(const CMADMDoc& doc, std::span<const double> weights) {
  double s = 0.0;
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    if (doc.Alternative(pos).m_nSelection == kMemberSelected) s += MemberWeight(weights, pos);
  }
  return s < kGroupWeightFloor ? kGroupWeightFloor : s;
}

void AverageQualitative(const CMADMDoc& doc, std::span<const double> weights, int k, double s,
                        CAssessment& out) {
  const int n = UsedCount(doc.Attribute(k).m_nGrades);
  double sum[kMaxGrades] = {};
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    const CAlternative& member = doc.Alternative(pos);
    if (member.m_nSelection != kMemberSelected) continue;
    const double w = MemberWeight(weights, pos);
    for (int j = 0; j < n; ++j) sum[j] += w * member.Record(k).m_dBelief[j];
  }
  for (int j = 0; j < n; ++j) out.m_dBelief[j] = sum[j] / s;
}

void AverageValue(const CMADMDoc& doc, std::span<const double> weights, int k, double s,
                  CAssessment& out) {
  double sum = 0.0;
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    const CAlternative& member = doc.Alternative(pos);
    if (member.m_nSelection == kMemberSelected) {
      sum += MemberWeight(weights, pos) * member.Record(k).m_dValue;
    }
  }
  out.m_dValue = sum / s;
  out.m_nPossibleValues = 1;
  out.m_dPossibleValue[0] = out.m_dValue;
  out.m_dBelief[0] = 1.0;
}

// Every possible value of every member is split between the two grade
// values that bracket it, in proportion to its distance from each.
void AverageDistribution(const CMADMDoc& doc, std::span<const double> weights, int k, double s,
                         CAssessment& out) {
  const CAttribute& a = doc.Attribute(k);
  const int n = UsedCount(a.m_nGrades);
  const std::span<const double> g(a.Grades().m_dGradeValue, static_cast<size_t>(n));
  double d[kMaxGrades] = {};
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    const CAlternative& member = doc.Alternative(pos);
    if (member.m_nSelection != kMemberSelected) continue;
    const double w = MemberWeight(weights, pos);
    const CAssessment& r = member.Record(k);
    const int count = UsedCount(r.m_nPossibleValues);
    for (int i = 0; i < count; ++i) {
      const double x = r.m_dPossibleValue[i];
      const double p = r.m_dBelief[i];
      const SBracket b = BracketValue(g, x);
      if (b.m_nLow == b.m_nHigh) {
        d[b.m_nLow] += w * p;
      } else {
        const double ratio = (g[b.m_nHigh] - x) / (g[b.m_nHigh] - g[b.m_nLow]);
        d[b.m_nLow] += ratio * w * p;
        d[b.m_nHigh] += (1.0 - ratio) * w * p;
      }
    }
  }
  out.m_nPossibleValues = n;
  for (int j = 0; j < n; ++j) {
    out.m_dPossibleValue[j] = g[j];
    out.m_dBelief[j] = d[j] / s;
  }
}

}  // namespace

void AssessAttributeKeepingMarks(CMADMDoc& doc, int k) {
  CKeptMarks kept(doc);
  const int current = doc.CurrentAttribute();
  doc.SetCurrentAttribute(k);
  AssessAttribute(doc);
  doc.SetCurrentAttribute(current);
}

double MemberWeight(std::span<const double> weights, int pos) {
  return pos >= 0 && static_cast<size_t>(pos) < weights.size() ? weights[static_cast<size_t>(pos)]
                                                               : 1.0;
}

void AverageMemberInputs(const CMADMDoc& doc, std::span<const double> weights,
                         CAlternative& group) {
  const double s = MemberWeightSum(doc, weights);
  for (int k = 0; k <= doc.LastAttribute(); ++k) {
    const CAttribute& a = doc.Attribute(k);
    if (a.m_nChildren >= 1) continue;
    CAssessment& out = group.Record(k);
    switch (a.m_nType) {
      case Quantitative:
        AverageValue(doc, weights, k, s, out);
        break;
      case QuantitativeUncertain:
        AverageDistribution(doc, weights, k, s, out);
        break;
      default:
        AverageQualitative(doc, weights, k, s, out);
        break;
    }
  }
}

int CreateGroupAlternative(CMADMDoc& doc, std::span<const double> weights, std::string_view name) {
  doc.AddAlternativeCommand();
  const int pos = doc.AlternativeCount() - 1;
  CAlternative& group = doc.Alternative(pos);
  group.SetName(name);
  // Not a member, but a candidate for the next group like any other.
  group.m_nSelection = kMemberNotSelected;
  AverageMemberInputs(doc, weights, group);
  doc.PublishChanges({EDocChange::Alternatives, -1, pos});
  EvaluateAndRankKeepingMarks(doc);
  return pos;
}

}  // namespace zev
