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

// The error box's text for a link the desktop could not open, the same in every language: the
// link, then the handler's name and the reason on a line of their own: the system's words for
// a handler that does not start, the number a handler that fails ends with.
std::string desktopLinkError(std::string_view link, std::string_view reason);

}  // namespace expo::browser
