#pragma once

// The report page of --runs: the table's measures and, per system and side by side, the
// pictures of the same evenings.

#include <string>
#include <vector>

#include "export/report_page.h"
#include "tools/sim/evening.h"
#include "tools/sim/evening_shapes.h"
#include "tools/sim/report.h"
#include "tools/sim/run_setup.h"

namespace vellaro::sim {

// The lines that restate a run or a replay on a page: what PrintSetup prints, and the
// house edge.
std::vector<std::string> SetupLines(const RunSetup& setup);

// The page of a --runs run. `evenings` and `shapes` are per system in the order of
// `systems`; every figure drawn comes from `systems` (the table's own numbers), the
// evenings' results, or the shapes counted alongside them.
ReportPage RunsPage(const RunSetup& setup, const std::vector<SystemSpread>& systems,
                    const std::vector<std::vector<Evening>>& evenings, const RunShapes& shapes);

}  // namespace vellaro::sim
