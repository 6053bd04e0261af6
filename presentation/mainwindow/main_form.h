#pragma once
// The application's main window. Start sets it once the main window's constructor has returned,
// so during the intro window and the first loading there is none yet; windows that disable the
// main window while they exist (the progress notice) look it up here.
class QWidget;

namespace expo::presentation {

QWidget* applicationMainForm();
void setApplicationMainForm(QWidget* form);

}  // namespace expo::presentation
