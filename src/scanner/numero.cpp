// Number text: the grammar of the formatted scan of "%f" (optional sign,
// digits with an optional point and more digits, an optional exponent),
// matched in place in the block when the whole text and the byte after it
// are there, else byte at a time across refills; the value comes from
// valore.h.
#include <cstdint>

#include "blocco.h"
#include "flusso.h"
#include "valore.h"

namespace {

inline bool cifra(int c) { return c >= '0' && c <= '9'; }

// Number texts up to this length are converted in place.
constexpr std::size_t NUMERO_BREVE = 64;
// Significant digits gathered in one 64-bit integer, and the exponent's
// digits read before it stops growing (any float is decided well before).
constexpr int CIFRE_INTERE = 19;
constexpr int ESPONENTE_BREVE_LIMITE = 100000;

// The number at the read position, when its text and the byte after it lie in
// the block and the text is short: 1 with the value, 0 when no number starts
// here, -1 when the byte-at-a-time reader must decide. Consumes what the
// byte-at-a-time reader would.
int numeroNelBlocco(float* numero) {
    std::size_t j = pos;
    const bool negativo = buf[j] == '-';
    if (buf[j] == '+' || buf[j] == '-') ++j;
    // Up to CIFRE_INTERE significant digits are gathered in w; past that
    // `troppe`.
    std::uint64_t w = 0;
    int significative = 0;
    int dopoPunto = 0;
    bool troppe = false;
    const auto cifraLetta = [&](unsigned char c) {
        if (w == 0 && c == '0') return;
        if (significative == CIFRE_INTERE) {
            troppe = true;
            return;
        }
        w = w * 10 + static_cast<unsigned>(c - '0');
        ++significative;
    };
    const std::size_t primaCifra = j;
    for (; j < fine && cifra(buf[j]); ++j) cifraLetta(buf[j]);
    bool conCifre = j > primaCifra;
    if (j < fine && buf[j] == '.') {
        const std::size_t inizioFrazione = ++j;
        for (; j < fine && cifra(buf[j]); ++j) cifraLetta(buf[j]);
        dopoPunto = static_cast<int>(j - inizioFrazione);
        conCifre = conCifre || j > inizioFrazione;
    }
    if (j >= fine) return -1;
    if (!conCifre) {
        pos = j;  // a sign or lone point stays consumed
        return 0;
    }
    int esponente = 0;
    if (buf[j] == 'e' || buf[j] == 'E') {
        std::size_t k = j + 1;
        const bool esponenteNegativo = k < fine && buf[k] == '-';
        if (k < fine && (buf[k] == '+' || buf[k] == '-')) ++k;
        if (k >= fine) return -1;
        if (cifra(buf[k])) {
            for (; k < fine && cifra(buf[k]); ++k)
                if (esponente < ESPONENTE_BREVE_LIMITE) esponente = esponente * 10 + (buf[k] - '0');
            if (k >= fine) return -1;
            if (esponenteNegativo) esponente = -esponente;
            j = k;
        }
    }
    if (j - pos > NUMERO_BREVE) return -1;
    if (troppe || !valoreDiretto(w, esponente - dopoPunto, negativo, numero)) {
        char testo[NUMERO_BREVE + 1];
        std::memcpy(testo, buf + pos, j - pos);
        testo[j - pos] = '\0';
        *numero = daTesto(testo);
    }
    pos = j;
    return 1;
}

}  // namespace

int leggiNumero(float* numero) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    const int veloce = numeroNelBlocco(numero);
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
