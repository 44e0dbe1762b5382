#pragma once

// Hides the mouse cursor for as long as it lives, so it reappears on every way
// out of a drag.
class THiddenCursor {
  public:
    THiddenCursor();
    ~THiddenCursor();
    THiddenCursor(const THiddenCursor&) = delete;
    THiddenCursor& operator=(const THiddenCursor&) = delete;

    // Whether the platform lets a program put the cursor somewhere (Wayland does not).
    static bool PlatformMovesCursor();
};
