#include "io/json_model.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <memory>
#include <new>
#include <nlohmann/json.hpp>
#include <vector>

#include "io/atomic_file.h"
#include "io/available_memory.h"
#include "model/format.h"
#include "model/prompter.h"
#include "model/text.h"

namespace zev {

namespace {

using json = nlohmann::ordered_json;

constexpr std::uint64_t kQuietNaN = 0x7FF8000000000000ull;
// Far deeper than the form nests; deeper text is refused before parsing.
constexpr int kMaxDepth = 16;

// ---------------------------------------------------------------------------
// Writing

// JSON has no infinities or not-a-numbers, which a model can hold after
// extreme input: they are written as texts.
json Number(double d) {
  if (std::isfinite(d)) return d;
  if (std::isinf(d)) return d > 0 ? "Infinity" : "-Infinity";
  const auto bits = std::bit_cast<std::uint64_t>(d);
  if (bits == kQuietNaN) return "NaN";
  return "NaN:" + Format("%016llX", static_cast<unsigned long long>(bits));
}

json Numbers(const double* values, int count) {
  json array = json::array();
  for (int i = 0; i < count; ++i) array.push_back(Number(values[i]));
  return array;
}

json Text(const CText& s) { return Cp1252ToUtf8(s.View()); }

const char* KindName(std::uint16_t nType) {
  if (nType == Quantitative) return "quantitative";
  if (nType == QuantitativeUncertain) return "uncertain";
  return "qualitative";
}

int Clamped(int n) { return std::clamp(n, 0, kMaxGrades); }

json AttributeJson(const CMADMDoc& doc, int i) {
  const CAttribute& a = doc.Attribute(i);
  const int last = doc.LastAttribute();
  json children = json::array();
  for (int k = 0; k <= last; ++k) {
    if (k == 0 || doc.Attribute(k).m_nFather != i || doc.Attribute(k).m_nPrevSibling >= 0) {
      continue;
    }
    // The sibling chain from the first child, guarded against loops.
    for (int c = k, steps = 0; c > 0 && c <= last && steps <= last;
         c = doc.Attribute(c).m_nNextSibling, ++steps) {
      children.push_back(c);
    }
    break;
  }
  const int father = a.m_nFather;
  const int m = father >= 0 && father <= last ? Clamped(doc.Attribute(father).m_nGrades) : 0;
  json grades = json::array();
  for (int k = 0; k < Clamped(a.m_nGrades); ++k) {
    json grade = {{"name", Text(a.GradeName(k))},
                  {"definition", Text(a.GradeDefinition(k))},
                  {"conversion_comment", Text(a.ConversionComment(k))},
                  {"utility", Number(a.GradeUtility(k))}};
    // The top attribute has no father, so no value scale towards one.
    if (i > 0) {
      grade["value"] = Number(a.GradeValue(k));
      grade["conversion"] = Numbers(a.Grades().m_dConversion[k], m);
    }
    grades.push_back(std::move(grade));
  }
  return {{"index", a.m_nIndex},
          {"name", Text(a.m_strName)},
          {"kind", KindName(a.m_nType)},
          {"description", Text(a.m_strDescription)},
          {"unit", Text(a.m_strUnit)},
          {"comments", Text(a.m_strComments)},
          {"best", Number(a.m_dBest)},
          {"worst", Number(a.m_dWorst)},
          {"weight", Number(a.m_dWeight)},
          {"shown_value", Number(a.m_dShownValue)},
          {"conversion", a.m_nConversion == ByUtility ? "utility" : "rule"},
          {"mark", a.m_nMark},
          {"x", a.m_nX},
          {"y", a.m_nY},
          {"children", std::move(children)},
          {"grades", std::move(grades)}};
}

json RecordJson(const CMADMDoc& doc, int j, const CAssessment& r) {
  const bool bModel = j <= doc.LastAttribute();
  const int n = Clamped(bModel ? doc.Attribute(j).m_nGrades : r.m_nGrades);
  const int m = Clamped(r.m_nPossibleValues);
  json record = {{"avg_utility", Number(r.m_dAvgUtility)},
                 {"max_utility", Number(r.m_dMaxUtility)},
                 {"min_utility", Number(r.m_dMinUtility)},
                 {"value", Number(r.m_dValue)},
                 {"belief", Numbers(r.m_dBelief, std::max(n, m))},
                 {"possible_values", Numbers(r.m_dPossibleValue, m)},
                 {"evidence", Text(r.m_strEvidence)},
                 {"comments", Text(r.m_strAssessComment)}};
  // Records beyond the model's attributes keep a grade count of their own.
  if (!bModel) record["grades"] = r.m_nGrades;
  return record;
}

json AlternativeJson(const CMADMDoc& doc, const CAlternative& alternative) {
  json records = json::array();
  const int k = std::min(alternative.m_nLastAttribute, kAttributeSlots - 1);
  for (int j = 0; j <= k; ++j) records.push_back(RecordJson(doc, j, alternative.Record(j)));
  return {{"name", Text(alternative.m_strName)},
          {"description", Text(alternative.m_strDescription)},
          {"ranking", alternative.m_nRanking},
          {"utility", Number(alternative.m_dUtility)},
          {"x", alternative.m_nX},
          {"y", alternative.m_nY},
          {"show_flag", alternative.m_nShowFlag},
          {"selection", alternative.m_nSelection},
          {"assessments", std::move(records)}};
}

// ---------------------------------------------------------------------------
// Reading

// The deepest nesting of arrays and objects, counted without parsing.
int NestingDepth(std::string_view text) {
  int depth = 0;
  int deepest = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      deepest = std::max(deepest, ++depth);
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return deepest;
}

// One member's place in the text, for messages: "/attributes/3/weight".
class CPath {
 public:
  CPath() = default;
  CPath operator/(std::string_view key) const { return CPath(m_str + "/" + std::string(key)); }
  CPath operator/(std::size_t index) const { return CPath(m_str + "/" + std::to_string(index)); }
  std::string Str() const { return m_str.empty() ? "/" : m_str; }

