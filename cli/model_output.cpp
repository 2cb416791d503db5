#include "cli/model_output.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <numeric>
#include <vector>

#include "engine/utility.h"
#include "model/format.h"
#include "model/text.h"

namespace zev::cli {

namespace {

// Keys in the order they are documented.
using json = nlohmann::ordered_json;

std::string Utf8(const CText& text) { return Cp1252ToUtf8(text.View()); }

const char* KindName(std::uint16_t type) {
  switch (type) {
    case Quantitative:
      return "quantitative";
    case QuantitativeUncertain:
      return "uncertain";
    default:
      return "qualitative";
  }
}

// Characters on the terminal of a UTF-8 text (one per code point).
std::size_t Width(const std::string& utf8) {
  std::size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string PadRight(const std::string& s, std::size_t width) {
  std::size_t w = Width(s);
  return w >= width ? s : s + std::string(width - w, ' ');
}

std::string PadLeft(const std::string& s, std::size_t width) {
  std::size_t w = Width(s);
  return w >= width ? s : std::string(width - w, ' ') + s;
}

// A bar of `width` cells for a share in [0, 1], in eighths of a cell.
std::string Bar(double share, int width) {
  static const char* const kEighths[] = {"",       "\u258F", "\u258E", "\u258D",
                                         "\u258C", "\u258B", "\u258A", "\u2589"};
  // A share that is not a number draws no bar (clamping would keep it).
  share = share > 0.0 ? std::min(share, 1.0) : 0.0;
  int eighths = static_cast<int>(share * width * 8 + 0.5);
  std::string bar;
  for (int i = 0; i < eighths / 8; ++i) bar += "\u2588";
  bar += kEighths[eighths % 8];
  return bar;
}

// The children of an attribute in sibling order.
std::vector<int> Children(const CMADMDoc& doc, int father) {
  std::vector<int> kids;
  int first = -1;
  for (int i = 1; i <= doc.LastAttribute(); ++i) {
    const CAttribute& a = doc.Attribute(i);
    if (a.m_nFather == father && a.m_nPrevSibling == -1) first = i;
  }
  for (int k = first; k > 0 && k <= doc.LastAttribute() && kids.size() < kAttributeSlots;
       k = doc.Attribute(k).m_nNextSibling) {
    kids.push_back(k);
  }
  return kids;
}

std::string Value(double d) { return Format("%g", d); }

// The belief degrees of a record on its own n grades. A quantitative bottom
// attribute holds values, not degrees on grades: its value, or each possible
// value with its degree, is split between the two bracketing grade values,
// as the aggregation does before converting to the father's grades.
void GradeBeliefs(const CAssessment& r, bool bBottom, int n, double* d) {
  std::fill(d, d + n, 0.0);
  if (!bBottom || !IsQuantitativeType(r.m_nType)) {
    std::copy(r.m_dBelief, r.m_dBelief + n, d);
    return;
  }
  const double* v = r.Grades().m_dGradeValue;
  const std::span<const double> values(v, static_cast<std::size_t>(n));
  auto spread = [&](double x, double p) {
    const SBracket b = BracketValue(values, x);
    const double span = v[b.m_nHigh] - v[b.m_nLow];
    if (b.m_nLow == b.m_nHigh || span == 0.0) {
      d[b.m_nLow] += p;
    } else {
      const double share = (v[b.m_nHigh] - x) / span;
      d[b.m_nLow] += share * p;
      d[b.m_nHigh] += (1.0 - share) * p;
    }
  };
  if (r.m_nType == Quantitative) {
    spread(r.m_dValue, 1.0);
  } else {
    for (int k = 0; k < std::clamp(r.m_nPossibleValues, 0, kMaxGrades); ++k) {
      spread(r.m_dPossibleValue[k], r.m_dBelief[k]);
    }
  }
}

}  // namespace

std::string ShowJson(const CMADMDoc& doc) {
  json attributes = json::array();
  for (int i = 0; i <= doc.LastAttribute(); ++i) {
    const CAttribute& a = doc.Attribute(i);
    const bool bQuantitative = IsQuantitativeType(a.m_nType);
    json grades = json::array();
    for (int k = 0; k < a.m_nGrades; ++k) {
      json grade = {{"name", Utf8(a.GradeName(k))}, {"utility", a.GradeUtility(k)}};
      if (bQuantitative) grade["value"] = a.GradeValue(k);
      grades.push_back(std::move(grade));
    }
    json entry = {{"index", i},
                  {"name", Utf8(a.m_strName)},
                  {"kind", KindName(a.m_nType)},
                  {"father", a.m_nFather},
                  {"weight", a.m_dWeight},
                  {"grades", std::move(grades)}};
    if (bQuantitative) {
      entry["best"] = a.m_dBest;
      entry["worst"] = a.m_dWorst;
      entry["unit"] = Utf8(a.m_strUnit);
    }
    attributes.push_back(std::move(entry));
  }
  json alternatives = json::array();
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    const CAlternative& alt = doc.Alternative(p);
    alternatives.push_back(
        {{"name", Utf8(alt.m_strName)}, {"ranking", alt.m_nRanking}, {"utility", alt.m_dUtility}});
  }
  json out = {{"attributes", std::move(attributes)}, {"alternatives", std::move(alternatives)}};
  return out.dump(2) + "\n";
}

std::string ShowText(const CMADMDoc& doc) {
  std::string out;
  const int count = doc.AttributeCount();
  out += Utf8(doc.Attribute(0).m_strName) + "  (" + FormatInt(count) +
         (count == 1 ? " attribute, " : " attributes, ") + FormatInt(doc.AlternativeCount()) +
         (doc.AlternativeCount() == 1 ? " alternative)\n\n" : " alternatives)\n\n");

  // The hierarchy, depth first with the children in their drawing order.
  struct SFrame {
    int m_nAttribute;
    std::string m_strPrefix;  // drawn in front of the node's own lines
    bool m_bLast;
  };
  std::vector<SFrame> stack{{0, "", true}};
  int visited = 0;
  while (!stack.empty() && visited++ < kAttributeSlots) {
    SFrame f = stack.back();
    stack.pop_back();
    const CAttribute& a = doc.Attribute(f.m_nAttribute);
    const bool bTop = f.m_nAttribute == 0;
    const std::string branch = bTop ? "" : (f.m_bLast ? "\u2514\u2500 " : "\u251C\u2500 ");
    const std::string below = bTop ? "" : (f.m_bLast ? "   " : "\u2502  ");
    std::vector<int> kids = Children(doc, f.m_nAttribute);

    std::string line = f.m_strPrefix + branch + Utf8(a.m_strName) + "  [" +
                       FormatInt(f.m_nAttribute) + "] " + KindName(a.m_nType);
    if (IsQuantitativeType(a.m_nType)) {
      line += ", " + Value(a.m_dWorst) + " (worst) to " + Value(a.m_dBest) + " (best) " +
              Utf8(a.m_strUnit);
    }
    if (!bTop) line += ", weight " + Format("%1.4lf", a.m_dWeight);
    out += line + "\n";

    std::string grades;
    for (int k = 0; k < a.m_nGrades; ++k) {
      if (k) grades += " \u00B7 ";
      grades += Utf8(a.GradeName(k));
      if (IsQuantitativeType(a.m_nType)) grades += " = " + Value(a.GradeValue(k));
      grades += " (" + Format("%1.4lf", a.GradeUtility(k)) + ")";
    }
    out += f.m_strPrefix + below + (kids.empty() ? "   " : "\u2502  ") + "grades: " + grades + "\n";

    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
      stack.push_back({*it, f.m_strPrefix + below, it == kids.rbegin()});
    }
  }

