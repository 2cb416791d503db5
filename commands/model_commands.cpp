#include "commands/model_commands.h"

#include <new>
#include <utility>

#include "commands/box_geometry.h"
#include "commands/report_commands.h"
#include "elicitation/add_from_file_presenter.h"
#include "elicitation/assessment_entry.h"
#include "elicitation/certain_value_entry.h"
#include "elicitation/convert_grades_presenter.h"
#include "elicitation/convert_values_presenter.h"
#include "elicitation/data_entry_walk.h"
#include "elicitation/define_alternative_presenter.h"
#include "elicitation/define_attribute_follow_up.h"
#include "elicitation/define_attribute_presenter.h"
#include "elicitation/grade_table_presenter.h"
#include "elicitation/grade_text_presenter.h"
#include "elicitation/pairwise_presenter.h"
#include "elicitation/possible_value_count.h"
#include "elicitation/qualitative_entry_page.h"
#include "elicitation/read_data_presenter.h"
#include "elicitation/report_options_presenter.h"
#include "elicitation/report_type_presenter.h"
#include "elicitation/text_presenter.h"
#include "elicitation/uncertain_entry_page.h"
#include "elicitation/utility_scoring_presenter.h"
#include "elicitation/value_utility_presenter.h"
#include "elicitation/weight_scoring_presenter.h"
#include "engine/evaluate_commands.h"
#include "model/format.h"
#include "model/prompter.h"

