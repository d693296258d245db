#pragma once

#include <QIcon>

QIcon EraseAllIcon();        // a program sheet struck through
QIcon ConfigureBufferIcon(); // a table with arrows that swap its layout
QIcon OkButtonIcon();        // a green tick, as on the OK buttons of the clock's first editions
QIcon ProgramIconImage();    // the program's own: a time-switch clock face