  out += "\nAlternatives\n";
  std::size_t nameWidth = 0;
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    nameWidth = std::max(nameWidth, Width(Utf8(doc.Alternative(p).m_strName)));
  }
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    const CAlternative& alt = doc.Alternative(p);
    out += PadLeft(FormatInt(p + 1), 4) + ". " + PadRight(Utf8(alt.m_strName), nameWidth) +
           "  ranking " + PadLeft(alt.RankingText(), 3) + ", utility " +
           Format("%1.4lf", alt.m_dUtility) + "\n";
  }
  return out;
}

std::string ResultsJson(const CMADMDoc& doc) {
  json alternatives = json::array();
  for (int p = 0; p < doc.AlternativeCount(); ++p) {
    const CAlternative& alt = doc.Alternative(p);
    json attributes = json::array();
    for (int i = 0; i <= doc.LastAttribute(); ++i) {
      const CAssessment& r = alt.Record(i);
      const CAttribute& a = doc.Attribute(i);
      const int n = std::clamp(a.m_nGrades, 1, kMaxGrades);
      double d[kMaxGrades];
      GradeBeliefs(r, a.m_nChildren == 0, n, d);
      json belief = json::array();
      double sum = 0.0;
      for (int k = 0; k < n; ++k) {
        belief.push_back(d[k]);
        sum += d[k];
      }
      const double unassigned = 1.0 - sum;
      attributes.push_back({{"index", i},
                            {"name", Utf8(a.m_strName)},
                            {"belief", std::move(belief)},
                            {"unassigned", unassigned <= 1e-8 ? 0.0 : unassigned},
                            {"min", r.m_dMinUtility},
                            {"max", r.m_dMaxUtility},
                            {"avg", r.m_dAvgUtility},
                            {"value", r.m_dValue}});
    }
    alternatives.push_back({{"name", Utf8(alt.m_strName)},
                            {"ranking", alt.m_nRanking},
                            {"utility", alt.m_dUtility},
                            {"attributes", std::move(attributes)}});
  }
  json out = {{"alternatives", std::move(alternatives)}};
  return out.dump(2) + "\n";
}

