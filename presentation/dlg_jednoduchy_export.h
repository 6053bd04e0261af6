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

    // Asks for a file, "firmy.txt" offered every time, and writes the box's lines to it,
    // replacing a file of that name. A cancelled dialog or a box holding only blanks writes
    // nothing and says nothing; a file that cannot be created is reported and nothing is
    // written. Throws expo::Error when the name cannot name a file at all, or when writing
    // fails. The current directory is the same afterwards.
    void BtnUlozitClick();

    // The box's lines as it shows them: a line the box wraps at its width counts as a line
    // for each row it takes.
    std::vector<std::string> displayedLines() const;

    QPlainTextEdit* MemoExport = nullptr;
    QPushButton* BtnUlozit = nullptr;
    QPushButton* BtnKonec = nullptr;

  private:
    void buildLayout();

    TFormExpozice& FMainForm;
};

}  // namespace expo::presentation
