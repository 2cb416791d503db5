#include "engine/evaluate_every.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/evaluate_commands.h"
#include "engine/evidential_reasoning.h"
#include "engine/parallel.h"
#include "model/portable.h"

namespace zev {

namespace {

bool Has(std::uint64_t bits, int i) { return (bits >> i & 1) != 0; }

// Shares, on this thread, the texts and grade tables the records lack: the
// attributes whose ones are new with every alternative, and all of them
// with the alternatives whose records changed.
void ShareNewDefinitions(CMADMDoc& doc) {
  const CEvaluationBasis& basis = doc.EvaluationBasis();
  const std::uint64_t all = AttributesUpTo(doc.LastAttribute());
  const std::uint64_t parts = basis.NewSharedParts(doc);
  if (parts != 0) {
    for (int pos = 0; pos < doc.AlternativeCount(); ++pos)
      doc.ShareDefinitions(doc.Alternative(pos), parts);
  }
  if (parts == all) return;
  for (CAlternative* alternative : basis.ChangedAlternatives())
    doc.ShareDefinitions(*alternative, all);
}

// Prepares and evaluates every alternative with evaluate(alternative, plan),
// the plan made from the document's definitions.
template <typename FEvaluate>
void EvaluateEach(CMADMDoc& doc, FEvaluate evaluate) {
  const int n = doc.AlternativeCount();
  if (n == 0) return;
  const int cost = doc.AttributeCount();
  SEvaluationPlan plan;
  PlanEvaluation(&doc.Attribute(0), doc.LastAttribute(), plan);
  const bool bReadable = doc.StartConcurrentPreparation();
  if (ThreadsFor(n, cost) <= 1 || !bReadable) {
    // Records that already share the definitions are prepared as on many
    // threads, which leaves unwritten what has not changed.
    for (int pos = 0; pos < n; ++pos) {
      CAlternative& alternative = doc.Alternative(pos);
      if (!bReadable || !doc.PrepareSharedAlternative(alternative))
        doc.PrepareAlternative(alternative);
      evaluate(alternative, plan);
    }
    CopyDisplayValues(doc, doc.Alternative(n - 1));
    return;
  }
  ShareNewDefinitions(doc);
  // Records that still lack a shared part (none, unless something wrote
  // them behind the document's back) are prepared here afterwards.
  std::vector<char> deferred(static_cast<size_t>(n), 0);
  ForEachRange(n, cost, [&](int begin, int end) {
    for (int pos = begin; pos < end; ++pos) {
      CAlternative& alternative = doc.Alternative(pos);
      if (doc.PrepareSharedAlternative(alternative))
        evaluate(alternative, plan);
      else
        deferred[static_cast<size_t>(pos)] = 1;
    }
  });
  for (int pos = 0; pos < n; ++pos) {
    if (!deferred[static_cast<size_t>(pos)]) continue;
    doc.PrepareAlternative(doc.Alternative(pos));
    evaluate(doc.Alternative(pos), plan);
  }
  CopyDisplayValues(doc, doc.Alternative(n - 1));
}

// The fathers on the paths from the attributes in `weights` to the top,
// children before fathers. False when a path does not end at the top (only
// a damaged hierarchy has such a path).
bool PathsToTheTop(const CMADMDoc& doc, std::uint64_t weights, SFatherList& list) {
  const int last = doc.LastAttribute();
  int depth[kAttributeSlots] = {};
  std::uint64_t onPath = 0;
  for (int w = 0; w <= last; ++w) {
    if (!Has(weights, w)) continue;
    // Walked up once to find its depth, once more to give each father its
    // own (the deeper a father, the later it is reached).
    int steps = 0;
    int top = w;
    for (int f = doc.Attribute(w).m_nFather; f >= 0; f = doc.Attribute(f).m_nFather) {
      if (f > last || ++steps > kAttributeSlots) return false;
      top = f;
    }
    if (top != 0 && steps > 0) return false;
    int d = steps;
    for (int f = doc.Attribute(w).m_nFather; f >= 0; f = doc.Attribute(f).m_nFather) {
      onPath |= std::uint64_t{1} << f;
      depth[f] = --d;
    }
  }
  list.m_nFathers = 0;
  for (int f = 0; f <= last; ++f) {
    if (Has(onPath, f)) list.m_father[list.m_nFathers++] = f;
  }
  std::stable_sort(list.m_father, list.m_father + list.m_nFathers,
                   [&](int a, int b) { return depth[a] > depth[b]; });
  int nChildren = 0;
  for (int f = 0; f < list.m_nFathers; ++f) {
    list.m_nStart[f] = nChildren;
    const int k = list.m_father[f];
    for (int c = 0; c <= last; ++c) {
      const CAttribute& child = doc.Attribute(c);
      if (c == k || child.m_nFather != k) continue;
      list.m_child[nChildren++] = c;
      list.m_scales.m_bKnown[c] = IsQuantitativeType(child.m_nType);
      if (list.m_scales.m_bKnown[c]) list.m_scales.m_scale[c] = ValueScaleStart(child);
    }
  }
  list.m_nStart[list.m_nFathers] = nChildren;
  return true;
}

// The children's assessments in their fathers' grades (rows) for the
// fathers that new weights make aggregate again, for each alternative. New
// weights leave every row as it is but those of the fathers aggregated
// again, so repeated new weights on the same paths (a drag, the rank change
// graph) combine the kept rows again instead of transforming the children
// anew from their records. Kept with the document's basis.
struct SFatherRows : CEvaluationBasis::SDerived {
  std::uint64_t m_fathers = 0;
  int m_nPerAlternative = 0;
  std::vector<double> m_rows;
  // The alternative whose rows each position holds, or nullptr.
  std::vector<const CAlternative*> m_of;
};

// New weights for every alternative whose last evaluation aggregated the
// top: the weights go into its records and the fathers above them are
// aggregated again.
struct SNewWeights {
  int m_nWeights = 0;
  int m_weighted[kAttributeSlots];
  double m_dWeight[kAttributeSlots];
  int m_nCurrentAttribute = 0;
  SFatherList m_fathers;
  std::uint64_t m_fatherSet = 0;
  // Per father of the list: its number of grades; per child of the list:
  // its weight as prepared, and where its row lies among an alternative's
  // kept rows, or -1 for a father aggregated again (a new row every time).
  int m_nGrades[kAttributeSlots];
  double m_dChildWeight[kAttributeSlots];
  int m_nRowAt[kAttributeSlots];
  int m_nRows = 0;
  // The cache lines of an alternative's records that taking the weights and
  // aggregating the fathers touch, counted from the first record: the line
  // of each new weight, and of each father's record the definition and the
  // flags, results and first degrees that follow it.
  int m_nLines = 0;
  int m_line[kAttributeSlots * 5];