std::string RankingTable(const CMADMDoc& doc, int nAttribute) {
  const CAttribute& attribute = doc.Attribute(nAttribute);
  const bool bValue = attribute.m_nType == Quantitative && attribute.m_nChildren == 0;
  std::vector<int> order(static_cast<std::size_t>(doc.AlternativeCount()));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return doc.Alternative(a).m_nRanking < doc.Alternative(b).m_nRanking;
  });

  std::size_t nameWidth = Width("Alternative");
  for (int p : order) nameWidth = std::max(nameWidth, Width(Utf8(doc.Alternative(p).m_strName)));

  std::string out = "Ranking on " + Utf8(attribute.m_strName) + " (" +
                    FormatInt(doc.AlternativeCount()) +
                    (doc.AlternativeCount() == 1 ? " alternative)\n\n" : " alternatives)\n\n");
  std::string head = "Rank  " + PadRight("Alternative", nameWidth) + "  Utility   Interval";
  std::string rule = "----  " + std::string(nameWidth, '-') + "  -------   ----------------";
  if (bValue) {
    head += std::string(8, ' ') + "  " + PadLeft("Value", 12);
    rule += "  " + std::string(12, '-');
  }
  out += head + "\n" + rule + "\n";
  for (int p : order) {
    const CAlternative& alt = doc.Alternative(p);
    const CAssessment& r = alt.Record(nAttribute);
    std::string row =
        PadLeft(alt.RankingText(), 4) + "  " + PadRight(Utf8(alt.m_strName), nameWidth) + "  " +
        Format("%1.4lf", r.m_dAvgUtility) + "    [" + Format("%1.4lf", r.m_dMinUtility) + ", " +
        Format("%1.4lf", r.m_dMaxUtility) + "]";
    if (bValue) row += "  " + PadLeft(Value(r.m_dValue), 12);
    row += "  " + Bar(r.m_dAvgUtility, 20);
    out += row + "\n";
  }
  return out;
}

std::string TextTable(const std::vector<std::vector<std::string>>& rows,
                      const std::vector<bool>& right) {
  std::vector<std::size_t> widths(right.size(), 0);
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
      widths[c] = std::max(widths[c], Width(row[c]));
    }
  }
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
      if (c > 0) line += "  ";
      line += right[c] ? PadLeft(row[c], widths[c]) : PadRight(row[c], widths[c]);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  return out;
}

}  // namespace zev::cli
