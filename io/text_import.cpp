#include "io/text_import.h"

#include <algorithm>
#include <array>

#include "io/atomic_file.h"
#include "model/format.h"
#include "model/number.h"
#include "model/prompter.h"

namespace zev {

namespace {

constexpr const char* kCommonBeginning =
    "The following ERROR is detected. Data reading is abandoned!\n\n";
constexpr const char* kStartOfFile = "start of the file";
// A name that is not closed within this many words is an error.
constexpr int kMaxNameWords = 9999;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The words of the file, one after the other.
class CWordReader {
 public:
  explicit CWordReader(std::string_view bytes) : m_bytes(bytes) {}

  // The next word; false (and an empty word) at the end of the file.
  bool Next(std::string_view& word) {
    SkipBlanks();
    std::size_t start = m_pos;
    while (m_pos < m_bytes.size() && !IsBlank(m_bytes[m_pos])) ++m_pos;
    word = m_bytes.substr(start, m_pos - start);
    return !word.empty();
  }

  // Skips blanks and takes the next character if it is `c`.
  bool Take(char c) {
    SkipBlanks();
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == c) {
      ++m_pos;
      return true;
    }
    return false;
  }

 private:
  void SkipBlanks() {
    while (m_pos < m_bytes.size() && IsBlank(m_bytes[m_pos])) ++m_pos;
  }

  std::string_view m_bytes;
  std::size_t m_pos = 0;
};

// "NAME:" and "NAME" are both accepted where a field word is expected.
bool IsField(std::string_view word, std::string_view bare) {
  if (word == bare) return true;
  return word.size() == bare.size() + 1 && word.substr(0, bare.size()) == bare &&
         word.back() == ':';
}

std::string Ordinal(int n) {
  switch (n) {
    case 1:
      return "1st";
    case 2:
      return "2nd";
    case 3:
      return "3rd";
    default:
      return Format("%d", n) + "th";
  }
}

std::string Num6(double d) { return Format("%-1.6lf", d); }

const char* ExpectedTypeWord(std::uint16_t nType) {
  if (nType == Quantitative) return "QUANTITATIVE";
  if (nType == QuantitativeUncertain) return "UNCERTAIN";
  return "QUALITATIVE";
}

class CTextDataReader {
 public:
  CTextDataReader(CMADMDoc& doc, std::string_view bytes) : m_doc(doc), m_words(bytes) {}

  STextImportResult Read();

 private:
  bool ReadAlternativeBlock();
  bool ReadAttributeBlock();
  bool ReadQuantitative(int nAttribute);
  bool ReadQualitative(int nAttribute);
  bool ReadUncertain(int nAttribute);

  // Reads "{" and the words of a name up to the one holding "}". The two
  // context words name the place in the error message.
  bool ReadName(const char* pszFirstContext, const char* pszSecondContext, std::string& name);
  bool ReadReal(double& d) {
    std::string_view word;
    if (!m_words.Next(word)) return false;
    return ReadRealNumber(word, d);
  }
  // A word that is not a decimal integer gives 0, which every count refuses.
  int ReadCount() {
    std::string_view word;
    m_words.Next(word);
    int n = 0;
    if (!ReadInteger(word, n)) n = 0;
    return n;
  }

