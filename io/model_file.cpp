#include "io/model_file.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "io/archive_reader.h"
#include "io/archive_writer.h"
#include "io/atomic_file.h"
#include "io/available_memory.h"
#include "model/format.h"
#include "model/number.h"
#include "model/prompter.h"

namespace zev {

namespace {

constexpr const char* kClassName = "CAlternative";
constexpr std::uint16_t kSchema = 1;
// Far beyond any drawing the program makes, and far enough from the int
// limits that the layout arithmetic cannot overflow.
constexpr std::int32_t kMaxCoordinate = 1000000000;

std::string Decimal(long long n) { return Format("%lld", n); }

// A name as it may appear in a message: not endless.
std::string Quoted(const CText& name) {
  std::string_view v = name.View();
  if (v.size() <= 60) return "<" + std::string(v) + ">";
  return "<" + std::string(v.substr(0, 60)) + "...>";
}

// The offsets of an attribute record's fields that later checks point at.
struct SAttributeOffsets {
  std::size_t m_nType = 0;
  std::size_t m_nWeight = 0;
  std::size_t m_nIndex = 0;
  std::size_t m_nFather = 0;
  std::size_t m_nPrev = 0;
  std::size_t m_nNext = 0;
  std::size_t m_nChildren = 0;
};

// Reads and checks a whole model file into its own attributes and
// alternatives; the document is filled only once everything has been read.
class CModelReader {
 public:
  // A reader that only checks reads every alternative into one scratch
  // alternative and keeps nothing.
  CModelReader(std::string_view bytes, bool bCheckOnly) : m_in(bytes), m_bCheckOnly(bCheckOnly) {}

  bool Read();
  void Commit(CMADMDoc& doc);

  const CArchiveReader& In() const { return m_in; }
  // Why the model does not fit into memory (the end of a sentence that
  // names it); empty when it fits or failed for another reason.
  const std::string& NoMemory() const { return m_strNoMemory; }

 private:
  bool ReadAttribute(int i, CAttribute& a, SAttributeOffsets& at);
  bool CheckTree();
  bool ReadConversionBlock(int i);
  bool ReadAlternatives();
  bool EnoughMemoryFor(std::size_t alternatives);
  bool ReadAlternative(CAlternative& alternative);
  bool ReadRecord(int j, CAssessment& r);

  // The item being read, for messages; built only when one is needed.
  std::string Who() const;
  // Any double: the program itself can hold infinities and not-a-numbers
  // after extreme but accepted input (evenly spaced grade values between a
  // best value of 1e308 and a worst of -1e308 are infinite or not a number),
  // and the engine survives them.
  bool Number(double& d) { return m_in.ReadDouble(d); }
  bool Coordinate(std::int32_t& n, const char* what);
  bool Count(std::int32_t& n, const char* what);
  // Reads a text that is usually its default, sharing the default then.
  bool Text(CText& s, const CText& shared);
  bool Text(CText& s);

  CArchiveReader m_in;
  bool m_bCheckOnly = false;
  std::string m_strNoMemory;
  std::unique_ptr<CAlternative> m_pScratch;
  int m_nLast = 0;
  std::vector<CAttribute> m_attributes;
  std::vector<SAttributeOffsets> m_offsets;
  std::vector<std::unique_ptr<CAlternative>> m_alternatives;
  std::string m_scratch;
  CAssessment m_beyond;

