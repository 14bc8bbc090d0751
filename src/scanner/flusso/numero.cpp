// Numbers: the grammar of the formatted scan of "%f" (optional sign, digits
// with an optional point and more digits, an optional exponent), written
// once and read from any of three sources: the block's bytes in place,
// where the block holds the short text a number usually is, the stream
// byte at a time across refills, for any text at all, or a word a reader of
// statements has cut. The value comes from
// valore.h.
#include <cstdint>

#include "flusso.h"
#include "stato.h"

namespace {

// What the in-place reading returns when it leaves the number to the reading
// byte at a time.
constexpr int INDECISO = -2;

// Number texts shorter than this are read in place.
constexpr std::size_t NUMERO_BREVE = 64;
// Digits gathered in one 64-bit integer (10^19 < 2^64).
constexpr long CIFRE_INTERE = 19;

// What the grammar needs of a source: `guarda(k)`, the byte k places past
// its position (a value that is no digit, sign, point or 'e' where there is
// none); `avanza(k)`; `cifra(c, intera)` for each digit consumed; and what
// the text comes to: `nessuno()` when it has no digit, `valore(...)` when it
// has.
template <typename Sorgente>
MA2D3D_SEMPRE_INLINE int grammatica(Sorgente& s, float* numero) {
    int c = s.guarda(0);
    const bool negativo = c == '-';
    if (c == '+' || c == '-') {
        s.avanza(1);
        c = s.guarda(0);
    }
    bool conCifre = false;
    for (; cifra(c); c = s.guarda(0)) {
        s.cifra(c, true);
        s.avanza(1);
        conCifre = true;
    }
    if (c == '.') {
        s.avanza(1);
        for (c = s.guarda(0); cifra(c); c = s.guarda(0)) {
            s.cifra(c, false);
            s.avanza(1);
            conCifre = true;
        }
    }
    if (!conCifre) return s.nessuno();  // a sign or lone point stays consumed
    long long esponente = 0;
    if (c == 'e' || c == 'E') {
        int dopo = s.guarda(1);
        std::size_t salto = 1;
        bool esponenteNegativo = false;
        if (dopo == '+' || dopo == '-') {
            esponenteNegativo = dopo == '-';
            dopo = s.guarda(2);
            salto = 2;
        }
        if (cifra(dopo)) {
            s.avanza(salto);
            for (c = s.guarda(0); cifra(c); c = s.guarda(0)) {
                esponente = esponente * 10 + (c - '0');
                if (esponente > ESPONENTE_LIMITE) esponente = ESPONENTE_LIMITE;
                s.avanza(1);
            }
            if (esponenteNegativo) esponente = -esponente;
        }
    }
    return s.valore(negativo, esponente, numero);
}

// The block's bytes in place, from the read position, when the block holds
// NUMERO_BREVE bytes from it: no byte at or past `limite` is read (it reads
// as the end of the text, and the text is then left to the other source), so
// none past the block's end. Every digit goes into one integer, leading zeros
// too; a text of more digits than it holds, or whose value one double
// operation does not give, is left to the other source too. The read
// position moves only when the text is decided here.
//
// `breve`: the caller has seen a white byte within the 16 bytes from the read
// position. The grammar stops there at the latest (white space is neither a
// digit nor a sign, point or 'e'), so no byte needs testing against `limite`,
// and the text has fewer than CIFRE_INTERE digits.
template <bool breve>
struct NelBlocco {
    const unsigned char* p;
    const unsigned char* limite;
    bool oltre;  // a byte at or past `limite` was asked for
    std::uint64_t w;
    long cifre;
    int dopoPunto;

