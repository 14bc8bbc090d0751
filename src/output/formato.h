// The exact "%f" writer of the light code's numbers, and the shortest-form
// writer of a float that reads back as itself.
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

// Room that scriviFloat may use.
constexpr std::size_t FLOAT_MASSIMO = 24;

// Writes `valore` (finite) with nine significant digits, trailing zeros of
// its fraction left out, so that strtof reads the text back as this very
// float: positional from 1e-5 up to below 1e9 ("0.899999976", "12.5",
// "3.0"), else with an exponent ("1.84467430e+19"). Always with a point, so
// that an "f" after it makes a C float literal; zero of either sign is
// "0.0". No NUL; returns the end of the text.
char* scriviFloat(char* dove, float valore);

#endif