  bool Fail(ETextImportError error, const std::string& text) {
    m_result.m_error = error;
    m_result.m_strHeading = TextImportHeading(error);
    m_result.m_strMessage = kCommonBeginning + text;
    return false;
  }
  bool FieldNameError(std::string_view word, const char* pszExpected) {
    const std::string& A = m_strAlternative;
    const std::string& B = m_strAttribute;
    return Fail(ETextImportError::FieldName,
                "<" + std::string(word) + "> is an invalid field name (at the alternative <" + A +
                    "> and on the attribute <" + B +
                    ">). "
                    "It must be <" +
                    pszExpected + ">.");
  }
  bool ValueRangeError(int nOrdinal, double v, const CAttribute& attribute) {
    const std::string& A = m_strAlternative;
    const std::string& B = m_strAttribute;
    return Fail(ETextImportError::AttributeValue,
                "The " + Ordinal(nOrdinal) + " attribute value <" + Num6(v) +
                    "> is outside the range [" + Num6(attribute.m_dWorst) + ",  " +
                    Num6(attribute.m_dBest) + "] (at the alternative <" + A +
                    "> and on the attribute <" + B +
                    ">), "
                    "which is defined for the attribute in the decision model.");
  }
  bool DegreeRangeError(double d) {
    const std::string& A = m_strAlternative;
    const std::string& B = m_strAttribute;
    return Fail(ETextImportError::BeliefDegree,
                "The belief degree <" + Num6(d) + "> is outside the range [" + "0" + ",  " + "1" +
                    "] (at the alternative <" + A + "> and on the attribute <" + B + ">).");
  }
  bool TotalBeliefError(double sum) {
    const std::string& A = m_strAlternative;
    const std::string& B = m_strAttribute;
    return Fail(ETextImportError::TotalBelief, "The total belief degree <" +
                                                   Format("%-1.4lf", sum) +
                                                   "> is outside the "
                                                   "range [" +
                                                   "0" + ",  " + "1" +
                                                   "] (at the alternative "
                                                   "<" +
                                                   A + "> and on the attribute <" + B + ">).");
  }
  bool ValueTypeError() {
    const std::string& A = m_strAlternative;
    const std::string& B = m_strAttribute;
    return Fail(ETextImportError::ValueType,
                "The type of the attribute value is incorrect "
                "(at the alternative <" +
                    A + "> and on the attribute <" + B + ">).");
  }
  bool BeliefTypeError() {
    const std::string& A = m_strAlternative;
    const std::string& B = m_strAttribute;
    return Fail(ETextImportError::BeliefType,
                "The type of the belief degree is incorrect "
                "(at the alternative <" +
                    A + "> and on the attribute <" + B + ">).");
  }

  CAssessment* CurrentRecord(int nAttribute) {
    if (m_nCurrent < 0 || m_nCurrent >= m_doc.AlternativeCount()) return nullptr;
    return &m_doc.Alternative(m_nCurrent).Record(nAttribute);
  }

