// Writes the light code to the code file, every character fixed: names are
// pasted as given, numbers always in "%f" form (never an exponent, see
// formato.h) followed by "f;". Lines are assembled in a static buffer and
// handed in large pieces to the text stream the driver opened and handed
// over at the start.
#include "codice.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "../comune.h"
#include "formato.h"

namespace {

struct Riga {
    char etichetta[ETICHETTA_MASSIMA];  // copied whole; `lunghezza` of its bytes count
    std::size_t lunghezza;
    bool ultimaDelGruppo;
};

template <std::size_t N>
constexpr Riga riga(const char (&etichetta)[N], bool ultimaDelGruppo) {
    static_assert(N <= ETICHETTA_MASSIMA, "label too long");
    Riga r{};
    for (std::size_t i = 0; i < N; ++i) r.etichetta[i] = etichetta[i];
    r.lunghezza = N - 1;
    r.ultimaDelGruppo = ultimaDelGruppo;
    return r;
}

constexpr Riga righe[] = {
#define MA2D3D_VOCE(nome, etichetta, ultima) riga(etichetta, ultima),
    MA2D3D_PROPRIETA(MA2D3D_VOCE)
#undef MA2D3D_VOCE
};
static_assert(sizeof righe / sizeof righe[0] == NUMERO_PROPRIETA, "one row per property");

// A light name is copied as NOME_MASSIMO bytes; the longest line written at
// once is a declaration block or a property line with the longest number,
// both far below this.
constexpr std::size_t RIGA_MASSIMA = 1024;
constexpr std::size_t USCITA = 64 * 1024;

const char BANNER[] = "// Luci spot Direct3D 9 generate da una scena Maya ASCII\n";

// The output's state, in one object: the code held for the code file, and
// that file.
struct Uscita {
    std::FILE* file;
    char testo[USCITA];
    std::size_t piena;  // bytes held in testo
    bool fallita;       // a hand-over to the code file failed
};
Uscita uscita;

// Hands the bytes held to the code file, remembering a failure.
void consegna() {
    if (uscita.piena > 0 && std::fwrite(uscita.testo, 1, uscita.piena, uscita.file) != uscita.piena) uscita.fallita = true;
    uscita.piena = 0;
}

// Room for one more line: hands the bytes held to the code file first when
// there may not be.
char* spazioPer() {
    if (USCITA - uscita.piena < RIGA_MASSIMA) consegna();
    return uscita.testo + uscita.piena;
}

// Marks the bytes up to `p` as held.
void tieni(const char* p) { uscita.piena = static_cast<std::size_t>(p - uscita.testo); }

// A light name: its whole buffer, of which the first n bytes count.
char* copiaNome(char* p, const char* nome, std::size_t n) {
    std::memcpy(p, nome, NOME_MASSIMO);
    return p + n;
}
}  // namespace

void apriUscita(std::FILE* file) {
    uscita.file = file;
    uscita.piena = 0;
    uscita.fallita = false;
}

bool scriviBanner() {
    tieni(copiaFisso(spazioPer(), BANNER));
    consegna();
    return !uscita.fallita;
}

void scriviDichiarazione(const char* nome, std::size_t n) {
    char* p = spazioPer();
    p = copiaNome(copiaFisso(p, "D3DLIGHT9 "), nome, n);
    p = copiaNome(copiaFisso(p, ";\nZeroMemory( &"), nome, n);
    p = copiaFisso(copiaNome(copiaFisso(p, ", sizeof( D3DLIGHT9 ) );\n"), nome, n), ".Type = D3DLIGHT_SPOT;\n\n");
    tieni(copiaFisso(copiaNome(p, nome, n), ".Attenuation0 = 1.0f;\n\n"));
}

namespace {

template <typename Valore>
void proprieta(const char* nome, std::size_t n, Proprieta proprieta, Valore valore) {
    const Riga& r = righe[proprieta];
    char* p = copiaNome(spazioPer(), nome, n);
    std::memcpy(p, r.etichetta, sizeof r.etichetta);
    p += r.lunghezza;
    p = copiaFisso(scriviNumero(p, valore), "f;\n");
    if (r.ultimaDelGruppo) *p++ = '\n';
    tieni(p);
}

}  // namespace

void scriviProprieta(const char* nome, std::size_t n, Proprieta p, double valore) { proprieta(nome, n, p, valore); }
void scriviProprieta(const char* nome, std::size_t n, Proprieta p, float valore) { proprieta(nome, n, p, valore); }

bool svuotaUscita() {
    consegna();
    const bool riuscita = !uscita.fallita;
    uscita.fallita = false;
    return riuscita;
}
