// A program that keeps its lights in a Maya scene: the build converts
// stanza.ma into stanza_luci.inc, and impostaLuci includes that code, which
// declares and fills one D3DLIGHT9 per spot light of the scene.
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif
#include <d3d9.h>

namespace {

void mostra(const char* nome, const D3DLIGHT9& luce) {
    std::printf("%s: position %g %g %g, colour %g %g %g, range %g, falloff %g\n", nome, luce.Position.x,
                luce.Position.y, luce.Position.z, luce.Diffuse.r, luce.Diffuse.g, luce.Diffuse.b, luce.Range,
                luce.Falloff);
}

void impostaLuci() {
#include "stanza_luci.inc"

    // A renderer hands each light to IDirect3DDevice9::SetLight here.
    mostra("spotLight1", spotLight1);
    mostra("spotLight2", spotLight2);
}

}  // namespace

int main() {
    impostaLuci();
    return 0;
}
