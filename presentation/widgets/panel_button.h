#pragma once
// A panel used as a button: a raised panel with a centred label. A click on the panel or on its
// label emits clicked(), and the label is enabled with the panel. The panel is as wide as its
// label plus 10 pixels once fitted. A double click is one click: its second press, which comes
// as a double-click event, and the release after it do nothing.
#include <QFrame>
#include <chrono>

class QLabel;

namespace expo::presentation {

class PanelButton : public QFrame {
    Q_OBJECT
  public:
    // panelName and labelName are the object names of the panel and its label.
    PanelButton(const QString& panelName, const QString& labelName, const QString& caption,
                QWidget* parent);

    QLabel* label() const { return label_; }
    // Makes the panel as wide as its label needs for its caption plus 10 pixels.
    void fitToLabel();

    // The press every panel-button plays before its command acts: the panel is lowered and
    // painted, stays down for `duration` (the GUI thread waits), then comes up and is painted
    // again. Pending input is handled while the panel is painted.
    void press(std::chrono::milliseconds duration);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QLabel* label_;
    bool pressed_ = false;
};

}  // namespace expo::presentation
