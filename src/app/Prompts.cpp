#include "app/Prompts.h"

#include "app/QtPrompts.h"

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
