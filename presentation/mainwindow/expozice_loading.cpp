// The language loading: texts, look, header logo, navigation tree, catalogue sections and, at
// the first loading, the data files, under one progress notice that goes away however the
// loading ends.
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QScopeGuard>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <initializer_list>
#include <memory>
#include <utility>

#include "platform/browser/webbrowser.h"
#include "platform/ui/qtext.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/mainwindow/main_form.h"
#include "presentation/widgets/panel_button.h"
#include "presentation/windows/dlg_hlaseni.h"

namespace expo::presentation {
namespace {

// A button or label keeps its own caption when the language gives none.
template <typename Widget>
void setCaption(Widget* widget, const std::optional<std::string>& caption) {
    if (caption) {
        widget->setText(ui::toQ(*caption));
    }
}

QColor toQColor(Colour colour) {
    return QColor(colour.r, colour.g, colour.b);
}

// Gives `widget` these colours of its own; every other role follows its parent, so the window
// background reaches the panels that show their parent's colour.
void paint(QWidget* widget, std::initializer_list<std::pair<QPalette::ColorRole, Colour>> roles) {
    QPalette palette;
    for (const auto& [role, colour] : roles) {
        palette.setColor(role, toQColor(colour));
    }
    widget->setPalette(palette);
}

// `base` with the look's face, size (a size below 1 keeps the base's) and style.
QFont fontOf(QFont base, const FontLook& look) {
    base.setFamily(ui::toQ(look.name));
    if (look.pointSize > 0) {
        base.setPointSize(look.pointSize);
    }
    base.setBold(look.bold);
    base.setItalic(look.italic);
    base.setUnderline(look.underline);
    return base;
}

// The tree and the exhibitor list look alike.
void applyListLook(QWidget* list, const Look& look) {
    list->setFont(fontOf(list->font(), look.treeFont));
    paint(list, {{QPalette::Base, look.treeBackground}, {QPalette::Text, look.treeFont.colour}});
}

}  // namespace

std::unique_ptr<TFormDlgHlaseni> TFormExpozice::showNotice(std::string_view title) {
    auto notice = std::make_unique<TFormDlgHlaseni>(this, title);
    // The focus comes back from it to the main window; the first loading runs before there is one.
    if (applicationMainForm() == this) {
        connect(notice.get(), &QObject::destroyed, this, [this] { noticeEnded(); });
    }
    readNoticeLook(FConfig, FLook);
    notice->setPanelColor(FLook.noticeBackground);
    return notice;
}

void TFormExpozice::LoadLanguage(std::string_view languageText, bool loadData) {
    PnlStatusBar->clear();
    PnlStatusBar->setToolTip(QString());

    const std::unique_ptr<TFormDlgHlaseni> notice =
        showNotice(readNoticeText(FConfig, FLanguage, NoticeText::Title));
    notice->SetMessageText(readNoticeText(FConfig, FLanguage, NoticeText::Appearance));

    loadLanguageFields(languageText);
    loadCatalogueLook();
    loadLanguageTexts();
    loadPanelLook();

    notice->SetMessageText(readNoticeText(FConfig, FLanguage, NoticeText::Logo));
    loadHeaderLogo();

    notice->SetMessageText(readNoticeText(FConfig, FLanguage, NoticeText::Navigation));
    loadNavigation(*notice, loadData);
}

void TFormExpozice::loadLanguageFields(std::string_view languageText) {
    LanguageFields fields = readLanguageFields(FConfig, languageText);
    FLanguageName = std::move(fields.FLanguageName);
    FDefaultLanguageSuffix = std::move(fields.FDefaultLanguageSuffix);
    FDefaultExpLanguageSuffix = std::move(fields.FDefaultExpLanguageSuffix);
}

// The logo areas, "SkrytData", the exhibitor template and the navigation tree's font and
// background. A bad colour ends the loading, but what was read before it is shown all the same
// (the values not read yet are those already shown).
void TFormExpozice::loadCatalogueLook() {
    const auto show = qScopeGuard([this] { applyListLook(TreeViewNavigace, FLook); });
    readCatalogueLook(FConfig, FLanguage, FLook);
}

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

// The exhibitor list takes the tree's look; then the header's height and colour, the path bar's
// panel, the status bar, the view-button switches and the window background. A bad colour ends
// the loading, but what was read before it is shown all the same.
void TFormExpozice::loadPanelLook() {
    applyListLook(ListBoxSeznamFirem, FLook);
    const auto show = qScopeGuard([this] { applyPanelLook(); });
    readPanelLook(FConfig, FLook);
}

// The panels as the look has them; the values not read yet are those already shown.
void TFormExpozice::applyPanelLook() {
    PanelLogo->setFixedHeight(std::max(0, FLook.headerHeight));
    paint(PanelLogo, {{QPalette::Window, FLook.headerBackground}});

    // The path bar's label takes the panel's font; the bar's page takes the link colours.
    QFont infoFont = PanelInfo->font();
    infoFont.setFamily("Verdana");
    if (FLook.infoFontSize > 0) {
        infoFont.setPointSize(FLook.infoFontSize);
    }
    PanelInfo->setFont(infoFont);
    // Where the face is missing the bar's page shows the face the label is measured in.
    WebBrowserInfo->setStandardFontFamily(QFontInfo(infoFont).family());
    paint(PanelInfo,
          {{QPalette::Window, FLook.infoBackground}, {QPalette::WindowText, FLook.infoFontColour}});

    paint(PnlStatusBar, {{QPalette::Window, FLook.statusBackground},
                         {QPalette::WindowText, FLook.statusFontColour}});

    ToolButtonExponaty->setVisible(FLook.showExhibitsButton);
    ToolButtonMezera3->setVisible(FLook.showExhibitsButton);
    ToolButtonNovinky->setVisible(FLook.showNewsButton);
    ToolButtonMezera4->setVisible(FLook.showNewsButton);

    paint(this, {{QPalette::Window, FLook.windowBackground}});
}

}  // namespace expo::presentation
