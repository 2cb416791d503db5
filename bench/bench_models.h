#pragma once

#include <random>

#include "model/madm_doc.h"

namespace zev::bench {

// Installs a prompter that answers every question with its default and
// shows nothing.
void Silent();

// Random assessments of every bottom attribute: incomplete belief degrees
// on qualitative ones, values on precise ones, three possible values on
// uncertain ones.
void Assess(CMADMDoc& doc, CAlternative& alt, std::mt19937_64& rng);

}  // namespace zev::bench
