#pragma once
// The nomenclature picker: the whole nomenclature code list, code and description, in a grid.
// It opens on the first code that begins with what the edit it was given holds; a double click
// or Enter writes the code of the current row into that edit and closes the window, Esc closes
// it and leaves the edit alone.
#include <QDialog>

class QLineEdit;
class QShowEvent;
class QTableWidget;

namespace expo::presentation {
class TFormExpozice;
}

namespace expo::search {

class TDlgVyberNom : public QDialog {
    Q_OBJECT
  public:
    // `mainForm` gives the texts, CDSCisNom and the description column. Throws expo::Error when
    // the code list cannot be read.
    TDlgVyberNom(QWidget* owner, presentation::TFormExpozice& mainForm, QLineEdit& targetEdit);

    QTableWidget* ValueListEditorNom = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ValueListEditorNomDblClick();
    // Returns whether the key was the picker's.
    bool ValueListEditorNomKeyDown(int key);

    presentation::TFormExpozice& FMainForm;
    QLineEdit& FTargetEdit;
    int FPreselectedRow = -1;  // scrolled to the top once the grid has its size
};

}  // namespace expo::search
