#include "elicitation/utility_scoring_presenter.h"

#include <algorithm>
#include <cmath>

#include "elicitation/assessment_rules.h"
#include "elicitation/grade_table_presenter.h"
#include "elicitation/text_presenter.h"
#include "elicitation/value_utility_presenter.h"
#include "engine/conversion.h"
#include "model/format.h"
#include "model/number.h"

namespace zev {

namespace {

constexpr double kTolerance = 0.00001;

std::string GradeValueName(double d) { return Format("%-1.4lf", d); }

}  // namespace

CUtilityScoringPresenter::CUtilityScoringPresenter(CMADMDoc& doc, int k)
    : m_doc(doc), m_nAttribute(k) {
  Load();
}

const std::vector<int>& CUtilityScoringPresenter::NumberChoices() {
  return CValueUtilityPresenter::NumberChoices();
}

bool CUtilityScoringPresenter::StillValid() const {
  return m_nAttribute >= 0 && m_nAttribute <= m_doc.LastAttribute() &&
         m_doc.Attribute(m_nAttribute).m_strName == m_strAttributeName;
}

void CUtilityScoringPresenter::Load() {
  CAttribute& a = m_doc.Attribute(m_nAttribute);
  const int n = std::clamp(a.m_nGrades, 1, kMaxGrades);
  m_strAttributeName = a.m_strName.Str();
  m_nType = a.m_nType;
  m_bQualitative = a.m_nType == Qualitative;
  m_nNumber = n <= 3 ? 3 : n <= 8 ? 5 : 9;
  m_bOrderEditing = false;
  m_bNumberEditing = false;
  if (!m_bQualitative) {
    bool bRenamed = false;
    for (int g = 0; g < n; ++g) {
      const std::string name = GradeValueName(a.GradeValue(g));
      if (a.GradeName(g) == name) continue;
      a.SetGradeName(g, name);
      bRenamed = true;
    }
    if (bRenamed) m_doc.PublishChanges({EDocChange::Attribute, m_nAttribute, -1});
  }
  m_grades.assign(static_cast<size_t>(n), SGrade{});
  for (int g = 0; g < n; ++g) {
    SGrade& grade = m_grades[static_cast<size_t>(g)];
    grade.m_strName = a.GradeName(g).Str();
    grade.m_strDefinition = a.GradeDefinition(g).Str();
    grade.m_dUtility = a.GradeUtility(g);
  }
  DeriveOrders();
  Select(0);
}

void CUtilityScoringPresenter::Reload() {
  if (StillValid()) Load();
}

// Order 1 to the largest utility, 2 to the largest of the rest, and so on;
// a utility counts as larger only by 0.00001 or more, so among equal ones
// the lower grade comes first.
void CUtilityScoringPresenter::DeriveOrders() {
  std::vector<bool> bOrdered(m_grades.size(), false);
  for (int order = 1; order <= Count(); ++order) {
    int best = -1;
    for (int g = 0; g < Count(); ++g) {
      if (bOrdered[static_cast<size_t>(g)]) continue;
      if (best < 0 || Utility(g) - Utility(best) >= kTolerance) best = g;
    }
    bOrdered[static_cast<size_t>(best)] = true;
    m_grades[static_cast<size_t>(best)].m_nOrder = order;
  }
}

int CUtilityScoringPresenter::GradeOfOrder(int order) const {
  for (int g = 0; g < Count(); ++g) {
    if (Order(g) == order) return g;
  }
  return -1;
}

std::string CUtilityScoringPresenter::OrderText(int g) const { return FormatInt(Order(g)); }

std::string CUtilityScoringPresenter::UtilityText(int g) const {
  return Format("%-1.6lf", Utility(g));
}

void CUtilityScoringPresenter::Select(int g) {
  if (g < 0 || g >= Count()) return;
  m_nSelected = g;
  m_utility.Set(Utility(g));
  m_strOrder = OrderText(g);
}

bool CUtilityScoringPresenter::Refuse(const std::string& text, const char* field) {
  ThePrompter().Warning(text);
  m_strFocus = field;
  return false;
}

bool CUtilityScoringPresenter::SetUtility(int g, double value) {
  if (value > 1.0 + kTolerance) {
    return Refuse("A normalised utility must not be more than one.", kFieldUtility);
  }
  if (value < -kTolerance) {
    return Refuse("A normalised utility must not be less than zero.", kFieldUtility);
  }
  const std::string& name = GradeName(g);
  const int lower = GradeOfOrder(Order(g) + 1);
  if (lower >= 0 && value < Utility(lower) - kTolerance) {
    const std::string& other = GradeName(lower);
    return Refuse("The utility of <" + name + "> must not be smaller than " +
                      Format("%-1.4lf", Utility(lower)) + ", the utility of <" + other + ">, as <" +
                      name + "> is preferred to <" + other + ">.",
                  kFieldUtility);
  }
  const int upper = GradeOfOrder(Order(g) - 1);
  if (upper >= 0 && value > Utility(upper) + kTolerance) {
    const std::string& other = GradeName(upper);
    return Refuse("The utility of <" + name + "> must not be larger than " +
                      Format("%-1.4lf", Utility(upper)) + ", the utility of <" + other + ">, as <" +
                      other + "> is preferred to <" + name + ">.",
                  kFieldUtility);
  }
  m_grades[static_cast<size_t>(g)].m_dUtility = value;
  return true;
}

bool CUtilityScoringPresenter::Drag(int series, int point, double value) {
  if (series != 0 || point < 0 || point >= Count() || !UtilityEnabled()) return false;
  Select(point);
  const bool bSet = SetUtility(point, value);
  Select(point);
  return bSet;
}

bool CUtilityScoringPresenter::ConfirmUtility() {
  if (!UtilityEnabled()) return true;
  double value = 0.0;
  if (!m_utility.Read(value)) return Refuse(kNotANumberMessage, kFieldUtility);
  const bool bSet = SetUtility(m_nSelected, value);
  Select(m_nSelected);
  return bSet;
}

void CUtilityScoringPresenter::EditGrade() {
  if (m_bQualitative)
    m_bOrderEditing = true;
  else
    m_bNumberEditing = true;
}

bool CUtilityScoringPresenter::ConfirmOrder() {
  if (!m_bOrderEditing) return true;
  const int n = Count();
  const int old = Order(m_nSelected);
  int order = 0;
  if (!ReadInteger(m_strOrder, order) || order < 1 || order > n) {
    m_strOrder = FormatInt(old);
    return Refuse("The entered order is outside the range [1, " + FormatInt(n) +
                      "].\n\n"
                      "You must enter a valid order number.",
                  kFieldOrder);
  }
  if (order == old) return true;
  if (ThePrompter().AskYesNo("The change of a grade order will lead to \n "
                             "the default re-setting of grade utilities.\n\n"
                             "Do you really want to change the order?",
                             EIcon::Question, 1) != EAnswer::Yes) {
    m_strOrder = FormatInt(old);
    return false;
  }
  m_grades[static_cast<size_t>(GradeOfOrder(order))].m_nOrder = old;
  m_grades[static_cast<size_t>(m_nSelected)].m_nOrder = order;
  for (SGrade& grade : m_grades) {
    grade.m_dUtility = n > 1 ? static_cast<double>(n - grade.m_nOrder) / (n - 1) : 1.0;
  }
  m_bOrderEditing = false;
  Select(m_nSelected);
  return true;
}

void CUtilityScoringPresenter::ChooseNumber(int n) {
  if (!m_bNumberEditing || n == m_nNumber ||
      std::find(NumberChoices().begin(), NumberChoices().end(), n) == NumberChoices().end()) {
    return;
  }
  if (ThePrompter().AskYesNo("The change of a utility number will lead to \n"
                             "the default re-setting of grade utilities.\n\n"
                             "Do you really want to change the number?",
                             EIcon::Question, 1) != EAnswer::Yes) {
    return;
  }
  CAttribute& a = m_doc.Attribute(m_nAttribute);
  const double worst = a.m_dWorst;
  const double best = a.m_dBest;
  // Evenly spaced from the worst value to the best, whichever is larger.
  const double step = (best - worst) / (n - 1);
  const bool bSpread = std::fabs(best - worst) >= kTolerance;
  a.m_nGrades = n;
  SGradeTable& table = a.MutableGrades();
  for (int g = 0; g < n; ++g) {
    table.m_dGradeUtility[g] = static_cast<double>(g) / (n - 1);
    if (bSpread) table.m_dGradeValue[g] = worst + g * step;
    table.m_strGradeName[g] = CText(GradeValueName(table.m_dGradeValue[g]));
  }
  Written();
  Load();
}

bool CUtilityScoringPresenter::Update() {
  if (!ConfirmUtility()) return false;
  if (ThePrompter().AskYesNo("Do you want to update the utilities of "
                             "the current attribute <" +
                             m_strAttributeName + ">?") != EAnswer::Yes) {
    return true;
  }
  CAttribute& a = m_doc.Attribute(m_nAttribute);
  SGradeTable& table = a.MutableGrades();
  for (int g = 0; g < Count() && g < kMaxGrades; ++g) {
    table.m_dGradeUtility[g] = Utility(g);
    table.m_strGradeDefinition[g] = CText(Grade(g).m_strDefinition);
  }
  Written();
  return true;
}

void CUtilityScoringPresenter::Written() {
  PropagateRules(m_doc, m_nAttribute);
  m_doc.PublishChanges({EDocChange::Attribute, m_nAttribute, -1});
}

void CUtilityScoringPresenter::Restart() {
  if (ThePrompter().AskYesNo("This will clear all assignments and start again.\n\n"
                             "Do you really want to restart the process? ",
                             EIcon::Question, 1) != EAnswer::Yes) {
    return;
  }
  Reload();
}

void CUtilityScoringPresenter::Comments() {
  if (m_bQualitative) {
    SGrade& grade = m_grades[static_cast<size_t>(m_nSelected)];
    CGradeMeaningPresenter meaning(m_strAttributeName, grade.m_strName, grade.m_strDefinition);
    if (ThePrompter().RunModal(meaning)) grade.m_strDefinition = meaning.m_strDefinition;
    return;
  }
  CAttribute& a = m_doc.Attribute(m_nAttribute);
  const std::string before = a.m_strDescription.Str();
  const std::string text =
      CTextPresenter::Edit("ZEV Dialog: Attribute Description", m_strAttributeName, before);
  if (text == before) return;
  a.m_strDescription = CText(text);
  m_doc.PublishChanges({EDocChange::Attribute, m_nAttribute, -1});
}

void UtilitySelectMethodsCommand(CMADMDoc& doc, const std::function<void()>& openVisualScoring) {
  const CAttribute& a = doc.CurrentAttributeRef();
  if (a.m_nConversion != ByUtility) {
    ThePrompter().Warning("The attribute <" + a.m_strName.Str() +
                          "> is not chosen for utility estimation.");
    return;
  }
  CUtilityMethodPresenter presenter;
  if (!ThePrompter().RunModal(presenter)) return;
  switch (presenter.m_nChoice) {
    case CUtilityMethodPresenter::kDirect:
      DirectAssignmentCommand(doc);
      break;
    case CUtilityMethodPresenter::kVisualScoring:
      if (openVisualScoring) openVisualScoring();
      break;
    default:
      break;  // the other methods are not offered yet
  }
}

}  // namespace zev
