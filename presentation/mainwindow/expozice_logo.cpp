// The header logo: an HTML page shown in the header's browser inside its three spacers, or a
// picture at the header's top-left corner that makes the header taller when it is higher.
#include <QFrame>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <initializer_list>

#include "platform/browser/webbrowser.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/text/error.h"
#include "platform/ui/qtext.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/page/page_paths.h"

namespace expo::presentation {
namespace {

void setShown(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* w : widgets) {
        w->setVisible(shown);
    }
}

}  // namespace

void TFormExpozice::loadHeaderLogo() {
    setShown({WebBrowserLogo, BevelLogoLeft, BevelLogoTop, BevelLogoRight}, false);
    const HeaderLogo logo = readHeaderLogo(FConfig, FLanguage);
    if (logo.kind == HeaderLogo::Kind::Html) {
        showHeaderPage(logo.file);
    } else if (!logo.file.empty()) {
        showHeaderPicture(logo.file);
    }
    // With no picture named the header keeps what it shows.
}

// The page lies below the program's folder, whatever the current directory is.
void TFormExpozice::showHeaderPage(const std::string& name) {
    const std::string path = os::resolveDiscPath(os::programFolder(), name);
    if (!os::fileExists(path)) {
        throw Error(missingHeaderPageMessage(name));
    }
    WebBrowserLogo->navigate(browserTarget(path));
    setShown({BevelLogoLeft, BevelLogoTop, BevelLogoRight, WebBrowserLogo}, true);
}

// The picture is taken relative to the current directory, in any kind Qt reads.
void TFormExpozice::showHeaderPicture(const std::string& file) {
    QImageReader reader(QString::fromStdString(os::resolveDiscPath("", file)));
    QImage picture;
    if (!reader.read(&picture)) {
        throw Error(headerPictureErrorMessage(file, ui::fromQ(reader.errorString())));
    }
    ImageLogo->setPixmap(QPixmap::fromImage(picture));
    ImageLogo->resize(picture.size());
    if (picture.height() > PanelLogo->height()) {
        PanelLogo->setFixedHeight(picture.height());
    }
}

}  // namespace expo::presentation
