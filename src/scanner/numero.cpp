// Number text: the grammar of the formatted scan of "%f" (optional sign,
// digits with an optional point and more digits, an optional exponent),
// matched in place in the block when the block holds the bytes a short text
// needs, else byte at a time across refills; the value comes from valore.h.
#include <cstdint>

#include "blocco.h"
#include "flusso.h"
#include "valore.h"

namespace {

inline bool cifra(int c) { return c >= '0' && c <= '9'; }

// Number texts shorter than this are converted in place.
constexpr std::size_t NUMERO_BREVE = 64;
// Digits gathered in one 64-bit integer (10^19 < 2^64), and the exponent's
// digits read before it stops growing (any float is decided well before).
constexpr long CIFRE_INTERE = 19;
constexpr int ESPONENTE_BREVE_LIMITE = 100000;

// The number at the read position, when the block holds NUMERO_BREVE + 2
// bytes from it, its text is shorter than NUMERO_BREVE and one double
// operation gives its value: 1 with the value, 0 when no number starts here,
// -1 when the byte-at-a-time reader must decide. Consumes what the
// byte-at-a-time reader would; calls nothing. Every loop stops at
// `limite`, and an exponent's sign and first digit are looked at no further
// than two bytes past it, so no byte at or past the block's end is read.
//
// `breve`: the caller has seen a white byte within the 16 bytes from the read
// position. Every loop stops there at the latest (white space is neither a
// digit nor a point nor an exponent), so it needs no test of `limite`, and
// the text has fewer than CIFRE_INTERE digits.
template <bool breve>
MA2D3D_SEMPRE_INLINE int numeroNelBlocco(float* numero) {
    if (pos + NUMERO_BREVE + 2 > fine) return -1;
    const unsigned char* const inizio = buf + pos;
    const unsigned char* const limite = inizio + NUMERO_BREVE;
    const unsigned char* p = inizio;
    const bool negativo = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    // Every digit goes into w, leading zeros too; past CIFRE_INTERE digits
    // w no longer holds them and the text is converted instead.
    std::uint64_t w = 0;
    unsigned c;
    const unsigned char* const primaCifra = p;
    while ((breve || p < limite) && (c = *p - unsigned{'0'}) < 10) {
        w = w * 10 + c;
        ++p;
    }
    long cifre = p - primaCifra;
    int dopoPunto = 0;
    if (*p == '.') {
        const unsigned char* const frazione = ++p;
        while ((breve || p < limite) && (c = *p - unsigned{'0'}) < 10) {
            w = w * 10 + c;
            ++p;
        }
        dopoPunto = static_cast<int>(p - frazione);
        cifre += dopoPunto;
    }
    if (!breve && p >= limite) return -1;
    if (cifre == 0) {
        pos = static_cast<std::size_t>(p - buf);  // a sign or lone point stays consumed
        return 0;
    }
    int esponente = 0;
    if ((*p | 0x20) == 'e') {
        const unsigned char* e = p + 1;
        const bool esponenteNegativo = *e == '-';
        if (*e == '+' || *e == '-') ++e;
        if (*e - unsigned{'0'} < 10) {
            while ((breve || e < limite) && (c = *e - unsigned{'0'}) < 10) {
                if (esponente < ESPONENTE_BREVE_LIMITE) esponente = esponente * 10 + static_cast<int>(c);
                ++e;
            }
            if (!breve && e >= limite) return -1;
            if (esponenteNegativo) esponente = -esponente;
            p = e;
        }
    }
    if ((!breve && cifre > CIFRE_INTERE) || !valoreDiretto(w, esponente - dopoPunto, negativo, numero)) return -1;
    pos = static_cast<std::size_t>(p - buf);
    return 1;
}

// The number byte at a time, through refills: what numeroNelBlocco leaves
// to it. Kept out of line, so that the usual number's path needs no saved
// registers.
MA2D3D_FUORI_LINEA int numeroAdagio(float* numero) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    const int veloce = numeroNelBlocco<false>(numero);
    if (veloce >= 0) return veloce;
    iniziaCanonico();
    bool negativo = false;
    int c = guarda(0);
    if (c == '+' || c == '-') {
        negativo = c == '-';
        ++pos;
        c = guarda(0);
    }
    bool conCifre = false;
    for (; cifra(c); c = guarda(0)) {
        aggiungiCifra(c, true);
        conCifre = true;
        ++pos;
    }
    if (c == '.') {
        ++pos;
        for (c = guarda(0); cifra(c); c = guarda(0)) {
            aggiungiCifra(c, false);
            conCifre = true;
            ++pos;
        }
    }
    if (!conCifre) return 0;  // a sign or lone point stays consumed
    long long esponente = 0;
    if (c == 'e' || c == 'E') {
        int dopo = guarda(1);
        std::size_t salto = 1;
        bool esponenteNegativo = false;
        if (dopo == '+' || dopo == '-') {
            esponenteNegativo = dopo == '-';
            dopo = guarda(2);
            salto = 2;
        }
        if (cifra(dopo)) {
            pos += salto;
            for (c = guarda(0); cifra(c); c = guarda(0)) {
                esponente = esponente * 10 + (c - '0');
                if (esponente > ESPONENTE_SCRITTO_LIMITE) esponente = ESPONENTE_SCRITTO_LIMITE;
                ++pos;
            }
            if (esponenteNegativo) esponente = -esponente;
        }
    }
    *numero = valoreCanonico(negativo, esponente);
    return 1;
}

}  // namespace

int leggiNumero(float* numero) {
    // The usual number: less than 16 white bytes before it, and in place;
    // with no bound to test when a white byte follows it in those 16.
    if (pos + 16 <= fine) {
        const unsigned bianchi = bianchi16(buf + pos);
        const unsigned altro = ~bianchi & 0xffffu;
        if (altro != 0) {
            const unsigned inizio = primoBit(altro);
            pos += inizio;
            const int veloce = (bianchi >> inizio) != 0 ? numeroNelBlocco<true>(numero) : numeroNelBlocco<false>(numero);
            if (veloce >= 0) return veloce;
        }
    }
    return numeroAdagio(numero);
}