    int guarda(std::size_t k) {
        if (!breve && p + k >= limite) {
            oltre = true;
            return -1;
        }
        return p[k];
    }
    void avanza(std::size_t k) { p += k; }
    void cifra(int c, bool intera) {
        w = w * 10 + static_cast<unsigned>(c - '0');
        ++cifre;
        if (!intera) ++dopoPunto;
    }
    // No digit: a sign and a point are all the grammar consumed, and it
    // looked at no byte past the third, far within the limit.
    int nessuno() {
        flusso.pos = static_cast<std::size_t>(p - flusso.buf);
        return 0;
    }
    int valore(bool negativo, long long esponente, float* numero) {
        if (!breve && (oltre || cifre > CIFRE_INTERE)) return INDECISO;
        if (!valoreDiretto(w, esponente - dopoPunto, negativo, numero)) return INDECISO;
        flusso.pos = static_cast<std::size_t>(p - flusso.buf);
        return 1;
    }
};

// The number in place: 1 with its value, 0 when no number starts here,
// INDECISO when the reading byte at a time must decide.
template <bool breve>
MA2D3D_SEMPRE_INLINE int numeroNelBlocco(float* numero) {
    if (flusso.pos + NUMERO_BREVE > flusso.tenuti) return INDECISO;
    const unsigned char* const inizio = flusso.buf + flusso.pos;
    NelBlocco<breve> s{inizio, inizio + NUMERO_BREVE, false, 0, 0, 0};
    return grammatica(s, numero);
}

// The stream byte at a time, through refills, gathering the digits in the
// canonical form.
struct AlBordo {
    static int guarda(std::size_t k) { return ::guarda(k); }
    static void avanza(std::size_t k) { flusso.pos += k; }
    static void cifra(int c, bool intera) { aggiungiCifra(flusso.canonico, c, intera); }
    static int nessuno() { return 0; }
    static int valore(bool negativo, long long esponente, float* numero) {
        *numero = valoreCanonico(flusso.canonico, negativo, esponente);
        return 1;
    }
};

// The number when it cannot be read in place. Kept out of line, so that the
// usual number's path needs no saved registers.
MA2D3D_FUORI_LINEA int numeroAdagio(float* numero) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    const int veloce = numeroNelBlocco<false>(numero);
    if (veloce != INDECISO) return veloce;
    iniziaCanonico(flusso.canonico);
    AlBordo s;
    return grammatica(s, numero);
}

// A whole text, for a reader that has cut its words itself: past its end the
// grammar sees a NUL, no digit, sign, point or 'e', and stops there. The
// usual text is read once, its digits in one integer, and its value taken
// from one double operation; any other is read again gathering its digits in
// the canonical form.
struct NelTesto {
    const char* p;
    const char* fine;
    std::uint64_t w;
    long cifre;
    int dopoPunto;
    int guarda(std::size_t k) const {
        return static_cast<std::size_t>(fine - p) > k ? static_cast<unsigned char>(p[k]) : 0;
    }
    void avanza(std::size_t k) { p += k; }
    void cifra(int c, bool intera) {
        w = w * 10 + static_cast<unsigned>(c - '0');
        ++cifre;
        if (!intera) ++dopoPunto;
    }
    static int nessuno() { return 0; }
    int valore(bool negativo, long long esponente, float* numero) const {
        if (cifre > CIFRE_INTERE || !valoreDiretto(w, esponente - dopoPunto, negativo, numero)) return INDECISO;
        return 1;
    }
};
struct NelTestoCanonico {
    const char* p;
    const char* fine;
    Canonico canonico;
    int guarda(std::size_t k) const {
        return static_cast<std::size_t>(fine - p) > k ? static_cast<unsigned char>(p[k]) : 0;
    }
    void avanza(std::size_t k) { p += k; }
    void cifra(int c, bool intera) { aggiungiCifra(canonico, c, intera); }
    static int nessuno() { return 0; }
    int valore(bool negativo, long long esponente, float* numero) {
        *numero = valoreCanonico(canonico, negativo, esponente);
        return 1;
    }
};

}  // namespace

bool valoreDoppio(std::uint64_t w, long long dopo, bool meno, float* numero) {
    return valoreDiretto(w, -dopo, meno, numero);
}

bool numeroDiTesto(const char* testo, std::size_t n, float* numero) {
    // The usual word, read once; anything else goes through the grammar.
    float semplice;
    if (numeroSemplice(testo, testo + n, &semplice) == testo + n) {
        *numero = semplice;
        return true;
    }
    float valore;
    NelTesto s{testo, testo + n, 0, 0, 0};
    int esito = grammatica(s, &valore);
    const char* fine = s.p;
    if (esito == INDECISO) {
        NelTestoCanonico c;
        c.p = testo;
        c.fine = testo + n;
        iniziaCanonico(c.canonico);
        esito = grammatica(c, &valore);
        fine = c.p;
    }
    if (esito != 1 || fine != testo + n) return false;
    *numero = valore;
    return true;
}

int leggiNumero(float* numero) {
    // The usual number: less than 16 white bytes before it, and in place;
    // with no bound to test when a white byte follows it in those 16.
    Flusso& f = flusso;
    if (f.pos + 16 <= f.tenuti) {
        const unsigned bianchi = bianchi16(f.buf + f.pos);
        const unsigned altro = ~bianchi & 0xffffu;
        if (altro != 0) {
            const unsigned inizio = primoBit(altro);
            f.pos += inizio;
            const int veloce = (bianchi >> inizio) != 0 ? numeroNelBlocco<true>(numero) : numeroNelBlocco<false>(numero);
            if (veloce != INDECISO) return veloce;
        }
    }
    return numeroAdagio(numero);
}
