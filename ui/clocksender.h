#pragma once

#include "model/setsbuffer.h"

class QWidget;
struct Services;
struct Windows;

// "Send to Clock": stamps the date, time and checksum into the program, then sends the frame
// from a thread of its own that owns the port for the send, while a modal window shows how far
// it has come and the main window goes on painting. A failure is explained in the error window,
// with the lines held as they were until the window closes; a success shows nothing more.
class ClockSender {
public:
    ClockSender(SetsBuffer& buffer, Services& services, const Windows& windows);

    // Returns once the send has ended, the lines are released and any failure has been shown.
    void send();

private:
    SetsBuffer& buffer;
    Services& services;
    const Windows& windows;
};
