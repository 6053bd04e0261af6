// cdsdump run as a program: records as JSON, fields as lines, errors with exit code 2.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>

#include "platform/dataset/packet.h"
#include "platform/text/text.h"
#include "tests/platform/dataset/support.h"
#include "tests/support/temp_folder.h"

namespace expo::ds {
namespace {

// The exit code and what it wrote (stdout and stderr).
using Output = std::pair<int, std::string>;

Output cdsdump(const std::string& arguments) {
    Output run;
    FILE* pipe = ::popen((std::string(CDSDUMP_PATH) + " " + arguments + " 2>&1").c_str(), "r");
    char buffer[4096];
    for (size_t n = 0; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.second.append(buffer, n);
    }
    const int status = pipe == nullptr ? -1 : ::pclose(pipe);
    run.first = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string conformanceFile(const char* name) {
    return "'" + (testing::conformanceDir() / name).string() + "'";
}

TEST(DatasetCdsdump, FilteredAndOrderedRecords) {
    EXPO_REQUIRE_CONFORMANCE();
    EXPECT_EQ(
        cdsdump(conformanceFile("employee.cds") + " --filter 'EmpNo<5' --order FirstName"),
        Output(0,
               "[\n"
               "{\"EmpNo\": 4, \"LastName\": \"Young\", \"FirstName\": \"Bruce\", \"PhoneExt\": "
               "\"233\", "
               "\"HireDate\": \"1988-12-28T00:00:00.000\", \"Salary\": 55500},\n"
               "{\"EmpNo\": 2, \"LastName\": \"Nelson\", \"FirstName\": \"Roberto\", \"PhoneExt\": "
               "\"250\", "
               "\"HireDate\": \"1988-12-28T00:00:00.000\", \"Salary\": 40000}\n"
               "]\n"));
}

TEST(DatasetCdsdump, TextInUtf8BlobsBySizeNullsAsNull) {
    const expo::testing::TempFolder folder;
    const std::string path = folder.write(
        "cz.dat",
        writeBinaryPacket({{{text::cp("NÁZEV"), FieldType::FixedString, 10, true},
                            {"LOGO", FieldType::Blob, 0, false},
                            {"T", FieldType::Time, 0, false}},
                           {{text::cp("Žďár \"Z\"  "), std::string(5, '\0'), Value(Null{})}}}));
    EXPECT_EQ(cdsdump("'" + path + "'"),
              Output(0, "[\n{\"NÁZEV\": \"Žďár \\\"Z\\\"  \", \"LOGO\": 5, \"T\": null}\n]\n"));
    EXPECT_EQ(
        cdsdump("'" + path + "' --fields"),
        Output(
            0,
            "NÁZEV\tfixedstring\t10\trequired\nLOGO\tblob\t0\toptional\nT\ttime\t0\toptional\n"));
}

TEST(DatasetCdsdump, ErrorsExitWithTwo) {
    const Output missing = cdsdump("/nonexistent/data0.dat");
    EXPECT_EQ(missing.first, 2);
    EXPECT_NE(missing.second.find("Cannot open file \"/nonexistent/data0.dat\""),
              std::string::npos);
    for (const char* args : {"a.dat b.dat", "a.dat --filter"}) {
        EXPECT_EQ(
            cdsdump(args),
            Output(2, "cdsdump: usage: cdsdump FILE [--filter EXPR] [--order FIELD] [--fields]\n"))
            << args;
    }
    EXPO_REQUIRE_CONFORMANCE();
    const Output badFilter = cdsdump(conformanceFile("employee.cds") + " --filter 'EmpNo='");
    EXPECT_EQ(badFilter.first, 2);
    EXPECT_NE(badFilter.second.find("at position 7"), std::string::npos);
}

}  // namespace
}  // namespace expo::ds
