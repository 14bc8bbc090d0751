// Number text to float, exact: the value strtof gives the text (the nearest
// float, ties to even), with an overflow to infinity clamped to the largest
// float. Two ways to it, the cheaper first: one double operation, and strtof
// on a canonical text of bounded length, for any text at all. For the
// stream's number reader only.
#ifndef MA2D3D_VALORE_H
#define MA2D3D_VALORE_H

#include <cfloat>
#include <cstdint>
#include <cstring>

// The powers of ten that a double holds exactly.
inline constexpr double POTENZE[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                     1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t W_MASSIMO = std::uint64_t{1} << 53;
constexpr long long P_MASSIMO = 22;

// Within those bounds every value is a finite float's neighbour in the
// normal range, or zero: no overflow, and no subnormal rounding to decide.
static_assert(9007199254740992.0 * 1e22 < static_cast<double>(FLT_MAX), "w * 10^p may overflow a float");
static_assert(1e-22 > static_cast<double>(FLT_MIN), "w * 10^-p may be subnormal");

// The float nearest to w * 10^p, negated when `negativo`, when one double
// operation gives it: true with the value in `numero`, false when the caller
// must convert the text otherwise.
//
// Rounding `d`, the double nearest to the value, to float rounds the value
// itself, since every float and every midpoint between two floats is a
// double, unless `d` is such a midpoint: then the value may lie on either
// side of it.
inline bool valoreDiretto(std::uint64_t w, long long p, bool negativo, float* numero) {
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    if (w > W_MASSIMO || p < -P_MASSIMO || p > P_MASSIMO) return false;
    const double d = p >= 0 ? static_cast<double>(w) * POTENZE[p] : static_cast<double>(w) / POTENZE[-p];
    const float f = static_cast<float>(d);
    if (static_cast<double>(f) != d) {
        // In the normal range a midpoint has 25 significant bits: below the
        // float's 24, a one and then zeros only.
        std::uint64_t bit;
        std::memcpy(&bit, &d, sizeof bit);
        if ((bit & 0x1fffffffu) == 0x10000000u) return false;
    }
    *numero = negativo ? -f : f;
    return true;
#else
    (void)w, (void)p, (void)negativo, (void)numero;
    return false;
#endif
}

// strtof of `testo`, with an overflow clamped to the largest float.
float daTesto(const char* testo);

// A number text in a bounded canonical form, built digit by digit as the
// text is read: its significant digits (at most CIFRE_MASSIME, then a sticky
// '1' standing for any non-zero digits cut off) and a decimal scale. It keeps
// enough digits for every single-precision rounding decision, so strtof on
// the canonical text rounds like strtof on the whole text.
constexpr int CIFRE_MASSIME = 200;
struct Canonico {
    char cifre[CIFRE_MASSIME + 2];
    int quante;
    bool tagliate;
    long long scala;  // the value is 0.cifre times 10^scala
};

// Starts `c` empty; adds a digit of the integer part (intera) or of the
// fraction; takes the value with the text's sign and written exponent.
void iniziaCanonico(Canonico& c);
void aggiungiCifra(Canonico& c, int cifra, bool intera);
float valoreCanonico(const Canonico& c, bool negativo, long long esponente);

#endif
