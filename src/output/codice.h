// The text of the generated light code: the banner, declaration blocks and
// property lines, and the stream they go to, which the driver hands over.
#ifndef MA2D3D_CODICE_H
#define MA2D3D_CODICE_H

#include <cstddef>
#include <cstdio>

// Every property line, in one list: its name in the code, its label and
// whether it closes its group (an empty line follows it). The enum and the
// writer's table of labels are both made from this list, so neither can miss
// a row of the other.
#define MA2D3D_PROPRIETA(X)                   \
    X(DIFFUSE_R, ".Diffuse.r = ", false)      \
    X(DIFFUSE_G, ".Diffuse.g = ", false)      \
    X(DIFFUSE_B, ".Diffuse.b = ", true)       \
    X(RANGE, ".Range = ", true)               \
    X(FALLOFF, ".Falloff = ", true)           \
    X(POSITION_X, ".Position.x = ", false)    \
    X(POSITION_Y, ".Position.y = ", false)    \
    X(POSITION_Z, ".Position.z = ", true)     \
    X(DIRECTION_X, ".Direction.x = ", false)  \
    X(DIRECTION_Y, ".Direction.y = ", false)  \
    X(DIRECTION_Z, ".Direction.z = ", true)

enum Proprieta {
#define MA2D3D_VOCE(nome, etichetta, ultima) nome,
    MA2D3D_PROPRIETA(MA2D3D_VOCE)
#undef MA2D3D_VOCE
    NUMERO_PROPRIETA
};

// A label's room: labels are copied this many bytes at a time.
constexpr std::size_t ETICHETTA_MASSIMA = 32;

// The labels and group ends, by property, for the checks below.
inline constexpr const char* ETICHETTE[] = {
#define MA2D3D_VOCE(nome, etichetta, ultima) etichetta,
    MA2D3D_PROPRIETA(MA2D3D_VOCE)
#undef MA2D3D_VOCE
};
inline constexpr bool ULTIME[] = {
#define MA2D3D_VOCE(nome, etichetta, ultima) ultima,
    MA2D3D_PROPRIETA(MA2D3D_VOCE)
#undef MA2D3D_VOCE
};

// True when `prima` and the two properties after it are one group of three
// members of a vector (".Position.x", ".y", ".z" or ".Diffuse.r", ".g",
// ".b"): the same label but for its last letter, the third closing the
// group. A reader of three values into three properties asks this of its
// first at compile time.
constexpr bool terna(Proprieta prima) {
    if (prima + 2 >= NUMERO_PROPRIETA) return false;
    const char* a = ETICHETTE[prima];
    const char* b = ETICHETTE[prima + 1];
    const char* c = ETICHETTE[prima + 2];
    std::size_t n = 0;
    while (a[n] != '\0') ++n;
    if (n < 5) return false;
    for (std::size_t i = 0; i <= n; ++i)
        if (i != n - 4 && (a[i] != b[i] || a[i] != c[i])) return false;
    const bool xyz = a[n - 4] == 'x' && b[n - 4] == 'y' && c[n - 4] == 'z';
    const bool rgb = a[n - 4] == 'r' && b[n - 4] == 'g' && c[n - 4] == 'b';
    return (xyz || rgb) && !ULTIME[prima] && !ULTIME[prima + 1] && ULTIME[prima + 2];
}

// Every light name is handed over in a buffer of this many bytes, of which
// the name takes at most NOME_MASSIMO - 1: the writer copies the buffer
// whole and keeps the name's characters.
constexpr std::size_t NOME_MASSIMO = 32;

// Starts the output to `file` (the driver's code file), with nothing held.
void apriUscita(std::FILE* file);

// The code file's first line. False when handing it to the code file failed.
bool scriviBanner();

// The declaration of light `nome`, of `lunghezza` characters: D3DLIGHT9,
// ZeroMemory, type, attenuation.
void scriviDichiarazione(const char* nome, std::size_t lunghezza);

// One assignment `nome` (of `lunghezza` characters) + label + value as a
// float literal ("%f" then "f;"), followed by an empty line when it closes
// its group.
void scriviProprieta(const char* nome, std::size_t lunghezza, Proprieta proprieta, double valore);
void scriviProprieta(const char* nome, std::size_t lunghezza, Proprieta proprieta, float valore);

// Hands the code held so far to the code file. False when that or any
// earlier hand-over since the last call failed to write.
bool svuotaUscita();

#endif
