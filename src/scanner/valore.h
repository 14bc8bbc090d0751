// Number text to float, exact: the value strtof gives the text (the nearest
// float, ties to even), with an overflow to infinity clamped to the largest
// float. Three ways to it, from the cheapest: one double operation, strtof on
// a short text, and a canonical text of bounded length for any text at all.
#ifndef MA2D3D_VALORE_H
#define MA2D3D_VALORE_H

#include <cstdint>

// The float nearest to w * 10^p, negated when `negativo`, when one double
// operation gives it: true with the value in `numero`, false when the caller
// must convert the text otherwise.
bool valoreDiretto(std::uint64_t w, int p, bool negativo, float* numero);

// strtof of `testo`, with an overflow clamped to the largest float.
float daTesto(const char* testo);

// The canonical form, built digit by digit as a text is read: start it, add
// each digit of the integer part (intera) or of the fraction, then take the
// value with the text's sign and written exponent.
void iniziaCanonico();
void aggiungiCifra(int c, bool intera);
float valoreCanonico(bool negativo, long long esponente);

// Written exponents are clamped to this, far past any float, as they are read.
constexpr long long ESPONENTE_SCRITTO_LIMITE = 1000000000000000;  // 10^15

#endif
