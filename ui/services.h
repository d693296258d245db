#pragma once

#include <atomic>
#include <string>

class DialogGui;
class DocumentOpener;
class LocalClock;
class ModemLinePort;
class PrintBackend;
class SerialPorts;

// What the windows need of the world outside the program. The program passes the real ones;
// tests pass doubles they can answer and inspect.
struct Services {
    DialogGui& gui;
    ModemLinePort& port;       // the clock's serial port and its millisecond tick
    LocalClock& clock;         // the computer's date and time, stamped into the frame
    PrintBackend& printer;     // the print dialog and the page the report is drawn on
    DocumentOpener& documents; // the viewer that shows the user guide
    std::string stateFolder;   // where an unsaved program is kept for the next run; "" for nowhere
    SerialPorts& serialPorts;  // the devices the COM numbers stand for
    // Set when the program is asked to end (a signal): a send then stops and releases the lines.
    const std::atomic<bool>* endRequested = nullptr;
};
