#pragma once
// The floor-plan pages of the exhibition areas (Umisteni/pavilon_<area>.html): a table of the
// stands with their exhibitors, made from the placements so that plan and catalogue agree.
//
// They lie beside Umisteni\umisteni.ini, as the advertisement and presentation pages lie
// beside their index files: the viewer asks for "umisteni\<page>" and finds the folder
// whatever its letter case, as on the Windows disc, where the two are one folder.
#include <filesystem>
#include <string>

#include "tools/demogen/model.h"

namespace expo::demogen {

inline constexpr const char* kFloorPlanFolder = "Umisteni";

// Page file of an area, relative to the floor-plan folder; empty for the open-air area "VP",
// which has no plan.
std::string floorPlanPage(const std::string& area);

void writeFloorPlans(const Catalogue& catalogue, const std::filesystem::path& disc);

}  // namespace expo::demogen
