#pragma once

#include <QFont>
#include <QSize>

class QDialog;
class QLabel;
class QString;
class QWidget;

// Every window of the program uses an 8-point sans-serif face.
QFont WindowFont();
QFont HeadingFont(int pointSize); // bold italic, for area titles and error texts

// A modal window of the program: fixed client size, single border with the close box only, the
// window font, centred on the screen the first time it is shown (later showings keep the place
// the user left it at). Its labels and check boxes are widened
// to their texts when it is shown, so a wider face than expected never cuts a text.
void ApplyDialogStyle(QDialog& window, QSize clientSize);

// Centres a top-level window on its screen the first time it is shown.
void KeepCentredOnScreen(QWidget& window);

// An error window's reason: shown in reasonLabel, wrapped to `width` below `top`, with the
// window's OK button centred under it; the window takes the size that holds both.
void ShowReasonBelow(QDialog& window, QLabel& reasonLabel, const QString& reason, QWidget& okButton,
                     int top, int width);
