// GoogleTest main for the tests that need a QApplication. It makes Qt and WebEngine run headless
// on a build machine: the offscreen platform, no GPU, no Chromium sandbox when running as root,
// and a private runtime folder. Values already set in the environment are left alone. Test
// programs built with EXPO_TEST_ON_X_SERVER run on an X server of their own instead.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <optional>

#include "platform/text/text.h"
#include "platform/ui/messages.h"
#include "tests/support/temp_folder.h"
#ifdef EXPO_TEST_ON_X_SERVER
#include "tests/support/x_server.h"
#endif

namespace {

// A message box nobody expected fails the test instead of waiting for a click that never comes.
// Tests that expect boxes install their own sink over this one.
class UnexpectedMessageSink : public expo::ui::MessageSink {
  public:
    void show(const expo::ui::Message& message) override {
        ADD_FAILURE() << "Unexpected message box \"" << expo::text::cp1250ToUtf8(message.caption)
                      << "\": " << expo::text::cp1250ToUtf8(message.text);
    }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifdef EXPO_TEST_ON_X_SERVER
    std::optional<expo::testing::XServer> xServer;
    if (!GTEST_FLAG_GET(list_tests)) {
        xServer.emplace();
    }
#endif

    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu", 0);
    if (::geteuid() == 0) {
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    }
    // XDG_RUNTIME_DIR must be private to the user (mkdtemp makes a folder of mode 0700); one the
    // caller set is kept. The program writes its generated pages into a folder of its own below
    // the temporary folder, the same for every process of a user: tests running side by side
    // each get a temporary folder of their own, so they never read each other's pages.
    std::optional<expo::testing::TempFolder> runtimeDir;
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        ::setenv("XDG_RUNTIME_DIR", runtimeDir.emplace().path().c_str(), 1);
    }
    const expo::testing::TempFolder tempDir;
    ::setenv("TMPDIR", tempDir.path().c_str(), 1);

    // WebEngine needs contexts shared before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    QApplication app(argc, argv);
    UnexpectedMessageSink unexpected;
    expo::ui::ScopedMessageSink noModalBoxes(unexpected);
    return RUN_ALL_TESTS();
}
