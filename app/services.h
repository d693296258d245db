#pragma once

class DialogGui;

// What the windows need of the world outside the program. The program passes the real ones;
// tests pass doubles they can answer and inspect.
struct Services {
    DialogGui& gui;
};