 private:
  explicit CPath(std::string s) : m_str(std::move(s)) {}
  std::string m_str;
};

// Turns the parsed text into a document, checking the form as it goes.
class CJsonModelReader {
 public:
  // False with the reason in Problem().
  bool Read(const json& root, CMADMDoc& doc);
  const std::string& Problem() const { return m_strProblem; }

 private:
  bool Fail(const CPath& at, const std::string& what) {
    m_strProblem = at.Str() + ": " + what;
    return false;
  }
  bool Members(const json& object, const CPath& at, std::initializer_list<const char*> keys);
  bool Array(const json& object, const CPath& at, const char* key, std::size_t lo, std::size_t hi,
             const json*& array);
  bool Double(const json& value, const CPath& at, double& d);
  bool Double(const json& object, const CPath& at, const char* key, double& d) {
    return Double(object[key], at / key, d);
  }
  bool Doubles(const json& object, const CPath& at, const char* key, std::size_t count,
               double* out);
  bool Integer(const json& value, const CPath& at, long long lo, long long hi, long long& n);
  bool Integer(const json& object, const CPath& at, const char* key, long long lo, long long hi,
               long long& n) {
    return Integer(object[key], at / key, lo, hi, n);
  }
  bool Int(const json& object, const CPath& at, const char* key, int& n);
  bool Text(const json& object, const CPath& at, const char* key, CText& s);

  bool ReadShape(const json& object, const CPath& at, CAttribute& a);
  bool ReadTree(const json& attributes, CMADMDoc& doc);
  bool ReadAttribute(const json& object, const CPath& at, int i, CMADMDoc& doc);
  bool ReadAlternative(const json& object, const CPath& at, const CMADMDoc& doc,
                       CAlternative& alternative);
  bool ReadRecord(const json& object, const CPath& at, int j, const CMADMDoc& doc, CAssessment& r);

