#include "presentation/windows/dlg_jednoduchy_export.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cerrno>
#include <optional>

#include "platform/os/files.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "platform/ui/messages.h"
#include "platform/ui/pump.h"
#include "platform/ui/qtext.h"
#include "platform/ui/save_dialog.h"
#include "presentation/catalogue/notebook_export.h"
#include "presentation/mainwindow/expozice.h"

namespace expo::presentation {
namespace {

constexpr int kWidth = 421;
constexpr int kHeight = 541;
constexpr int kMinimumWidth = 300;
constexpr int kMinimumHeight = 200;
constexpr int kBoxMargin = 5;
constexpr int kStripHeight = 44;
constexpr int kButtonPanelWidth = 383;
constexpr int kButtonPanelTop = 6;
constexpr int kButtonTop = 6;
constexpr int kSaveLeft = 100;
constexpr int kCloseLeft = 198;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 25;

}  // namespace

TDlgJednoduchyExport::TDlgJednoduchyExport(TFormExpozice& mainForm)
    : QDialog(&mainForm, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FMainForm(mainForm) {
    setObjectName("DlgJednoduchyExport");
    setWindowTitle(QStringLiteral("Export"));
    setFont(mainForm.font());
    buildLayout();
    BtnUlozit->setText(ui::toQ(FMainForm.texts().FTextSave));
    BtnKonec->setText(ui::toQ(FMainForm.texts().FTextClose));
    connect(BtnUlozit, &QPushButton::clicked, this,
            [this] { ui::guard([&] { BtnUlozitClick(); }); });
    connect(BtnKonec, &QPushButton::clicked, this, &QDialog::reject);

    resize(kWidth, kHeight);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    move(mainForm.frameGeometry().center() - rect().center());
}

void TDlgJednoduchyExport::buildLayout() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kBoxMargin, kBoxMargin, kBoxMargin, 0);
    column->setSpacing(0);

    MemoExport = new QPlainTextEdit(this);
    MemoExport->setObjectName("MemoExport");
    MemoExport->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MemoExport->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    MemoExport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoExport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    column->addWidget(MemoExport, 1);

    // The strip under the box keeps the buttons' panel centred whatever the window's width.
    auto* strip = new QWidget(this);
    strip->setObjectName("PanelTlacitka");
    strip->setFixedHeight(kStripHeight);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, kButtonPanelTop, 0, 0);
    row->addStretch(1);
    auto* buttons = new QWidget(strip);
    buttons->setObjectName("PanelTlacitkaStred");
    buttons->setFixedSize(kButtonPanelWidth, kStripHeight - kButtonPanelTop);
    row->addWidget(buttons, 0, Qt::AlignTop);
    row->addStretch(1);
    column->addWidget(strip);

    BtnUlozit = new QPushButton(buttons);
    BtnUlozit->setObjectName("BtnUlozit");
    BtnUlozit->setGeometry(kSaveLeft, kButtonTop, kButtonWidth, kButtonHeight);
    BtnUlozit->setDefault(true);
    BtnKonec = new QPushButton(buttons);
    BtnKonec->setObjectName("BtnKonec");
    BtnKonec->setGeometry(kCloseLeft, kButtonTop, kButtonWidth, kButtonHeight);
}

void TDlgJednoduchyExport::setExportText(std::string_view text) {
    MemoExport->setPlainText(ui::toQ(text));
}

// The box's paragraphs, each cut again at the line breaks that Shift+Enter puts within one.
std::vector<std::string> TDlgJednoduchyExport::typedLines() const {
    std::vector<std::string> lines;
    for (QTextBlock block = MemoExport->document()->begin(); block.isValid();
         block = block.next()) {
        for (const QString& line : block.text().split(QChar::LineSeparator)) {
            lines.push_back(ui::fromQ(line));
        }
    }
    return lines;
}

void TDlgJednoduchyExport::BtnUlozitClick() {
    const os::CurrentDirectoryGuard directory;
    // A read-only disc as the current directory has no room for the file.
    const std::string here = os::currentDirectory();
    const std::optional<std::string> fileName = ui::askSaveFileName(
        this, os::isWritableFolder(here) ? here : ui::saveFolder(), "firmy.txt");
    if (!fileName || fileName->empty() ||
        text::trim(ui::fromQ(MemoExport->toPlainText())).empty()) {
        return;
    }
    const LanguageTexts& texts = FMainForm.texts();
    const std::string bytes = exportFileBytes(typedLines());
    int error = 0;
    {
        const ui::BusyCursor busy;
        os::OutputFile file;
        error = file.create(*fileName);
        // A name too long for the file system cannot name a file at all.
        if (error == ENAMETOOLONG) {
            throw Error(texts.FTextCannotCreateFile + ".");
        }
        if (error == 0) {
            file.write(bytes);
            file.close();
            ui::savedTo(*fileName);
        }
    }
    ui::showInformation(error == 0
                            ? texts.FTextFileSaved + "."
                            : texts.FTextSaveError + ".\n" + os::fileFailure(*fileName, error));
}

}  // namespace expo::presentation
