// Help > Kavelo Manager Help (F1) and Help > About: windows that open beside
// the settings window and do not block it.
#pragma once

class QWidget;

// The help text (how to open, edit and save, and what each message means),
// in one window that comes to the front each time.
void showHelp(QWidget* parent);

// The program's version and licence and what it does.
void showAbout(QWidget* parent);