namespace zev {

void SAssessmentResults::ShowAttributeInfo() const {
  ThePrompter().Information(m_strAttributeDescription);
}

void SAssessmentResults::ShowAlternativeInfo() const {
  ThePrompter().Information(m_strAlternativeDescription);
}

CModelCommands::CModelCommands(CMADMDoc& doc, CModelessRegistry& registry)
    : m_doc(doc), m_registry(registry), m_history(doc) {
  InstallHandlers();
}

void CModelCommands::SetHandler(int id, std::function<void()> handler,
                                std::vector<std::string> dialogKinds) {
  if (handler)
    m_handlers[id] = {std::move(handler), std::move(dialogKinds)};
  else
    m_handlers.erase(id);
}

void CModelCommands::InstallHandlers() {
  CMADMDoc& d = m_doc;
  SetHandler(kIdEditCopy, [&d] { d.CopySelection(); });
  SetHandler(kIdEditCut, [this] { CutSelection(); });
  SetHandler(kIdEditPaste, [&d] { d.ReplaceSelection(); });

  SetHandler(kIdInsertAbove, [&d] { d.InsertAttributeAbove(); });
  SetHandler(kIdInsertBelow, [&d] { d.InsertAttributeBelow(); });
  SetHandler(kIdInsertLeft, [&d] { d.InsertAttributeLeft(); });
  SetHandler(kIdInsertRight, [&d] { d.InsertAttributeRight(); });
  SetHandler(kIdDeleteAttribute, [&d] { d.DeleteAttributeCommand(); });
  // The utility method choice, whose visual scoring is a tool window.
  auto selectUtilityMethods = [this](CMADMDoc& doc) {
    UtilitySelectMethodsCommand(doc, [this] { OpenModeless(EModelessKind::UtilityScoring); });
  };
  SAttributeDialogOpeners openers;
  openers.m_defineGrades = DefineGradesFromDefinition;
  openers.m_assignUtilitiesDirectly = DirectAssignmentCommand;
  openers.m_selectUtilityMethods = selectUtilityMethods;
  SetHandler(
      kIdDefineAttribute, [&d, openers] { RunDefineAttributeCommand(d, openers); },
      {CDefineAttributePresenter::kKind, CTextPresenter::kKind, CConvertGradesPresenter::kKind,
       CConvertValuesPresenter::kKind, CGradeTablePresenter::kKind, CGradeMeaningPresenter::kKind,
       CValueUtilityPresenter::kKind, CUtilityMethodPresenter::kKind});
  SetHandler(kIdDefineGrades, [&d] { DefineGradesCommand(d); },
             {CGradeTablePresenter::kKind, CGradeMeaningPresenter::kKind});
  SetHandler(kIdUtilityDirect, [&d] { DirectAssignmentCommand(d); },
             {CGradeTablePresenter::kKind, CGradeMeaningPresenter::kKind,
              CValueUtilityPresenter::kKind, CTextPresenter::kKind});
  SetHandler(kIdUtilitySelectMethods, [&d, selectUtilityMethods] { selectUtilityMethods(d); },
             {CUtilityMethodPresenter::kKind, CGradeTablePresenter::kKind,
              CGradeMeaningPresenter::kKind, CValueUtilityPresenter::kKind, CTextPresenter::kKind});
  SetHandler(kIdWeightSelectMethods, [&d] { WeightSelectMethodsCommand(d); },
             {CWeightMethodPresenter::kKind, CWeightScoringPresenter::kKind,
              CPairwisePresenter::kKind, CTextPresenter::kKind});
  SetHandler(kIdWeightVisualScoring, [&d] { WeightVisualScoringCommand(d); },
             {CWeightScoringPresenter::kKind, CTextPresenter::kKind});
  SetHandler(kIdWeightPairwise, [&d] { PairwiseComparisonCommand(d); },
             {CPairwisePresenter::kKind, CTextPresenter::kKind});
  SetHandler(kIdConvertGrades, [&d] { RunConvertGradesEditor(d); },
             {CConvertGradesPresenter::kKind, CTextPresenter::kKind});
  SetHandler(kIdConvertValues, [&d] { RunConvertValuesEditor(d); },
             {CConvertValuesPresenter::kKind});

  // Evaluation.
  SetHandler(kIdAssessAlternative, [&d] { AssessAlternative(d); });
  SetHandler(kIdAssessAttribute, [&d] { AssessAttribute(d); });
  SetHandler(kIdRank, [&d] { RankAlternatives(d); });
  SetHandler(kIdShowUtilityInterval, [this] { ShowUtilityInterval(); });
  for (auto [id, graph] : {std::pair{kIdGraphBeliefAttAtAlt, EGraph::BeliefAtSelection},
                           std::pair{kIdGraphBeliefAlternatives, EGraph::Beliefs},
                           std::pair{kIdGraphUtilityAttAtAlt, EGraph::IntervalAtSelection},
                           std::pair{kIdGraphUtilityAlternatives, EGraph::Intervals},
                           std::pair{kIdGraphRanking, EGraph::Ranking}}) {
    SetHandler(id, [this, graph] { ShowGraph(graph); });
  }

  SetHandler(kIdNewAlternative, [&d] { d.AddAlternativeCommand(); });
  SetHandler(kIdDefineAlternative, [&d] { RunDefineAlternativeDialog(d); },
             {CDefineAlternativePresenter::kKind});
  SetHandler(kIdDeleteAlternative, [&d] { d.DeleteAlternativeCommand(); });

  // Assessment entry and the displays at the selection.
  const std::vector<std::string> entryKinds = {
      CQualitativeEntryPage::kKind, CCertainValueEntry::kKind,  CPossibleValueCount::kKind,
      CUncertainEntryPage::kKind,   CGradeTextPresenter::kKind, CTextPresenter::kKind};
  SetHandler(
      kIdInputAttAtAlt, [&d] { AssessSelection(d, EAssessCommand::AttAtAlt); }, entryKinds);
  SetHandler(
      kIdModifyAssessment, [&d] { AssessSelection(d, EAssessCommand::Modify); }, entryKinds);
  SetHandler(kIdShowBeliefDegree, [&d] { ShowBeliefDegree(d); },
             {CQualitativeEntryPage::kKind, CGradeTextPresenter::kKind});
  SetHandler(kIdShowAssessmentValue, [&d] { ShowAssessmentValue(d); },
             {CCertainValueEntry::kKind, CUncertainEntryPage::kKind, CTextPresenter::kKind});

  // The data entry walk and adding from another model file.
  std::vector<std::string> walkKinds = entryKinds;
  walkKinds.push_back(CSelectAttributePresenter::kKind);
  SetHandler(
      kIdInputAlternative, [&d] { RunDataEntryWalk(d); }, walkKinds);
  std::vector<std::string> inputKinds = walkKinds;
  inputKinds.insert(inputKinds.end(), {CDataInputMethodPresenter::kKind, CReadDataPresenter::kKind,
                                       CAddFromFilePresenter::kKind});
  SetHandler(
      kIdDataInputMethod, [&d] { RunDataInputMethodCommand(d); }, inputKinds);
  for (auto [id, kind] : {std::pair{kIdAddAlternativesFromFile, EMergeKind::Alternatives},
                          std::pair{kIdAddAttributesFromFile, EMergeKind::Attributes},
                          std::pair{kIdAddDataFromFile, EMergeKind::Data}}) {
    SetHandler(id, [&d, kind] { RunAddFromFileCommand(d, kind); }, {CAddFromFilePresenter::kKind});
  }

  // Text data and reports.
  SetHandler(kIdReadTextFile, [&d] { RunReadDataCommand(d); }, {CReadDataPresenter::kKind});
  SetHandler(kIdReportTextFileType, [&d] { ChooseReportType(d); },
             {CReportTypePresenter::kKind, CReportOptionsPresenter::kKind});
  SetHandler(kIdReportAlternative, [&d] { AlternativeReportCommand(d); },
             {CReportOptionsPresenter::kKind});
  SetHandler(kIdReportAttribute, [&d] { AttributeReportCommand(d); });
  SetHandler(kIdReportSummary, [&d] { SummaryReportCommand(d); });

  for (int id : {kIdInsertAttribute, kIdOverview, kIdModelBuilder, kIdVisualComparison,
                 kIdUtilityVisualScoring, kIdChangeGradeName, kIdChangeWeight, kIdChangeInputData,
                 kIdCreateGroupAssessment, kIdTradeOff}) {
    EModelessKind kind{};
    ModelessKindOf(id, kind);
    SetHandler(id, [this, kind] { OpenModeless(kind); });
  }
}

bool CModelCommands::ModelessKindOf(int id, EModelessKind& kind) {
  switch (id) {
    case kIdInsertAttribute:
      kind = EModelessKind::Insertion;
      return true;
    case kIdOverview:
      kind = EModelessKind::Overview;
      return true;
    case kIdModelBuilder:
      kind = EModelessKind::ModelBuilder;
      return true;
    case kIdVisualComparison:
      kind = EModelessKind::VisualComparison;
      return true;
    case kIdUtilityVisualScoring:
      kind = EModelessKind::UtilityScoring;
      return true;
    case kIdChangeGradeName:
      kind = EModelessKind::GradeNameChange;
      return true;
    case kIdChangeWeight:
      kind = EModelessKind::WeightSensitivity;
      return true;
    case kIdChangeInputData:
      kind = EModelessKind::InputSensitivity;
      return true;
    case kIdCreateGroupAssessment:
      kind = EModelessKind::GroupAssessment;
      return true;
    case kIdTradeOff:
      kind = EModelessKind::TradeOff;
      return true;
    default:
      return false;
  }
}

bool CModelCommands::IsAvailable(int id) const {
  auto it = m_handlers.find(id);
  if (it == m_handlers.end()) return false;
  if (m_dialogCheck) {
    for (const std::string& kind : it->second.m_dialogKinds) {
      if (!m_dialogCheck(kind)) return false;
    }
  }
  EModelessKind kind{};
  if (ModelessKindOf(id, kind)) return m_registry.CanOpen(kind);
  return true;
}

bool CModelCommands::RuleAllows(int id, const CMADMDoc& doc, EViewMode viewMode) {
  const int k = doc.CurrentAttribute();
  const CAttribute& a = doc.Attribute(k);
  const bool bQualitative = a.m_nType == Qualitative;
  const bool bByUtility = a.m_nConversion == ByUtility;
  switch (id) {
    case kIdConvertGrades:
      return k != 0 && bQualitative && !bByUtility;
    case kIdConvertValues:
      return k != 0 && IsQuantitativeType(a.m_nType) && !bByUtility;
    case kIdShowAssessmentValue:
      return !bQualitative;
    case kIdDefineGrades:
    case kIdShowBeliefDegree:
    case kIdGraphBeliefAlternatives:
      return bQualitative;
    case kIdUtilityDirect:
    case kIdUtilityVisualScoring:
      return bByUtility;
    case kIdUtilitySelectMethods:
      return k == 0 || bByUtility;
    case kIdInputAttAtAlt:
      return a.m_nChildren <= 0;
    case kIdViewDialogBox:
      return viewMode != EViewMode::DialogBox;
    case kIdViewListTree:
      return viewMode != EViewMode::ListTree;
    case kIdChangeRules:
      return false;
    default:
      return true;
  }
}

bool CModelCommands::IsEnabled(int id, EViewKind activeView, EViewMode viewMode) const {
  if (!ViewHandles(activeView, id)) return false;
  if (!IsAvailable(id)) return false;
  return RuleAllows(id, m_doc, viewMode);
}

namespace {

// Running out of memory ends the command, not the program: every open model
// keeps its unsaved work.
void RunGuarded(const std::function<void()>& run) {
  try {
    run();
  } catch (const std::bad_alloc&) {
    ThePrompter().Error(kOutOfMemoryMessage);
  }
}

}  // namespace

bool CModelCommands::Execute(int id, EViewKind activeView, EViewMode viewMode) {
  if (!IsEnabled(id, activeView, viewMode)) return false;
  RunHandler(id);
  return true;
}

void CModelCommands::Run(int id) {
  if (!IsAvailable(id) || !RuleAllows(id, m_doc, EViewMode::Any)) return;
  RunHandler(id);
}

void CModelCommands::RunHandler(int id) {
  const std::function<void()>& run = m_handlers[id].m_run;
  const std::string name = StepNameOf(id);
  if (name.empty())
    RunGuarded(run);
  else
    m_history.Record(name, [&run] { RunGuarded(run); });
}

std::string CModelCommands::StepNameOf(int id) {
  switch (id) {
    // Derived results, files of their own, windows and the clipboard: no step.
    case kIdEditCopy:
    case kIdAssessAlternative:
    case kIdAssessAttribute:
    case kIdRank:
    case kIdShowUtilityInterval:
    case kIdReportTextFileType:
    case kIdReportAlternative:
    case kIdReportAttribute:
    case kIdReportSummary:
    case kIdGraphRanking:
    case kIdGraphBeliefAttAtAlt:
    case kIdGraphBeliefAlternatives:
    case kIdGraphUtilityAttAtAlt:
    case kIdGraphUtilityAlternatives:
    case kIdEditUndo:
    case kIdEditRedo:
      return {};
    case kIdInsertAbove:
      return "Insert Attribute Above";
    case kIdInsertBelow:
      return "Insert Attribute Below";
    case kIdInsertLeft:
      return "Insert Attribute Left";
    case kIdInsertRight:
      return "Insert Attribute Right";
    case kIdDeleteAttribute:
      return "Delete Attribute";
    case kIdDeleteAlternative:
      return "Delete Alternative";
    case kIdNewAlternative:
      return "New Alternative";
    case kIdDefineAlternative:
      return "Define Alternative";
    case kIdAddAttributesFromFile:
      return "Add Attributes from ZEV File";
    case kIdAddAlternativesFromFile:
      return "Add Alternatives from ZEV File";
    case kIdWeightSelectMethods:
      return "Estimate Weights";
    case kIdWeightVisualScoring:
      return "Visual Scoring of Weights";
    case kIdUtilitySelectMethods:
      return "Estimate Utilities";
    case kIdUtilityDirect:
      return "Direct Assignment of Utilities";
    // Opening it names the grades of a quantitative attribute after their
    // values, when they are not yet.
    case kIdUtilityVisualScoring:
      return "Visual Scoring of Utilities";
    case kIdInputAttAtAlt:
      return "Type in Data";
    case kIdInputAlternative:
      return "Type in Data for Alternative";
    case kIdModifyAssessment:
      return "Modify Assessment";
    default:
      break;
  }
  EModelessKind kind{};
  if (ModelessKindOf(id, kind)) return {};
  const SCommandInfo* info = FindCommand(id);
  if (!info) return "Change";
  std::string name;
  for (char c : MenuLabel(*info)) {
    if (c != '&') name += c;
  }
  if (name.ends_with("...")) name.resize(name.size() - 3);
  return name;
}

std::string CModelCommands::UndoMenuText() const {
  return m_history.CanUndo() ? "&Undo " + m_history.UndoName() : "&Undo";
}

std::string CModelCommands::RedoMenuText() const {
  return m_history.CanRedo() ? "&Redo " + m_history.RedoName() : "&Redo";
}

void CModelCommands::OpenModeless(EModelessKind kind) {
  m_registry.Open(kind);
  switch (kind) {
    case EModelessKind::Insertion:
    case EModelessKind::GroupAssessment:
    case EModelessKind::WeightSensitivity:
    case EModelessKind::InputSensitivity:
    case EModelessKind::TradeOff:
      // These commands refresh the views afterwards (without marking the
      // model modified).
      m_doc.Notify({EDocChange::Model, m_doc.CurrentAttribute(), m_doc.CurrentPosition()});
      break;
    default:
      break;
  }
}

void CModelCommands::ShowUtilityInterval() {
  if (m_doc.AlternativeCount() == 0) return;
  AssessAlternative(m_doc);
  const CAlternative& alternative = m_doc.CurrentAlternative();
  const int k = m_doc.CurrentAttribute();
  const CAssessment& r = alternative.Record(k);
  SAssessmentResults results;
  results.m_strAlternativeName = alternative.m_strName.Str();
  results.m_strAttributeName = m_doc.Attribute(k).m_strName.Str();
  results.m_strMaxUtility = Format("%1.6lf", r.m_dMaxUtility);
  results.m_strMinUtility = Format("%1.6lf", r.m_dMinUtility);
  results.m_strAvgUtility = Format("%1.6lf", r.m_dAvgUtility);
  results.m_strRanking = FormatInt(alternative.m_nRanking);
  results.m_strAttributeDescription = m_doc.Attribute(k).m_strDescription.Str();
  results.m_strAlternativeDescription = alternative.m_strDescription.Str();
  if (m_pHost) m_pHost->ShowResults(results);
}

void CModelCommands::ShowGraph(EGraph graph) {
  std::vector<SGraphWindow> windows = DrawGraph(m_doc, graph);
  if (!windows.empty() && m_pHost) m_pHost->ShowGraphs(windows);
}

void CModelCommands::CutSelection() {
  m_doc.CopySelection();
  if (m_doc.IsAttributeSelected())
    m_doc.DeleteAttributeCommand();
  else
    m_doc.DeleteAlternativeCommand();
}

// ---------------------------------------------------------------------------
// Selection

void CModelCommands::SelectAttribute(int i) {
  if (i < 0 || i > m_doc.LastAttribute()) return;
  m_doc.SetCurrentAttribute(i);
  m_doc.SetBoxSelection(true);
  m_doc.PublishChanges({EDocChange::Selection, i, m_doc.CurrentPosition()});
}

void CModelCommands::SelectAlternative(int pos) {
  if (pos < 0 || pos >= m_doc.AlternativeCount()) return;
  m_doc.SetCurrentPosition(pos);
  m_doc.SetBoxSelection(false);
  m_doc.PublishChanges({EDocChange::Selection, m_doc.CurrentAttribute(), pos});
}

void CModelCommands::ClickAttributeInTree(int i) {
  if (i < 0 || i > m_doc.LastAttribute()) return;
  m_nPreviousAttribute = m_doc.CurrentAttribute();
  SelectAttribute(i);
}

// ---------------------------------------------------------------------------
// Label edits

bool CModelCommands::RenameAttribute(int i, std::string_view name) {
  if (i < 0 || i > m_doc.LastAttribute()) return false;
  if (name.empty()) {
    ThePrompter().Warning("The attribute name must not be empty.");
    return false;
  }
  CAttribute& a = m_doc.Attribute(i);
  if (a.m_strName == name) return true;
  m_history.Record("Rename Attribute", [&] {
    a.SetName(name);
    m_doc.PublishChanges({EDocChange::Attribute, i, -1});
  });
  return true;
}

bool CModelCommands::RenameAlternative(int pos, std::string_view name) {
  if (pos < 0 || pos >= m_doc.AlternativeCount()) return false;
  if (name.empty()) {
    ThePrompter().Warning("The alternative name must not be empty.");
    return false;
  }
  if (std::as_const(m_doc).Alternative(pos).m_strName == name) return true;
  m_history.Record("Rename Alternative", [&] {
    m_doc.Alternative(pos).SetName(name);
    m_doc.PublishChanges({EDocChange::Alternatives, -1, pos});
  });
  return true;
}

bool CModelCommands::SetWeightText(int i, std::string_view text) {
  if (i < 0 || i > m_doc.LastAttribute()) return false;
  CAttribute& a = m_doc.Attribute(i);
  if (a.WeightText() == text) return true;
  bool bSet = false;
  m_history.Record("Change Weight", [&] {
    bSet = a.SetWeightText(text);
    if (bSet) m_doc.PublishChanges({EDocChange::Attribute, i, -1});
  });
  return bSet;
}

// ---------------------------------------------------------------------------
// Gestures

void CModelCommands::DoubleClickAttributeBox(int i) {
  SelectAttribute(i);
  Run(m_doc.FocusRow() == kWeightRow ? kIdWeightSelectMethods : kIdDefineAttribute);
}

void CModelCommands::DoubleClickAlternativeBox(int pos) {
  SelectAlternative(pos);
  Run(kIdDefineAlternative);
}

void CModelCommands::DoubleClickAttributeItem(int i) {
  ClickAttributeInTree(i);
  if (m_doc.CurrentAttributeRef().m_nChildren <= 0) Run(kIdInputAttAtAlt);
}

void CModelCommands::DoubleClickAlternativeItem(int pos) {
  SelectAlternative(pos);
  if (m_doc.CurrentAttributeRef().m_nChildren <= 0) Run(kIdInputAttAtAlt);
}

void CModelCommands::RightClickAttribute(int i) {
  ClickAttributeInTree(i);
  Run(kIdDefineAttribute);
}

void CModelCommands::RightClickAlternative(int pos) {
  SelectAlternative(pos);
  Run(kIdDefineAlternative);
}

// ---------------------------------------------------------------------------
// Keys of the attribute field

void CModelCommands::TabKey() {
  int child = FirstChild(m_doc, m_doc.CurrentAttribute());
  if (child < 0) return;
  m_doc.SetFocusRow(kNameRow);
  SelectAttribute(child);
}

void CModelCommands::BackTabKey() {
  int father = m_doc.CurrentAttributeRef().m_nFather;
  if (father < 0 || father > m_doc.LastAttribute()) return;
  m_doc.SetFocusRow(kNameRow);
  SelectAttribute(father);
}

void CModelCommands::DownKey() {
  if (m_doc.FocusRow() != kWeightRow) {
    m_doc.SetFocusRow(kWeightRow);
    m_doc.Notify({EDocChange::Selection, m_doc.CurrentAttribute(), m_doc.CurrentPosition()});
    return;
  }
  int next = NextInReadingOrder(m_doc, m_doc.CurrentAttribute());
  if (next < 0) return;
  m_doc.SetFocusRow(kNameRow);
  SelectAttribute(next);
}

void CModelCommands::UpKey() {
  if (m_doc.FocusRow() == kWeightRow) {
    m_doc.SetFocusRow(kNameRow);
    m_doc.Notify({EDocChange::Selection, m_doc.CurrentAttribute(), m_doc.CurrentPosition()});
    return;
  }
  int earlier = EarlierBox(m_doc, m_doc.CurrentAttribute());
  if (earlier < 0) return;
  m_doc.SetFocusRow(kWeightRow);
  SelectAttribute(earlier);
}

}  // namespace zev
