#include "tests/tools/demogen/disc_support.h"

#include <algorithm>
#include <stdexcept>
#include <variant>

#include "platform/text/text.h"

namespace expo::demotest {
namespace fs = std::filesystem;

std::vector<fs::path> discFiles(std::string_view extension) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(disc())) {
        if (e.is_regular_file() && e.path().extension() == extension) {
            files.push_back(e.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

DataFile::DataFile(int number)
    : packet_(ds::readPacketFile(disc() + "data/data" + std::to_string(number) + ".dat")) {
    for (size_t i = 0; i < packet_.fields.size(); ++i) {
        columns_.emplace(packet_.fields[i].name, i);
    }
}

const ds::Value& DataFile::value(size_t row, std::string_view field) const {
    const auto it = columns_.find(field);
    if (it == columns_.end()) {
        throw std::out_of_range("no field " + std::string(field));
    }
    return packet_.rows.at(row).at(it->second);
}

bool DataFile::isNull(size_t row, std::string_view field) const {
    return std::holds_alternative<ds::Null>(value(row, field));
}

std::string DataFile::text(size_t row, std::string_view field) const {
    const ds::Value& v = value(row, field);
    const auto* s = std::get_if<std::string>(&v);
    const auto* i = std::get_if<int64_t>(&v);
    return i ? std::to_string(*i) : s ? text::trim(*s) : std::string();
}

int64_t DataFile::integer(size_t row, std::string_view field) const {
    const auto* i = std::get_if<int64_t>(&value(row, field));
    return i == nullptr ? 0 : *i;
}

}  // namespace expo::demotest
