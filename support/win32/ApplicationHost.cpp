#include "support/win32/ApplicationHost.h"

namespace zul::Windows {

namespace {

ApplicationHost* currentHost = nullptr;

} // namespace

ApplicationHost::ApplicationHost() : previous_(currentHost) {
    currentHost = this;
}

ApplicationHost::~ApplicationHost() {
    if (currentHost == this) {
        currentHost = previous_;
    }
}

ApplicationHost* ApplicationHost::Current() {
    return currentHost;
}

const FrameworkResources& ApplicationHost::CurrentResources() {
    static const FrameworkResources none;
    return currentHost != nullptr ? currentHost->resources_ : none;
}

} // namespace zul::Windows
