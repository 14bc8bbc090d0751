// Prints the lights of the two scenes the build converted.
#include <cstdio>

#include <d3d9.h>

namespace {

void mostra(const char* nome, const D3DLIGHT9& luce) {
    std::printf("%s: position %g %g %g, range %g\n", nome, luce.Position.x, luce.Position.y, luce.Position.z,
                luce.Range);
}

void luciA() {
#include "a_luci.inc"
    mostra("a spotLight1", spotLight1);
}

void luciB() {
#include "b_luci.inc"
    mostra("b spotLight1", spotLight1);
    mostra("b spotLight2", spotLight2);
}

}  // namespace

int main() {
    luciA();
    luciB();
    return 0;
}
