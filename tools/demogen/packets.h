#pragma once
// The twelve data files of a catalogue: one data packet per dataset, data0.dat ... data11.dat.
#include <filesystem>
#include <set>

#include "platform/dataset/packet.h"
#include "tools/demogen/model.h"

namespace expo::demogen {

constexpr int kDataFiles = 12;

// The packet of data file `index` (0 ... 11), with its fields in the order the viewer declares.
ds::Packet buildPacket(const Catalogue& catalogue, int index);

// Writes data/data0.dat ... data/data11.dat below `disc`; the files named in `xmlFiles` in the
// XML form, the others binary. One packet is held in memory at a time.
void writeDataFiles(const Catalogue& catalogue, const std::filesystem::path& disc,
                    const std::set<int>& xmlFiles);

}  // namespace expo::demogen
