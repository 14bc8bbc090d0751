// A program that keeps its lights in a Maya scene: the build converts
// stanza.ma into stanza_luci.inc, and luciDellaScena includes that code, which
// declares and fills one D3DLIGHT9 per spot light of the scene. It prints the
// lights as the scene gives them. On Windows it then completes them, hands
// them to Direct3D 9 and draws the room into stanza.png (or the file its
// argument names); elsewhere there is no Direct3D to hand them to.
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif
#include <d3d9.h>
#include <ma2d3d/luce.h>

#ifdef _WIN32
#include "disegno.h"
#endif

namespace {

const int QUANTE = 2;  // the spot lights of stanza.ma

void luciDellaScena(D3DLIGHT9 (&luci)[QUANTE]) {
#include "stanza_luci.inc"
    luci[0] = spotLight1;
    luci[1] = spotLight2;
}

void mostra(const char* nome, const D3DLIGHT9& luce) {
    std::printf("%s: position %g %g %g, colour %g %g %g, range %g, falloff %g\n", nome, luce.Position.x,
                luce.Position.y, luce.Position.z, luce.Diffuse.r, luce.Diffuse.g, luce.Diffuse.b, luce.Range,
                luce.Falloff);
}

#ifdef _WIN32
const char* esito(HRESULT risultato) { return risultato == D3D_OK ? "D3D_OK" : "failed"; }

// What the code file leaves to the program: a Direction, from each light's
// rotate in the scene (the first one's points straight down, the second's,
// -60 90 0, slants toward the wall), Theta and Phi from the scene's cone
// and penumbra angles, and a Range (here 30 units, past every wall of the
// room).
void accendiLuci(IDirect3DDevice9* dispositivo, D3DLIGHT9 (&luci)[QUANTE]) {
    luci[0].Direction = direzioneMaya(-90.0f, 0.0f, 0.0f);
    luci[1].Direction = direzioneMaya(-60.0f, 90.0f, 0.0f);
    const D3DVECTOR giu = {0.0f, -1.0f, 0.0f};  // for a light given no Direction
    for (int i = 0; i < QUANTE; ++i) {
        completaLuce(&luci[i], 30.0f, giu);
        const HRESULT impostata = dispositivo->SetLight(i, &luci[i]);
        const HRESULT accesa = dispositivo->LightEnable(i, TRUE);
        std::printf("spotLight%d: SetLight %s, LightEnable %s\n", i + 1, esito(impostata), esito(accesa));
    }
}
#endif

}  // namespace

int main(int argc, char** argv) {
    D3DLIGHT9 luci[QUANTE];
    luciDellaScena(luci);
    mostra("spotLight1", luci[0]);
    mostra("spotLight2", luci[1]);
#ifdef _WIN32
    IDirect3DDevice9* dispositivo = apriDispositivo();
    if (dispositivo == nullptr) return 1;
    accendiLuci(dispositivo, luci);
    disegnaStanza(dispositivo);
    return salvaImmagine(dispositivo, argc > 1 ? argv[1] : "stanza.png") ? 0 : 1;
#else
    (void)argc;
    (void)argv;
    return 0;
#endif
}
