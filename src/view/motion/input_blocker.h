// Swallows the player's input while cards move by themselves, and the pause
// screen's "any click or key resumes".
#pragma once

#include <QObject>
#include <functional>

namespace vis {

class InputBlocker : public QObject {
public:
    // `onInput` runs for each input event eaten (nothing when empty).
    explicit InputBlocker(std::function<void()> onInput = {}, QObject* parent = nullptr)
        : QObject(parent), onInput_(std::move(onInput)) {}

    // Installs or removes the filter on the application.
    void SetActive(bool active);
    bool IsActive() const { return active_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> onInput_;
    bool active_ = false;
};

// Mouse buttons, wheel, keys and non-client clicks.
bool IsPlayerInput(const QEvent& event);

}  // namespace vis
