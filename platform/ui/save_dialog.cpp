#include "platform/ui/save_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <utility>

#include "platform/ui/qtext.h"

namespace expo::ui {
namespace {

SaveDialogFunction& intercepted() {
    static SaveDialogFunction dialog;
    return dialog;
}

std::optional<std::string> runDialog(QWidget* parent, std::string_view fileName) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(toQ(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace

std::optional<std::string> askSaveFileName(QWidget* parent, std::string_view fileName) {
    if (const SaveDialogFunction& dialog = intercepted()) {
        return dialog(fileName);
    }
    return runDialog(parent, fileName);
}

ScopedSaveDialog::ScopedSaveDialog(SaveDialogFunction dialog)
    : previous_(std::exchange(intercepted(), std::move(dialog))) {}

ScopedSaveDialog::~ScopedSaveDialog() {
    intercepted() = std::move(previous_);
}

}  // namespace expo::ui
