// Draws the room of stanza.ma with Direct3D 9's fixed-function lighting and
// saves the picture through the Windows Imaging Component's PNG encoder.
#include "disegno.h"

#include <wincodec.h>

#include <cmath>
#include <cstdio>

namespace {

struct Vertice {
    float x, y, z;     // position
    float nx, ny, nz;  // normal
};
const DWORD FORMATO = D3DFVF_XYZ | D3DFVF_NORMAL;

// The room's triangles: the floor's 112 x 88 squares and the boxes' faces.
const int VERTICI_MASSIMI = 80000;
Vertice vertici[VERTICI_MASSIMI];
int quanti = 0;

// A rectangle from corner `o` along the sides `u` and `v`, cut into squares
// of about PASSO (exactly PASSO when the sides are multiples of it), facing `n`.
void rettangolo(const float o[3], const float u[3], const float v[3], const float n[3]) {
    const int iu = static_cast<int>(std::ceil(std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]) / PASSO));
    const int iv = static_cast<int>(std::ceil(std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]) / PASSO));
    const float du[3] = {u[0] / iu, u[1] / iu, u[2] / iu}, dv[3] = {v[0] / iv, v[1] / iv, v[2] / iv};
    for (int i = 0; i < iu; ++i) {
        for (int j = 0; j < iv; ++j) {
            if (quanti + 6 > VERTICI_MASSIMI) return;
            const int angoli[6][2] = {{i, j}, {i, j + 1}, {i + 1, j}, {i + 1, j}, {i, j + 1}, {i + 1, j + 1}};
            for (const auto& a : angoli) {
                const float s = static_cast<float>(a[0]), t = static_cast<float>(a[1]);
                vertici[quanti++] = {o[0] + s * du[0] + t * dv[0], o[1] + s * du[1] + t * dv[1],
                                     o[2] + s * du[2] + t * dv[2], n[0], n[1], n[2]};
            }
        }
    }
}

// A box standing on the floor: x from x0 to x1, z from z0 to z1, h high.
void scatola(float x0, float z0, float x1, float z1, float h) {
    const float dx = x1 - x0, dz = z1 - z0;
    const float sopra[3] = {x0, h, z0}, davanti[3] = {x0, 0, z0}, sinistra[3] = {x0, 0, z0};
    const float dietro[3] = {x0, 0, z1}, destra[3] = {x1, 0, z0};
    const float lx[3] = {dx, 0, 0}, lz[3] = {0, 0, dz}, alto[3] = {0, h, 0};
    const float su[3] = {0, 1, 0}, giu_z[3] = {0, 0, -1}, su_z[3] = {0, 0, 1}, giu_x[3] = {-1, 0, 0}, su_x[3] = {1, 0, 0};
    rettangolo(sopra, lx, lz, su);
    rettangolo(davanti, lx, alto, giu_z);
    rettangolo(dietro, lx, alto, su_z);
    rettangolo(sinistra, lz, alto, giu_x);
    rettangolo(destra, lz, alto, su_x);
}

void costruisciStanza() {
    quanti = 0;
    // The floor reaches past the picture's edges.
    const float angolo[3] = {-7.0f, 0.0f, -5.5f}, lungo[3] = {14.0f, 0.0f, 0.0f}, largo[3] = {0.0f, 0.0f, 11.0f};
    const float su[3] = {0.0f, 1.0f, 0.0f};
    rettangolo(angolo, lungo, largo, su);
    scatola(0.5f, -1.0f, 1.25f, -0.25f, 0.75f);   // a crate under the first light
    scatola(-3.75f, 1.75f, -3.25f, 2.25f, 1.5f);  // a column under the second
    scatola(-5.75f, 2.5f, -4.75f, 3.0f, 0.5f);    // and a bench
}

}  // namespace

IDirect3DDevice9* apriDispositivo() {
    // Direct3D 9 draws for a window, even one that is never shown.
    const HWND finestra = CreateWindowA("STATIC", "stanza", WS_OVERLAPPEDWINDOW, 0, 0, LARGHEZZA, ALTEZZA, nullptr,
                                        nullptr, nullptr, nullptr);
    if (finestra == nullptr) {
        std::printf("No window could be opened for Direct3D 9\n");
        return nullptr;
    }
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (d3d == nullptr) {
        std::printf("Direct3D 9 is not available here (Direct3DCreate9 failed)\n");
        return nullptr;
    }
    D3DPRESENT_PARAMETERS parametri = {};
    parametri.Windowed = TRUE;
    parametri.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parametri.BackBufferFormat = D3DFMT_X8R8G8B8;
    parametri.BackBufferWidth = LARGHEZZA;
    parametri.BackBufferHeight = ALTEZZA;
    parametri.EnableAutoDepthStencil = TRUE;
    parametri.AutoDepthStencilFormat = D3DFMT_D24S8;
    IDirect3DDevice9* dispositivo = nullptr;
    HRESULT esito = d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, finestra,
                                      D3DCREATE_HARDWARE_VERTEXPROCESSING, &parametri, &dispositivo);
    if (FAILED(esito))
        esito = d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, finestra, D3DCREATE_SOFTWARE_VERTEXPROCESSING,
                                  &parametri, &dispositivo);
    if (FAILED(esito)) {
        std::printf("No Direct3D 9 device could be created (HRESULT 0x%08lx)\n", static_cast<unsigned long>(esito));
        return nullptr;
    }
    return dispositivo;
}

