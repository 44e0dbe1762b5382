#pragma once

#include <QPointer>

#include <cstdint>
#include <functional>

class TCustomDIBKnob;

// Two presses on the same knob, less than 400 ms apart and with the knob unmoved in
// between, set it to 0. One state for every strip of every window.
class KnobPressReset {
  public:
    using TickSource = std::function<std::uint32_t()>;

    static KnobPressReset& Instance();

    // Milliseconds from a fixed start; tests replace it. An empty source restores the clock.
    void SetTickSource(TickSource source);
    void Forget();

    void Press(TCustomDIBKnob& knob);

  private:
    KnobPressReset();

    TickSource ticks_;
    QPointer<TCustomDIBKnob> lastKnob_;
    std::uint32_t lastTick_ = 0;
    std::int32_t lastPosition_ = 0;
};
