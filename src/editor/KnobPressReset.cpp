#include "editor/KnobPressReset.h"

#include "controls/CustomDIBKnob.h"

#include <QElapsedTimer>

namespace {

constexpr std::uint32_t ResetWindowMs = 400;

KnobPressReset::TickSource SystemTicks() {
    return [] {
        static QElapsedTimer clock = [] {
            QElapsedTimer started;
            started.start();
            return started;
        }();
        return static_cast<std::uint32_t>(clock.elapsed());
    };
}

} // namespace

KnobPressReset::KnobPressReset() : ticks_(SystemTicks()) {}

KnobPressReset& KnobPressReset::Instance() {
    static KnobPressReset state;
    return state;
}

void KnobPressReset::SetTickSource(TickSource source) {
    ticks_ = source ? std::move(source) : SystemTicks();
}

void KnobPressReset::Forget() {
    lastKnob_.clear();
}

void KnobPressReset::Press(TCustomDIBKnob& knob) {
    const std::uint32_t now = ticks_();
    // The difference is taken in 32 bits so that the clock may wrap around.
    if (lastKnob_ == &knob && knob.Position() == lastPosition_ &&
        static_cast<std::uint32_t>(now - lastTick_) < ResetWindowMs) {
        knob.SetPosition(0);
    }
    lastKnob_ = &knob;
    lastTick_ = now;
    lastPosition_ = knob.Position();
}
