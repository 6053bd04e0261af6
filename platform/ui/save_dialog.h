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

// Given the folder the dialog opens in (the file system's encoding) and the preset file name
// (code page 1250), returns the chosen file as a path in the file system's encoding, or none when
// the user cancelled.
using SaveDialogFunction =
    std::function<std::optional<std::string>(std::string_view folder, std::string_view fileName)>;

// Shows the dialog over `parent`, open in `folder`, with `fileName` preset.
std::optional<std::string> askSaveFileName(QWidget* parent, const std::string& folder,
                                           std::string_view fileName);

// The folder of the file the program last saved in this run, else the user's home folder: where
// a save dialog opens that has no better folder.
std::string saveFolder();
// Tells that `file` (a path in the file system's encoding) has been saved.
void savedTo(const std::string& file);

// Answers every save dialog with `dialog` while it lives, as for a run that has saved nothing
// yet; the previous answer and the folder saved to last come back afterwards.
class ScopedSaveDialog {
  public:
    explicit ScopedSaveDialog(SaveDialogFunction dialog);
    ~ScopedSaveDialog();
    ScopedSaveDialog(const ScopedSaveDialog&) = delete;
    ScopedSaveDialog& operator=(const ScopedSaveDialog&) = delete;

  private:
    SaveDialogFunction previous_;
    std::string previousFolder_;
};

}  // namespace expo::ui
