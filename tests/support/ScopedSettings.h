#pragma once

#include "host/Settings.h"

// Puts the program's settings back as they were when the guard goes, so that no
// test leaves a host folder behind for the next one.
class ScopedSettings {
  public:
    ScopedSettings() = default;
    ScopedSettings(const ScopedSettings&) = delete;
    ScopedSettings& operator=(const ScopedSettings&) = delete;
    ~ScopedSettings() { Settings = saved_; }

  private:
    TSettings saved_ = Settings;
};
