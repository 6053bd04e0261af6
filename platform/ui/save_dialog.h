#pragma once
// The program's save-file dialog: no filter, no default extension and no question before an
// existing file is replaced (the caller replaces it). Every dialog goes through one function, so
// that tests can answer it instead of a user.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace expo::ui {

// Given the preset file name (code page 1250), returns the chosen file as a path in the file
// system's encoding, or none when the user cancelled.
using SaveDialogFunction = std::function<std::optional<std::string>(std::string_view fileName)>;

// Shows the dialog over `parent` with `fileName` preset.
std::optional<std::string> askSaveFileName(QWidget* parent, std::string_view fileName);

// Answers every save dialog with `dialog` while it lives; the previous answer comes back
// afterwards.
class ScopedSaveDialog {
  public:
    explicit ScopedSaveDialog(SaveDialogFunction dialog);
    ~ScopedSaveDialog();
    ScopedSaveDialog(const ScopedSaveDialog&) = delete;
    ScopedSaveDialog& operator=(const ScopedSaveDialog&) = delete;

  private:
    SaveDialogFunction previous_;
};

}  // namespace expo::ui
