// The text of the generated light code: declaration blocks and property lines.
#ifndef MA2D3D_CODICE_H
#define MA2D3D_CODICE_H

#include <cstddef>

enum Proprieta {
    DIFFUSE_R, DIFFUSE_G, DIFFUSE_B,
    RANGE,
    FALLOFF,
    POSITION_X, POSITION_Y, POSITION_Z,
    DIRECTION_X, DIRECTION_Y, DIRECTION_Z,
    NUMERO_PROPRIETA
};

// Every light name is handed over in a buffer of this many bytes, of which
// the name takes at most NOME_MASSIMO - 1: the writer copies the buffer
// whole and keeps the name's characters.
constexpr std::size_t NOME_MASSIMO = 32;

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
