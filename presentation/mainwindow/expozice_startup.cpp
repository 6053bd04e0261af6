// The main window's life: the constructor opens the settings files, checks the intro page and
// shows the intro window (the first loading runs inside it); the activation handler ends the
// program when no language was chosen and otherwise sizes and centres the window and the
// navigation panel from config.ini at every activation; the destructor closes the datasets.
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QToolButton>
#include <algorithm>

#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/settings/screen.h"
#include "presentation/settings/window_size.h"
#include "presentation/windows/uvod.h"

namespace expo::presentation {

using text::cp;

TFormExpozice::TFormExpozice(QWidget* owner) : QMainWindow(owner) {
    createComponents();
    connectPageHandlers();
    connectLinkHandlers();
    connectSearchHandlers();
    connectNotebookHandlers();
    connectFulltextHandlers();
    openSettings();
    runIntro(introPagePath());
    FCurrentViewButton = ToolButtonVse;
    SetViewButton(ToolButtonVse);
}

TFormExpozice::~TFormExpozice() {
    // Closing a dataset raises nothing the program could act on at this point.
    try {
        for (ds::ClientDataSet* dataSet :
             {&FCatalogue.CDSJazyky, &FCatalogue.CDSSekce, &FCatalogue.CDSZaznamy,
              &FCatalogue.CDSNomenklatury, &FCatalogue.CDSExponaty, &FCatalogue.CDSUmisteni,
              &FCatalogue.CDSZastFir, &FCatalogue.CDSZastZnac, &FCatalogue.CDSCisNom,
              &FCatalogue.CDSCisPloch, &FCatalogue.CDSCisStat, &FCatalogue.CDSDoplnInf}) {
            if (dataSet->active()) {
                dataSet->close();
            }
        }
    } catch (...) {
    }
}

// The four settings files, read whole from the program's folder. A missing file reads as
// empty; one that cannot be read stops the start-up, and the later ones are not opened.
void TFormExpozice::openSettings() {
    struct SettingsFile {
        IniFile TFormExpozice::*field;
        const char* name;
    };
    static constexpr SettingsFile files[] = {
        {&TFormExpozice::FConfig, "config.ini"},
        {&TFormExpozice::FInzeratyIni, "Inzeraty\\index.ini"},
        {&TFormExpozice::FExpoziceIni, "Expozice\\index.ini"},
        {&TFormExpozice::FUmisteniIni, "Umisteni\\umisteni.ini"},
    };
    for (const SettingsFile& file : files) {
        try {
            this->*file.field = IniFile::load(os::resolveDiscPath(os::programFolder(), file.name));
        } catch (const std::exception&) {
            throw Error(cp("Chyba při načítání konfiguračního souboru ") + file.name);
        }
    }
}

// The intro page named by "uvod"/"url"; the start-up stops when it is not a file.
std::string TFormExpozice::introPagePath() const {
    const std::string url = FConfig.readString("uvod", "url", "");
    const std::string path = os::resolveDiscPath(os::programFolder(), url);
    if (!os::fileExists(path)) {
        throw Error(cp("Neexistuje html soubor \"") + text::utf8ToCp1250(path) +
                    cp("\" pro úvodní obrazovku"));
    }
    return path;
}

void TFormExpozice::runIntro(const std::string& introPage) {
    TFormUvod intro(this, introPage, introWindowSize(FConfig), resolutionNotice(FConfig));
    intro.exec();
}

// The activation handler runs when the window shows and whenever it becomes active again: the
// showing covers a window manager that does not activate the new window.
bool TFormExpozice::event(QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
        ui::guard([this] { FormActivate(); });
    }
    return QMainWindow::event(event);
}

void TFormExpozice::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        emit closed();
    }
}

void TFormExpozice::FormActivate() {
    if (FLanguage < 0 || FLanguage > 4) {
        close();  // ends the program once control is back in the message loop
    }
    applyWindowSize();
    applyNavigationSize();
}

void TFormExpozice::applyWindowSize() {
    const ScreenSize screen = primaryScreenSize();
    const WindowSize wanted = mainWindowSize(FConfig);
    const PixelSize pixels = toPixels(wanted, screen);
    if (pixels.maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMaximized);
    // The settings give the outer size; the frame's share is what Qt adds around the client.
    const QSize frame = frameGeometry().size() - size();
    resize(pixels.width - frame.width(), pixels.height - frame.height());
    const Position topLeft = centredPosition(screen, {pixels.width, pixels.height});
    move(topLeft.left, topLeft.top);
}

void TFormExpozice::applyNavigationSize() {
    const NavigationSize nav = navigationSize(FConfig, PanelNavigace->height(), width());
    FTreeWidth = nav.width;
    FTreeHeight = nav.height;
    PanelNavigace->setFixedWidth(std::max(FTreeWidth, FNavigationMinWidth));
}

}  // namespace expo::presentation
