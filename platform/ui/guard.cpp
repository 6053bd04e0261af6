#include "platform/ui/guard.h"

#include <cxxabi.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdlib>
#include <exception>
#include <memory>
#include <typeinfo>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "platform/ui/messages.h"
#include "platform/ui/qtext.h"

namespace expo::ui {
namespace {

constexpr std::string_view kUnknownException = "Unknown exception";

// The program's own errors carry code page 1250 already; the library's and the system's carry
// UTF-8 (or plain ASCII) text.
std::string messageOf(const std::exception& e) {
    if (dynamic_cast<const Error*>(&e) != nullptr || !text::isValidUtf8(e.what())) {
        return e.what();
    }
    return text::utf8ToCp1250(e.what());
}

std::string classNameOf(const std::exception& e) {
    const char* mangled = typeid(e).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return status == 0 && demangled ? demangled.get() : mangled;
}

std::string programFileName() {
    return fromQ(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

}  // namespace

std::string errorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        text += '.';
    }
    return text;
}

std::string fatalErrorText(std::string_view className, std::string_view programFile,
                           std::string_view message) {
    std::string text = "Exception " + std::string(className) + " in module " +
                       std::string(programFile) + ".\n" + std::string(message);
    if (!text.ends_with('.')) {
        text += '.';
    }
    return text;
}

void showCurrentException() {
    try {
        throw;
    } catch (const std::exception& e) {
        showError(errorBoxText(messageOf(e)));
    } catch (...) {
        showError(errorBoxText(kUnknownException));
    }
}

void showFatalCurrentException() {
    try {
        throw;
    } catch (const std::exception& e) {
        showFatalError(fatalErrorText(classNameOf(e), programFileName(), messageOf(e)));
    } catch (...) {
        showFatalError(fatalErrorText("?", programFileName(), kUnknownException));
    }
}

}  // namespace expo::ui
