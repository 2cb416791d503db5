#include "analysis/reevaluation.h"

#include "engine/evaluate_commands.h"

namespace zev {

void ReevaluateKeepingMarks(CMADMDoc& doc) { ReevaluateAndRankKeepingMarks(doc); }

}  // namespace zev
