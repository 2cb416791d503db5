#include "io/model_merge.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "io/atomic_file.h"
#include "io/model_file.h"
#include "model/format.h"
#include "model/number.h"
#include "model/prompter.h"
#include "model/text.h"

namespace zev {

namespace {

using Pairs = std::vector<std::pair<int, int>>;

// Every (i, j) of an attribute i of the other model and an attribute j of
// the open model with the same name. A name of the other model without a
// match asks whether to go on without it; false when the user declines.
bool MatchAttributes(const CMADMDoc& doc, const CMADMDoc& other, Pairs& pairs) {
  for (int i = 0; i <= other.LastAttribute(); ++i) {
    const CText& name = other.Attribute(i).m_strName;
    bool bMatched = false;
    for (int j = 0; j <= doc.LastAttribute(); ++j) {
      if (doc.Attribute(j).m_strName == name) {
        pairs.emplace_back(i, j);
        bMatched = true;
      }
    }
    if (bMatched) continue;
    const EAnswer answer = ThePrompter().AskYesNo(
        "The name of the following attribute:\n\n " + name + "\n\n " +
            "does not match any attribute name of the existing model.\n" +
            "Any information related to this attribute will not be copied.\n\n" +
            "Do you want to continue?",
        EIcon::Warning, 1);
    if (answer != EAnswer::Yes) return false;
  }
  return true;
}

// The assessments of the matched attributes, from one alternative of the
// other model into one of the open model.
void TransferRecords(const CAlternative& from, CAlternative& to, const Pairs& pairs) {
  for (const auto& [i, j] : pairs) {
    const CAssessment& s = from.Record(i);
    CAssessment& t = to.Record(j);
    t.m_dAvgUtility = s.m_dAvgUtility;
    t.m_dMaxUtility = s.m_dMaxUtility;
    t.m_dMinUtility = s.m_dMinUtility;
    t.m_dValue = s.m_dValue;
    t.m_nGrades = s.m_nGrades;
    t.m_nPossibleValues = s.m_nPossibleValues;
    const int n = std::clamp(std::max(s.m_nGrades, s.m_nPossibleValues), 0, kMaxGrades);
    std::copy_n(s.m_dBelief, n, t.m_dBelief);
    // Degrees the other model did not have would otherwise join the copied
    // assessment when this attribute has more grades.
    std::fill(t.m_dBelief + n, t.m_dBelief + kMaxGrades, 0.0);
    std::copy_n(s.m_dPossibleValue, std::clamp(s.m_nPossibleValues, 0, kMaxGrades),
                t.m_dPossibleValue);
    t.m_strEvidence = s.m_strEvidence;
    t.m_strAssessComment = s.m_strAssessComment;
  }
}

// A new alternative of the open model takes the header of the other's.
void AdoptHeader(const CAlternative& from, CAlternative& to) {
  to.SetName(from.m_strName.View());
  to.m_strDescription = from.m_strDescription;
  to.m_nRanking = from.m_nRanking;
  to.m_dUtility = from.m_dUtility;
}

EMergeResult AddAlternatives(CMADMDoc& doc, const CMADMDoc& other) {
  Pairs pairs;
  if (!MatchAttributes(doc, other, pairs)) return EMergeResult::Abandoned;
  for (int pos = 0; pos < other.AlternativeCount(); ++pos) {
    const CAlternative& from = other.Alternative(pos);
    doc.AddAlternativeCommand();
    CAlternative& to = doc.CurrentAlternative();
    AdoptHeader(from, to);
    TransferRecords(from, to, pairs);
  }
  doc.PublishChanges({EDocChange::Alternatives, -1, doc.CurrentPosition()});
  return EMergeResult::Merged;
}

EMergeResult AddData(CMADMDoc& doc, const CMADMDoc& other) {
  Pairs pairs;
  if (!MatchAttributes(doc, other, pairs)) return EMergeResult::Abandoned;
  // The last alternative of each name, kept up to date as alternatives
  // are added.
  std::unordered_map<std::string, int> lastOfName;
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    lastOfName[doc.Alternative(pos).m_strName.Str()] = pos;
  }
  bool bChanged = false;
  for (int pos = 0; pos < other.AlternativeCount(); ++pos) {
    const CAlternative& from = other.Alternative(pos);
    int target = -1;
    if (auto it = lastOfName.find(from.m_strName.Str()); it != lastOfName.end()) {
      target = it->second;
    } else {
      const EAnswer answer = ThePrompter().AskYesNo(
          "In the current model, there is no alternative named:\n\n " + from.m_strName + "\n\n " +
              "Do you want to add a new alterantive?",
          EIcon::Warning);
      if (answer != EAnswer::Yes) continue;
      doc.AddAlternativeCommand();
      target = doc.CurrentPosition();
      AdoptHeader(from, doc.Alternative(target));
      lastOfName[doc.Alternative(target).m_strName.Str()] = target;
    }
    TransferRecords(from, doc.Alternative(target), pairs);
    bChanged = true;
  }
  if (bChanged) doc.PublishChanges({EDocChange::Alternatives, -1, doc.CurrentPosition()});
  return EMergeResult::Merged;
}

// Weights and shown values go through their "%1.4lf" text, as typed ones do.
double ThroughText(double d) {
  double value = 0.0;
  ReadNonNegativeNumber(FormatWeight(d), value);
  return value;
}

// Copies an attribute of the other model into its new slot, which keeps the
// position and links its insertion gave it. The root of the branch keeps
// its fresh grade values and matrix: its father's grades are new to it.
void CopyGrafted(const CAttribute& t, CAttribute& slot, int nFatherGrades) {
  slot.m_nMark = t.m_nMark;
  slot.m_nType = t.m_nType;
  slot.m_strDescription = t.m_strDescription;
  slot.m_strUnit = t.m_strUnit;
  slot.m_strComments = t.m_strComments;
  slot.m_dBest = t.m_dBest;
  slot.m_dWorst = t.m_dWorst;
  slot.m_dWeight = ThroughText(t.m_dWeight);
  slot.m_dShownValue = ThroughText(t.m_dShownValue);
  const int n = t.m_nGrades;
  slot.m_nGrades = n;
  const SGradeTable& from = t.Grades();
  SGradeTable& to = slot.MutableGrades();
  for (int k = 0; k < n; ++k) {
    to.m_dGradeUtility[k] = from.m_dGradeUtility[k];
    to.m_strGradeName[k] = from.m_strGradeName[k];
    to.m_strGradeDefinition[k] = from.m_strGradeDefinition[k];
    to.m_strConversionComment[k] = from.m_strConversionComment[k];
  }
  slot.m_strName = t.m_strName;
  slot.m_nConversion = t.m_nConversion;
  if (nFatherGrades <= 0) return;
  for (int k = 0; k < n; ++k) {
    to.m_dGradeValue[k] = from.m_dGradeValue[k];
    std::copy_n(from.m_dConversion[k], nFatherGrades, to.m_dConversion[k]);
  }
}

int FirstChild(const CMADMDoc& doc, int f) {
  for (int i = 1; i <= doc.LastAttribute(); ++i) {
    const CAttribute& a = doc.Attribute(i);
    if (a.m_nFather == f && a.m_nPrevSibling < 0) return i;
  }
  return -1;
}

int LastChild(const CMADMDoc& doc, int f) {
  for (int i = 1; i <= doc.LastAttribute(); ++i) {
    const CAttribute& a = doc.Attribute(i);
    if (a.m_nFather == f && a.m_nNextSibling < 0) return i;
  }
  return -1;
}

// The limits of "Add attributes", checked on the count at the head of the
// file before anything else of it is read.
bool AttributeLimitsAllow(const CMADMDoc& doc, std::string_view bytes) {
  if (bytes.size() < 4) return true;  // the reader tells what is wrong
  std::uint32_t u = 0;
  for (int b = 3; b >= 0; --b) u = (u << 8) | static_cast<unsigned char>(bytes[b]);
  const auto e = static_cast<std::int32_t>(u);
  if (e > kMaxMergedAttributes) {
    ThePrompter().Warning("Cannot add more than " + FormatInt(kMaxMergedAttributes) +
                          " attributes from a file.");
    return false;
  }
  if (static_cast<long long>(doc.AttributeCount()) + e + 1 > kMaxAttributes) {
    ThePrompter().Warning("The total number of attributes is more than " +
                          FormatInt(kMaxAttributes) + "\n" +
                          "which is the maximum attributes this version of ZEV can handle.");
    return false;
  }
  return true;
}

EMergeResult AddAttributes(CMADMDoc& doc, const CMADMDoc& other) {
  const int s = doc.CurrentAttribute();
  const int before = doc.LastAttribute();
  // The branch's root becomes the last child of s; refused (by the insert
  // operation's message) under a quantitative attribute.
  if (doc.Attribute(s).m_nChildren > 0) {
    doc.SetCurrentAttribute(LastChild(doc, s));
    doc.InsertAttributeBelow();
  } else {
    doc.InsertAttributeRight();
  }
  if (doc.LastAttribute() == before) {
    doc.SetCurrentAttribute(s);
    return EMergeResult::Refused;
  }

  // The slot of each attribute of the other model, tracked as it is made,
  // so that equal names cannot misplace a branch.
  const int e = other.LastAttribute();
  std::vector<int> slot(static_cast<std::size_t>(e) + 1, -1);
  enum : char { kWaiting = 0, kPlaced = 1, kDone = 3 };
  std::vector<char> mark(static_cast<std::size_t>(e) + 1, kWaiting);
  slot[0] = doc.LastAttribute();
  CopyGrafted(other.Attribute(0), doc.Attribute(slot[0]), 0);
  mark[0] = kPlaced;

  auto place = [&](int c, int nFatherGrades) {
    slot[static_cast<std::size_t>(c)] = doc.LastAttribute();
    mark[static_cast<std::size_t>(c)] = kPlaced;
    CopyGrafted(other.Attribute(c), doc.Attribute(doc.LastAttribute()), nFatherGrades);
  };
  int added = 0;
  bool bProgress = true;
  while (added < e && bProgress) {
    bProgress = false;
    for (int i = 0; i <= e; ++i) {
      const CAttribute& t = other.Attribute(i);
      if (t.m_nChildren == 0 || mark[static_cast<std::size_t>(i)] != kPlaced) continue;
      int c = FirstChild(other, i);
      if (c < 0) continue;  // the reader has checked the chains
      doc.SetCurrentAttribute(slot[static_cast<std::size_t>(i)]);
      doc.InsertAttributeRight();
      place(c, t.m_nGrades);
      ++added;
      for (c = other.Attribute(c).m_nNextSibling; c > 0; c = other.Attribute(c).m_nNextSibling) {
        doc.InsertAttributeBelow();
        place(c, t.m_nGrades);
        ++added;
      }
      mark[static_cast<std::size_t>(i)] = kDone;
      bProgress = true;
    }
  }

  const int root = slot[0];
  if (CRuleDeriver* deriver = doc.RuleDeriver()) deriver->PropagateRules(doc, root);
  doc.SetCurrentAttribute(root);
  doc.SetBoxSelection(true);
  doc.PublishChanges({EDocChange::Structure, root, -1});
  return EMergeResult::Merged;
}

}  // namespace

EMergeResult MergeModelBytes(CMADMDoc& doc, EMergeKind kind, std::string_view bytes,
                             const std::string& path) {
  if (kind == EMergeKind::Attributes && !AttributeLimitsAllow(doc, bytes)) {
    return EMergeResult::Refused;
  }
  CMADMDoc other;
  SFileError error;
  if (!ReadModel(bytes, other, error)) {
    error.m_strPath = path;
    ThePrompter().Warning(error.Message());
    return EMergeResult::Damaged;
  }
  switch (kind) {
    case EMergeKind::Alternatives:
      return AddAlternatives(doc, other);
    case EMergeKind::Data:
      return AddData(doc, other);
    case EMergeKind::Attributes:
      return AddAttributes(doc, other);
  }
  return EMergeResult::Refused;
}

EMergeResult MergeModelFile(CMADMDoc& doc, EMergeKind kind, const std::string& path) {
  std::string bytes;
  std::string why;
  if (!ReadWholeFile(path, bytes, why)) {
    ThePrompter().Warning("Unable to open the following file:\n\n " + Utf8ToCp1252(path));
    return EMergeResult::Unreadable;
  }
  return MergeModelBytes(doc, kind, bytes, path);
}

}  // namespace zev
