// The language loading: texts, look, header logo, navigation tree, catalogue sections and, at
// the first loading, the data files, under one progress notice that goes away however the
// loading ends.
#include <QLabel>
#include <QToolButton>

#include "platform/ui/qtext.h"
#include "presentation/dlg_hlaseni.h"
#include "presentation/expozice.h"
#include "presentation/panel_button.h"

namespace expo::presentation {
namespace {

void setCaption(QToolButton* button, const std::optional<std::string>& caption) {
    if (caption) {
        button->setText(ui::toQ(*caption));
    }
}

void setCaption(QLabel* label, const std::optional<std::string>& caption) {
    if (caption) {
        label->setText(ui::toQ(*caption));
    }
}

}  // namespace

void TFormExpozice::LoadLanguage(std::string_view languageText, bool loadData) {
    PnlStatusBar->clear();
    PnlStatusBar->setToolTip(QString());

    TFormDlgHlaseni notice(this, readNoticeText(FConfig, FLanguage, NoticeText::Title), {});
    readNoticeLook(FConfig, FLook);
    notice.setPanelColor(FLook.noticeBackground);
    notice.SetMessageText(readNoticeText(FConfig, FLanguage, NoticeText::Appearance));

    loadLanguageFields(languageText);
    loadCatalogueLook();
    loadLanguageTexts();
    loadPanelLook();

    notice.SetMessageText(readNoticeText(FConfig, FLanguage, NoticeText::Logo));
    loadHeaderLogo();

    notice.SetMessageText(readNoticeText(FConfig, FLanguage, NoticeText::Navigation));
    loadNavigation(notice, loadData);
}

void TFormExpozice::loadLanguageFields(std::string_view languageText) {
    LanguageFields fields = readLanguageFields(FConfig, languageText);
    FLanguageName = std::move(fields.FLanguageName);
    FDefaultLanguageSuffix = std::move(fields.FDefaultLanguageSuffix);
    FDefaultExpLanguageSuffix = std::move(fields.FDefaultExpLanguageSuffix);
}

// NOT BUILT YET: the logo areas, "SkrytData", the exhibitor template and the navigation tree's
// font and background. Reads and applies nothing for now.
void TFormExpozice::loadCatalogueLook() {}

void TFormExpozice::loadLanguageTexts() {
    FTexts = readLanguageTexts(FConfig, FLanguage);
    setCaption(ToolButtonVse, FTexts.ToolButtonVseCaption);
    setCaption(ToolButtonExponaty, FTexts.ToolButtonExponatyCaption);
    setCaption(ToolButtonNovinky, FTexts.ToolButtonNovinkyCaption);
    setCaption(ToolButtonZapisnik, FTexts.ToolButtonZapisnikCaption);
    setCaption(ToolButtonVyber, FTexts.ToolButtonVyberCaption);
    setCaption(LblDoZapisniku, FTexts.LblDoZapisnikuCaption);
    setCaption(LblVyradit, FTexts.LblVyraditCaption);
    setCaption(LblExport, FTexts.LblExportCaption);
    LblNovyVyber->setText(ui::toQ(FTexts.FTextRunSelection));
    for (PanelButton* button : {PnlDoZapisniku, PnlVyradit, PnlExport, PnlNovyVyber}) {
        button->fitToLabel();
    }

    ToolButtonVse->setToolTip(ui::toQ(FTexts.ToolButtonVseHint));
    ToolButtonExponaty->setToolTip(ui::toQ(FTexts.ToolButtonExponatyHint));
    ToolButtonNovinky->setToolTip(ui::toQ(FTexts.ToolButtonNovinkyHint));
    ToolButtonZapisnik->setToolTip(ui::toQ(FTexts.ToolButtonZapisnikHint));
    ToolButtonVyber->setToolTip(ui::toQ(FTexts.ToolButtonVyberHint));
    PanelHledaniText->setText(ui::toQ(FTexts.PanelHledaniTextCaption));
    LabelFulltext->setText(ui::toQ(FTexts.LabelFulltextCaption));
    LabelHledej->setText(ui::toQ(FTexts.LabelHledejCaption));
}

// NOT BUILT YET: the exhibitor list's font, the header's height and colour, the path bar's and
// the status bar's colours, the view-button switches and the window background.
void TFormExpozice::loadPanelLook() {}

// NOT BUILT YET: the header logo (an HTML page or a picture).
void TFormExpozice::loadHeaderLogo() {}

// NOT BUILT YET: the navigation tree, the catalogue sections and, with loadData, the twelve
// data files with their progress lines in the notice, then the left panel's minimum width.
void TFormExpozice::loadNavigation(TFormDlgHlaseni& /*notice*/, bool /*loadData*/) {}

}  // namespace expo::presentation
