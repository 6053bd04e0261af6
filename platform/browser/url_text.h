#pragma once
// How the program's navigation targets become URLs, and how URLs reach its link handlers as text.
#include <QUrl>
#include <string>
#include <string_view>

namespace expo::browser {

// "about:..." stays as it is; anything else is a file path (code page 1250, "\" or "/" between
// folders, relative paths taken from the current directory) and becomes a file URL.
QUrl targetUrl(std::string_view target);

// A URL as the link handlers read it, in code page 1250 with every percent escape decoded: a local
// file as its path ("/disc/go_polozka_sekce 1 na CD"), any other URL in full ("zpet:").
std::string urlText(const QUrl& url);

}  // namespace expo::browser
