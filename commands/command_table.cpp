#include "commands/command_table.h"

#include <algorithm>
#include <array>

namespace zev {

namespace {

constexpr unsigned kFrame = kHandledByFrame;
constexpr unsigned kBoxOnly = kHandledByDialogBoxView;
// Attribute commands: the dialog-box view and the tree view.
constexpr unsigned kAttr = kHandledByDialogBoxView | kHandledByTreeView;
// Alternative commands: the dialog-box view and the list view.
constexpr unsigned kAlt = kHandledByDialogBoxView | kHandledByListView;
// Edit, estimate, input, analysis, report and sensitivity commands.
constexpr unsigned kAll = kHandledByDialogBoxView | kHandledByListView | kHandledByTreeView;

constexpr bool kSep = true;
constexpr bool kNoSep = false;
constexpr bool kBare = true;    // also in the menu without a model
constexpr bool kModel = false;  // only with a model open

constexpr const char* kFile = "&File";
constexpr const char* kImport = "&File|&Import";
constexpr const char* kExport = "&File|&Export";
constexpr const char* kEdit = "&Edit";
constexpr const char* kView = "&View";
constexpr const char* kAttribute = "&Modelling|&Attribute";
constexpr const char* kAlternative = "&Modelling|Alter&native";
constexpr const char* kModelling = "&Modelling";
constexpr const char* kWeight = "&Modelling|Estimate &Weight";
constexpr const char* kUtility = "&Modelling|Estimate &Utility";
constexpr const char* kInput = "&Input";
constexpr const char* kTypeIn = "&Input|&Type in Data Onscreen";
constexpr const char* kAssess = "&Analysis|&Assess";
constexpr const char* kAnalysis = "&Analysis";
constexpr const char* kSaveText = "&Report|&Save in Text File";
constexpr const char* kReport = "&Report";
constexpr const char* kGraphBelief = "&Report|Graph &Belief Degree";
constexpr const char* kGraphUtility = "&Report|Graph &Utility Interval";
constexpr const char* kSensitivity = "&Sensitivity";
constexpr const char* kWindow = "&Window";
constexpr const char* kHelp = "&Help";

// clang-format off
constexpr std::array kTable = {
  SCommandInfo{kIdFileNew, kFile, "&New\tCtrl+N",
    "A new decision model is created with its top attribute and one alternative.", "New model",
    kFrame, kNoSep, kBare, true},
  SCommandInfo{kIdFileOpen, kFile, "&Open...\tCtrl+O",
    "A decision model is opened from a model file.", "Open model",
    kFrame, kNoSep, kBare, true},
  SCommandInfo{kIdFileClose, kFile, "&Close",
    "The active model is closed; a modified model may be saved first.", "Close model",
    kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdFileSave, kFile, "&Save\tCtrl+S",
    "The active model is saved in its model file.", "Save model",
    kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdFileSaveAs, kFile, "Save &As...",
    "The active model is saved in a model file of a new name.", "Save model as",
    kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdImportAssessmentsCsv, kImport, "&Assessments from CSV...",
    "Assessments are read from a CSV table into the active model.",
    "Import assessments from CSV", kFrame, kSep, kModel, true},
  SCommandInfo{kIdImportModelJson, kImport, "&Model from JSON...",
    "A model is read from its JSON form into a new window.", "Import model from JSON",
    kFrame, kNoSep, kBare, true},
  SCommandInfo{kIdExportResultsCsv, kExport, "&Results as CSV...",
    "The alternatives are ranked and their utilities on every attribute written as a CSV table.",
    "Export results as CSV", kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdExportAssessmentsCsv, kExport, "&Assessments as CSV...",
    "The assessments of every alternative are written as a CSV table.",
    "Export assessments as CSV", kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdExportModelJson, kExport, "&Model as JSON...",
    "The whole model is written in its JSON form.", "Export model as JSON",
    kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdExportReport, kFile, "Expor&t Report...",
    "A decision report of the active model is written as a PDF or an OpenDocument text.",
    "Export decision report", kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdFilePrint, kFile, "&Print...\tCtrl+P",
    "The box diagram of the model is printed.", "Print",
    kBoxOnly, kSep, kModel, true},
  SCommandInfo{kIdFilePrintPreview, kFile, "Print Pre&view",
    "The box diagram is shown page by page as it will be printed.", "Print preview",
    kBoxOnly, kNoSep, kModel, true},
  SCommandInfo{kIdFilePrintSetup, kFile, "P&rint Setup...",
    "The printer and the page layout are chosen.", "Print setup",
    kFrame, kNoSep, kBare, true},
  SCommandInfo{kIdFileMru1, kFile, "Recent File 1",
    "This model file is opened again.", "Open recent model", kFrame, kSep, kBare, true},
  SCommandInfo{kIdFileMru2, kFile, "Recent File 2",
    "This model file is opened again.", "Open recent model", kFrame, kNoSep, kBare, true},
  SCommandInfo{kIdFileMru3, kFile, "Recent File 3",
    "This model file is opened again.", "Open recent model", kFrame, kNoSep, kBare, true},
  SCommandInfo{kIdFileMru4, kFile, "Recent File 4",
    "This model file is opened again.", "Open recent model", kFrame, kNoSep, kBare, true},
  SCommandInfo{kIdAppExit, kFile, "E&xit",
    "The program ends; modified models may be saved first.", "Exit",
    kFrame, kSep, kBare, true},

  SCommandInfo{kIdEditUndo, kEdit, "&Undo\tCtrl+Z",
    "The last change to the model is undone.", "Undo",
    kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdEditRedo, kEdit, "&Redo\tCtrl+Y",
    "The last change undone is made again.", "Redo",
    kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdEditCut, kEdit, "Cu&t\tCtrl+X",
    "The selected attribute or alternative is copied and then deleted.", "Cut",
    kAll, kSep, kModel, true},
  SCommandInfo{kIdEditCopy, kEdit, "&Copy\tCtrl+C",
    "The selected attribute or alternative is copied.", "Copy",
    kAll, kNoSep, kModel, true},
  SCommandInfo{kIdEditPaste, kEdit, "&Paste\tCtrl+V",
    "The selected attribute or alternative is replaced by the copied one.", "Paste",
    kAll, kNoSep, kModel, true},

  SCommandInfo{kIdViewToolbar, kView, "&Toolbar",
    "The toolbar is shown or hidden.", "Toggle toolbar",
    kFrame, kNoSep, kBare, true},
  SCommandInfo{kIdViewStatusBar, kView, "&Status Bar",
    "The status bar is shown or hidden.", "Toggle status bar",
    kFrame, kNoSep, kBare, true},
  SCommandInfo{kIdViewSwitch, kView, "&Switch Views",
    "The model window changes between the dialog box view and the list-tree view.",
    "Switch views", kFrame, kSep, kModel, true},
  SCommandInfo{kIdViewDialogBox, kView, "&Dialog Box View",
    "The model is shown as a diagram of attribute and alternative boxes.", "Dialog box view",
    kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdViewListTree, kView, "&List-Tree View",
    "The model is shown as a list of alternatives beside a tree of attributes.",
    "List-tree view", kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdViewUndoHistory, kView, "Undo &History",
    "The changes to the model are listed; a click goes back to any of them.",
    "Undo history", kFrame, kSep, kModel, true},

  SCommandInfo{kIdInsertAttribute, kAttribute, "&Insert Attribute",
    "A window is opened for inserting attributes next to the selected attribute.",
    "Insert attribute", kAttr, kNoSep, kModel, true},
  SCommandInfo{kIdInsertAbove, kAttribute, "Insert &Above\tCtrl+A",
    "A new attribute is inserted above the selected attribute.", "Insert above",
    kAttr, kNoSep, kModel, true},
  SCommandInfo{kIdInsertBelow, kAttribute, "Insert &Below\tCtrl+B",
    "A new attribute is inserted below the selected attribute.", "Insert below",
    kAttr, kNoSep, kModel, true},
  SCommandInfo{kIdInsertLeft, kAttribute, "Insert &Left\tCtrl+L",
    "A new attribute is inserted between the selected attribute and its father.",
    "Insert left", kAttr, kNoSep, kModel, true},
  SCommandInfo{kIdInsertRight, kAttribute, "Insert &Right\tCtrl+R",
    "A new attribute is inserted between the selected attribute and its children.",
    "Insert right", kAttr, kNoSep, kModel, true},
  SCommandInfo{kIdDefineAttribute, kAttribute, "D&efine Attribute",
    "The name, type, range, grades and conversion basis of the selected attribute are defined.",
    "Define attribute", kAttr, kSep, kModel, true},
  SCommandInfo{kIdDefineGrades, kAttribute, "Define &Grades\tCtrl+G",
    "The evaluation grades of the selected attribute are named, described and given utilities.",
    "Define grades", kAttr, kNoSep, kModel, true},
  SCommandInfo{kIdDeleteAttribute, kAttribute, "&Delete\tCtrl+X",
    "The selected attribute is deleted, with its child attributes if wished.",
    "Delete attribute", kAttr, kNoSep, kModel, false},
  SCommandInfo{kIdAddAttributesFromFile, kAttribute, "Add from ZEV &File",
    "The attribute hierarchy of another model file is added as a new branch.",
    "Add attributes from a model file", kAttr, kSep, kModel, true},

  SCommandInfo{kIdNewAlternative, kAlternative, "&New\tCtrl+W",
    "A new alternative is added at the end of the alternative list.", "New alternative",
    kAlt, kNoSep, kModel, true},
  SCommandInfo{kIdDefineAlternative, kAlternative, "De&fine",
    "The name and the description of the selected alternative are defined.",
    "Define alternative", kAlt, kNoSep, kModel, true},
  SCommandInfo{kIdDeleteAlternative, kAlternative, "&Delete\tCtrl+X",
    "The selected alternative is deleted with all its information.", "Delete alternative",
    kAlt, kNoSep, kModel, false},
  SCommandInfo{kIdAddAlternativesFromFile, kAlternative, "&Add from ZEV File",
    "The alternatives of another model file are added to the alternative list.",
    "Add alternatives from a model file", kAlt, kSep, kModel, true},
  SCommandInfo{kIdCreateGroupAssessment, kAlternative, "&Create Group Assessment",
    "A new alternative is created from the weighted assessments of selected alternatives.",
    "Create group assessment", kAlt, kNoSep, kModel, true},
  SCommandInfo{kIdModelBuilder, kModelling, "&Model Builder",
    "Provide a tree view window and a list view window for revising the decision model.",
    "Assistant model builder", kBoxOnly, kNoSep, kModel, true},

  SCommandInfo{kIdWeightSelectMethods, kWeight, "Select &Methods",
    "A method is chosen for weighting the selected attribute and its siblings.",
    "Weighting methods", kAll, kSep, kModel, true},
  SCommandInfo{kIdWeightVisualScoring, kWeight, "Visual &Scoring",
    "The selected attribute and its siblings are weighted by scoring them on a scale.",
    "Score weights", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdWeightPairwise, kWeight, "Pairwise &Comparison",
    "Weights are generated from pairwise comparisons of the selected attribute and its siblings.",
    "Compare attributes pairwise", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdUtilitySelectMethods, kUtility, "Select &Methods",
    "A method is chosen for estimating the utilities of the selected attribute.",
    "Utility methods", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdUtilityDirect, kUtility, "&Direct Assignment",
    "The utilities of the grades or values of the selected attribute are assigned directly.",
    "Assign utilities", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdUtilityVisualScoring, kUtility, "Visual &Scoring",
    "A window is opened for scoring the utilities of the selected attribute visually.",
    "Score utilities", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdChangeGradeName, kModelling, "Change Grade &Name",
    "A window is opened for changing the name of a grade in all attributes.",
    "Change grade name", kAll, kSep, kModel, true},
  SCommandInfo{kIdConvertGrades, kModelling, "Convert &Grades",
    "The grades of the selected attribute are converted to the grades of its father.",
    "Convert grades", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdConvertValues, kModelling, "Convert &Values",
    "The values of the selected attribute are associated with the grades of its father.",
    "Convert values", kAll, kNoSep, kModel, true},

  SCommandInfo{kIdDataInputMethod, kInput, "&Data Input Method",
    "A way of entering assessment data is chosen.", "Data input method",
    kAll, kNoSep, kModel, true},
  SCommandInfo{kIdInputAttAtAlt, kTypeIn, "Att at A&lt",
    "The selected alternative is assessed on the selected bottom attribute.",
    "Assess attribute at alternative", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdInputAlternative, kTypeIn, "Alterna&tive",
    "Assessment data of the selected alternative are typed in attribute by attribute.",
    "Type in data for the alternative", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdReadTextFile, kInput, "&Read Data from Text File",
    "Assessment data of many alternatives are read from a text file.",
    "Read data from a text file", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdAddDataFromFile, kInput, "&Add Data from ZEV File",
    "Assessment data are added to matching alternatives from another model file.",
    "Add data from a model file", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdModifyAssessment, kInput, "&Modify",
    "The assessment of the selected alternative on the selected attribute is modified.",
    "Modify assessment", kAll, kSep, kModel, true},

  SCommandInfo{kIdAssessAlternative, kAssess, "Alterna&tive",
    "The selected alternative is assessed on all attributes.", "Assess alternative",
    kAll, kNoSep, kModel, true},
  SCommandInfo{kIdAssessAttribute, kAssess, "&Attribute",
    "All alternatives are assessed and ranked on the selected attribute.", "Assess attribute",
    kAll, kNoSep, kModel, true},
  SCommandInfo{kIdRank, kAnalysis, "&Rank\tCtrl+K",
    "All alternatives are assessed on all attributes and ranked on the top attribute.",
    "Rank alternatives", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdShowBeliefDegree, kAnalysis, "&Belief Degree",
    "The belief degrees of the selected alternative on the selected attribute are shown.",
    "Belief degrees", kAll, kSep, kModel, true},
  SCommandInfo{kIdShowAssessmentValue, kAnalysis, "Assessment &Value",
    "The assessed value of the selected alternative on the selected attribute is shown.",
    "Assessment value", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdShowUtilityInterval, kAnalysis, "&Utility Interval",
    "The selected alternative is assessed and its utility interval on the selected attribute "
    "is shown.", "Utility interval", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdOverview, kAnalysis, "&Overview",
    "A window is opened with an overview of the decision model and its main results.",
    "Overview", kAll, kSep, kModel, true},

  SCommandInfo{kIdReportTextFileType, kSaveText, "&Text File Type",
    "A kind of text report is chosen and saved in a text file.", "Text report type",
    kAll, kNoSep, kModel, true},
  SCommandInfo{kIdReportAlternative, kSaveText, "Al&ternative",
    "The results of the selected alternative on all attributes are saved in a text file.",
    "Save alternative report", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdReportAttribute, kSaveText, "&Attribute",
    "The results of all alternatives on the selected attribute are saved in a text file.",
    "Save attribute report", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdReportSummary, kSaveText, "Summary &Report",
    "A summary of the selected alternative is saved in a text file.", "Save summary report",
    kAll, kNoSep, kModel, true},
  SCommandInfo{kIdGraphRanking, kReport, "Graph &Ranking",
    "The ranking of all alternatives on the selected attribute is drawn.", "Graph ranking",
    kAll, kSep, kModel, true},
  SCommandInfo{kIdVisualComparison, kReport, "Visual &Comparison",
    "A window is opened for comparing selected alternatives on selected attributes.",
    "Visual comparison", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdGraphBeliefAttAtAlt, kGraphBelief, "Att at Alt",
    "The belief degrees of the selected alternative on the selected attribute are drawn.",
    "Graph belief degrees", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdGraphBeliefAlternatives, kGraphBelief, "Alternatives",
    "The belief degrees of all alternatives on the selected attribute are drawn.",
    "Graph belief degrees of all alternatives", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdGraphUtilityAttAtAlt, kGraphUtility, "Att at Alt",
    "The utility interval of the selected alternative on the selected attribute is drawn.",
    "Graph utility interval", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdGraphUtilityAlternatives, kGraphUtility, "Alternatives",
    "The utility intervals of all alternatives on the selected attribute are drawn.",
    "Graph utility intervals of all alternatives", kAll, kNoSep, kModel, true},

  SCommandInfo{kIdChangeWeight, kSensitivity, "Change &Weight",
    "The rankings are shown while the weight of the selected attribute is changed.",
    "Weight sensitivity", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdChangeInputData, kSensitivity, "Change Input &Data",
    "The rankings are shown while the input data on the selected bottom attribute are changed.",
    "Input data sensitivity", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdChangeRules, kSensitivity, "Change &Rules",
    "The rankings would be shown while conversion rules are changed; this is not provided.",
    "Rule sensitivity", kAll, kNoSep, kModel, true},
  SCommandInfo{kIdTradeOff, kSensitivity, "Trade-Off Analysis",
    "The alternatives are plotted against two chosen attributes.", "Trade-off analysis",
    kAll, kSep, kModel, true},

  SCommandInfo{kIdWindowNew, kWindow, "&New Window",
    "Another window is opened on the active model.", "New window",
    kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdWindowCascade, kWindow, "&Cascade",
    "The model windows are arranged so that they overlap.", "Cascade windows",
    kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdWindowTile, kWindow, "&Tile",
    "The model windows are arranged side by side.", "Tile windows",
    kFrame, kNoSep, kModel, true},
  SCommandInfo{kIdWindowArrange, kWindow, "&Arrange Icons",
    "The minimised model windows are arranged along the bottom of the main window.",
    "Arrange icons", kFrame, kNoSep, kModel, true},

  SCommandInfo{kIdHelpFinder, kHelp, "&Help Topics",
    "The help topics of the program are shown.", "Help topics",
    kFrame, kNoSep, kBare, true},
  SCommandInfo{kIdAppAbout, kHelp, "&About ZEV...",
    "The program's name, version and copyright are shown.", "About",
    kFrame, kSep, kBare, true},
};
// clang-format on

constexpr std::array kToolbar = {
    static_cast<int>(kIdFileNew),
    static_cast<int>(kIdFileOpen),
    static_cast<int>(kIdFileSave),
    0,
    static_cast<int>(kIdEditCut),
    static_cast<int>(kIdEditCopy),
    static_cast<int>(kIdEditPaste),
    0,
    static_cast<int>(kIdFilePrint),
    0,
    static_cast<int>(kIdViewSwitch),
    static_cast<int>(kIdRank),
    0,
    static_cast<int>(kIdGraphBeliefAttAtAlt),
    static_cast<int>(kIdGraphBeliefAlternatives),
    static_cast<int>(kIdGraphUtilityAttAtAlt),
    static_cast<int>(kIdGraphUtilityAlternatives),
    static_cast<int>(kIdGraphRanking),
    static_cast<int>(kIdVisualComparison),
    0,
    static_cast<int>(kIdAppAbout),
};

}  // namespace

std::span<const SCommandInfo> CommandTable() { return kTable; }

const SCommandInfo* FindCommand(int id) {
  auto it = std::find_if(kTable.begin(), kTable.end(),
                         [id](const SCommandInfo& c) { return c.m_nId == id; });
  return it == kTable.end() ? nullptr : &*it;
}

std::string CommandString(int id) {
  const SCommandInfo* info = FindCommand(id);
  if (!info) return {};
  return std::string(info->m_pszPrompt) + "\n" + info->m_pszTooltip;
}

std::string_view MenuLabel(const SCommandInfo& info) {
  std::string_view text(info.m_pszText);
  return text.substr(0, text.find('\t'));
}

std::string_view MenuShortcut(const SCommandInfo& info) {
  std::string_view text(info.m_pszText);
  auto tab = text.find('\t');
  return tab == std::string_view::npos ? std::string_view() : text.substr(tab + 1);
}

std::span<const int> ToolbarCommands() { return kToolbar; }

bool IsFrameCommand(int id) {
  const SCommandInfo* info = FindCommand(id);
  return info && (info->m_nHandlers & kHandledByFrame) != 0;
}

bool ViewHandles(EViewKind view, int id) {
  const SCommandInfo* info = FindCommand(id);
  if (!info) return false;
  switch (view) {
    case EViewKind::DialogBox:
      return (info->m_nHandlers & kHandledByDialogBoxView) != 0;
    case EViewKind::List:
      return (info->m_nHandlers & kHandledByListView) != 0;
    case EViewKind::Tree:
      return (info->m_nHandlers & kHandledByTreeView) != 0;
  }
  return false;
}

}  // namespace zev
