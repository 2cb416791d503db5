#pragma once

namespace zev {

// The command ids of the menus, the toolbar and the status-bar prompts. The
// numbers are the model window's resource ids, so that a prompt and its
// command share one id.
enum ECommandId : int {
  // File
  kIdFileNew = 57600,
  kIdFileOpen = 57601,
  kIdFileClose = 57602,
  kIdFileSave = 57603,
  kIdFileSaveAs = 57604,
  kIdFilePrintSetup = 57606,
  kIdImportAssessmentsCsv = 32915,
  kIdImportModelJson = 32916,
  kIdExportResultsCsv = 32917,
  kIdExportAssessmentsCsv = 32918,
  kIdExportModelJson = 32919,
  kIdExportReport = 32920,
  kIdFilePrint = 57607,
  kIdFilePrintPreview = 57609,
  kIdFileMru1 = 57616,
  kIdFileMru2 = 57617,
  kIdFileMru3 = 57618,
  kIdFileMru4 = 57619,
  kIdAppExit = 57665,

  // Edit
  kIdEditCopy = 57634,
  kIdEditCut = 57635,
  kIdEditPaste = 57637,
  kIdEditUndo = 57643,
  kIdEditRedo = 57644,

  // View
  kIdViewToolbar = 59392,
  kIdViewStatusBar = 59393,
  kIdViewDialogBox = 32905,
  kIdViewListTree = 32906,
  kIdViewSwitch = 32907,
  kIdViewUndoHistory = 32960,

  // Modelling, Attribute
  kIdInsertAttribute = 32863,
  kIdInsertAbove = 32793,
  kIdInsertBelow = 32794,
  kIdInsertLeft = 32795,
  kIdInsertRight = 32796,
  kIdDefineAttribute = 32824,
  kIdDefineGrades = 32799,
  kIdDeleteAttribute = 32797,
  kIdAddAttributesFromFile = 32900,

  // Modelling, Alternative
  kIdNewAlternative = 32800,
  kIdDefineAlternative = 32802,
  kIdDeleteAlternative = 32801,
  kIdAddAlternativesFromFile = 32899,
  kIdCreateGroupAssessment = 32913,

  kIdModelBuilder = 32866,

  // Modelling, Estimate Weight and Estimate Utility
  kIdWeightSelectMethods = 32862,
  kIdWeightVisualScoring = 32861,
  kIdWeightPairwise = 32860,
  kIdUtilitySelectMethods = 32890,
  kIdUtilityDirect = 32894,
  kIdUtilityVisualScoring = 32892,
  kIdChangeGradeName = 32895,
  kIdConvertGrades = 32804,
  kIdConvertValues = 32806,

  // Input
  kIdDataInputMethod = 32898,
  kIdInputAttAtAlt = 32810,
  kIdInputAlternative = 32808,
  kIdReadTextFile = 32859,
  kIdAddDataFromFile = 32901,
  kIdModifyAssessment = 32812,

  // Analysis
  kIdAssessAlternative = 32813,
  kIdAssessAttribute = 32814,
  kIdRank = 32816,
  kIdShowBeliefDegree = 32821,
  kIdShowAssessmentValue = 32826,
  kIdShowUtilityInterval = 32820,
  kIdOverview = 32865,

  // Report
  kIdReportTextFileType = 32897,
  kIdReportAlternative = 32789,
  kIdReportAttribute = 32790,
  kIdReportSummary = 32908,
  kIdGraphRanking = 32850,
  kIdVisualComparison = 32889,
  kIdGraphBeliefAttAtAlt = 32843,
  kIdGraphBeliefAlternatives = 32844,
  kIdGraphUtilityAttAtAlt = 32847,
  kIdGraphUtilityAlternatives = 32848,

  // Sensitivity
  kIdChangeWeight = 32912,
  kIdChangeInputData = 32914,
  kIdChangeRules = 32855,
  kIdTradeOff = 223,

  // Window
  kIdWindowNew = 57648,
  kIdWindowArrange = 57649,
  kIdWindowCascade = 57650,
  kIdWindowTile = 57651,

  // Help
  kIdAppAbout = 57664,
  kIdHelpFinder = 57667,
};

}  // namespace zev
