// Writes the light code to the code file, every character fixed: names are
// pasted as given, numbers always in "%f" form (never an exponent) followed by
// "f;". The program never changes the C locale, so the decimal point is '.'.
#include "codice.h"

#include <cstdio>

#include "../driver/flussi.h"

namespace {

struct Riga {
    const char* etichetta;
    bool ultimaDelGruppo;
};

constexpr Riga righe[NUMERO_PROPRIETA] = {
    {".Diffuse.r = ", false},   {".Diffuse.g = ", false},   {".Diffuse.b = ", true},
    {".Range = ", true},
    {".Falloff = ", true},
    {".Position.x = ", false},  {".Position.y = ", false},  {".Position.z = ", true},
    {".Direction.x = ", false}, {".Direction.y = ", false}, {".Direction.z = ", true},
};

}  // namespace

void scriviDichiarazione(const char* nome) {
    std::fprintf(fileX, "D3DLIGHT9 %s;\n", nome);
    std::fprintf(fileX, "ZeroMemory( &%s, sizeof( D3DLIGHT9 ) );\n", nome);
    std::fprintf(fileX, "%s.Type = D3DLIGHT_SPOT;\n", nome);
    std::fprintf(fileX, "\n%s.Attenuation0 = 1.0f;\n", nome);
    std::fputs("\n", fileX);
}

void scriviProprieta(const char* nome, Proprieta proprieta, double valore) {
    const Riga& r = righe[proprieta];
    std::fprintf(fileX, r.ultimaDelGruppo ? "%s%s%ff;\n\n" : "%s%s%ff;\n", nome, r.etichetta, valore);
}
