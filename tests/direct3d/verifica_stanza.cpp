// Checks the picture that the example project draws with Direct3D 9 against
// Direct3D 9's fixed-function lighting, worked out here from what the five
// lights must hold: the values of stanza.ma in world space, as Maya places
// them, worked out by hand below. Points of the floor under each light, in
// each spot's full beam and in its penumbra, are corners of the floor's
// grid, where Direct3D works the lighting out and where the camera puts a
// pixel's centre: there the picture must show the formula's colour within
// 2/255. A floor point outside every cone shows the point and directional
// lights alone.
// Given the README's picture as well, the two pictures must agree, so that a
// change to the scene or to the lights that was not drawn again fails here.
// usage: verifica_stanza PICTURE [README_PICTURE]
#include <windows.h>
#include <d3d9.h>
#include <wincodec.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "disegno.h"

namespace {

const double PI = 3.14159265358979323846;
const int TOLLERANZA = 2;

double gradi(double g) { return g * PI / 180.0; }

// A light as the program must hand it to SetLight: Range the largest
// Direct3D 9 takes, Falloff 1, angles in degrees here.
D3DLIGHT9 luce(D3DLIGHTTYPE tipo, D3DVECTOR posizione, D3DVECTOR direzione, float r, float g, float b,
               double cono, double penombra, float a0, float a1) {
    D3DLIGHT9 l = {};
    l.Type = tipo;
    l.Position = posizione;
    l.Direction = direzione;
    l.Diffuse = {r, g, b, 1.0f};
    l.Range = std::sqrt(FLT_MAX);
    l.Falloff = tipo == D3DLIGHT_SPOT ? 1.0f : 0.0f;
    l.Attenuation0 = a0;
    l.Attenuation1 = a1;
    l.Theta = static_cast<float>(gradi(std::fmin(cono, cono + 2 * penombra)));
    l.Phi = static_cast<float>(gradi(std::fmax(cono, cono + 2 * penombra)));
    return l;
}

// stanza.ma, in world space:
// - spotLightTavolo at (0, 3, 0), rotated -90 0 0: straight down.
// - spotLightFinestra at (-4, 2.5, 1.5), rotated -60 90 0: -Z turned -60
//   degrees about X is (0, -s, -1/2), with s the sine of 60 degrees, and
//   then 90 degrees about Y, which takes (x, y, z) to (z, y, -x), gives
//   (-1/2, -s, 0). Its beam's axis meets the floor near (-5.5, 1.5).
// - faro at (0, 3, 1) rotated -60 0 0 inside gruppoFaro, which stands at
//   (4, 0, -2.5) rotated 0 90 0: its place (0, 3, 1) turned about Y is
//   (1, 3, 0), moved to (5, 3, -2.5); its direction (0, -s, -1/2) turned
//   about Y is (-1/2, -s, 0). Colour times intensity 0.8, cone 30,
//   penumbra 6. Its axis meets the floor near (3.27, -2.5).
// - lampadina, a point light at (3.5, 2, 3), colour times 1.5, linear decay.
// - sole, a directional light rotated -45 30 0: -Z turned -45 degrees about
//   X is (0, -c, -c), with c the cosine of 45 degrees, then 30 degrees about
//   Y, (x, y, z) to (x cos 30 + z sin 30, y, z cos 30 - x sin 30), gives
//   (-c/2, -c, -c cos 30).
const float S = 0.86602540f, C = 0.70710678f;
const D3DLIGHT9 LUCI[] = {
    luce(D3DLIGHT_SPOT, {0.0f, 3.0f, 0.0f}, {0.0f, -1.0f, 0.0f}, 1.0f, 0.85000002f, 0.60000002f, 50, 5, 1, 0),
    luce(D3DLIGHT_SPOT, {-4.0f, 2.5f, 1.5f}, {-0.5f, -S, 0.0f}, 0.5f, 0.60000002f, 1.0f, 70, 10, 1, 0),
    luce(D3DLIGHT_SPOT, {5.0f, 3.0f, -2.5f}, {-0.5f, -S, 0.0f}, 0.32f, 0.8f, 0.4f, 30, 6, 1, 0),
    luce(D3DLIGHT_POINT, {3.5f, 2.0f, 3.0f}, {0.0f, 0.0f, 0.0f}, 1.5f, 0.75f, 0.3f, 0, 0, 0, 1),
    luce(D3DLIGHT_DIRECTIONAL, {0.0f, 0.0f, 0.0f}, {-C / 2, -C, -C * S}, 0.2f, 0.2f, 0.25f, 0, 0, 1, 0),
};

// Direct3D 9's per-vertex lighting of a white surface facing up, with no
// ambient light: each light's Diffuse times N.L, its attenuation and its spot
// factor, summed and clamped.
void colore(double x, double z, double rgb[3]) {
    rgb[0] = rgb[1] = rgb[2] = 0.0;
    for (const D3DLIGHT9& l : LUCI) {
        double f;
        if (l.Type == D3DLIGHT_DIRECTIONAL) {
            // The light comes from -Direction; the normal is (0, 1, 0).
            const double dx = l.Direction.x, dy = l.Direction.y, dz = l.Direction.z;
            f = std::fmax(-dy / std::sqrt(dx * dx + dy * dy + dz * dz), 0.0);
        } else {
            const double lx = l.Position.x - x, ly = l.Position.y, lz = l.Position.z - z;
            const double d = std::sqrt(lx * lx + ly * ly + lz * lz);
            if (d > l.Range) continue;
            const double nl = std::fmax(ly / d, 0.0);
            const double attenuazione = 1.0 / (l.Attenuation0 + l.Attenuation1 * d + l.Attenuation2 * d * d);
            double spot = 1.0;
            if (l.Type == D3DLIGHT_SPOT) {
                const double dx = l.Direction.x, dy = l.Direction.y, dz = l.Direction.z;
                const double rho = -(lx * dx + ly * dy + lz * dz) / (d * std::sqrt(dx * dx + dy * dy + dz * dz));
                const double dentro = std::cos(l.Theta / 2.0), fuori = std::cos(l.Phi / 2.0);
                spot = 0.0;
                if (rho > dentro)
                    spot = 1.0;
                else if (rho > fuori)
                    spot = std::pow((rho - fuori) / (dentro - fuori), l.Falloff);
            }
            f = nl * attenuazione * spot;
        }
        rgb[0] += l.Diffuse.r * f;
        rgb[1] += l.Diffuse.g * f;
        rgb[2] += l.Diffuse.b * f;
    }
    for (int i = 0; i < 3; ++i) rgb[i] = std::fmin(std::fmax(rgb[i], 0.0), 1.0);
}

// A picture as blue, green, red, unused bytes per pixel.
struct Immagine {
    UINT larghezza = 0, altezza = 0;
    BYTE* pixel = nullptr;
    const BYTE* a(int colonna, int riga) const { return pixel + 4 * (static_cast<UINT>(riga) * larghezza + colonna); }
    // The pixel whose centre the floor point (x, 0, z) falls on.
    const BYTE* pavimento(double x, double z) const {
        return a(static_cast<int>(std::lround(LARGHEZZA / 2 + x * PIXEL_PER_UNITA)),
                 static_cast<int>(std::lround(ALTEZZA / 2 + z * PIXEL_PER_UNITA)));
    }
};

bool leggi(IWICImagingFactory* wic, const char* percorso, Immagine* immagine) {
    wchar_t nome[MAX_PATH];
    IWICBitmapDecoder* decodifica = nullptr;
    IWICBitmapFrameDecode* quadro = nullptr;
    IWICBitmapSource* bgr = nullptr;
    if (MultiByteToWideChar(CP_ACP, 0, percorso, -1, nome, MAX_PATH) == 0 ||
        FAILED(wic->CreateDecoderFromFilename(nome, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                              &decodifica)) ||
        FAILED(decodifica->GetFrame(0, &quadro)) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, quadro, &bgr)) ||
        FAILED(bgr->GetSize(&immagine->larghezza, &immagine->altezza))) {
        std::printf("%s: not a picture that can be read\n", percorso);
        return false;
    }
    const UINT passo = 4 * immagine->larghezza;
    immagine->pixel = static_cast<BYTE*>(std::malloc(passo * immagine->altezza));
    return immagine->pixel != nullptr &&
           SUCCEEDED(bgr->CopyPixels(nullptr, passo, passo * immagine->altezza, immagine->pixel));
}

