#include "presentation/windows/dlg_hlaseni.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "platform/ui/pump.h"
#include "platform/ui/qtext.h"
#include "presentation/mainwindow/main_form.h"

namespace expo::presentation {
namespace {

constexpr int kBorder = 2;
constexpr int kClientWidth = 407;
constexpr int kHeight = 65;  // hides the interrupt button below the visible part

}  // namespace

TFormDlgHlaseni::TFormDlgHlaseni(QWidget* owner, std::string_view title)
    : QWidget(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("FormDlgHlaseni");
    setWindowTitle(ui::toQ(text::cp("Hlášení")));
    buildLayout();
    lblNadpis->setText(ui::toQ(title));
    lblNadpis->adjustSize();
    lblHlaseni->clear();
    ui::pumpMessages();

    centreOnScreen();
    show();
    ui::pumpMessages();

    if (QWidget* mainForm = applicationMainForm()) {
        FFocusReturn.emplace(*mainForm);
        mainForm->setEnabled(false);
        // A window of its own: it is not greyed out with the window it belongs to.
        setEnabled(true);
    }
}

TFormDlgHlaseni::~TFormDlgHlaseni() {
    raise();
    // The main window comes back before the notice goes, and gets the focus back (its
    // activation handler then runs, as after any other window of the program).
    if (QWidget* mainForm = applicationMainForm()) {
        mainForm->setEnabled(true);
        if (mainForm->isVisible()) {
            mainForm->activateWindow();
        }
    }
}

void TFormDlgHlaseni::buildLayout() {
    setFixedSize(kClientWidth + 2 * kBorder, kHeight);
    setFont(QFont("MS Sans Serif", 8));

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::NoFrame);
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(kBorder, kBorder, kClientWidth, kHeight - 2 * kBorder);

    Bevel1 = new QFrame(Panel1);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setGeometry(15, 5 + 54 - 2, 376, 2);  // draws only the bottom line of its box
    Bevel1->hide();

    lblNadpis = new QLabel(Panel1);
    lblNadpis->setObjectName("lblNadpis");
    QFont bold = lblNadpis->font();
    bold.setBold(true);
    lblNadpis->setFont(bold);
    lblNadpis->move(15, 16);

    lblHlaseni = new QLabel(Panel1);
    lblHlaseni->setObjectName("lblHlaseni");
    lblHlaseni->move(35, 36);

    BtnPrerusit = new QPushButton(ui::toQ(text::cp("Přerušit")), Panel1);
    BtnPrerusit->setObjectName("BtnPrerusit");
    BtnPrerusit->setGeometry(167, 66, 75, 25);
}

void TFormDlgHlaseni::centreOnScreen() {
    QRect area;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->geometry();
    }
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void TFormDlgHlaseni::SetMessageText(std::string_view text) {
    lblHlaseni->setText(ui::toQ(text));
    lblHlaseni->adjustSize();
    emit messageTextSet(lblHlaseni->text());
    ui::pumpMessages();
}

void TFormDlgHlaseni::setPanelColor(text::Rgb color) {
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, QColor(color.r, color.g, color.b));
    Panel1->setPalette(palette);
}

}  // namespace expo::presentation
