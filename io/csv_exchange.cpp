#include "io/csv_exchange.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <map>
#include <new>
#include <vector>

#include "engine/conversion.h"
#include "engine/evaluate_commands.h"
#include "io/available_memory.h"
#include "io/csv_table.h"
#include "io/report_walk.h"
#include "io/text_import.h"
#include "model/format.h"
#include "model/number.h"
#include "model/prompter.h"

namespace zev {

namespace {

std::vector<int> BottomAttributes(const CMADMDoc& doc) {
  std::vector<int> bottom;
  for (const SWalkStep& step : HierarchyWalk(doc)) {
    if (doc.Attribute(step.m_nAttribute).m_nChildren == 0) bottom.push_back(step.m_nAttribute);
  }
  return bottom;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A grade name as a cell writes it: bare when it reads back as it is.
std::string CellName(std::string_view name) {
  const bool bare = !name.empty() && name.find(';') == std::string_view::npos &&
                    name.front() != '"' && !IsBlank(name.front()) && !IsBlank(name.back());
  if (bare) return std::string(name);
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

// The cell of one record; empty when it holds a number no cell can carry.
std::string AssessmentCell(const CAttribute& attribute, const CAssessment& record) {
  if (attribute.m_nType == Quantitative) {
    return std::isfinite(record.m_dValue) ? ShortestNumber(record.m_dValue) : std::string();
  }
  std::string cell;
  auto pair = [&cell](std::string_view first, double degree) {
    if (!std::isfinite(degree)) return false;
    if (!cell.empty()) cell += "; ";
    cell += first;
    cell += ": ";
    cell += ShortestNumber(degree);
    return true;
  };
  if (attribute.m_nType == QuantitativeUncertain) {
    const int m = std::clamp(record.m_nPossibleValues, 1, kMaxGrades);
    for (int i = 0; i < m; ++i) {
      if (!std::isfinite(record.m_dPossibleValue[i]) ||
          !pair(ShortestNumber(record.m_dPossibleValue[i]), record.m_dBelief[i])) {
        return {};
      }
    }
    return cell;
  }
  const int n = std::clamp(attribute.m_nGrades, 1, kMaxGrades);
  for (int k = 0; k < n; ++k) {
    const double degree = record.m_dBelief[k];
    // Zero degrees are what an unnamed grade reads back as.
    if (SameBits(degree, 0.0)) continue;
    if (!pair(CellName(attribute.GradeName(k)), degree)) return {};
  }
  // No belief at all is said explicitly, so that the cell still sets it.
  if (cell.empty()) pair(CellName(attribute.GradeName(0)), 0.0);
  return cell;
}

std::string ColumnLetters(int column) {
  std::string letters;
  for (int n = column + 1; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return letters;
}

std::string Angled(std::string_view s) { return "<" + std::string(s) + ">"; }

constexpr const char* kRefusal = "The assessments cannot be read; nothing has been changed.\n\n";

// ---------------------------------------------------------------------------
// Reading cells

// What one cell says about a record.
struct SCellValue {
  std::uint16_t m_nType = Qualitative;
  double m_dValue = 0.0;
  int m_nCount = 0;
  std::array<double, kMaxGrades> m_dBelief{};
  std::array<double, kMaxGrades> m_dPossibleValue{};
};

struct SPair {
  std::string m_strFirst;
  std::string_view m_second;
  bool m_bQuoted = false;
};

class CCellReader {
 public:
  explicit CCellReader(char cSeparator = ',') : m_bDecimalComma(cSeparator == ';') {}

  // False with the broken rule in `rule`.
  bool Read(std::string_view text, const CAttribute& attribute, SCellValue& value,
            std::string& rule) const;

 private:
  bool Number(std::string_view text, double& d) const;
  static bool SplitPairs(std::string_view text, std::vector<SPair>& pairs, std::string& rule);
  bool ReadQualitative(const std::vector<SPair>& pairs, const CAttribute& attribute,
                       SCellValue& value, std::string& rule) const;
  bool ReadUncertain(const std::vector<SPair>& pairs, const CAttribute& attribute,
                     SCellValue& value, std::string& rule) const;
  static bool CheckTotal(const SCellValue& value, int count, std::string& rule);

  // Spreadsheets that separate cells with semicolons write decimal commas.
  bool m_bDecimalComma;
};

bool CCellReader::Number(std::string_view text, double& d) const {
  text = Trim(text);
  if (m_bDecimalComma && text.find('.') == std::string_view::npos &&
      std::count(text.begin(), text.end(), ',') == 1) {
    std::string dotted(text);
    dotted[dotted.find(',')] = '.';
    return ReadRealNumber(dotted, d);
  }
  return ReadRealNumber(text, d);
}

// "first: second; first: second", where a first part may be quoted and a
// bare one ends at the last colon before the next semicolon.
bool CCellReader::SplitPairs(std::string_view text, std::vector<SPair>& pairs, std::string& rule) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos == text.size()) break;
    SPair pair;
    std::size_t colon = std::string_view::npos;
    if (text[pos] == '"') {
      const std::size_t start = pos;
      ++pos;
      bool closed = false;
      while (pos < text.size()) {
        if (text[pos] == '"') {
          if (pos + 1 < text.size() && text[pos + 1] == '"') {
            pair.m_strFirst += '"';
            pos += 2;
            continue;
          }
          ++pos;
          closed = true;
          break;
        }
        pair.m_strFirst += text[pos++];
      }
      if (!closed) {
        rule = "the name " + Angled(text.substr(start)) + " has no closing quote.";
        return false;
      }
      while (pos < text.size() && IsBlank(text[pos])) ++pos;
      if (pos < text.size() && text[pos] == ':') colon = pos;
      pair.m_bQuoted = true;
    }
    const std::size_t end = std::min(text.find(';', pos), text.size());
    const std::string_view segment = text.substr(pos, end - pos);
    if (!pair.m_bQuoted) {
      const std::size_t last = segment.rfind(':');
      if (last != std::string_view::npos) colon = pos + last;
      if (colon != std::string_view::npos) pair.m_strFirst = Trim(text.substr(pos, colon - pos));
    }
    if (colon == std::string_view::npos) {
      rule = Angled(Trim(segment)) + " is not a pair of the form <name: degree>.";
      return false;
    }
    pair.m_second = text.substr(colon + 1, end - colon - 1);
    pairs.push_back(std::move(pair));
    pos = end + 1;
  }
  return true;
}

bool CCellReader::CheckTotal(const SCellValue& value, int count, std::string& rule) {
  double sum = 0.0;
  for (int i = 0; i < count; ++i) sum += value.m_dBelief[static_cast<std::size_t>(i)];
  if (DataTotalInRange(sum)) return true;
  rule = "the total belief degree " + Angled(ShortestNumber(sum)) + " is above 1.";
  return false;
}

bool CCellReader::ReadQualitative(const std::vector<SPair>& pairs, const CAttribute& attribute,
                                  SCellValue& value, std::string& rule) const {
  const int n = std::clamp(attribute.m_nGrades, 1, kMaxGrades);
  std::array<bool, kMaxGrades> named{};
  for (const SPair& pair : pairs) {
    bool matched = false;
    for (int k = 0; k < n; ++k) {
      if (attribute.GradeName(k) != pair.m_strFirst) continue;
      if (named[static_cast<std::size_t>(k)]) {
        rule = "the grade " + Angled(pair.m_strFirst) + " is given twice.";
        return false;
      }
      matched = true;
    }
    if (!matched) {
      std::string grades;
      for (int k = 0; k < n; ++k) grades += (k ? ", " : "") + attribute.GradeName(k);
      rule = Angled(pair.m_strFirst) + " is not a grade of the attribute (its grades are " +
             grades + ").";
      return false;
    }
    double d = 0.0;
    if (!Number(pair.m_second, d)) {
      rule = "the belief degree " + Angled(Trim(pair.m_second)) + " is not a number.";
      return false;
    }
    if (!DataDegreeInRange(d)) {
      rule = "the belief degree " + Angled(ShortestNumber(d)) + " is outside the range [0, 1].";
      return false;
    }
    // Every grade of that name gets the degree, as in the text data file.
    for (int k = 0; k < n; ++k) {
      if (attribute.GradeName(k) != pair.m_strFirst) continue;
      named[static_cast<std::size_t>(k)] = true;
      value.m_dBelief[static_cast<std::size_t>(k)] = d;
    }
  }
  value.m_nCount = n;
  return CheckTotal(value, n, rule);
}

bool CCellReader::ReadUncertain(const std::vector<SPair>& pairs, const CAttribute& attribute,
                                SCellValue& value, std::string& rule) const {
  if (pairs.size() > static_cast<std::size_t>(kMaxGrades)) {
    rule = "the cell holds " + FormatInt(static_cast<int>(pairs.size())) +
           " possible values; at most " + FormatInt(kMaxGrades) + " are allowed.";
    return false;
  }
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    double v = 0.0;
    double d = 0.0;
    if (pairs[i].m_bQuoted || !Number(pairs[i].m_strFirst, v)) {
      rule = "the value " + Angled(pairs[i].m_strFirst) + " is not a number.";
      return false;
    }
    if (!DataValueInRange(v, attribute)) {
      rule = "the value " + Angled(ShortestNumber(v)) + " is outside the range [" +
             ShortestNumber(attribute.m_dWorst) + ", " + ShortestNumber(attribute.m_dBest) +
             "] of the attribute.";
      return false;
    }
    if (!Number(pairs[i].m_second, d)) {
      rule = "the belief degree " + Angled(Trim(pairs[i].m_second)) + " is not a number.";
      return false;
    }
    if (!DataDegreeInRange(d)) {
      rule = "the belief degree " + Angled(ShortestNumber(d)) + " is outside the range [0, 1].";
      return false;
    }
    value.m_dPossibleValue[i] = v;
    value.m_dBelief[i] = d;
  }
  value.m_nCount = static_cast<int>(pairs.size());
  return CheckTotal(value, value.m_nCount, rule);
}

bool CCellReader::Read(std::string_view text, const CAttribute& attribute, SCellValue& value,
                       std::string& rule) const {
  value.m_nType = attribute.m_nType;
  if (attribute.m_nType == Quantitative) {
    if (!Number(text, value.m_dValue)) {
      rule = Angled(Trim(text)) + " is not a number.";
      return false;
    }
    if (!DataValueInRange(value.m_dValue, attribute)) {
      rule = "the value " + Angled(ShortestNumber(value.m_dValue)) + " is outside the range [" +
             ShortestNumber(attribute.m_dWorst) + ", " + ShortestNumber(attribute.m_dBest) +
             "] of the attribute.";
      return false;
    }
    return true;
  }
  std::vector<SPair> pairs;
  if (!SplitPairs(text, pairs, rule)) return false;
  if (attribute.m_nType == QuantitativeUncertain) {
    if (pairs.empty()) {
      rule = "the cell holds no value and degree pair.";
      return false;
    }
    return ReadUncertain(pairs, attribute, value, rule);
  }
  return ReadQualitative(pairs, attribute, value, rule);
}

// Whether the first `count` numbers differ anywhere.
bool DiffersFrom(const double* stored, const double* read, std::size_t count) {
  for (std::size_t k = 0; k < count; ++k) {
    if (!SameBits(stored[k], read[k])) return true;
  }
  return false;
}

// Stores a cell's value in the record; false when the record held it already.
bool Store(const SCellValue& value, CAssessment& record) {
  if (value.m_nType == Quantitative) {
    // An unchanged value leaves the record as it is; a new one is held as a
    // one-point distribution too, like a value typed in.
    if (SameBits(value.m_dValue, record.m_dValue)) return false;
    record.m_dValue = value.m_dValue;
    record.m_nPossibleValues = 1;
    record.m_dPossibleValue[0] = value.m_dValue;
    record.m_dBelief[0] = 1.0;
    return true;
  }
  const auto count = static_cast<std::size_t>(value.m_nCount);
  bool changed = DiffersFrom(record.m_dBelief, value.m_dBelief.data(), count);
  std::copy_n(value.m_dBelief.begin(), count, record.m_dBelief);
  if (value.m_nType == QuantitativeUncertain) {
    changed = changed || record.m_nPossibleValues != value.m_nCount ||
              DiffersFrom(record.m_dPossibleValue, value.m_dPossibleValue.data(), count);
    record.m_nPossibleValues = value.m_nCount;
    std::copy_n(value.m_dPossibleValue.begin(), count, record.m_dPossibleValue);
  }
  return changed;
}

// ---------------------------------------------------------------------------
// Reading a table

class CAssessmentsReader {
 public:
  CAssessmentsReader(CMADMDoc& doc, const SCsvTable& table) : m_doc(doc), m_table(table) {}

