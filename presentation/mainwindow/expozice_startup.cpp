// The main window's life: the constructor opens the settings files, checks the intro page and
// shows the intro window (the first loading runs inside it); the activation handler ends the
// program when no language was chosen and otherwise sizes and centres the window and the
// navigation panel from config.ini at the first showing and whenever the focus comes back from
// another window of the program (a progress notice of its work included); the destructor closes
// the datasets.
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "platform/browser/webbrowser.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/settings/screen.h"
#include "presentation/settings/window_size.h"
#include "presentation/widgets/event_tap.h"
#include "presentation/windows/uvod.h"

namespace expo::presentation {

using text::cp;

TFormExpozice::TFormExpozice(QWidget* owner) : QMainWindow(owner) {
    try {
        createComponents();
        connectPageHandlers();
        connectLinkHandlers();
        connectSearchHandlers();
        connectNotebookHandlers();
        connectFulltextHandlers();
        openSettings();
        followFocus();
        runIntro(introPagePath());
        FCurrentViewButton = ToolButtonVse;
        SetViewButton(ToolButtonVse);
    } catch (...) {
        // A failed start-up skips the destructor, but the components still go afterwards.
        detachComponents();
        throw;
    }
}

TFormExpozice::~TFormExpozice() {
    detachComponents();
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

// Qt deletes the components only in the base class's destructor, after this window's members
// are gone, and their last signals (the tree's model is reset as the tree goes) would still
// run the window's handlers. Every connection and event tap that leads back here is cut first,
// so that no code of the window runs once its destructor has begun.
void TFormExpozice::detachComponents() {
    QObject::disconnect(qApp, nullptr, this, nullptr);
    std::vector<EventTap*> taps;
    for (QObject* component : findChildren<QObject*>()) {
        component->disconnect(this);
        // A tap has no meta-object of its own, so only a dynamic cast tells it apart.
        if (auto* tap = dynamic_cast<EventTap*>(component)) {
            taps.push_back(tap);
        }
    }
    for (EventTap* tap : taps) {
        delete tap;
    }
    for (browser::WebBrowser* browser : {WebBrowser, WebBrowserInfo, WebBrowserLogo}) {
        if (browser != nullptr) {
            browser->setBeforeNavigate(nullptr);
        }
    }
}

// The four settings files, read whole from the program's folder. A missing config.ini, or any
// of them that cannot be read, stops the start-up with the file's name, then its full path and
// the reason; the later ones are not opened. The other three read as empty when missing.
void TFormExpozice::openSettings() {
    struct SettingsFile {
        IniFile TFormExpozice::*field;
        const char* name;
        bool required;
    };
    static constexpr SettingsFile files[] = {
        {&TFormExpozice::FConfig, "config.ini", true},
        {&TFormExpozice::FInzeratyIni, "Inzeraty\\index.ini", false},
        {&TFormExpozice::FExpoziceIni, "Expozice\\index.ini", false},
        {&TFormExpozice::FUmisteniIni, "Umisteni\\umisteni.ini", false},
    };
    for (const SettingsFile& file : files) {
        const std::string path = os::resolveDiscPath(os::programFolder(), file.name);
        try {
            this->*file.field =
                file.required ? IniFile::fromText(os::readFile(path)) : IniFile::load(path);
        } catch (const std::exception& e) {
            throw Error(cp("Chyba při načítání konfiguračního souboru ") + file.name + ".\n" +
                        e.what());
        }
    }
}

// The intro page named by "uvod"/"url"; the start-up stops when it is not a file, and says so
// when config.ini does not name one.
std::string TFormExpozice::introPagePath() const {
    const std::string url = FConfig.readString("uvod", "url", "");
    const std::string path = os::resolveDiscPath(os::programFolder(), url);
    if (!os::fileExists(path)) {
        std::string message = cp("Neexistuje html soubor \"") + text::utf8ToCp1250(path) +
                              cp("\" pro úvodní obrazovku");
        if (text::trim(url).empty()) {
            message += cp(".\nV souboru config.ini chybí klíč \"url\" v sekci [uvod]");
        }
        throw Error(message);
    }
    return path;
}

void TFormExpozice::runIntro(const std::string& introPage) {
    TFormUvod intro(this, introPage, introWindowSize(FConfig), resolutionNotice(FConfig));
    intro.exec();
}

namespace {

// Windows that pages open (a link to a new window, window.open) are the browser's own, as are the
// boxes those pages show: for the program they are like another program's windows.
bool isPagesWindow(const QWindow* window) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != window) {
            continue;
        }
        for (QWidget* widget = top; widget; widget = widget->parentWidget()) {
            if (widget->isWindow() && qobject_cast<browser::WebBrowser*>(widget)) {
                return true;
            }
        }
        return false;
    }
    return false;
}

}  // namespace

// Qt reports the window that has the focus once each window of the program has been told that
// it became active or inactive; until then this window's activation still sees the window that
// had the focus before it. None means that no window of the program has it (another program
// has), which leaves the last one of the program as it was; so does a window of a page.
void TFormExpozice::followFocus() {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        if (focus && !isPagesWindow(focus)) {
            FFocusLastHere = focus == windowHandle();
        }
    });
}

// The activation handler runs when the program shows the window (the showing covers a window
// manager that does not activate the new window), whenever the window becomes active again
// after another window of the program had the focus, and once after each progress notice of its
// own work. When the focus comes back from another program, this window was the last of the
// program to have it, and the handler does not run: the user's size and place stay.
bool TFormExpozice::event(QEvent* event) {
    const bool shownByProgram = event->type() == QEvent::Show && !event->spontaneous();
    const bool backFromOwnWindow =
        event->type() == QEvent::WindowActivate && (!FFocusLastHere || FActivationOwed);
    if (shownByProgram || backFromOwnWindow) {
        FActivationOwed = false;
        ui::guard([this] { FormActivate(); });
    }
    return QMainWindow::event(event);
}

// The progress notice may never have had the focus: without a window manager, or with work
// shorter than the window manager's answer, the focus stays with this window all along. Its end
// gives the focus back all the same, at once when this window is active, else as it becomes so.
void TFormExpozice::noticeEnded() {
    if (isActiveWindow()) {
        FActivationOwed = false;
        ui::guard([this] { FormActivate(); });
    } else {
        FActivationOwed = true;
    }
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
    // Centred with the outer size the window took: its least size may exceed the setting.
    const QSize outer = size() + frame;
    const Position topLeft = centredPosition(screen, {outer.width(), outer.height()});
    move(topLeft.left, topLeft.top);
}

void TFormExpozice::applyNavigationSize() {
    const NavigationSize nav = navigationSize(FConfig, PanelNavigace->height(), width());
    FTreeWidth = nav.width;
    FTreeHeight = nav.height;
    PanelNavigace->setFixedWidth(std::max(FTreeWidth, FNavigationMinWidth));
}

}  // namespace expo::presentation