  void Plan(CMADMDoc& doc, std::uint64_t weights) {
    static_assert(sizeof(CAssessment) == 8 * 64, "a record takes eight cache lines");
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      if (!Has(weights, i)) continue;
      m_weighted[m_nWeights] = i;
      doc.PreparedWeight(i, m_dWeight[m_nWeights++]);
      m_line[m_nLines++] = 8 * i;
    }
    m_nCurrentAttribute = doc.CurrentAttribute();
    for (int f = 0; f < m_fathers.m_nFathers; ++f)
      m_fatherSet |= std::uint64_t{1} << m_fathers.m_father[f];
    for (int f = 0; f < m_fathers.m_nFathers; ++f) {
      const int k = m_fathers.m_father[f];
      m_nGrades[f] = UsedCount(doc.Attribute(k).m_nGrades);
      for (int line : {0, 1, 2, 3}) m_line[m_nLines++] = 8 * k + line;
      for (int j = m_fathers.m_nStart[f]; j < m_fathers.m_nStart[f + 1]; ++j) {
        const int c = m_fathers.m_child[j];
        doc.PreparedWeight(c, m_dChildWeight[j]);
        m_nRowAt[j] = Has(m_fatherSet, c) ? -1 : m_nRows;
        if (m_nRowAt[j] >= 0) m_nRows += m_nGrades[f];
      }
    }
  }

  // The work of one alternative in records, for sizing the threads' shares.
  int Cost() const { return 1 + m_fathers.m_nStart[m_fathers.m_nFathers]; }

  // Alternatives are far apart in memory and their records are rarely in
  // the cache: the lines of the next ones are asked for ahead of their use.
  void AskAhead(const CAlternative& alternative) const {
    const char* first = reinterpret_cast<const char*>(alternative.m_assessments);
    for (int k = 0; k < m_nLines; ++k) ZEV_PREFETCH(first + 64 * m_line[k]);
  }

  // rows: the alternative's kept rows, made first when bMake is set, or
  // nullptr when none are kept. False when the alternative needs a whole
  // evaluation.
  bool ApplyTo(CAlternative& alternative, double* rows, bool bMake) const {
    CAssessment* r = alternative.m_assessments;
    if (m_fathers.m_nFathers > 0 && !(r[0].m_nChildren > 0 && r[0].m_bAssessed)) return false;
    for (int k = 0; k < m_nWeights; ++k) r[m_weighted[k]].m_dWeight = m_dWeight[k];
    alternative.m_nCurrentAttribute = m_nCurrentAttribute;
    alignas(16) double fresh[kAttributeSlots][kMaxGrades];
    const double* row[kAttributeSlots];
    for (int f = 0; f < m_fathers.m_nFathers; ++f) {
      const int k = m_fathers.m_father[f];
      if (!r[k].m_bAssessed) continue;
      const int first = m_fathers.m_nStart[f];
      const int count = m_fathers.m_nStart[f + 1] - first;
      for (int j = first; j < first + count; ++j) {
        const int c = m_fathers.m_child[j];
        double* to = rows && m_nRowAt[j] >= 0 ? rows + m_nRowAt[j] : fresh[j - first];
        if (to == fresh[j - first] || bMake) {
          TransformToFatherGrades(r[c], m_nGrades[f], to, m_fathers.m_scales.Of(c));
        }
        row[j - first] = to;
      }
      AggregateRows(alternative, k, m_dChildWeight + first, row, count);
    }
    return true;
  }
};

// The kept rows for these new weights, made anew when they are for other
// fathers; nullptr when they would take more than a quarter of the memory
// of the alternatives themselves.
SFatherRows* RowsFor(CEvaluationBasis& basis, const SNewWeights& update, int nAlternatives) {
  if (update.m_nRows == 0 ||
      static_cast<size_t>(update.m_nRows) * sizeof(double) > sizeof(CAlternative) / 4) {
    return nullptr;
  }
  auto* kept = dynamic_cast<SFatherRows*>(basis.Derived());
  if (!kept || kept->m_fathers != update.m_fatherSet || kept->m_nPerAlternative != update.m_nRows) {
    auto rows = std::make_unique<SFatherRows>();
    rows->m_fathers = update.m_fatherSet;
    rows->m_nPerAlternative = update.m_nRows;
    kept = rows.get();
    basis.SetDerived(std::move(rows));
  }
  const size_t n = static_cast<size_t>(nAlternatives);
  kept->m_rows.resize(n * static_cast<size_t>(update.m_nRows));
  kept->m_of.resize(n, nullptr);
  return kept;
}

}  // namespace