  std::string m_strProblem;
};

std::string Quoted(std::string_view key) { return "\"" + std::string(key) + "\""; }

bool CJsonModelReader::Members(const json& object, const CPath& at,
                               std::initializer_list<const char*> keys) {
  if (!object.is_object()) return Fail(at, "an object is expected");
  for (const char* key : keys) {
    if (!object.contains(key)) return Fail(at, "the member " + Quoted(key) + " is missing");
  }
  for (const auto& item : object.items()) {
    const bool known =
        std::any_of(keys.begin(), keys.end(), [&](const char* key) { return item.key() == key; });
    if (!known) {
      return Fail(at,
                  "the member " + Quoted(Utf8ToCp1252(item.key())) + " is not part of the form");
    }
  }
  return true;
}

bool CJsonModelReader::Array(const json& object, const CPath& at, const char* key, std::size_t lo,
                             std::size_t hi, const json*& array) {
  array = &object[key];
  if (!array->is_array()) return Fail(at / key, "an array is expected");
  const std::size_t size = array->size();
  if (size < lo || size > hi) {
    std::string bounds = std::to_string(lo) + " to " + std::to_string(hi);
    if (lo == hi) bounds = std::to_string(lo);
    if (hi == std::numeric_limits<std::size_t>::max()) bounds = "at least " + std::to_string(lo);
    return Fail(at / key,
                "the array holds " + std::to_string(size) + " entries; it must hold " + bounds);
  }
  return true;
}

bool CJsonModelReader::Double(const json& value, const CPath& at, double& d) {
  if (value.is_number()) {
    d = value.get<double>();
    return true;
  }
  if (value.is_string()) {
    const std::string& s = value.get_ref<const std::string&>();
    if (s == "Infinity" || s == "-Infinity") {
      d = s[0] == '-' ? -std::numeric_limits<double>::infinity()
                      : std::numeric_limits<double>::infinity();
      return true;
    }
    if (s == "NaN") {
      d = std::bit_cast<double>(kQuietNaN);
      return true;
    }
    std::uint64_t bits = 0;
    const char* end = s.data() + s.size();
    if (s.size() == 20 && s.compare(0, 4, "NaN:") == 0 &&
        std::from_chars(s.data() + 4, end, bits, 16).ptr == end) {
      d = std::bit_cast<double>(bits);
      if (std::isnan(d)) return true;
    }
  }
  return Fail(at, "a number is expected (or \"Infinity\", \"-Infinity\", \"NaN\")");
}

bool CJsonModelReader::Doubles(const json& object, const CPath& at, const char* key,
                               std::size_t count, double* out) {
  const json* array = nullptr;
  if (!Array(object, at, key, count, count, array)) return false;
  for (std::size_t i = 0; i < count; ++i) {
    if (!Double((*array)[i], at / key / i, out[i])) return false;
  }
  return true;
}

bool CJsonModelReader::Integer(const json& value, const CPath& at, long long lo, long long hi,
                               long long& n) {
  bool inRange = false;
  if (value.is_number_unsigned()) {
    const auto u = value.get<unsigned long long>();
    inRange = u <= static_cast<unsigned long long>(hi);
    n = inRange ? static_cast<long long>(u) : hi;
  } else if (value.is_number_integer()) {
    n = value.get<long long>();
    inRange = n >= lo && n <= hi;
  } else {
    return Fail(at, "a whole number is expected");
  }
  if (!inRange) {
    return Fail(at, "the number is outside " + std::to_string(lo) + ".." + std::to_string(hi));
  }
  return true;
}

bool CJsonModelReader::Int(const json& object, const CPath& at, const char* key, int& n) {
  long long v = 0;
  if (!Integer(object, at, key, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
               v)) {
    return false;
  }
  n = static_cast<int>(v);
  return true;
}

bool CJsonModelReader::Text(const json& object, const CPath& at, const char* key, CText& s) {
  const json& value = object[key];
  if (!value.is_string()) return Fail(at / key, "a text is expected");
  s = CText(Utf8ToCp1252(value.get_ref<const std::string&>()));
  return true;
}

// The tree links from the lists of children: each attribute but the top
// is the child of exactly one. Whether they form one tree the model file
// reader checks.
bool CJsonModelReader::ReadTree(const json& attributes, CMADMDoc& doc) {
  const int count = static_cast<int>(attributes.size());
  for (int i = 0; i < count; ++i) {
    const CPath at = CPath() / "attributes" / static_cast<std::size_t>(i);
    const json* children = nullptr;
    if (!Array(attributes[static_cast<std::size_t>(i)], at, "children", 0,
               static_cast<std::size_t>(count), children)) {
      return false;
    }
    int previous = -1;
    for (std::size_t c = 0; c < children->size(); ++c) {
      long long k = 0;
      const CPath where = at / "children";
      if (!Integer((*children)[c], where / c, 1, count - 1, k)) return false;
      CAttribute& child = doc.Attribute(static_cast<int>(k));
      if (child.m_nFather >= 0) {
        return Fail(where / c, "the attribute " + std::to_string(k) +
                                   " is a child of the attribute " +
                                   std::to_string(child.m_nFather) + " already");
      }
      child.m_nFather = i;
      child.m_nPrevSibling = previous;
      if (previous >= 0) doc.Attribute(previous).m_nNextSibling = static_cast<int>(k);
      previous = static_cast<int>(k);
    }
    doc.Attribute(i).m_nChildren = static_cast<int>(children->size());
  }
  for (int i = 1; i < count; ++i) {
    if (doc.Attribute(i).m_nFather < 0) {
      return Fail(CPath() / "attributes" / static_cast<std::size_t>(i),
                  "the attribute is not the child of any attribute");
    }
  }
  return true;
}

// The members and the grade count, which the children's conversions need.
bool CJsonModelReader::ReadShape(const json& object, const CPath& at, CAttribute& a) {
  const json* grades = nullptr;
  if (!Members(object, at,
               {"index", "name", "kind", "description", "unit", "comments", "best", "worst",
                "weight", "shown_value", "conversion", "mark", "x", "y", "children", "grades"}) ||
      !Array(object, at, "grades", 1, kMaxGrades, grades)) {
    return false;
  }
  a.m_nGrades = static_cast<int>(grades->size());
  return true;
}

bool CJsonModelReader::ReadAttribute(const json& object, const CPath& at, int i, CMADMDoc& doc) {
  CAttribute& a = doc.Attribute(i);
  long long v = 0;
  if (!Integer(object, at, "index", 0, doc.LastAttribute(), v)) return false;
  a.m_nIndex = static_cast<int>(v);
  if (!Text(object, at, "name", a.m_strName)) return false;
  const json& kind = object["kind"];
  if (kind == "qualitative") {
    a.m_nType = Qualitative;
  } else if (kind == "quantitative") {
    a.m_nType = Quantitative;
  } else if (kind == "uncertain") {
    a.m_nType = QuantitativeUncertain;
  } else {
    return Fail(at / "kind", "\"qualitative\", \"quantitative\" or \"uncertain\" is expected");
  }
  const json& conversion = object["conversion"];
  if (conversion == "utility") {
    a.m_nConversion = ByUtility;
  } else if (conversion == "rule") {
    a.m_nConversion = ByRule;
  } else {
    return Fail(at / "conversion", "\"utility\" or \"rule\" is expected");
  }
  if (!Text(object, at, "description", a.m_strDescription) ||
      !Text(object, at, "unit", a.m_strUnit) || !Text(object, at, "comments", a.m_strComments) ||
      !Double(object, at, "best", a.m_dBest) || !Double(object, at, "worst", a.m_dWorst) ||
      !Double(object, at, "weight", a.m_dWeight) ||
      !Double(object, at, "shown_value", a.m_dShownValue) ||
      !Integer(object, at, "mark", 0, 0xFFFF, v)) {
    return false;
  }
  a.m_nMark = static_cast<std::uint16_t>(v);
  if (!Int(object, at, "x", a.m_nX) || !Int(object, at, "y", a.m_nY)) return false;

  const json* grades = &object["grades"];
  const std::size_t m = i > 0 ? static_cast<std::size_t>(doc.Attribute(a.m_nFather).m_nGrades) : 0;
  SGradeTable& g = a.MutableGrades();
  for (std::size_t k = 0; k < grades->size(); ++k) {
    const json& grade = (*grades)[k];
    const CPath where = at / "grades" / k;
    const bool ok =
        i > 0 ? Members(
                    grade, where,
                    {"name", "definition", "conversion_comment", "utility", "value", "conversion"})
              : Members(grade, where, {"name", "definition", "conversion_comment", "utility"});
    if (!ok || !Text(grade, where, "name", g.m_strGradeName[k]) ||
        !Text(grade, where, "definition", g.m_strGradeDefinition[k]) ||
        !Text(grade, where, "conversion_comment", g.m_strConversionComment[k]) ||
        !Double(grade, where, "utility", g.m_dGradeUtility[k])) {
      return false;
    }
    if (i > 0 && (!Double(grade, where, "value", g.m_dGradeValue[k]) ||
                  !Doubles(grade, where, "conversion", m, g.m_dConversion[k]))) {
      return false;
    }
  }
  return true;
}

bool CJsonModelReader::ReadRecord(const json& object, const CPath& at, int j, const CMADMDoc& doc,
                                  CAssessment& r) {
  const bool bModel = j <= doc.LastAttribute();
  const bool ok = bModel ? Members(object, at,
                                   {"avg_utility", "max_utility", "min_utility", "value", "belief",
                                    "possible_values", "evidence", "comments"})
                         : Members(object, at,
                                   {"avg_utility", "max_utility", "min_utility", "value", "belief",
                                    "possible_values", "evidence", "comments", "grades"});
  if (!ok || !Double(object, at, "avg_utility", r.m_dAvgUtility) ||
      !Double(object, at, "max_utility", r.m_dMaxUtility) ||
      !Double(object, at, "min_utility", r.m_dMinUtility) ||
      !Double(object, at, "value", r.m_dValue)) {
    return false;
  }
  long long n = 0;
  if (bModel) {
    n = doc.Attribute(j).m_nGrades;
  } else if (!Integer(object, at, "grades", 1, kMaxGrades, n)) {
    return false;
  }
  r.m_nGrades = static_cast<int>(n);
  const json* values = nullptr;
  if (!Array(object, at, "possible_values", 1, kMaxGrades, values)) return false;
  r.m_nPossibleValues = static_cast<int>(values->size());
  const auto beliefs = static_cast<std::size_t>(std::max(r.m_nGrades, r.m_nPossibleValues));
  return Doubles(object, at, "possible_values", values->size(), r.m_dPossibleValue) &&
         Doubles(object, at, "belief", beliefs, r.m_dBelief) &&
         Text(object, at, "evidence", r.m_strEvidence) &&
         Text(object, at, "comments", r.m_strAssessComment);
}

bool CJsonModelReader::ReadAlternative(const json& object, const CPath& at, const CMADMDoc& doc,
                                       CAlternative& alternative) {
  if (!Members(object, at,
               {"name", "description", "ranking", "utility", "x", "y", "show_flag", "selection",
                "assessments"}) ||
      !Text(object, at, "name", alternative.m_strName) ||
      !Text(object, at, "description", alternative.m_strDescription) ||
      !Int(object, at, "ranking", alternative.m_nRanking) ||
      !Double(object, at, "utility", alternative.m_dUtility) ||
      !Int(object, at, "x", alternative.m_nX) || !Int(object, at, "y", alternative.m_nY) ||
      !Int(object, at, "show_flag", alternative.m_nShowFlag) ||
      !Int(object, at, "selection", alternative.m_nSelection)) {
    return false;
  }
  const json* records = nullptr;
  if (!Array(object, at, "assessments", 1, kAttributeSlots, records)) return false;
  alternative.m_nLastAttribute = static_cast<int>(records->size()) - 1;
  for (std::size_t j = 0; j < records->size(); ++j) {
    if (!ReadRecord((*records)[j], at / "assessments" / j, static_cast<int>(j), doc,
                    alternative.Record(static_cast<int>(j)))) {
      return false;
    }
  }
  return true;
}

bool CJsonModelReader::Read(const json& root, CMADMDoc& doc) {
  const CPath top;
  if (!Members(root, top, {"format", "version", "attributes", "alternatives"})) return false;
  if (root["format"] != kJsonFormatName) {
    return Fail(top / "format", "the text is not a ZEV model (\"format\" must be \"" +
                                    std::string(kJsonFormatName) + "\")");
  }
  if (root["version"] != kJsonFormatVersion) {
    return Fail(top / "version",
                "this program reads version " + FormatInt(kJsonFormatVersion) + " of the form");
  }
  const json& attributes = root["attributes"];
  if (attributes.is_array() && attributes.size() > static_cast<std::size_t>(kAttributeSlots)) {
    ThePrompter().Warning(doc.LimitMessage());
  }
  const json* list = nullptr;
  if (!Array(root, top, "attributes", 1, kAttributeSlots, list)) return false;
  doc.SetLastAttribute(static_cast<int>(list->size()) - 1);
  for (int i = 0; i < kAttributeSlots; ++i) {
    CAttribute& a = doc.Attribute(i);
    a.ResetToDefaults();
    a.m_nFather = -1;
  }
  for (std::size_t i = 0; i < list->size(); ++i) {
    if (!ReadShape((*list)[i], top / "attributes" / i, doc.Attribute(static_cast<int>(i)))) {
      return false;
    }
  }
  if (!ReadTree(*list, doc)) return false;
  for (std::size_t i = 0; i < list->size(); ++i) {
    if (!ReadAttribute((*list)[i], top / "attributes" / i, static_cast<int>(i), doc)) return false;
  }
  if (!Array(root, top, "alternatives", 1, std::numeric_limits<std::size_t>::max(), list)) {
    return false;
  }
  doc.RemoveAllAlternatives();
  for (std::size_t p = 0; p < list->size(); ++p) {
    auto alternative = std::make_unique<CAlternative>();
    if (!ReadAlternative((*list)[p], top / "alternatives" / p, doc, *alternative)) return false;
    doc.AddAlternative(std::move(alternative));
  }
  return true;
}

std::string Refusal(const std::string& path, const std::string& problem) {
  const std::string head =
      path.empty() ? std::string("The text is not a ZEV model in JSON form.")
                   : "The file <" + Utf8ToCp1252(path) + "> is not a ZEV model in JSON form.";
  std::string detail = problem;
  if (!detail.empty() && detail[0] >= 'a' && detail[0] <= 'z') {
    detail[0] = static_cast<char>(detail[0] - 'a' + 'A');
  }
  return head + "\n" + detail + ".";
}

}  // namespace

std::string WriteModelJson(const CMADMDoc& doc) {
  const int last = std::clamp(doc.LastAttribute(), 0, kAttributeSlots - 1);
  json attributes = json::array();
  for (int i = 0; i <= last; ++i) attributes.push_back(AttributeJson(doc, i));
  json alternatives = json::array();
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    alternatives.push_back(AlternativeJson(doc, doc.Alternative(p)));
  }
  const json root = {{"format", kJsonFormatName},
                     {"version", kJsonFormatVersion},
                     {"attributes", std::move(attributes)},
                     {"alternatives", std::move(alternatives)}};
  return root.dump(1) + "\n";
}

