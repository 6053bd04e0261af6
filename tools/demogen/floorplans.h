#pragma once
// The floor-plan pages of the exhibition areas (umisteni/pavilon_<area>.html): a table of the
// stands with their exhibitors, made from the placements so that plan and catalogue agree.
#include <filesystem>
#include <string>

#include "tools/demogen/model.h"

namespace expo::demogen {

// Page file of an area, relative to the folder "umisteni"; empty for the open-air area "VP",
// which has no plan.
std::string floorPlanPage(const std::string& area);

void writeFloorPlans(const Catalogue& catalogue, const std::filesystem::path& disc);

}  // namespace expo::demogen
