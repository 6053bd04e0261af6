#pragma once
// Links of schemes the engine does not show ("mailto:") are the desktop's to open, through its
// URL handler xdg-open, as the system opens such links. The handler runs on its own, and a
// window closed meanwhile does not stop it; when it cannot be started, or reports a failure of its
// own (no application for the scheme, say), the error box names the link.
#include <QUrl>
#include <string>
#include <string_view>

namespace expo::browser {

// `link`: the URL as the handlers read it (code page 1250), for the error box.
void openOnDesktop(const QUrl& url, const std::string& link);

// The error box's text for a link the desktop could not open: the link, then the reason on a
// line of its own.
std::string desktopLinkError(std::string_view link, std::string_view reason);

}  // namespace expo::browser
