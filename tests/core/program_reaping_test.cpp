// A program started from a page is collected as soon as it ends: it does not stay behind as a
// zombie of the viewer until the viewer ends or starts the next program.
#include <gtest/gtest.h>
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/os/files.h"
#include "tests/core/temp_folder.h"

namespace expo::os {
namespace {

// The state letter of a process ("Z" for a zombie); empty once it is gone.
std::string processState(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) {
        return {};
    }
    const size_t nameEnd = line.rfind(')');
    return nameEnd == std::string::npos ? std::string() : line.substr(nameEnd + 2, 1);
}

TEST(ProgramReaping, AFinishedProgramLeavesNoZombie) {
    testing::TempFolder dir;
    const std::string pidFile = (dir.path() / "pid").string();
    ASSERT_TRUE(startProgram(
        {"/bin/sh", "-c", "echo $$ > \"$1.part\" && mv \"$1.part\" \"$1\"", "sh", pidFile}));
    pid_t pid = 0;
    for (int i = 0; i < 1000 && pid == 0; ++i) {
        std::ifstream(pidFile) >> pid;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_GT(pid, 0);
    std::string state = processState(pid);
    for (int i = 0; i < 1000 && !state.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        state = processState(pid);
    }
    EXPECT_EQ(state, "") << "the program stays as a process in state " << state;
}

}  // namespace
}  // namespace expo::os
