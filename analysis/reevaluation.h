#pragma once

#include "model/madm_doc.h"

namespace zev {

// The one re-evaluation of the analysis windows: every alternative
// evaluated and ranked on the top attribute, every attribute's m_nMark and
// every alternative's m_nSelection kept. Only what changed since the last
// evaluation is evaluated again (new weights, or the inputs of the
// alternatives named by published changes), with the same results.
void ReevaluateKeepingMarks(CMADMDoc& doc);

}  // namespace zev
