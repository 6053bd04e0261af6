#include "presentation/navigation/path_bar.h"

#include "platform/text/text.h"

namespace expo::presentation {

namespace {

constexpr std::string_view kLinkWord = "link_";

std::string link(int kind, int number, std::string_view name) {
    return " - <a href=\"link_" + text::intToStr(kind) + "_" + text::intToStr(number) + "\">" +
           std::string(name) + "</a>";
}

void appendHex(std::string& out, uint8_t byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

std::string page(const std::string& links, const PathBarStyle& style) {
    const std::string linkColor = ColorToHtml(style.linkColor);
    return "<html><body style=\"margin-left: 0px; margin-top: 0px; margin-bottom: 0px; "
           "margin-right: 0px; border: 0px; padding: 0px\" link=\"" +
           linkColor + "\" vlink=\"" + linkColor + "\" alink=\"" +
           ColorToHtml(style.activeLinkColor) + "\" bgcolor=\"" + ColorToHtml(style.backColor) +
           "\" scroll=\"no\"><table style=\"font-family: Verdana; font-size: " +
           text::intToStr(style.fontPointSize) +
           "pt\" height=\"100%\" height=\"100%\" cellpadding=\"0\" cellspacing=\"0\" "
           "border=\"0\"><tr><td valign=\"middle\">" +
           links + "</td></tr></table></body></html>";
}

}  // namespace

std::string ColorToHtml(Colour colour) {
    std::string html = "#";
    appendHex(html, colour.r);
    appendHex(html, colour.g);
    appendHex(html, colour.b);
    return html;
}

PathBarStyle pathBarStyleOf(const Look& look) {
    return {look.infoLinkColor, look.infoLinkActiveColor, look.infoBackColor, look.infoFontSize};
}

PathBar buildPathBar(const NavNode* node, int startIndex, bool withSubPage,
                     const PathBarStyle& style) {
    PathBar bar;
    std::string links;
    int number = startIndex;
    for (const NavNode* level = node; level; level = level->parent, ++number) {
        if (withSubPage && number == 0) {
            const std::string title = text::trim(level->data.CurrentSubPageTitle);
            if (!title.empty()) {
                bar.caption.insert(0, " - " + title);
                links.insert(0, link(1, number, title));
            }
        }
        bar.caption.insert(0, " - " + level->caption);
        links.insert(0, link(0, number, level->caption));
        bar.nodes.push_back(level);
    }
    if (links.empty()) {
        return bar;
    }
    // Both begin with " - "; the bar reads "- Root - Child".
    bar.caption.erase(0, 1);
    links.erase(0, 1);
    bar.page = page(links, style);
    return bar;
}

bool isPathBarLink(std::string_view url) {
    return text::asciiLower(url).find(kLinkWord) != std::string::npos;
}

std::optional<PathBarTarget> pathBarTarget(std::string_view url, size_t nodeCount) {
    // The bar's links are file names, so the last "link_" is theirs: the folder of the bar's
    // page may hold the word too.
    const size_t at = text::asciiLower(url).rfind(kLinkWord);
    // "link_", the digit K, "_", then the number N to the end of the URL.
    if (at == std::string::npos || at + 7 > url.size()) {
        return std::nullopt;
    }
    const std::optional<int32_t> number = text::tryStrToInt(url.substr(at + 7));
    const std::optional<int32_t> kind = text::tryStrToInt(url.substr(at + 5, 1));
    if (!number || !kind || *number < 0 || static_cast<size_t>(*number) >= nodeCount) {
        return std::nullopt;
    }
    return PathBarTarget{static_cast<size_t>(*number), *kind == 1};
}

}  // namespace expo::presentation
