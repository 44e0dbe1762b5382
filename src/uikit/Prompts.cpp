#include "uikit/Prompts.h"

#include "uikit/QtPrompts.h"

namespace {

Prompts* installed = nullptr;

} // namespace

Prompts& AppPrompts() {
    static QtPrompts real;
    return installed ? *installed : real;
}

void SetAppPrompts(Prompts* prompts) {
    installed = prompts;
}