  // Checks everything; false with the refusal in m_strRefusal.
  bool Check();
  // Stores what Check() accepted.
  void Apply(SCsvImportResult& result);

  const std::string& Refusal() const { return m_strRefusal; }

 private:
  bool MapColumns();
  bool MapRows();
  bool CheckRow(std::size_t r);
  bool Fail(std::size_t row, std::size_t column, const std::string& rule);
  static bool RowIsEmpty(const std::vector<std::string>& cells);
  std::string_view Cell(std::size_t row, std::size_t column) const {
    const auto& cells = m_table.m_rows[row];
    return column < cells.size() ? std::string_view(cells[column]) : std::string_view();
  }

  CMADMDoc& m_doc;
  const SCsvTable& m_table;
  CCellReader m_cells;
  // The attribute of every column; -1 for the name column and unnamed ones.
  std::vector<int> m_columns;
  // The list position each row goes to; -1 for a new alternative.
  std::vector<int> m_targets;
  std::string m_strRefusal;
};

bool CAssessmentsReader::Fail(std::size_t row, std::size_t column, const std::string& rule) {
  std::string place = "Row " + FormatInt(static_cast<int>(row) + 1) + ", column " +
                      ColumnLetters(static_cast<int>(column));
  if (row > 0 && column < m_columns.size() && m_columns[column] >= 0) {
    place += " " + Angled(m_doc.Attribute(m_columns[column]).m_strName);
  }
  m_strRefusal = kRefusal + place + ": " + rule;
  return false;
}

bool CAssessmentsReader::RowIsEmpty(const std::vector<std::string>& cells) {
  return std::all_of(cells.begin(), cells.end(),
                     [](const std::string& c) { return Trim(c).empty(); });
}

bool CAssessmentsReader::MapColumns() {
  const std::vector<int> bottom = BottomAttributes(m_doc);
  const std::vector<std::string>& header = m_table.m_rows[0];
  m_columns.assign(header.size(), -1);
  // The k-th column of a name is the k-th bottom attribute of that name.
  std::map<std::string_view, std::size_t> seen;
  for (std::size_t c = 1; c < header.size(); ++c) {
    const std::string& name = header[c];
    if (Trim(name).empty()) continue;
    std::size_t& k = seen[name];
    std::size_t found = 0;
    for (int i : bottom) {
      if (m_doc.Attribute(i).m_strName != name || found++ != k) continue;
      m_columns[c] = i;
      break;
    }
    if (m_columns[c] >= 0) {
      ++k;
      continue;
    }
    if (found > 0) return Fail(0, c, "the attribute " + Angled(name) + " has a column already.");
    for (int i = 0; i <= m_doc.LastAttribute(); ++i) {
      if (m_doc.Attribute(i).m_strName == name) {
        return Fail(0, c,
                    "the attribute " + Angled(name) +
                        " has sub-attributes; only bottom attributes take assessments.");
      }
    }
    return Fail(0, c, "the model has no attribute named " + Angled(name) + ".");
  }
  return true;
}

bool CAssessmentsReader::MapRows() {
  std::map<std::string_view, std::vector<int>> positions;
  for (int pos = 0; pos < m_doc.AlternativeCount(); ++pos) {
    positions[m_doc.Alternative(pos).m_strName.View()].push_back(pos);
  }
  std::map<std::string_view, std::size_t> seen;
  m_targets.assign(m_table.m_rows.size(), -1);
  for (std::size_t r = 1; r < m_table.m_rows.size(); ++r) {
    if (RowIsEmpty(m_table.m_rows[r])) continue;
    const std::string_view name = Cell(r, 0);
    if (name.empty()) return Fail(r, 0, "the alternative has no name.");
    // The k-th row of a name goes to the k-th alternative of that name.
    const std::size_t k = seen[name]++;
    auto it = positions.find(name);
    if (it != positions.end() && k < it->second.size()) m_targets[r] = it->second[k];
  }
  return true;
}

bool CAssessmentsReader::CheckRow(std::size_t r) {
  const auto& cells = m_table.m_rows[r];
  for (std::size_t c = 1; c < cells.size(); ++c) {
    if (Trim(cells[c]).empty()) continue;
    if (c >= m_columns.size() || m_columns[c] < 0) {
      return Fail(r, c, "the column has no attribute name in the first row.");
    }
    SCellValue value;
    std::string rule;
    if (!m_cells.Read(cells[c], m_doc.Attribute(m_columns[c]), value, rule)) {
      return Fail(r, c, rule);
    }
  }
  return true;
}

bool CAssessmentsReader::Check() {
  m_cells = CCellReader(m_table.m_cSeparator);
  if (m_table.m_rows.empty()) {
    m_strRefusal = std::string(kRefusal) + "The file is empty.";
    return false;
  }
  if (!MapColumns() || !MapRows()) return false;
  const auto added =
      static_cast<std::uint64_t>(std::count(m_targets.begin() + 1, m_targets.end(), -1));
  std::string shortfall;
  if (added > 0 && !AlternativesFitInMemory(added, shortfall)) {
    m_strRefusal =
        std::string(kRefusal) + "There is not enough memory for the new alternatives: " + shortfall;
    return false;
  }
  bool any = false;
  for (std::size_t r = 1; r < m_table.m_rows.size(); ++r) {
    if (RowIsEmpty(m_table.m_rows[r])) continue;
    any = true;
    if (!CheckRow(r)) return false;
  }
  if (!any) {
    m_strRefusal = std::string(kRefusal) + "The file holds no alternative below its first row.";
    return false;
  }
  return true;
}

void CAssessmentsReader::Apply(SCsvImportResult& result) {
  for (std::size_t r = 1; r < m_table.m_rows.size(); ++r) {
    const auto& cells = m_table.m_rows[r];
    if (RowIsEmpty(cells)) continue;
    int pos = m_targets[r];
    if (pos < 0) {
      m_doc.AddAlternativeCommand();
      pos = m_doc.AlternativeCount() - 1;
      m_doc.Alternative(pos).SetName(cells[0]);
      ++result.m_nAlternativesAdded;
    }
    CAlternative& alternative = m_doc.Alternative(pos);
    for (std::size_t c = 1; c < cells.size(); ++c) {
      if (Trim(cells[c]).empty()) continue;
      const int i = m_columns[c];
      SCellValue value;
      std::string rule;
      m_cells.Read(cells[c], m_doc.Attribute(i), value, rule);
      if (Store(value, alternative.Record(i))) ++result.m_nRecordsChanged;
    }
    ++result.m_nRowsRead;
  }
}

}  // namespace

