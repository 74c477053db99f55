// The program's tests (core, exchange, app) show the program's own texts.
#include "resources/ProgramResources.h"
#include "testkit/win32/TestApp.h"

zul::Windows::FrameworkResources kvtest::TestFrameworkResources() {
    return kolvane::ProgramResources;
}
