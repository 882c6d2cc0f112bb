#include "app/startup.h"

using namespace app;

int main() {
    return RunProgram(DefaultEnvironment());
}
