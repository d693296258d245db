#pragma once

#include <QProxyStyle>

// The desktop's own style, with one change that shows nowhere: the arrow a menu bar offers when
// its menus do not fit is loaded when it is first drawn. Qt's styles decode that arrow, three
// PNG files, whenever a menu bar is made, and that was a twentieth of the main window's start
// (3.8 million instructions), though the program's menus always fit.
class ProgramStyle : public QProxyStyle {
public:
    // Takes over `desktopStyle` (the application's style until now).
    explicit ProgramStyle(QStyle* desktopStyle);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
