#pragma once

#include <string>
#include <vector>

#include "elicitation/entry_field.h"
#include "elicitation/method_choice_presenter.h"
#include "elicitation/weight_group.h"
#include "model/prompter.h"

namespace zev {

// Visual scoring of the weights of the children of one father: each child
// gets a score on a scale of [0, 1], [0, 10] or [0, 100], by dragging its
// bar or by typing it; the scores are the weights.
class CWeightScoringPresenter : public CDialogPresenter {
 public:
  static constexpr const char* kKind = "WeightScoring";
  static constexpr const char* kFieldWeight = "weight";
  static constexpr int kScales = 3;

  explicit CWeightScoringPresenter(SWeightGroup group);

  const char* DialogKind() const override { return kKind; }
  std::string Title() const override { return "ZEV Dialog: Visual Scoring of Weights"; }

  const std::string& FatherName() const { return m_group.m_strFatherName; }
  int Count() const { return m_group.Count(); }
  const std::string& Name(int i) const { return m_group.m_strNames[static_cast<size_t>(i)]; }
  double Score(int i) const { return m_dScores[static_cast<size_t>(i)]; }
  const std::vector<double>& Scores() const { return m_dScores; }
  // As the list shows it: "%-1.6lf".
  std::string ScoreText(int i) const;

  // 0: [0, 1], 1: [0, 10], 2: [0, 100].
  int Scale() const { return m_nScale; }
  static double ScaleMax(int scale);
  double ScaleMax() const { return ScaleMax(m_nScale); }
  // 100 divided by the scale's maximum.
  double Factor() const { return 100.0 / ScaleMax(); }
  static const char* ScaleText(int scale);
  bool Normalised() const { return m_bNormalised; }

  int Selected() const { return m_nSelected; }
  // Selects a child; "Weight:" shows its score.
  void Select(int i);
  // "Weight:".
  CEntryField m_weight;

  // The bar of child `point` dragged to `value` (the chart has one series):
  // the child is selected and takes the value, clamped to the scale.
  void Drag(int series, int point, double value);
  // "&Confirm Weight": the typed score for the selected child; false after
  // the refusal of a text that is no number or lies outside the scale.
  bool ConfirmWeight();
  void SetScale(int scale);
  // "&Normalised" (true) or "Not Normalise&d" (false).
  void SetNormalised(bool bNormalised);
  // "&Restart", after its question: the scores from the weights the dialog
  // was opened with.
  void Restart();
  // "Co&mments" on the selected child.
  void Comments();
  EDialogAction Ok() { return EDialogAction::CloseOk; }
  EDialogAction Cancel() { return EDialogAction::CloseCancel; }

  // The scores as weights, with the comments.
  SWeightGroup Result() const;

 private:
  void Start();
  void Store(double value);
  void Normalise();
  double Sum() const;

  SWeightGroup m_group;
  std::vector<double> m_dScores;
  std::vector<std::string> m_strComments;
  int m_nScale = 0;
  bool m_bNormalised = false;
  int m_nSelected = 0;
  // The sum of the scores when "&Normalised" was last chosen, and its scale.
  double m_dRememberedSum = 0.0;
  int m_nRememberedScale = 0;
};

// Estimate Weight, "Visual &Scoring": on the siblings of the current
// attribute; writes their weights and comments when confirmed.
void WeightVisualScoringCommand(CMADMDoc& doc);

// Estimate Weight, "Select &Methods": the chosen operation, or nothing.
void WeightSelectMethodsCommand(CMADMDoc& doc);

}  // namespace zev