void EvaluateEveryAlternative(CMADMDoc& doc) {
  EvaluateEach(doc, [](CAlternative& alternative, const SEvaluationPlan& plan) {
    EvaluateFrom(alternative, 0, plan);
  });
  doc.EvaluationBasis().SetDerived(nullptr);
  doc.EvaluationBasis().Record(doc);
}

void EvaluateEveryAlternativeFrom(CMADMDoc& doc, int k) {
  EvaluateEach(doc, [k](CAlternative& alternative, const SEvaluationPlan& plan) {
    EvaluateFrom(alternative, k, plan);
  });
  doc.EvaluationBasis().Forget();
}

SReevaluation ReevaluateEveryAlternative(CMADMDoc& doc) {
  CEvaluationBasis& basis = doc.EvaluationBasis();
  const CEvaluationBasis::SChanges changes = basis.Compare(doc);
  SNewWeights update;
  SReevaluation done;
  if (changes.m_bOther || !PathsToTheTop(doc, changes.m_weights, update.m_fathers)) {
    EvaluateEveryAlternative(doc);
    done.m_bFull = true;
    return done;
  }
  const int n = doc.AlternativeCount();
  std::vector<CAlternative*> changed = basis.ChangedAlternatives();
  std::sort(changed.begin(), changed.end());
  auto isChanged = [&](const CAlternative& alternative) {
    return std::binary_search(changed.begin(), changed.end(), &alternative);
  };
  std::vector<char> whole(static_cast<size_t>(n), 0);
  if (changes.m_weights != 0) {
    update.Plan(doc, changes.m_weights);
    SFatherRows* kept = RowsFor(basis, update, n);
    constexpr int kAhead = 2;
    ForEachRange(n, update.Cost(), [&](int begin, int end) {
      for (int pos = begin; pos < end && pos < begin + kAhead; ++pos)
        update.AskAhead(doc.Alternative(pos));
      for (int pos = begin; pos < end; ++pos) {
        if (pos + kAhead < end) update.AskAhead(doc.Alternative(pos + kAhead));
        CAlternative& alternative = doc.Alternative(pos);
        const size_t at = static_cast<size_t>(pos);
        if (isChanged(alternative)) {
          if (kept) kept->m_of[at] = nullptr;
          continue;
        }
        double* rows =
            kept ? kept->m_rows.data() + at * static_cast<size_t>(update.m_nRows) : nullptr;
        const bool bMake = kept && kept->m_of[at] != &alternative;
        const bool bApplied = update.ApplyTo(alternative, rows, bMake);
        if (kept) kept->m_of[at] = bApplied ? &alternative : nullptr;
        if (!bApplied) whole[at] = 1;
      }
    });
    done.m_bWeights = true;
  } else if (auto* kept = dynamic_cast<SFatherRows*>(basis.Derived()); kept && !changed.empty()) {
    // The rows kept for the alternatives evaluated anew below are stale.
    for (int pos = 0; pos < n && pos < static_cast<int>(kept->m_of.size()); ++pos) {
      if (isChanged(doc.Alternative(pos))) kept->m_of[static_cast<size_t>(pos)] = nullptr;
    }
  }
  for (int pos = 0; pos < n; ++pos) {
    if (!whole[static_cast<size_t>(pos)]) continue;
    doc.PrepareAlternative(doc.Alternative(pos));
    EvaluateAll(doc.Alternative(pos));
    ++done.m_nAlternatives;
  }
  for (CAlternative* alternative : changed) {
    doc.PrepareAlternative(*alternative);
    EvaluateAll(*alternative);
    ++done.m_nAlternatives;
  }
  if (n > 0) CopyDisplayValues(doc, doc.Alternative(n - 1));
  basis.Record(doc);
  return done;
}

}  // namespace zev
