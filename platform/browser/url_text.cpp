#include "platform/browser/url_text.h"

#include <QFileInfo>

#include "platform/text/text.h"
#include "platform/ui/qtext.h"

namespace expo::browser {

QUrl targetUrl(std::string_view target) {
    if (text::asciiLower(target.substr(0, 6)) == "about:") {
        return QUrl(ui::toQ(target));
    }
    QString path = ui::toQ(target);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

std::string urlText(const QUrl& url) {
    if (url.isLocalFile() && !url.hasQuery() && !url.hasFragment()) {
        return ui::fromQ(url.toLocalFile());
    }
    return ui::fromQ(QUrl::fromPercentEncoding(url.toEncoded()));
}

}  // namespace expo::browser
