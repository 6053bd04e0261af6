#pragma once
// Shared by the dataset tests: packets written in a few lines, datasets loaded from them, the
// conformance folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dataset/dataset.h"
#include "platform/dataset/packet.h"

namespace expo::ds::testing {

inline FieldDef field(std::string name, FieldType type, int size = 0, bool required = false) {
    return {std::move(name), type, size, required};
}

// A dataset named "CDSTest" loaded from rows held in memory.
inline std::unique_ptr<ClientDataSet> loaded(std::vector<FieldDef> fields,
                                             std::vector<std::vector<Value>> rows) {
    auto set = std::make_unique<ClientDataSet>("CDSTest");
    set->loadFromPacket({std::move(fields), std::move(rows)});
    return set;
}

// The values of one field along the visible records, in cursor order, as text.
inline std::vector<std::string> column(ClientDataSet& set, const std::string& name) {
    std::vector<std::string> out;
    for (set.first(); !set.eof(); set.next()) {
        out.push_back(set.text(name));
    }
    return out;
}

// Little-endian bytes of `v`, `width` of them, as the binary packets store numbers.
inline std::string le(uint64_t v, size_t width) {
    std::string s;
    for (size_t i = 0; i < width; ++i) {
        s.push_back(static_cast<char>(v >> (8 * i)));
    }
    return s;
}

// The conformance files; a test that needs them is skipped when they are not there.
inline std::filesystem::path conformanceDir() {
    return std::filesystem::path(EXPO_SHARED_DIR) / "conformance" / "data-packets";
}

#define EXPO_REQUIRE_CONFORMANCE()                                                            \
    if (!std::filesystem::is_directory(::expo::ds::testing::conformanceDir())) {              \
        GTEST_SKIP() << "no conformance folder at " << ::expo::ds::testing::conformanceDir(); \
    }

}  // namespace expo::ds::testing
