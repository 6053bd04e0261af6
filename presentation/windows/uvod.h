#pragma once
// The intro window: the disc's intro page, borderless and full-window, where the user picks a
// language. A link naming "jazyk0.html" ... "jazyk4.html" sets the main window's language and
// runs its first loading (with the data files) while this window stays disabled beneath the
// progress notice; a link naming "appexit.html" closes the window with no language. Any other
// navigation sets the language back to none.
#include <QDialog>
#include <functional>
#include <string>
#include <string_view>

#include "presentation/settings/window_size.h"

namespace expo::browser {
class WebBrowser;
}

namespace expo::presentation {

class TFormExpozice;

class TFormUvod : public QDialog {
    Q_OBJECT
  public:
    // `url` is the intro page's full path. The size is in pixels, or with `percent` in
    // percentages of the screen, where -1 (or 100 and more) asks for a maximised window.
    // Shows `resolutionText` in the information dialog first when the screen is smaller than
    // 1024 x 768 and the text is not empty.
    TFormUvod(TFormExpozice* owner, std::string url, const WindowSize& size,
              std::string_view resolutionText);

    browser::WebBrowser* WebBrowserUvod = nullptr;

    // Called each time a page of the intro has loaded: lets a test follow a link.
    using PageLoadedHook = std::function<void(TFormUvod&)>;
    static void setPageLoadedHook(PageLoadedHook hook);

  protected:
    bool event(QEvent* event) override;

  private:
    void applySize(const WindowSize& size);
    void FormActivate();
    void WebBrowserUvodBeforeNavigate2(const std::string& url, bool& cancel);
    void runFirstLoading();

    std::string FUrl;
    TFormExpozice* FMainForm;
    int FLanguage = -1;
    bool pageRequested_ = false;
    // Set once a language or "appexit.html" was followed: the window is on its way out and
    // later navigations (the followed page loading) no longer touch the language.
    bool closing_ = false;
};

}  // namespace expo::presentation
