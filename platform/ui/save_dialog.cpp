#include "platform/ui/save_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <filesystem>
#include <utility>

#include "platform/ui/qtext.h"

namespace expo::ui {
namespace {

SaveDialogFunction& intercepted() {
    static SaveDialogFunction dialog;
    return dialog;
}

// The folder of the file saved last; empty until the first save.
std::string& lastFolder() {
    static std::string folder;
    return folder;
}

std::optional<std::string> runDialog(QWidget* parent, const std::string& folder,
                                     std::string_view fileName) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(QFile::decodeName(folder.c_str()));
    dialog.selectFile(toQ(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace

std::optional<std::string> askSaveFileName(QWidget* parent, const std::string& folder,
                                           std::string_view fileName) {
    if (const SaveDialogFunction& dialog = intercepted()) {
        return dialog(folder, fileName);
    }
    return runDialog(parent, folder, fileName);
}

std::string saveFolder() {
    return lastFolder().empty() ? QFile::encodeName(QDir::homePath()).toStdString() : lastFolder();
}

void savedTo(const std::string& file) {
    std::error_code noCurrentFolder;
    const std::filesystem::path path = std::filesystem::absolute(file, noCurrentFolder);
    lastFolder() = (noCurrentFolder ? std::filesystem::path(file) : path).parent_path().string();
}

ScopedSaveDialog::ScopedSaveDialog(SaveDialogFunction dialog)
    : previous_(std::exchange(intercepted(), std::move(dialog))),
      previousFolder_(std::exchange(lastFolder(), std::string())) {}

ScopedSaveDialog::~ScopedSaveDialog() {
    intercepted() = std::move(previous_);
    lastFolder() = std::move(previousFolder_);
}

}  // namespace expo::ui