// The floor point (x, 0, z) in the picture, against the formula.
bool controlla(const Immagine& immagine, const char* dove, double x, double z) {
    double rgb[3];
    colore(x, z, rgb);
    const BYTE* p = immagine.pavimento(x, z);
    const int visto[3] = {p[2], p[1], p[0]};
    bool uguale = true;
    int atteso[3];
    for (int i = 0; i < 3; ++i) {
        atteso[i] = static_cast<int>(std::lround(rgb[i] * 255.0));
        uguale = uguale && std::abs(visto[i] - atteso[i]) <= TOLLERANZA;
    }
    std::printf("%s (%g, 0, %g): expected %d %d %d, drawn %d %d %d%s\n", dove, x, z, atteso[0], atteso[1],
                atteso[2], visto[0], visto[1], visto[2], uguale ? "" : "  <- DIFFERS");
    return uguale;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: verifica_stanza PICTURE [README_PICTURE]\n");
        return 1;
    }
    IWICImagingFactory* wic = nullptr;
    if (FAILED(CoInitialize(nullptr)) ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&wic)))) {
        std::printf("the Windows Imaging Component is not available\n");
        return 1;
    }
    Immagine disegnata;
    if (!leggi(wic, argv[1], &disegnata)) return 1;
    if (disegnata.larghezza != LARGHEZZA || disegnata.altezza != ALTEZZA) {
        std::printf("%s is %ux%u, not %dx%d\n", argv[1], disegnata.larghezza, disegnata.altezza, LARGHEZZA, ALTEZZA);
        return 1;
    }

    // Every point is a corner of the floor's grid that no box hides.
    bool buona = true;
    buona &= controlla(disegnata, "under the first light", 0.0, 0.0);
    buona &= controlla(disegnata, "in its beam", -1.0, 0.5);
    buona &= controlla(disegnata, "in its penumbra", 0.0, -1.5);
    // The second light slants toward -x: a point on its beam's axis, one 8
    // degrees off it, one of its penumbra 41 degrees off it, and the floor
    // right under the light, 30 degrees off it, still in its beam.
    buona &= controlla(disegnata, "on the second light's axis", -5.5, 1.5);
    buona &= controlla(disegnata, "in its beam", -5.0, 1.5);
    buona &= controlla(disegnata, "in its penumbra", -5.5, -1.0);
    buona &= controlla(disegnata, "under it", -4.0, 1.5);
    // The spot inside the turned group slants toward -x too: near its axis,
    // in its beam, and 16 degrees off its axis, in its penumbra.
    buona &= controlla(disegnata, "near the grouped light's axis", 3.25, -2.5);
    buona &= controlla(disegnata, "in its beam", 3.5, -2.5);
    buona &= controlla(disegnata, "in its penumbra", 3.25, -3.5);
    // The point light, right under it and farther off.
    buona &= controlla(disegnata, "under the point light", 3.5, 3.0);
    buona &= controlla(disegnata, "off it", 2.0, 4.0);
    // Outside every cone: the point and the directional light alone.
    buona &= controlla(disegnata, "outside every cone", 5.0, -4.5);
    buona &= controlla(disegnata, "outside every cone", -6.0, -4.5);

    if (argc > 2) {
        // The README's picture, drawn from the scene and lights as they are
        // now: at most one pixel in a thousand may differ by more than the
        // tolerance.
        Immagine readme;
        if (!leggi(wic, argv[2], &readme)) return 1;
        if (readme.larghezza != disegnata.larghezza || readme.altezza != disegnata.altezza) {
            std::printf("%s is %ux%u, the picture drawn %ux%u\n", argv[2], readme.larghezza, readme.altezza,
                        disegnata.larghezza, disegnata.altezza);
            return 1;
        }
        long diversi = 0;
        for (UINT riga = 0; riga < readme.altezza; ++riga) {
            for (UINT colonna = 0; colonna < readme.larghezza; ++colonna) {
                const BYTE *a = readme.a(colonna, riga), *b = disegnata.a(colonna, riga);
                for (int i = 0; i < 3; ++i) {
                    if (std::abs(a[i] - b[i]) > TOLLERANZA) {
                        ++diversi;
                        break;
                    }
                }
            }
        }
        const long ammessi = static_cast<long>(readme.larghezza * readme.altezza / 1000);
        std::printf("%ld pixels of %s differ from the picture drawn (at most %ld may)\n", diversi, argv[2], ammessi);
        if (diversi > ammessi) {
            std::printf("draw it again: the example writes it (see the README)\n");
            buona = false;
        }
    }
    return buona ? 0 : 1;
}
