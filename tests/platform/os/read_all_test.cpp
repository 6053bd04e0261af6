// Reading a whole file when its size is not known in advance: the reader must not trust the
// size the system reports.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <thread>

#include "platform/os/files.h"

namespace expo::os {
namespace {

TEST(ReadAll, ReadsAPipeOfUnknownSizeToItsEnd) {
    // A pipe reports size 0 and delivers its bytes in pieces.
    std::string written;
    for (int i = 0; written.size() < 300000; ++i) {
        written += std::to_string(i) + ' ';
    }
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::thread writer([&] {
        size_t done = 0;
        while (done < written.size()) {
            const ssize_t n = ::write(ends[1], written.data() + done, written.size() - done);
            if (n <= 0) {
                break;
            }
            done += static_cast<size_t>(n);
        }
        ::close(ends[1]);
    });
    std::string bytes = "left from before";
    const int error = readAll(ends[0], bytes);
    writer.join();
    ::close(ends[0]);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(bytes, written);
}

TEST(ReadAll, AFileTheSystemSizesAsEmptyIsReadWhole) {
    // /proc files report size 0 but have content.
    const std::string status = readFile("/proc/self/status");
    EXPECT_NE(status.find("Name:"), std::string::npos);
    EXPECT_NE(status.find("Pid:"), std::string::npos);
}

}  // namespace
}  // namespace expo::os