std::string ExportResultsCsv(CMADMDoc& doc) {
  PropagateRules(doc, 0);
  EvaluateAndRank(doc);
  const std::vector<SWalkStep> walk = HierarchyWalk(doc);
  CCsvWriter out;
  out.Text("Alternative");
  out.Text("Ranking");
  for (const SWalkStep& step : walk) {
    const CText& name = doc.Attribute(step.m_nAttribute).m_strName;
    out.Text(name + ": minimum");
    out.Text(name + ": average");
    out.Text(name + ": maximum");
  }
  out.EndRow();
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    const CAlternative& alternative = doc.Alternative(pos);
    out.Text(alternative.m_strName);
    out.Integer(alternative.m_nRanking);
    for (const SWalkStep& step : walk) {
      const CAssessment& r = alternative.Record(step.m_nAttribute);
      out.Number(r.m_dMinUtility);
      out.Number(r.m_dAvgUtility);
      out.Number(r.m_dMaxUtility);
    }
    out.EndRow();
  }
  return out.Bytes();
}

std::string ExportAssessmentsCsv(const CMADMDoc& doc) {
  const std::vector<int> bottom = BottomAttributes(doc);
  CCsvWriter out;
  out.Text("Alternative");
  for (int i : bottom) out.Text(doc.Attribute(i).m_strName);
  out.EndRow();
  for (int pos = 0; pos < doc.AlternativeCount(); ++pos) {
    const CAlternative& alternative = doc.Alternative(pos);
    out.Text(alternative.m_strName);
    for (int i : bottom) {
      const std::string cell = AssessmentCell(doc.Attribute(i), alternative.Record(i));
      if (cell.empty())
        out.Empty();
      else
        out.Text(cell);
    }
    out.EndRow();
  }
  return out.Bytes();
}