  enum class EPlace { Attribute, Alternative, Record };
  EPlace m_place = EPlace::Attribute;
  int m_nAttribute = 0;
};

std::string CModelReader::Who() const {
  const std::string alternative =
      "alternative number " + Decimal(static_cast<long long>(m_alternatives.size()) + 1);
  switch (m_place) {
    case EPlace::Attribute:
      return "attribute " + Decimal(m_nAttribute);
    case EPlace::Alternative:
      return alternative;
    case EPlace::Record:
      return "the assessment of " + alternative + " on attribute " + Decimal(m_nAttribute);
  }
  return {};
}

bool CModelReader::Coordinate(std::int32_t& n, const char* what) {
  const std::size_t at = m_in.Offset();
  if (!m_in.ReadInt(n)) return false;
  if (n > kMaxCoordinate || n < -kMaxCoordinate) {
    return m_in.Fail(
        std::string(what) + " " + Decimal(n) + " of " + Who() + " is far outside the drawing", at);
  }
  return true;
}

bool CModelReader::Count(std::int32_t& n, const char* what) {
  const std::size_t at = m_in.Offset();
  if (!m_in.ReadInt(n)) return false;
  if (n < 1 || n > kMaxGrades) {
    return m_in.Fail(std::string(what) + " " + Decimal(n) + " of " + Who() + " is outside 1.." +
                         Decimal(kMaxGrades),
                     at);
  }
  return true;
}

bool CModelReader::Text(CText& s, const CText& shared) {
  if (!m_in.ReadString(m_scratch)) return false;
  if (shared == m_scratch)
    s = shared;
  else
    s = CText(m_scratch);
  return true;
}

bool CModelReader::Text(CText& s) {
  if (!m_in.ReadString(m_scratch)) return false;
  s = CText(m_scratch);
  return true;
}

bool CModelReader::ReadAttribute(int i, CAttribute& a, SAttributeOffsets& at) {
  const SDefaultTexts& t = DefaultTexts();
  m_place = EPlace::Attribute;
  m_nAttribute = i;
  const std::string who = "attribute " + Decimal(i);

  std::uint16_t w = 0;
  if (!m_in.ReadWord(w)) return false;
  a.m_nMark = w;
  at.m_nType = m_in.Offset();
  if (!m_in.ReadWord(w)) return false;
  if (w != Quantitative && w != Qualitative && w != QuantitativeUncertain) {
    return m_in.Fail("the type " + Decimal(w) + " of " + who + " is unknown", at.m_nType);
  }
  a.m_nType = w;
  if (!Text(a.m_strDescription, t.m_attributeDescription) || !Text(a.m_strUnit, t.m_unit) ||
      !Text(a.m_strComments, t.m_comments)) {
    return false;
  }
  if (!Number(a.m_dBest) || !Number(a.m_dWorst)) {
    return false;
  }
  at.m_nWeight = m_in.Offset();
  if (!Number(a.m_dWeight) || !Number(a.m_dShownValue)) {
    return false;
  }
  std::int32_t n = 0;
  if (!Count(n, "the grade count")) return false;
  a.m_nGrades = n;

  SGradeTable& g = a.MutableGrades();
  for (int k = 0; k < n; ++k) {
    if (!Number(g.m_dGradeUtility[k])) return false;
  }
  for (int k = 0; k < n; ++k) {
    const CText& def = k < 5 ? t.m_gradeNames[k] : t.m_newGradeName;
    if (!Text(g.m_strGradeName[k], def)) return false;
  }
  for (int k = 0; k < n; ++k) {
    if (!Text(g.m_strGradeDefinition[k], t.m_gradeDefinition)) return false;
  }
  for (int k = 0; k < n; ++k) {
    if (!Text(g.m_strConversionComment[k], t.m_conversionComment)) return false;
  }
  if (!Text(a.m_strName)) return false;

  const std::size_t atConversion = m_in.Offset();
  if (!m_in.ReadWord(w)) return false;
  if (w != ByUtility && w != ByRule) {
    return m_in.Fail("the conversion basis " + Decimal(w) + " of " + who + " is unknown",
                     atConversion);
  }
  a.m_nConversion = w;

  std::int32_t v = 0;
  if (!Coordinate(v, "the horizontal position")) return false;
  a.m_nX = v;
  if (!Coordinate(v, "the vertical position")) return false;
  a.m_nY = v;

  // Links must name attributes of the file; whether they form a tree is
  // checked once all attributes are read.
  auto link = [&](int& field, std::size_t& offset, const char* what, int lo, int hi) {
    offset = m_in.Offset();
    if (!m_in.ReadInt(v)) return false;
    if (v < lo || v > hi) {
      return m_in.Fail(std::string("the ") + what + " " + Decimal(v) + " of " + who +
                           " is outside " + Decimal(lo) + ".." + Decimal(hi),
                       offset);
    }
    field = v;
    return true;
  };
  if (!link(a.m_nIndex, at.m_nIndex, "own index", 0, m_nLast)) return false;
  // The slot is the attribute's identity; an own index that says otherwise
  // could make an attribute pass for another one (the top) in the dialogs.
  a.m_nIndex = i;
  if (i == 0) {
    at.m_nFather = m_in.Offset();
    if (!m_in.ReadInt(v)) return false;
    if (v != -1) {
      return m_in.Fail("the top attribute names the attribute " + Decimal(v) + " as its father",
                       at.m_nFather);
    }
    a.m_nFather = -1;
  } else if (!link(a.m_nFather, at.m_nFather, "father", 0, m_nLast)) {
    return false;
  }
  if (!link(a.m_nPrevSibling, at.m_nPrev, "previous sibling", -1, m_nLast)) return false;
  if (!link(a.m_nNextSibling, at.m_nNext, "next sibling", -1, m_nLast)) return false;
  if (!link(a.m_nChildren, at.m_nChildren, "number of sub-attributes", 0, m_nLast)) return false;

  // The weight goes through its "%1.4lf" text whenever an alternative is
  // prepared; a weight that text cannot carry would be refused there every
  // time.
  double dummy = 0.0;
  if (!ReadNonNegativeNumber(a.WeightText(), dummy)) {
    return m_in.Fail("the weight " + a.WeightText() + " of " + who + " " + Quoted(a.m_strName) +
                         " is not a non-negative real number",
                     at.m_nWeight);
  }
  return true;
}

bool CModelReader::CheckTree() {
  const int count = m_nLast + 1;
  std::vector<int> children(static_cast<std::size_t>(count), 0);
  for (int i = 1; i < count; ++i) ++children[static_cast<std::size_t>(m_attributes[i].m_nFather)];

  auto who = [&](int i) {
    return "attribute " + Decimal(i) + " " + Quoted(m_attributes[i].m_strName);
  };

  // Every father chain must reach the top attribute.
  for (int i = 1; i < count; ++i) {
    int k = i;
    int steps = 0;
    while (k != 0 && steps <= count) {
      k = m_attributes[k].m_nFather;
      ++steps;
    }
    if (k != 0) {
      return m_in.Fail("the father links of " + who(i) + " form a loop", m_offsets[i].m_nFather);
    }
  }
  const CAttribute& top = m_attributes[0];
  if (top.m_nPrevSibling != -1 || top.m_nNextSibling != -1) {
    return m_in.Fail("the top attribute has a sibling",
                     top.m_nPrevSibling != -1 ? m_offsets[0].m_nPrev : m_offsets[0].m_nNext);
  }
  for (int f = 0; f < count; ++f) {
    const CAttribute& father = m_attributes[f];
    const int actual = children[static_cast<std::size_t>(f)];
    if (father.m_nChildren != actual) {
      return m_in.Fail(who(f) + " claims " + Decimal(father.m_nChildren) + " sub-attributes, but " +
                           Decimal(actual) + " attributes name it as their father",
                       m_offsets[f].m_nChildren);
    }
    if (actual == 0) continue;
    if (father.m_nType != Qualitative) {
      return m_in.Fail(who(f) + " has sub-attributes but is not qualitative", m_offsets[f].m_nType);
    }
    // The sub-attributes must form one chain from the first (no previous
    // sibling) to the last (no next sibling), each link matching its partner.
    int first = -1;
    for (int i = 1; i < count; ++i) {
      if (m_attributes[i].m_nFather != f || m_attributes[i].m_nPrevSibling != -1) continue;
      if (first >= 0) {
        return m_in.Fail("the sub-attributes of " + who(f) + " have two first siblings",
                         m_offsets[i].m_nPrev);
      }
      first = i;
    }
    if (first < 0) {
      return m_in.Fail("the sibling links of the sub-attributes of " + who(f) + " form a loop",
                       m_offsets[f].m_nChildren);
    }
    int seen = 0;
    int previous = -1;
    for (int k = first; k != -1; k = m_attributes[k].m_nNextSibling) {
      const CAttribute& a = m_attributes[k];
      if (k == 0 || a.m_nFather != f) {
        return m_in.Fail(
            "the next sibling of " + who(previous) + " is not a sub-attribute of " + who(f),
            m_offsets[previous].m_nNext);
      }
      if (a.m_nPrevSibling != previous) {
        return m_in.Fail("the previous sibling of " + who(k) + " does not match its place in " +
                             "the sibling chain",
                         m_offsets[k].m_nPrev);
      }
      if (++seen > actual) {
        return m_in.Fail("the sibling links of the sub-attributes of " + who(f) + " form a loop",
                         m_offsets[k].m_nNext);
      }
      previous = k;
    }
    if (seen != actual) {
      return m_in.Fail("the sibling chain of the sub-attributes of " + who(f) + " holds " +
                           Decimal(seen) + " of its " + Decimal(actual) + " sub-attributes",
                       m_offsets[previous].m_nNext);
    }
  }
  return true;
}

bool CModelReader::ReadConversionBlock(int i) {
  CAttribute& a = m_attributes[i];
  const int n = a.m_nGrades;
  const int m = m_attributes[a.m_nFather].m_nGrades;
  m_place = EPlace::Attribute;
  m_nAttribute = i;
  SGradeTable& g = a.MutableGrades();
  for (int k = 0; k < n; ++k) {
    if (!Number(g.m_dGradeValue[k])) return false;
  }
  for (int k = 0; k < n; ++k) {
    for (int j = 0; j < m; ++j) {
      if (!Number(g.m_dConversion[k][j])) return false;
    }
  }
  return true;
}

bool CModelReader::ReadRecord(int j, CAssessment& r) {
  m_place = EPlace::Record;
  m_nAttribute = j;
  const SDefaultTexts& t = DefaultTexts();
  if (!Number(r.m_dAvgUtility) || !Number(r.m_dMaxUtility) || !Number(r.m_dMinUtility) ||
      !Number(r.m_dValue)) {
    return false;
  }
  std::int32_t n = 0;
  std::int32_t m = 0;
  if (!Count(n, "the grade count") || !Count(m, "the possible-value count")) return false;
  r.m_nGrades = n;
  r.m_nPossibleValues = m;
  const int beliefs = std::max(n, m);
  for (int k = 0; k < beliefs; ++k) {
    if (!Number(r.m_dBelief[k])) return false;
  }
  for (int k = 0; k < m; ++k) {
    if (!Number(r.m_dPossibleValue[k])) return false;
  }
  return Text(r.m_strEvidence, t.m_evidence) && Text(r.m_strAssessComment, t.m_comments);
}

bool CModelReader::ReadAlternative(CAlternative& alternative) {
  const SDefaultTexts& t = DefaultTexts();
  m_place = EPlace::Alternative;
  if (!Text(alternative.m_strName, t.m_alternativeName) ||
      !Text(alternative.m_strDescription, t.m_alternativeDescription)) {
    return false;
  }
  std::int32_t v = 0;
  if (!m_in.ReadInt(v)) return false;
  alternative.m_nRanking = v;
  if (!Number(alternative.m_dUtility)) return false;
  if (!Coordinate(v, "the horizontal position")) return false;
  alternative.m_nX = v;
  if (!Coordinate(v, "the vertical position")) return false;
  alternative.m_nY = v;
  if (!m_in.ReadInt(v)) return false;
  alternative.m_nShowFlag = v;
  if (!m_in.ReadInt(v)) return false;
  alternative.m_nSelection = v;

  const std::size_t atK = m_in.Offset();
  if (!m_in.ReadInt(v)) return false;
  if (v < 0 || v >= kAttributeSlots) {
    return m_in.Fail("the last attribute index " + Decimal(v) + " of " + Who() + " is outside 0.." +
                         Decimal(kAttributeSlots - 1),
                     atK);
  }
  alternative.m_nLastAttribute = v;
  // Records beyond the model's attributes are checked and dropped: no
  // attribute holds them, and one inserted later must start unassessed.
  for (int j = 0; j <= v; ++j) {
    if (!ReadRecord(j, j <= m_nLast ? alternative.m_assessments[j] : m_beyond)) return false;
  }
  return true;
}

bool CModelReader::ReadAlternatives() {
  const std::size_t atCount = m_in.Offset();
  std::uint32_t count = 0;
  if (!m_in.ReadCount(count)) return false;
  // An alternative takes at least 96 bytes and each copy of one needs one
  // of them, so the bytes can hold no more than this many entries, however
  // many the count claims.
  const std::size_t entries = std::min<std::size_t>(count, m_in.Remaining() / 48);
  if (!m_bCheckOnly) {
    if (!EnoughMemoryFor(entries)) return false;
    m_alternatives.reserve(entries);
  }

  // The archive's object indices of the alternatives read, with their list
  // positions.
  std::vector<std::pair<std::uint32_t, std::size_t>> positions;
  std::size_t copies = 0;
  for (std::uint32_t e = 0; e < count; ++e) {
    const std::size_t atTag = m_in.Offset();
    CArchiveReader::SObjectTag tag;
    if (!m_in.ReadObjectTag(kClassName, kSchema, tag)) return false;
    if (tag.m_kind == CArchiveReader::SObjectTag::Null) continue;
    if (tag.m_kind == CArchiveReader::SObjectTag::Reference) {
      auto it = std::find_if(positions.begin(), positions.end(),
                             [&](const auto& p) { return p.first == tag.m_nIndex; });
      if (it == positions.end()) {
        return m_in.Fail("the object tag refers back to an object that is not an alternative",
                         atTag);
      }
      // Each entry of the list owns its alternative: a repeated one becomes
      // a copy. Copies cost memory without costing bytes, so there may not
      // be more of them than alternatives written out.
      if (++copies > positions.size()) {
        return m_in.Fail(
            "the alternative list repeats earlier alternatives more often than it "
            "holds alternatives of its own",
            atTag);
      }
      if (!m_bCheckOnly) {
        m_alternatives.push_back(std::make_unique<CAlternative>(*m_alternatives[it->second]));
      }
      continue;
    }
    if (m_bCheckOnly) {
      // Every alternative is read into the same one: only the checks count.
      if (!m_pScratch) m_pScratch = std::make_unique<CAlternative>();
      if (!ReadAlternative(*m_pScratch)) return false;
    } else {
      auto alternative = std::make_unique<CAlternative>();
      if (!ReadAlternative(*alternative)) return false;
      m_alternatives.push_back(std::move(alternative));
    }
    positions.emplace_back(tag.m_nIndex, positions.size() + copies);
  }
  if (positions.empty()) return m_in.Fail("the file holds no alternative", atCount);
  return true;
}

bool CModelReader::EnoughMemoryFor(std::size_t alternatives) {
  std::string shortfall;
  if (AlternativesFitInMemory(alternatives, shortfall)) return true;
  m_strNoMemory = "its " + shortfall;
  return false;
}

bool CModelReader::Read() {
  std::int32_t a = 0;
  if (!m_in.ReadInt(a)) return false;
  if (a > kAttributeSlots - 1) {
    if (!m_bCheckOnly) ThePrompter().Warning(AttributeLimitMessage());
    return m_in.Fail("the file holds " + Decimal(static_cast<long long>(a) + 1) +
                         " attributes; a model holds at most " + Decimal(kAttributeSlots),
                     0);
  }
  if (a < 0) return m_in.Fail("the last attribute index " + Decimal(a) + " is negative", 0);
  m_nLast = a;
  m_attributes.resize(static_cast<std::size_t>(a) + 1);
  m_offsets.resize(static_cast<std::size_t>(a) + 1);
  for (int i = 0; i <= a; ++i) {
    if (!ReadAttribute(i, m_attributes[i], m_offsets[i])) return false;
  }
  if (!CheckTree()) return false;
  for (int i = 1; i <= a; ++i) {
    if (!ReadConversionBlock(i)) return false;
  }
  return ReadAlternatives();
}

void CModelReader::Commit(CMADMDoc& doc) {
  for (int i = 0; i < kAttributeSlots; ++i) {
    CAttribute& slot = doc.Attribute(i);
    slot.m_bKeepLinks = false;
    slot.m_bGradesChanged = false;
    slot.m_bRangeChanged = false;
    slot.m_bUtilitiesChanged = false;
    slot.m_bOpenConversion = false;
    if (i <= m_nLast)
      slot = m_attributes[static_cast<std::size_t>(i)];
    else
      slot.ResetToDefaults();
  }
  doc.SetLastAttribute(m_nLast);
  doc.ReplaceAlternatives(std::move(m_alternatives));
  m_alternatives.clear();
  doc.SetCurrentAttribute(0);
  doc.SetCurrentPosition(0);
  doc.SetBoxSelection(true);
  doc.RecomputeExtent();
  doc.SetModifiedFlag(false);
  doc.Notify({EDocChange::Loaded, 0, 0});
}

// ---------------------------------------------------------------------------
// Writing

int Clamped(int n) { return std::clamp(n, 0, kMaxGrades); }

void WriteAttribute(CArchiveWriter& out, const CAttribute& a) {
  const SGradeTable& g = a.Grades();
  const int n = Clamped(a.m_nGrades);
  out.WriteWord(a.m_nMark);
  out.WriteWord(a.m_nType);
  out.WriteString(a.m_strDescription);
  out.WriteString(a.m_strUnit);
  out.WriteString(a.m_strComments);
  out.WriteDouble(a.m_dBest);
  out.WriteDouble(a.m_dWorst);
  out.WriteDouble(a.m_dWeight);
  out.WriteDouble(a.m_dShownValue);
  out.WriteInt(a.m_nGrades);
  for (int k = 0; k < n; ++k) out.WriteDouble(g.m_dGradeUtility[k]);
  for (int k = 0; k < n; ++k) out.WriteString(g.m_strGradeName[k]);
  for (int k = 0; k < n; ++k) out.WriteString(g.m_strGradeDefinition[k]);
  for (int k = 0; k < n; ++k) out.WriteString(g.m_strConversionComment[k]);
  out.WriteString(a.m_strName);
  out.WriteWord(a.m_nConversion);
  out.WriteInt(a.m_nX);
  out.WriteInt(a.m_nY);
  out.WriteInt(a.m_nIndex);
  out.WriteInt(a.m_nFather);
  out.WriteInt(a.m_nPrevSibling);
  out.WriteInt(a.m_nNextSibling);
  out.WriteInt(a.m_nChildren);
}

void WriteRecord(CArchiveWriter& out, const CAssessment& r) {
  out.WriteDouble(r.m_dAvgUtility);
  out.WriteDouble(r.m_dMaxUtility);
  out.WriteDouble(r.m_dMinUtility);
  out.WriteDouble(r.m_dValue);
  out.WriteInt(r.m_nGrades);
  out.WriteInt(r.m_nPossibleValues);
  const int beliefs = std::max(Clamped(r.m_nGrades), Clamped(r.m_nPossibleValues));
  for (int k = 0; k < beliefs; ++k) out.WriteDouble(r.m_dBelief[k]);
  for (int k = 0; k < Clamped(r.m_nPossibleValues); ++k) out.WriteDouble(r.m_dPossibleValue[k]);
  out.WriteString(r.m_strEvidence);
  out.WriteString(r.m_strAssessComment);
}

void WriteAlternative(CArchiveWriter& out, const CAlternative& alternative) {
  out.WriteString(alternative.m_strName);
  out.WriteString(alternative.m_strDescription);
  out.WriteInt(alternative.m_nRanking);
  out.WriteDouble(alternative.m_dUtility);
  out.WriteInt(alternative.m_nX);
  out.WriteInt(alternative.m_nY);
  out.WriteInt(alternative.m_nShowFlag);
  out.WriteInt(alternative.m_nSelection);
  out.WriteInt(alternative.m_nLastAttribute);
  const int k = std::min(alternative.m_nLastAttribute, kAttributeSlots - 1);
  for (int j = 0; j <= k; ++j) WriteRecord(out, alternative.m_assessments[j]);
}

}  // namespace

std::string SFileError::Message() const {
  if (m_bNoMemory) {
    return "There is not enough memory to open " +
           (m_strPath.empty() ? std::string("the model")
                              : "the file <" + Utf8ToCp1252(m_strPath) + ">") +
           (m_strProblem.empty() ? "." : ": " + m_strProblem);
  }
  if (!m_bHasOffset) return m_strProblem;
  std::string head = m_strPath.empty() ? std::string("The data is not a valid ZEV model file.")
                                       : "The file <" + Utf8ToCp1252(m_strPath) +
                                             "> is not a valid ZEV model file.";
  return head + "\n" + "At byte " + Format("%zu", m_nOffset) + " (0x" + Format("%zX", m_nOffset) +
         "): " + m_strProblem + ".";
}

namespace {

// Reads or checks the bytes; false with `error` filled (without a path).
bool RunReader(CModelReader& reader, SFileError& error) {
  error = {};
  bool ok = false;
  try {
    ok = reader.Read();
  } catch (const std::bad_alloc&) {
    error.m_bNoMemory = true;
    return false;
  }
  if (ok) return true;
  if (!reader.NoMemory().empty()) {
    error.m_bNoMemory = true;
    error.m_strProblem = reader.NoMemory();
    return false;
  }
  error.m_strProblem = reader.In().Problem();
  error.m_bHasOffset = true;
  error.m_nOffset = reader.In().FailureOffset();
  return false;
}

}  // namespace

bool ReadModel(std::string_view bytes, CMADMDoc& doc, SFileError& error) {
  CModelReader reader(bytes, false);
  if (!RunReader(reader, error)) return false;
  reader.Commit(doc);
  return true;
}

bool CheckModel(std::string_view bytes, SFileError& error) {
  CModelReader reader(bytes, true);
  return RunReader(reader, error);
}

bool LoadModelFile(const std::string& path, CMADMDoc& doc, SFileError& error) {
  std::string bytes;
  std::string why;
  if (!ReadWholeFile(path, bytes, why)) {
    error = {path, Utf8ToCp1252(why), false, 0};
    return false;
  }
  if (!ReadModel(bytes, doc, error)) {
    error.m_strPath = path;
    return false;
  }
  return true;
}

std::string WriteModel(CMADMDoc& doc) {
  CArchiveWriter out;
  const int last = std::clamp(doc.LastAttribute(), 0, kAttributeSlots - 1);
  out.WriteInt(doc.LastAttribute());
  for (int i = 0; i <= last; ++i) WriteAttribute(out, doc.Attribute(i));
  for (int i = 1; i <= last; ++i) {
    const CAttribute& a = doc.Attribute(i);
    const int n = Clamped(a.m_nGrades);
    const int father = a.m_nFather;
    const int m = father >= 0 && father <= last ? Clamped(doc.Attribute(father).m_nGrades) : 0;
    const SGradeTable& g = a.Grades();
    for (int k = 0; k < n; ++k) out.WriteDouble(g.m_dGradeValue[k]);
    for (int k = 0; k < n; ++k) {
      for (int j = 0; j < m; ++j) out.WriteDouble(g.m_dConversion[k][j]);
    }
  }
  // The belief degrees are written with the current grade counts.
  const int count = doc.AlternativeCount();
  for (int p = 0; p < count; ++p) {
    CAlternative& alternative = doc.Alternative(p);
    for (int j = 0; j <= last; ++j)
      alternative.m_assessments[j].m_nGrades = doc.Attribute(j).m_nGrades;
  }
  out.WriteCount(static_cast<std::uint32_t>(count));
  for (int p = 0; p < count; ++p) {
    out.WriteObjectTag(kClassName, kSchema);
    WriteAlternative(out, doc.Alternative(p));
  }
  return out.TakeBytes();
}

bool SaveModelFile(const std::string& path, CMADMDoc& doc, SFileError& error) {
  std::string bytes;
  SFileError check;
  bool bOpens = false;
  try {
    bytes = WriteModel(doc);
    // The bytes replace the previous file only if they open again: a model
    // holding something the loader refuses must not cost the user the last
    // copy that opens.
    bOpens = CheckModel(bytes, check);
  } catch (const std::bad_alloc&) {
    check.m_bNoMemory = true;
  }
  if (check.m_bNoMemory) {
    error = {path,
             "There is not enough memory to save the model to <" + Utf8ToCp1252(path) +
                 ">. Nothing was written.",
             false, 0};
    return false;
  }
  if (!bOpens) {
    error = {path,
             "The model was not saved: the file <" + Utf8ToCp1252(path) +
                 "> would not open again (" + check.m_strProblem + "). Nothing was written.",
             false, 0};
    return false;
  }
  std::string why;
  if (!WriteFileAtomically(path, bytes, why)) {
    error = {path, Utf8ToCp1252(why), false, 0};
    return false;
  }
  doc.SetModifiedFlag(false);
  return true;
}

}  // namespace zev
