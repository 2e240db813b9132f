#pragma once
// How the engine reports progress and lets the user interface breathe during long work.
// The engine never formats language texts itself: it names the text and the receiver shows it
// in the active language.

namespace palvane {

// Titles shown in the progress window's title line.
enum class ProgressTitle {
    FixedObjects,    // "Fixed objects processing..."
    ReadingTask,     // "Reading DB task..."
    PackingProgress, // "Packing progress..."
    WritingDb,       // "Writing DB..."
    ClearingDb,      // "Clearing DB solution..."
    Improving,       // "Improving the plan..."
};

// Hints shown in the right-aligned hint label.
enum class ProgressHint {
    PleaseWait, // "Please wait"
    EscToAbort, // "Esc to abort"
    Aborted,    // "Aborted..."
};

// Receiver of progress reports. Every method has a do-nothing default, so tests and the command
// line can listen to as little as they need.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // Title line of the running operation.
    virtual void setTitle(ProgressTitle) {}
    // Overall bar, 0..100 (larger values mean a full bar).
    virtual void setOverall(int /*position*/) {}
    // Bar of the current container search, 0..100 (larger values mean a full bar).
    virtual void setContainer(int /*position*/) {}
    virtual void setContainerVisible(bool) {}
    virtual void setHint(ProgressHint) {}
    // Time label: "<text> sec" where text is the already formatted number ("0", "12.3").
    virtual void setElapsedText(const char* /*number*/) {}
    // Time label at the end of a solve: "Run <text> sec".
    virtual void setRunTimeText(const char* /*number*/) {}
    virtual void setTimeVisible(bool) {}
    // Lets pending window messages through; this is when an Esc press reaches the abort flag.
    virtual void processEvents() {}
};

} // namespace palvane
