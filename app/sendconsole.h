#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// Where "halvex send" talks to the person at the clock: how far a send has come, how it ended,
// and the question between two clocks.
class SendConsole {
public:
    virtual ~SendConsole() = default;

    // A terminal shows the progress as one line rewritten in place ("byte 37 of 123"); anything
    // else (a log, a pipe) shows none, only the line that says how the send ended.
    virtual void progress(int bytesSent) = 0;
    // One line of text, whole.
    virtual void say(std::string_view line) = 0;
    // Puts the question and returns the line answered, or nothing at the end of the input or
    // when the program is to end.
    virtual std::optional<std::string> ask(std::string_view question) = 0;
};

// A console over streams, for tests; terminal chooses how progress is shown.
class StreamConsole : public SendConsole {
public:
    StreamConsole(std::istream& in, std::ostream& out, bool terminal = false);

    void progress(int bytesSent) override;
    void say(std::string_view line) override;
    std::optional<std::string> ask(std::string_view question) override;

private:
    std::istream& in;
    std::ostream& out;
    bool terminal;
    bool progressShown = false; // a progress line is open: the next line starts below it
};

// The process's standard input and standard error. Nothing written to standard error ever
// holds up a send or the end of the program: progress that the reader is not ready for is left
// out, a reader that has gone away is no error, and every wait (for room in a full pipe, for an
// answer at the prompt) ends as soon as wakeFd becomes readable (an ending signal came).
class StandardConsole : public SendConsole {
public:
    explicit StandardConsole(int wakeFd);

    void progress(int bytesSent) override;
    void say(std::string_view line) override;
    std::optional<std::string> ask(std::string_view question) override;

private:
    // Writes as much as the reader takes; false when the text did not all go out.
    bool write(std::string_view text, bool onlyIfReady);

    int wake;
    bool terminal;
    bool progressShown = false;
    bool readerGone = false;
    bool inputEnded = false;
    std::string pending; // input read beyond the last answer
};
