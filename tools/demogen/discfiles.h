#pragma once
// Files of the demo disc: the hand-written sources copied in code page 1250, and the download
// archive.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace expo::demogen {

// Writes the bytes, making the folders on the way; throws expo::Error on failure.
void writeFile(const std::filesystem::path& path, std::string_view bytes);

// Text files (.ini, .html, .htm, .txt, .css) are kept in UTF-8 in the sources and go onto the
// disc in code page 1250 with CR LF line ends.
bool isTextFile(const std::filesystem::path& path);
// Throws std::invalid_argument naming the line of a character the code page lacks.
std::string discText(std::string_view utf8);

// Copies every file below `from` to the same place below `to`: text files converted, the
// others byte for byte, each with its permissions (an executable stays executable).
void copyTree(const std::filesystem::path& from, const std::filesystem::path& to);

// A ZIP archive holding the entries (name, bytes) uncompressed, dated 1 March 2025.
std::string zipArchive(const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace expo::demogen
