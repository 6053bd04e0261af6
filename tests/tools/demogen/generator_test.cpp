// The demo disc generator's parts: wording helpers, the code-page conversion of the sources,
// the download archive, pictures, and that the same options give the same disc.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <cstdint>
#include <filesystem>
#include <set>

#include "platform/dataset/packet.h"
#include "platform/os/files.h"
#include "platform/text/text.h"
#include "tests/support/temp_folder.h"
#include "tools/demogen/disc.h"
#include "tools/demogen/discfiles.h"
#include "tools/demogen/phrases.h"
#include "tools/demogen/pictures.h"
#include "tools/demogen/wording.h"

namespace expo::demogen {
namespace {
namespace fs = std::filesystem;

using expo::testing::TempFolder;

TEST(DemoGeneratorWording, FoldsInitialsSlugsAndLowerCase) {
    // A text, folded to ASCII, its initials, its slug and with a lower-case first letter.
    const std::array<const char*, 5> cases[] = {
        {"Dřevák", "Drevak", "D", "drevak", "dřevák"},
        {"Strojírny Lipová Hora a.s.", "Strojirny Lipova Hora a.s.", "SLH", "strojirny",
         "strojírny Lipová Hora a.s."},
        {"CNC-Bearbeitungszentren", "CNC-Bearbeitungszentren", "CB", "cnc",
         "CNC-Bearbeitungszentren"},
        {"Zakład Mechaniczny Łódź", "Zaklad Mechaniczny Lodz", "ZML", "zaklad",
         "zakład Mechaniczny Łódź"},
        {"", "", "X", "", ""}};
    for (const auto& [in, folded, letters, slugged, lowered] : cases) {
        EXPECT_EQ(
            (std::array<std::string, 4>{asciiFold(in), initials(in), slug(in), lowerFirst(in)}),
            (std::array<std::string, 4>{folded, letters, slugged, lowered}));
    }
}

TEST(DemoGeneratorWording, FillsPlaceholdersAndKeepsUnknownOnes) {
    EXPECT_EQ(fill("{a} and {b}", {{"a", "x"}, {"b", "{a}"}}), "x and {a}");
    EXPECT_EQ(fill("{unknown} {a}", {{"a", "1"}}), "{unknown} 1");
}

TEST(DemoGeneratorSources, TextGoesOntoTheDiscInCodePage1250WithCrLf) {
    EXPECT_EQ(discText("Vše\nřádek 2\r\nkonec"), text::cp("Vše\r\nřádek 2\r\nkonec"));
    EXPECT_EQ(toDisc("Łódź – „Ő“"), text::cp("Łódź – „Ő“"));
}

TEST(DemoGeneratorSources, CharacterOutsideTheCodePageNamesItsLine) {
    EXPECT_THAT([] { discText("první\ndruhý\nniño\n"); },
                ::testing::ThrowsMessage<std::invalid_argument>(::testing::HasSubstr("line 3")));
    EXPECT_THROW(toDisc("m²"), std::invalid_argument);
    EXPECT_THROW(toDisc("\xC3"), std::invalid_argument);  // cut UTF-8 sequence
}

TEST(DemoGeneratorSources, OnlyTextFilesAreConverted) {
    for (const auto& [name, isText] : {std::pair{"a.ini", true},
                                       {"b.HTML", true},
                                       {"c.htm", true},
                                       {"e.css", true},
                                       {"f.exe", false},
                                       {"html", false}}) {
        EXPECT_EQ(isTextFile(name), isText) << name;
    }
}

uint32_t read16(const std::string& s, size_t at) {
    return static_cast<unsigned char>(s.at(at)) | static_cast<unsigned char>(s.at(at + 1)) << 8;
}
uint32_t read32(const std::string& s, size_t at) {
    return read16(s, at) | read16(s, at + 2) << 16;
}

// CRC-32 one bit at a time, independent of the table the generator uses.
uint32_t bitwiseCrc(std::string_view bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

TEST(DemoGeneratorArchive, CentralDirectoryLeadsToEveryStoredEntry) {
    const std::vector<std::pair<std::string, std::string>> entries = {
        {"informace.txt", text::cp("Otevírací doba\r\n9–17 h\r\n")},
        {"prazdny.txt", ""},
        {"slozka/data.bin", std::string("\0\x01\xFF\x7F", 4)}};
    const std::string zip = zipArchive(entries);
    ASSERT_GE(zip.size(), 22u);
    const size_t end = zip.size() - 22;
    ASSERT_EQ(read32(zip, end), 0x06054B50u);
    ASSERT_EQ(read16(zip, end + 10), entries.size());
    size_t at = read32(zip, end + 16);
    EXPECT_EQ(at + read32(zip, end + 12), end);
    for (const auto& [name, bytes] : entries) {
        SCOPED_TRACE(name);
        ASSERT_EQ(read32(zip, at), 0x02014B50u);
        const size_t nameLength = read16(zip, at + 28);
        EXPECT_EQ(zip.substr(at + 46, nameLength), name);
        EXPECT_EQ(read16(zip, at + 10), 0u);  // stored
        EXPECT_EQ(read32(zip, at + 16), bitwiseCrc(bytes));
        EXPECT_EQ(read32(zip, at + 20), bytes.size());
        const size_t local = read32(zip, at + 42);
        ASSERT_EQ(read32(zip, local), 0x04034B50u);
        const size_t data = local + 30 + read16(zip, local + 26) + read16(zip, local + 28);
        EXPECT_EQ(zip.substr(data, bytes.size()), bytes);
        at += 46 + nameLength;
    }
}

// The logos of the disc are checked with the disc; a badge smaller than its text and the banner
// keep their sizes too.
TEST(DemoGeneratorPictures, BadgesAndBannersHaveTheirSizes) {
    EXPECT_EQ(drawBadge(Logo{1, 9, 5, "SLH", 3}).size(), QSize(9, 5));
    EXPECT_EQ(drawBanner("LIPOVA 2025", 760, 90).size(), QSize(760, 90));
}

std::map<std::string, std::string> filesBelow(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
        if (e.is_regular_file()) {
            files.emplace(fs::relative(e.path(), folder).generic_string(),
                          os::readFile(e.path().string()));
        }
    }
    return files;
}

TEST(DemoGeneratorDisc, SameOptionsGiveTheSameBytes) {
    TempFolder first, second;
    makeDisc({first.path(), {}, {}});
    makeDisc({second.path(), {}, {}});
    const auto a = filesBelow(first.path());
    const auto b = filesBelow(second.path());
    EXPECT_GT(a.size(), 300u);
    EXPECT_TRUE(a == b);
}

TEST(DemoGeneratorDisc, LargeCatalogueHasAboutTenDetailsPerExhibitor) {
    TempFolder folder;
    makeLarge(folder.path(), 500);
    const auto rows = [&](int i) {
        const fs::path file = folder.path() / ("data/data" + std::to_string(i) + ".dat");
        return ds::readPacketFile(file.string()).rows.size();
    };
    EXPECT_EQ(rows(2), 500u);
    size_t details = 0;
    for (int i : {3, 4, 5, 6, 7, 11}) {
        details += rows(i);
    }
    EXPECT_GT(details, 8u * 500);
    EXPECT_LT(details, 13u * 500);
}

}  // namespace
}  // namespace expo::demogen
