#pragma once
// The export window: the notebook's export text in an editable box, which the user may change
// and save as a text file (code page 1250, CR LF) any number of times before closing it. The
// main window creates it for one export, shows it modally and frees it.
#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace expo::presentation {

class TFormExpozice;

class TDlgJednoduchyExport : public QDialog {
    Q_OBJECT
  public:
    // `mainForm` owns the window and gives it its texts.
    explicit TDlgJednoduchyExport(TFormExpozice& mainForm);

    // Replaces the box's text (code page 1250, lines ended by "\n").
    void setExportText(std::string_view text);

    // Asks for a file, "firmy.txt" offered every time in the current directory, or in the folder
    // saved to last when the current directory cannot be written (a disc), and writes the box's
    // lines to it, replacing a file of that name. The lines are those the export and the user
    // wrote, each ended by a line break typed (Enter or Shift+Enter), never where the box wraps a
    // long line at its width: the file is the same whatever the window's size. A cancelled
    // dialog or a box holding only blanks writes nothing and says nothing; a file that cannot be
    // created is reported with the system's reason and nothing is written. Throws expo::Error
    // when the name cannot name a file at all, or when writing fails. The current directory is
    // the same afterwards.
    void BtnUlozitClick();

    QPlainTextEdit* MemoExport = nullptr;
    QPushButton* BtnUlozit = nullptr;
    QPushButton* BtnKonec = nullptr;

  private:
    void buildLayout();
    std::vector<std::string> typedLines() const;

    TFormExpozice& FMainForm;
};

}  // namespace expo::presentation