namespace {

// False with what is wrong in `problem`, or with `bNoMemory` when the model
// does not fit into memory (and `problem` how much it needs, if known).
bool ReadJson(std::string_view text, CMADMDoc& doc, std::string& problem, bool& bNoMemory) {
  if (NestingDepth(text) > kMaxDepth) {
    problem = "The text nests arrays and objects deeper than " + FormatInt(kMaxDepth) + " levels";
    return false;
  }
  json root;
  try {
    root = json::parse(text.begin(), text.end());
  } catch (const json::parse_error& e) {
    // "[json.exception.parse_error.101] parse error at line 1, ..."
    std::string what = e.what();
    const std::size_t end = what.find("] ");
    if (end != std::string::npos) what.erase(0, end + 2);
    problem = Utf8ToCp1252(what);
    return false;
  }
  // The model is built twice: apart, then by the model file reader.
  const json* alternatives =
      root.is_object() && root.contains("alternatives") ? &root["alternatives"] : nullptr;
  if (alternatives && alternatives->is_array() &&
      !AlternativesFitInMemory(alternatives->size(), problem, 2)) {
    bNoMemory = true;
    return false;
  }

  // Built apart and passed through the model file reader, so that the
  // model is checked exactly as a model file is and arrives as one does.
  auto built = std::make_unique<CMADMDoc>();
  CJsonModelReader reader;
  if (!reader.Read(root, *built)) {
    problem = reader.Problem();
    return false;
  }
  root = json();
  const std::string bytes = WriteModel(*built);
  built.reset();
  SFileError fileError;
  if (!ReadModel(bytes, doc, fileError)) {
    problem = fileError.m_strProblem;
    bNoMemory = fileError.m_bNoMemory;
    return false;
  }
  return true;
}

// Reads the text, turning a failure into the error to show.
bool ReadJsonOrExplain(std::string_view text, CMADMDoc& doc, const std::string& path,
                       SFileError& error) {
  std::string problem;
  bool bNoMemory = false;
  bool ok = false;
  try {
    ok = ReadJson(text, doc, problem, bNoMemory);
  } catch (const std::bad_alloc&) {
    bNoMemory = true;
    problem.clear();
  }
  if (ok) return true;
  error = {path, bNoMemory ? problem : Refusal(path, problem), false, 0};
  error.m_bNoMemory = bNoMemory;
  return false;
}

}  // namespace

bool ReadModelJson(std::string_view text, CMADMDoc& doc, SFileError& error) {
  return ReadJsonOrExplain(text, doc, {}, error);
}

bool LoadModelJsonFile(const std::string& path, CMADMDoc& doc, SFileError& error) {
  std::string text;
  std::string why;
  if (!ReadWholeFile(path, text, why)) {
    error = {path, Utf8ToCp1252(why), false, 0};
    return false;
  }
  return ReadJsonOrExplain(text, doc, path, error);
}

bool SaveModelJsonFile(const std::string& path, const CMADMDoc& doc, SFileError& error) {
  std::string why;
  if (!WriteFileAtomically(path, WriteModelJson(doc), why)) {
    error = {path, Utf8ToCp1252(why), false, 0};
    return false;
  }
  return true;
}

}  // namespace zev
