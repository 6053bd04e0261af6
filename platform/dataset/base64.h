#pragma once
// Base64 of BLOB values in XML data packets.
#include <optional>
#include <string>
#include <string_view>

namespace expo::ds {

std::string base64Encode(std::string_view bytes);
// Blanks and line breaks are skipped; nullopt for any other character outside the alphabet or
// a wrong length.
std::optional<std::string> base64Decode(std::string_view text);

}  // namespace expo::ds