  CMADMDoc& m_doc;
  CWordReader m_words;
  STextImportResult m_result;
  // The alternative that attribute blocks assess: the first one until an
  // alternative block names another.
  int m_nCurrent = 0;
  std::string m_strAlternative = kStartOfFile;
  std::string m_strAttribute = kStartOfFile;
  bool m_bStored = false;
};

STextImportResult CTextDataReader::Read() {
  std::string_view word;
  if (!m_words.Next(word)) {
    Fail(ETextImportError::FileStructure,
         std::string("The data file cannot be read.\n") + "It may be empty or not a text file!");
    return m_result;
  }
  for (;;) {
    bool ok;
    if (word == "ALTERNATIVE") {
      ok = ReadAlternativeBlock();
    } else if (word == "ATTRIBUTE") {
      ok = ReadAttributeBlock();
    } else {
      ok = Fail(ETextImportError::ObjectName,
                "<" + std::string(word) + "> is an invalid object name (after the alternative <" +
                    m_strAlternative + "> and the attribute <" + m_strAttribute +
                    ">). It must "
                    "be either ALTERNATIVE or ATTRIBUTE.");
    }
    if (!ok) break;
    if (!m_words.Next(word)) {
      m_result.m_strMessage = kTextImportSuccess;
      break;
    }
  }
  // Whatever was stored marks the model modified, so that closing it asks
  // before the imported data is lost; results wait for the next evaluation.
  if (m_bStored) m_doc.PublishChanges({EDocChange::Assessment, -1, -1});
  return m_result;
}

bool CTextDataReader::ReadName(const char* pszFirstContext, const char* pszSecondContext,
                               std::string& name) {
  auto context = [&] {
    return std::string("(") + pszFirstContext + " the alternative <" + m_strAlternative + "> and " +
           pszSecondContext + " the attribute <" + m_strAttribute + ">).";
  };
  name.clear();
  if (!m_words.Take('{')) {
    return Fail(ETextImportError::NameLeftBracket,
                "A name string must be left bracketed by {  " + context());
  }
  std::string_view word;
  for (int i = 0; i < kMaxNameWords; ++i) {
    if (!m_words.Next(word) || word.front() == '{') break;
    std::size_t close = word.find('}');
    if (close != std::string_view::npos) {
      name.append(word.substr(0, close));
      return true;
    }
    name.append(word);
    name.push_back(' ');
  }
  return Fail(ETextImportError::NameRightBracket,
              "A name string must be right bracketed by } " + context());
}

bool CTextDataReader::ReadAlternativeBlock() {
  std::string_view field;
  m_words.Next(field);
  if (!IsField(field, "NAME")) {
    return Fail(ETextImportError::AlternativeFieldName,
                "<" + std::string(field) + "> is an invalid field name (after the alternative <" +
                    m_strAlternative + "> and the attribute <" + m_strAttribute + ">). " +
                    "It must be <" + "NAME:" + ">.");
  }
  std::string name;
  if (!ReadName("after", "after", name)) return false;
  int found = -1;
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) {
    if (m_doc.Alternative(pos).m_strName == name) {
      found = pos;
      break;
    }
  }
  if (found < 0) {
    return Fail(ETextImportError::AlternativeName,
                "<" + name + "> is an invalid alternative name (after the alternative <" +
                    m_strAlternative + "> and the attribute <" + m_strAttribute +
                    ">), which does not match "
                    "any alternative name used in the decision model.");
  }
  m_nCurrent = found;
  m_strAlternative = name;
  ++m_result.m_nAlternativeBlocks;
  return true;
}

bool CTextDataReader::ReadAttributeBlock() {
  std::string_view word;
  m_words.Next(word);
  if (!IsField(word, "NAME")) {
    return Fail(ETextImportError::AttributeFieldName,
                "<" + std::string(word) + "> is an invalid field name (at the alternative <" +
                    m_strAlternative + "> and after the attribute <" + m_strAttribute + ">). " +
                    "It must be <" + "NAME:" + ">.");
  }
  std::string name;
  if (!ReadName("at", "after", name)) return false;
  // Of several attributes with the same name the one with the highest index
  // is taken.
  int found = -1;
  for (int i = 0; i <= m_doc.LastAttribute(); ++i) {
    if (m_doc.Attribute(i).m_strName == name) found = i;
  }
  if (found < 0) {
    return Fail(ETextImportError::AttributeName,
                "<" + name + "> is an invalid attribute name (at the alternative <" +
                    m_strAlternative + "> and after the attribute <" + m_strAttribute +
                    ">), which does not "
                    "match any attribute name used in the decision model.");
  }
  m_strAttribute = name;

  m_words.Next(word);
  if (!IsField(word, "TYPE")) return FieldNameError(word, "TYPE:");
  m_words.Next(word);
  const char* pszExpected = ExpectedTypeWord(m_doc.Attribute(found).m_nType);
  if (word != pszExpected) {
    return Fail(ETextImportError::AttributeType,
                "<" + std::string(word) + "> is an invalid attribute type (at the alternative <" +
                    m_strAlternative + "> and on the attribute <" + m_strAttribute +
                    ">). It should be "
                    "<" +
                    pszExpected + "> as defined in the decision model.");
  }
  bool ok;
  if (word == "QUANTITATIVE") {
    ok = ReadQuantitative(found);
  } else if (word == "QUALITATIVE") {
    ok = ReadQualitative(found);
  } else {
    ok = ReadUncertain(found);
  }
  if (ok) ++m_result.m_nAttributeBlocks;
  return ok;
}

