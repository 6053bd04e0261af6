#pragma once
// A large catalogue in the twelve datasets' shapes: 100 000 exhibitors with about a million
// detail records, written as binary data packets data0.dat ... data11.dat.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/dataset/table.h"

namespace expo::bench {

struct GeneratedCatalogue {
    std::vector<ds::Table> tables;  // by file number
    uint64_t fileBytes = 0;         // all twelve files together
};

// Exhibitor keys run from 1 to `exhibitors`; sections from 1 to kSections.
constexpr int kSections = 50;

GeneratedCatalogue generateCatalogue(int exhibitors, const std::filesystem::path& folder);

}  // namespace expo::bench
