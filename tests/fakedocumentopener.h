#pragma once

#include "ui/helpdocument.h"

#include <QStringList>

// Records every document the program asks the desktop to open, and answers as told.
class FakeDocumentOpener : public DocumentOpener {
public:
    bool open(const QString& path) override
    {
        opened << path;
        return viewerAnswers;
    }

    QStringList opened;
    bool viewerAnswers = true; // false: as on a desktop without a viewer for the type
};
