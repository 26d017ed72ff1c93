// What a file routine shows the player: the hourglass while it works and a
// message when it fails. The program's windows answer; tests record.
#pragma once

#include <string>

namespace vis {

class FileFeedback {
public:
    virtual ~FileFeedback() = default;
    // Modal information box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // The hourglass pointer for long operations, and back.
    virtual void ShowBusyPointer() = 0;
    virtual void RestorePointer() = 0;
};

// Shows the hourglass for the lifetime of the guard.
class BusyPointer {
public:
    explicit BusyPointer(FileFeedback& ui) : ui_(ui) { ui_.ShowBusyPointer(); }
    ~BusyPointer() { ui_.RestorePointer(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    FileFeedback& ui_;
};

}  // namespace vis
