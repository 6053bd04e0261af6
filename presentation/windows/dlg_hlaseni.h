#pragma once
// The progress notice: a small borderless stay-on-top window with a bold title and one progress
// line, shown by long operations of the main window (the language loading, the notebook export,
// the full-text search). While it exists the application's main window is disabled; every new
// progress line pumps the pending messages so the notice repaints while the caller works.
//
// The caller creates it, sets the panel colour, calls SetMessageText at each step and frees it
// when the work ends, also when a step fails (a notice never freed would leave the main window
// disabled): hold it in a std::unique_ptr or on the stack.
#include <QWidget>
#include <optional>
#include <string_view>

#include "platform/text/text.h"
#include "platform/ui/focus_return.h"

class QFrame;
class QLabel;
class QPushButton;

namespace expo::presentation {

class TFormDlgHlaseni : public QWidget {
    Q_OBJECT
  public:
    // Shown at once, centred on the screen.
    TFormDlgHlaseni(QWidget* owner, std::string_view title);
    ~TFormDlgHlaseni() override;

    // Replaces the progress line and pumps the pending messages.
    void SetMessageText(std::string_view text);
    void setPanelColor(text::Rgb color);

    QFrame* Panel1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* lblNadpis = nullptr;
    QLabel* lblHlaseni = nullptr;
    // Lies below the visible part of the window; the notice cannot be interrupted.
    QPushButton* BtnPrerusit = nullptr;

  signals:
    // A progress line was set, before the pending messages are pumped.
    void messageTextSet(const QString& text);

  private:
    void buildLayout();
    void centreOnScreen();

    // Disabling the main window takes the focus from its control; it gets it back when the
    // notice goes.
    std::optional<ui::FocusReturn> FFocusReturn;
};

}  // namespace expo::presentation
