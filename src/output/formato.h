// The exact "%f" writer of the light code's numbers.
#ifndef MA2D3D_FORMATO_H
#define MA2D3D_FORMATO_H

#include <cstddef>
#include <cstdint>

// Room that scriviNumero may use: the longest "%f" text of any double.
constexpr std::size_t NUMERO_MASSIMO = 400;

// Writes `valore` at `dove` exactly as printf("%f") would in the C locale
// (no NUL) and returns the end of the text.
char* scriviNumero(char* dove, double valore);
// The same for a float, as printf("%f") writes it widened to double: the
// scene's numbers, without the test for a double that a float holds.
char* scriviNumero(char* dove, float valore);

// Writes `n` at `dove` in decimal, as printf("%llu") would (no NUL), and
// returns the end of the text.
char* scriviIntero(char* dove, std::uint64_t n);

#endif