SCsvImportResult ReadAssessmentsCsv(CMADMDoc& doc, std::string_view bytes) {
  SCsvImportResult result;
  SCsvTable table;
  CAssessmentsReader reader(doc, table);
  std::string error;
  try {
    if (!ParseCsv(bytes, table, error)) {
      result.m_strMessage = kRefusal + error;
      return result;
    }
    if (!reader.Check()) {
      result.m_strMessage = reader.Refusal();
      return result;
    }
  } catch (const std::bad_alloc&) {
    result.m_strMessage = std::string(kRefusal) + "There is not enough memory to read the file.";
    return result;
  }
  reader.Apply(result);
  result.m_bSucceeded = true;
  result.m_strMessage = "The assessments of " + FormatInt(result.m_nRowsRead) +
                        (result.m_nRowsRead == 1 ? " alternative have" : " alternatives have") +
                        " been read";
  if (result.m_nAlternativesAdded > 0) {
    result.m_strMessage +=
        "; " + FormatInt(result.m_nAlternativesAdded) +
        (result.m_nAlternativesAdded == 1 ? " of them is new" : " of them are new");
  }
  result.m_strMessage += ".";
  // A table that only repeats what the model holds leaves it unmodified.
  if (result.m_nRecordsChanged > 0 || result.m_nAlternativesAdded > 0)
    doc.PublishChanges({EDocChange::Model});
  return result;
}

SCsvImportResult ImportAssessmentsCsv(CMADMDoc& doc, std::string_view bytes) {
  SCsvImportResult result = ReadAssessmentsCsv(doc, bytes);
  if (result.m_bSucceeded)
    ThePrompter().Information(result.m_strMessage);
  else
    ThePrompter().Warning(result.m_strMessage);
  return result;
}

}  // namespace zev
