#pragma once
// Widths at which controls show their texts whole in the font and style they are drawn with:
// the style is asked for the size the control needs around its text (frame, margins, box or
// arrow), so the room is right in any style. The window layouts give sizes measured with a
// narrower font; a control is widened only where its text needs it, never narrowed.
#include <QStringList>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace expo::ui {

// The width at which `button` shows each of `texts` whole; at least `width`.
int widthForTexts(const QPushButton& button, const QStringList& texts, int width);
// The width at which `check` shows `text` whole beside its box; at least `width`.
int widthForText(const QCheckBox& check, const QString& text, int width);
// The width at which `combo`, a drop-down list, shows each of `items` whole; at least `width`.
int widthForItems(const QComboBox& combo, const QStringList& items, int width);

// The least width of a window whose title bar shows `caption` whole: the caption in the title
// bar's font, drawn bold as most window managers draw it, beside the window's icon and its
// minimise, maximise and close buttons (squares as high as the bar), with a margin at either
// end; never more than the screen's width.
int widthForCaption(const QString& caption);

}  // namespace expo::ui
