#include "platform/dataset/base64.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace expo::ds {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<int, 256> decodeTable() {
    std::array<int, 256> t{};
    for (int& v : t) {
        v = -1;
    }
    for (size_t i = 0; i < kAlphabet.size(); ++i) {
        t[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int>(i);
    }
    return t;
}

}  // namespace

std::string base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = std::min<size_t>(3, bytes.size() - i);
        uint32_t group = 0;
        for (size_t k = 0; k < 3; ++k) {
            group = group << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        }
        for (size_t k = 0; k < 4; ++k) {
            out.push_back(k <= n ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=');
        }
    }
    return out;
}

std::optional<std::string> base64Decode(std::string_view text) {
    static constexpr std::array<int, 256> table = decodeTable();
    std::string out;
    out.reserve(text.size() / 4 * 3);
    uint32_t group = 0;
    int bits = 0;
    size_t padding = 0;
    size_t symbols = 0;
    for (char ch : text) {
        if (ch == ' ' || ch == '\r' || ch == '\n' || ch == '\t') {
            continue;
        }
        ++symbols;
        if (ch == '=') {
            ++padding;
            continue;
        }
        const int v = table[static_cast<unsigned char>(ch)];
        if (v < 0 || padding > 0) {
            return std::nullopt;
        }
        group = (group << 6 | static_cast<uint32_t>(v)) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<char>((group >> bits) & 0xFF));
        }
    }
    if (symbols % 4 != 0 || padding > 2) {
        return std::nullopt;
    }
    return out;
}

}  // namespace expo::ds
