// A program that keeps its lights in a Maya scene: the build converts
// stanza.ma with ma2d3d-luci into stanza_luci.h, which holds every light of
// the scene complete and in world space. The program prints them; on Windows
// it then hands each one to Direct3D 9 as it is and draws the room into
// stanza.png (or the file its argument names); elsewhere there is no
// Direct3D to hand them to.
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif
#include <d3d9.h>

#include "stanza_luci.h"

#ifdef _WIN32
#include "disegno.h"
#endif

namespace {

const double GRADI = 57.29577951308232;  // per radian

void mostra(const char* nome, const D3DLIGHT9& l) {
    const char* tipo = l.Type == D3DLIGHT_SPOT ? "spot" : l.Type == D3DLIGHT_POINT ? "point" : "directional";
    std::printf("%s: %s, position %.4g %.4g %.4g, direction %.4g %.4g %.4g, colour %.4g %.4g %.4g", nome, tipo,
                l.Position.x, l.Position.y, l.Position.z, l.Direction.x, l.Direction.y, l.Direction.z, l.Diffuse.r,
                l.Diffuse.g, l.Diffuse.b);
    if (l.Type == D3DLIGHT_SPOT) std::printf(", theta %.4g phi %.4g", l.Theta * GRADI, l.Phi * GRADI);
    std::printf(", attenuation %g %g %g\n", l.Attenuation0, l.Attenuation1, l.Attenuation2);
}

#ifdef _WIN32
const char* esito(HRESULT risultato) { return risultato == D3D_OK ? "D3D_OK" : "failed"; }

// Every light as the header gives it: nothing to complete.
void accendiLuci(IDirect3DDevice9* dispositivo) {
    for (unsigned i = 0; i < stanza_luci_numero; ++i) {
        const HRESULT impostata = dispositivo->SetLight(i, &stanza_luci[i]);
        const HRESULT accesa = dispositivo->LightEnable(i, TRUE);
        std::printf("%s: SetLight %s, LightEnable %s\n", stanza_luci_nomi[i], esito(impostata), esito(accesa));
    }
}
#endif

}  // namespace

int main(int argc, char** argv) {
    for (unsigned i = 0; i < stanza_luci_numero; ++i) mostra(stanza_luci_nomi[i], stanza_luci[i]);
#ifdef _WIN32
    IDirect3DDevice9* dispositivo = apriDispositivo();
    if (dispositivo == nullptr) return 1;
    accendiLuci(dispositivo);
    disegnaStanza(dispositivo);
    return salvaImmagine(dispositivo, argc > 1 ? argv[1] : "stanza.png") ? 0 : 1;
#else
    (void)argc;
    (void)argv;
    return 0;
#endif
}
