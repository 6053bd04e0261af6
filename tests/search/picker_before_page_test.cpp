// Before any exhibitor page has been shown, the nomenclature picker describes the codes in the
// interface's language, as the first exhibitor page of that language would.
#include <QLineEdit>
#include <QTableWidget>
#include <memory>

#include "search/dlg_vyber_nom.h"
#include "tests/search/search_fixture.h"

namespace expo::search::testing {
namespace {

class PickerBeforeAnyPage : public SearchTest {};

TEST_F(PickerBeforeAnyPage, DescribesInTheInterfacesLanguage) {
    open();  // in Czech; the demo disc's default catalogue column is the English one
    QLineEdit edit;
    auto picker = std::make_unique<TDlgVyberNom>(&form(), form(), edit);
    picker->show();
    EXPECT_EQ(picker->ValueListEditorNom->item(1, 1)->text(), QString::fromUtf8("Soustruhy"));
}

}  // namespace
}  // namespace expo::search::testing