bool CTextDataReader::ReadQuantitative(int nAttribute) {
  const CAttribute& attribute = m_doc.Attribute(nAttribute);
  std::string_view word;
  m_words.Next(word);
  if (!IsField(word, "VALUE")) return FieldNameError(word, "VALUE:");
  double v = 0.0;
  if (!ReadReal(v)) return ValueTypeError();
  if (!DataValueInRange(v, attribute)) return ValueRangeError(1, v, attribute);
  if (CAssessment* record = CurrentRecord(nAttribute)) {
    // Held as a one-point distribution too, like a value typed in, so that
    // the attribute's own utilities and the aggregation both see the new value.
    record->m_dValue = v;
    record->m_nPossibleValues = 1;
    record->m_dPossibleValue[0] = v;
    record->m_dBelief[0] = 1.0;
    m_bStored = true;
  }
  return true;
}

bool CTextDataReader::ReadQualitative(int nAttribute) {
  const CAttribute& attribute = m_doc.Attribute(nAttribute);
  const int nGrades = std::clamp(attribute.m_nGrades, 0, kMaxGrades);
  std::string_view word;
  m_words.Next(word);
  if (!IsField(word, "NUMBER")) return FieldNameError(word, "NUMBER:");
  int n = ReadCount();
  if (n != attribute.m_nGrades) {
    return Fail(ETextImportError::GradeNumber,
                "The number of grades <" + Format("%d", n) +
                    "> does not "
                    "match that used for " +
                    m_strAttribute +
                    " in the decision model "
                    "which is " +
                    Format("%d", attribute.m_nGrades) + " (at the alternative <" +
                    m_strAlternative + "> and on the attribute <" + m_strAttribute + ">).");
  }
  m_words.Next(word);
  if (!IsField(word, "JUDGEMENT")) return FieldNameError(word, "JUDGEMENT:");

  std::array<double, kMaxGrades> beliefs{};
  double sum = 0.0;
  std::string grade;
  for (int i = 0; i < n; ++i) {
    if (!ReadName("at", "on", grade)) return false;
    bool matched = false;
    for (int k = 0; k < nGrades; ++k) matched = matched || attribute.GradeName(k) == grade;
    if (!matched) {
      return Fail(ETextImportError::GradeName,
                  "<" + grade + "> is an invalid grade name (at the alternative <" +
                      m_strAlternative + "> and on the attribute <" + m_strAttribute + ">), " +
                      "which does not match any grade name defined for <" + m_strAttribute +
                      "> in the decision model.");
    }
    double d = 0.0;
    if (!ReadReal(d)) return BeliefTypeError();
    if (!DataDegreeInRange(d)) return DegreeRangeError(d);
    // A grade named twice keeps the later degree; every grade of that name
    // gets it.
    for (int k = 0; k < nGrades; ++k) {
      if (attribute.GradeName(k) == grade) beliefs[static_cast<std::size_t>(k)] = d;
    }
    sum += d;
  }
  if (!DataTotalInRange(sum)) return TotalBeliefError(sum);
  if (CAssessment* record = CurrentRecord(nAttribute)) {
    std::copy(beliefs.begin(), beliefs.begin() + nGrades, record->m_dBelief);
    m_bStored = true;
  }
  return true;
}

