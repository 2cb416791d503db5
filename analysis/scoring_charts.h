#pragma once

#include "analysis/chart_content.h"
#include "elicitation/utility_scoring_presenter.h"
#include "elicitation/weight_scoring_presenter.h"

namespace zev {

// The charts of the two visual scoring windows, rebuilt from their state
// after every change; the selected bar or point is drawn in a colour of
// its own. Each has one series, whose points the user drags.

// One bar per child over the scale, labelled with the child's name cut to
// its first 20 characters.
ChartContent WeightScoringChart(const CWeightScoringPresenter& presenter);
// The grades' utilities as a curve over [0, 1].
ChartContent UtilityScoringChart(const CUtilityScoringPresenter& presenter);

}  // namespace zev
