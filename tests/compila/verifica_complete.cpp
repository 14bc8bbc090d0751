// The header ma2d3d_genera_luci(... COMPLETE) generates at build time, from a
// scene whose lights were worked out by hand: included at file scope under
// the name the function gives it, and its lights checked.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "d3d9.h"
#include "perni_scala_taglio_luci.h"

int main() {
    const D3DLIGHT9* faro = &perni_scala_taglio_luci[0];
    const D3DLIGHT9* lampada = &perni_scala_taglio_luci[1];
    const bool giusto = perni_scala_taglio_luci_numero == 2 && faro->Type == D3DLIGHT_SPOT &&
                        faro->Position.x == -2.0f && faro->Position.y == 0.75f && faro->Position.z == 0.5f &&
                        std::fabs(faro->Direction.y + 0.4472136f) < 1e-6f && lampada->Type == D3DLIGHT_POINT &&
                        lampada->Position.x == -6.0f && lampada->Diffuse.r == 2.0f && lampada->Attenuation2 == 1.0f &&
                        std::strcmp(perni_scala_taglio_luci_nomi[1], "|gruppo|lampada|lampadaShape") == 0;
    std::puts(giusto ? "the generated header holds the scene's two lights" : "wrong lights in the generated header");
    return giusto ? 0 : 1;
}