bool CTextDataReader::ReadUncertain(int nAttribute) {
  const CAttribute& attribute = m_doc.Attribute(nAttribute);
  std::string_view word;
  m_words.Next(word);
  // Here only the spelling with the colon is accepted.
  if (word != "NUMBER:") return FieldNameError(word, "NUMBER:");
  int m = ReadCount();
  if (m < 1 || m > kMaxGrades) {
    return Fail(ETextImportError::ValueNumber, "The number of possible values <" + Format("%d", m) +
                                                   "> is outside "
                                                   "of the range [1,  " +
                                                   "20" + "] (at the alternative <" +
                                                   m_strAlternative + "> and on the attribute <" +
                                                   m_strAttribute + ">).");
  }
  // The count is stored before the distribution is checked, and stays when
  // the distribution fails.
  if (CAssessment* record = CurrentRecord(nAttribute)) {
    record->m_nPossibleValues = m;
    m_bStored = true;
  }
  m_words.Next(word);
  if (!IsField(word, "DISTRIBUTION")) return FieldNameError(word, "DISTRIBUTION:");

  std::array<double, kMaxGrades> values{};
  std::array<double, kMaxGrades> beliefs{};
  double sum = 0.0;
  for (int i = 0; i < m; ++i) {
    double v = 0.0;
    double d = 0.0;
    if (!ReadReal(v)) return ValueTypeError();
    if (!ReadReal(d)) return BeliefTypeError();
    if (!DataValueInRange(v, attribute)) return ValueRangeError(i + 1, v, attribute);
    if (!DataDegreeInRange(d)) return DegreeRangeError(d);
    values[static_cast<std::size_t>(i)] = v;
    beliefs[static_cast<std::size_t>(i)] = d;
    sum += d;
  }
  if (!DataTotalInRange(sum)) return TotalBeliefError(sum);
  if (CAssessment* record = CurrentRecord(nAttribute)) {
    std::copy(values.begin(), values.begin() + m, record->m_dPossibleValue);
    std::copy(beliefs.begin(), beliefs.begin() + m, record->m_dBelief);
  }
  return true;
}

}  // namespace

bool DataValueInRange(double v, const CAttribute& attribute) {
  const double lo = std::min(attribute.m_dBest, attribute.m_dWorst);
  const double hi = std::max(attribute.m_dBest, attribute.m_dWorst);
  return lo - kDataTolerance <= v && v <= hi + kDataTolerance;
}

const char* TextImportHeading(ETextImportError error) {
  switch (error) {
    case ETextImportError::None:
      return "";
    case ETextImportError::FileStructure:
      return "File Structure";
    case ETextImportError::ObjectName:
      return "Object Name";
    case ETextImportError::AlternativeFieldName:
      return "Alternative Field Name";
    case ETextImportError::AttributeFieldName:
      return "Attribute Field Name";
    case ETextImportError::FieldName:
      return "Field Name";
    case ETextImportError::AlternativeName:
      return "Alternative Name";
    case ETextImportError::AttributeName:
      return "Attribute Name";
    case ETextImportError::AttributeType:
      return "Attribute Type";
    case ETextImportError::AttributeValue:
      return "Attribute Value";
    case ETextImportError::GradeNumber:
      return "Grade Number";
    case ETextImportError::GradeName:
      return "Grade Name";
    case ETextImportError::ValueNumber:
      return "Value Number";
    case ETextImportError::ValueType:
      return "Value Type";
    case ETextImportError::BeliefType:
      return "Belief Type";
    case ETextImportError::BeliefDegree:
      return "Belief Degree";
    case ETextImportError::TotalBelief:
      return "Total Belief";
    case ETextImportError::NameLeftBracket:
    case ETextImportError::NameRightBracket:
      return "Name String";
  }
  return "";
}

STextImportResult ReadTextData(CMADMDoc& doc, std::string_view bytes) {
  CTextDataReader reader(doc, bytes);
  return reader.Read();
}

STextImportResult ImportTextData(CMADMDoc& doc, std::string_view bytes) {
  STextImportResult result = ReadTextData(doc, bytes);
  // Success is news, not a warning.
  ThePrompter().Show({result.m_strMessage, result.Succeeded() ? EIcon::Information : EIcon::Warning,
                      EButtons::Ok, 0, result.m_strHeading});
  return result;
}

bool ImportTextDataFile(CMADMDoc& doc, const std::string& path, STextImportResult& result,
                        std::string& error) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  result = ImportTextData(doc, bytes);
  return true;
}

}  // namespace zev