void disegnaStanza(IDirect3DDevice9* dispositivo) {
    costruisciStanza();
    // Every surface is white: what colour it shows is the lights'.
    D3DMATERIAL9 materiale = {};
    materiale.Diffuse.r = materiale.Diffuse.g = materiale.Diffuse.b = materiale.Diffuse.a = 1.0f;
    dispositivo->SetMaterial(&materiale);
    dispositivo->SetRenderState(D3DRS_LIGHTING, TRUE);
    dispositivo->SetRenderState(D3DRS_AMBIENT, 0);
    dispositivo->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    dispositivo->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);

    // Straight down from above the centre, right-handed as Maya's axes are
    // (what D3DXMatrixLookAtRH gives for an eye at (0, h, 0), looking at the
    // origin, with -z up, and D3DXMatrixPerspectiveRH): world x to the
    // right, world z down the picture, as Maya's top view shows them, each
    // floor point ALTEZZA_CAMERA units deep.
    const float h = ALTEZZA_CAMERA, zv = 1.0f, zl = 20.0f;
    const float sy = 2.0f * PIXEL_PER_UNITA * h / ALTEZZA, sx = 2.0f * PIXEL_PER_UNITA * h / LARGHEZZA;
    const D3DMATRIX mondo = {{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}};
    const D3DMATRIX vista = {{{1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, -h, 1}}};
    const D3DMATRIX proiezione = {{{sx, 0, 0, 0, 0, sy, 0, 0, 0, 0, zl / (zv - zl), -1, 0, 0, zv * zl / (zv - zl), 0}}};
    dispositivo->SetTransform(D3DTS_WORLD, &mondo);
    dispositivo->SetTransform(D3DTS_VIEW, &vista);
    dispositivo->SetTransform(D3DTS_PROJECTION, &proiezione);

    dispositivo->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 0), 1.0f, 0);
    dispositivo->BeginScene();
    dispositivo->SetFVF(FORMATO);
    // In pieces of 10000 triangles, which any device takes in one call.
    for (int da = 0; da < quanti; da += 30000) {
        const int n = quanti - da < 30000 ? quanti - da : 30000;
        dispositivo->DrawPrimitiveUP(D3DPT_TRIANGLELIST, n / 3, vertici + da, sizeof(Vertice));
    }
    dispositivo->EndScene();
}

bool salvaImmagine(IDirect3DDevice9* dispositivo, const char* percorso) {
    // What was drawn, copied to memory.
    IDirect3DSurface9 *bersaglio = nullptr, *copia = nullptr;
    D3DLOCKED_RECT pixel;
    if (FAILED(dispositivo->GetRenderTarget(0, &bersaglio)) ||
        FAILED(dispositivo->CreateOffscreenPlainSurface(LARGHEZZA, ALTEZZA, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM, &copia,
                                                        nullptr)) ||
        FAILED(dispositivo->GetRenderTargetData(bersaglio, copia)) ||
        FAILED(copia->LockRect(&pixel, nullptr, D3DLOCK_READONLY))) {
        std::printf("The picture could not be read back from the device\n");
        return false;
    }

    // Those pixels as a PNG file.
    wchar_t nome[MAX_PATH];
    IWICImagingFactory* wic = nullptr;
    IWICStream* file = nullptr;
    IWICBitmapEncoder* codifica = nullptr;
    IWICBitmapFrameEncode* quadro = nullptr;
    WICPixelFormatGUID formato = GUID_WICPixelFormat32bppBGR;
    const bool salvata =
        MultiByteToWideChar(CP_ACP, 0, percorso, -1, nome, MAX_PATH) != 0 &&
        SUCCEEDED(CoInitialize(nullptr)) &&
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&wic))) &&
        SUCCEEDED(wic->CreateStream(&file)) && SUCCEEDED(file->InitializeFromFilename(nome, GENERIC_WRITE)) &&
        SUCCEEDED(wic->CreateEncoder(GUID_ContainerFormatPng, nullptr, &codifica)) &&
        SUCCEEDED(codifica->Initialize(file, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(codifica->CreateNewFrame(&quadro, nullptr)) && SUCCEEDED(quadro->Initialize(nullptr)) &&
        SUCCEEDED(quadro->SetSize(LARGHEZZA, ALTEZZA)) && SUCCEEDED(quadro->SetPixelFormat(&formato)) &&
        IsEqualGUID(formato, GUID_WICPixelFormat32bppBGR) &&
        SUCCEEDED(quadro->WritePixels(ALTEZZA, pixel.Pitch, pixel.Pitch * ALTEZZA, static_cast<BYTE*>(pixel.pBits))) &&
        SUCCEEDED(quadro->Commit()) && SUCCEEDED(codifica->Commit());
    copia->UnlockRect();
    if (!salvata) std::printf("The picture could not be written to %s\n", percorso);
    return salvata;
}
