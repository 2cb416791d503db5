#include "analysis/reevaluation.h"

#include "engine/evaluate_commands.h"

namespace zev {

void ReevaluateKeepingMarks(CMADMDoc& doc) { EvaluateAndRankKeepingMarks(doc); }

}  // namespace zev
