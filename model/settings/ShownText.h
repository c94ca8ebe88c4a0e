// Marks a text that the settings window shows in the user's language. The
// model keeps the English text (kavelo-config prints it as it is, for
// scripts); Qt's lupdate finds it under `context`, and the window translates
// it where it shows it (QCoreApplication::translate with the same context).
#pragma once

#define SHOWN_TEXT(context, text) text
