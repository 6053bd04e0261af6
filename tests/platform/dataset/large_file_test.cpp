// A data file large enough that the reader lets go of the bytes it is done with as it reads:
// every value must still come out as written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/dataset/table.h"
#include "platform/os/files.h"

namespace expo::ds {
namespace {

TEST(LargeDataFile, ReadsBackEveryValueAsWritten) {
    Table written;
    written.columns.emplace_back(FieldDef{"ID", FieldType::Integer, 4, false});
    written.columns.emplace_back(FieldDef{"TEXT", FieldType::String, 0, false});
    written.columns.emplace_back(FieldDef{"FIXED", FieldType::FixedString, 20, false});
    const size_t rows = 150000;  // about 24 MB
    for (size_t r = 0; r < rows; ++r) {
        written.columns[0].appendNumber(static_cast<int64_t>(r));
        if (r % 97 == 0) {
            written.columns[1].appendNull();
        } else {
            written.columns[1].appendBytes(
                std::string(100 + r % 50, static_cast<char>('a' + r % 26)) + std::to_string(r));
        }
        written.columns[2].appendBytes("f" + std::to_string(r));
    }
    written.rowCount = rows;
    const std::string path =
        (std::filesystem::temp_directory_path() / ("expo-large-" + std::to_string(::getpid())))
            .string();
    const std::string bytes = writeBinaryTable(written);
    ASSERT_GT(bytes.size(), size_t{20} << 20);
    os::writeFile(path, bytes);
    const Table read = readTableFile(path);
    std::remove(path.c_str());

    ASSERT_EQ(read.rowCount, rows);
    ASSERT_EQ(read.columns.size(), 3u);
    for (size_t r = 0; r < rows; ++r) {
        ASSERT_EQ(read.columns[0].number(r), written.columns[0].number(r)) << "row " << r;
        ASSERT_EQ(read.columns[1].isNull(r), written.columns[1].isNull(r)) << "row " << r;
        ASSERT_EQ(read.columns[1].bytes(r), written.columns[1].bytes(r)) << "row " << r;
        ASSERT_EQ(read.columns[2].bytes(r), written.columns[2].bytes(r)) << "row " << r;
    }
}

}  // namespace
}  // namespace expo::ds
