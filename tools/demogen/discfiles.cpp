#include "tools/demogen/discfiles.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

#include "platform/os/files.h"
#include "platform/text/text.h"
#include "tools/demogen/wording.h"

namespace expo::demogen {
namespace fs = std::filesystem;

void writeFile(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    os::writeFile(path.string(), bytes);
}

bool isTextFile(const fs::path& path) {
    static constexpr std::array<std::string_view, 5> kText = {".ini", ".html", ".htm", ".txt",
                                                              ".css"};
    const std::string ext = text::asciiLower(path.extension().string());
    return std::find(kText.begin(), kText.end(), ext) != kText.end();
}

std::string discText(std::string_view utf8) {
    std::string out;
    int lineNumber = 1;
    size_t start = 0;
    while (start < utf8.size()) {
        size_t end = utf8.find('\n', start);
        const bool lastLine = end == std::string_view::npos;
        std::string_view line = utf8.substr(start, lastLine ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        try {
            out += toDisc(line);
        } catch (const std::invalid_argument& e) {
            throw std::invalid_argument("line " + std::to_string(lineNumber) + ": " + e.what());
        }
        if (lastLine) {
            break;
        }
        out += "\r\n";
        start = end + 1;
        ++lineNumber;
    }
    return out;
}

void copyTree(const fs::path& from, const fs::path& to) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const fs::path target = to / fs::relative(entry.path(), from);
        const std::string bytes = os::readFile(entry.path().string());
        try {
            writeFile(target, isTextFile(entry.path()) ? discText(bytes) : bytes);
        } catch (const std::invalid_argument& e) {
            throw std::invalid_argument(entry.path().string() + ", " + e.what());
        }
        fs::permissions(target, entry.status().permissions(), fs::perm_options::replace);
    }
}

namespace {

uint32_t crc32(std::string_view bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[i] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

void put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

std::string zipArchive(const std::vector<std::pair<std::string, std::string>>& entries) {
    constexpr uint32_t kTime = 9u << 11;                                // 09:00:00
    constexpr uint32_t kDate = ((2025u - 1980u) << 9) | (3u << 5) | 1;  // 2025-03-01
    std::string archive, directory;
    for (const auto& [name, bytes] : entries) {
        const uint32_t crc = crc32(bytes);
        const auto size = static_cast<uint32_t>(bytes.size());
        const auto offset = static_cast<uint32_t>(archive.size());
        // The fields shared by the local header and the central directory entry.
        std::string common;
        put16(common, 10);  // version needed: 1.0, stored
        put16(common, 0);   // flags
        put16(common, 0);   // method: stored
        put16(common, kTime);
        put16(common, kDate);
        put32(common, crc);
        put32(common, size);
        put32(common, size);
        put16(common, static_cast<uint32_t>(name.size()));
        put16(common, 0);  // extra field length

        put32(archive, 0x04034B50);
        archive += common + name + bytes;

        put32(directory, 0x02014B50);
        put16(directory, 20);  // made by version 2.0
        directory += common;
        put16(directory, 0);  // comment length
        put16(directory, 0);  // disk number
        put16(directory, 0);  // internal attributes
        put32(directory, 0);  // external attributes
        put32(directory, offset);
        directory += name;
    }
    const auto directoryOffset = static_cast<uint32_t>(archive.size());
    archive += directory;
    put32(archive, 0x06054B50);
    put16(archive, 0);
    put16(archive, 0);
    put16(archive, static_cast<uint32_t>(entries.size()));
    put16(archive, static_cast<uint32_t>(entries.size()));
    put32(archive, static_cast<uint32_t>(directory.size()));
    put32(archive, directoryOffset);
    put16(archive, 0);
    return archive;
}

}  // namespace expo::demogen
