// The scene token stream over a block buffer. Blocks are fetched with fread
// from the scene's own text-mode FILE*, so the platform's text conversions
// (CR LF to LF and Ctrl-Z on Windows) apply exactly as they would to any other
// read. Each byte is looked at about once; only tokens that are wanted are
// copied, and a token never holds more than LUNGHEZZA_TOKEN - 1 characters.
#include "flusso.h"

#include "parole.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t BLOCCO_MASSIMO = 128 * 1024;
constexpr std::size_t BLOCCO_MINIMO = 16;  // more than any keyword's comparison length

std::FILE* sorgente = nullptr;
unsigned char buf[BLOCCO_MASSIMO];
std::size_t pos = 0;   // next unread byte
std::size_t fine = 0;  // end of the bytes held in buf
std::size_t blocco = BLOCCO_MASSIMO;
bool esaurito = false;  // fread has reported end of file or an error
bool fineInput = false;
bool erroreInput = false;

// White space as the C locale's isspace has it: space, and tab, line feed,
// vertical tab, form feed and carriage return (9 to 13).
inline bool spazio(unsigned char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t'; }
inline bool cifra(int c) { return c >= '0' && c <= '9'; }

// Appends to the bytes held, after moving the unread ones to the front.
// Callers refill only when fewer than BLOCCO_MINIMO bytes are unread, so there
// is always room. Returns false when nothing more can be had from the scene.
bool riempi() {
    if (esaurito) return false;
    if (pos > 0) {
        std::memmove(buf, buf + pos, fine - pos);
        fine -= pos;
        pos = 0;
    }
    const std::size_t letti = std::fread(buf + fine, 1, blocco - fine, sorgente);
    fine += letti;
    if (letti == 0) {
        esaurito = true;
        erroreInput = std::ferror(sorgente) != 0;
    }
    return letti > 0;
}

// The byte `k` places after the read position, or -1 (setting the
// end-of-input flag) when the scene ends before it.
int guarda(std::size_t k) {
    while (pos + k >= fine) {
        if (!riempi()) {
            fineInput = true;
            return -1;
        }
    }
    return buf[pos + k];
}

// Skips white space; false (flag set) when the scene ends first.
bool saltaSpazi() {
    for (;;) {
        while (pos < fine && spazio(buf[pos])) ++pos;
        if (pos < fine) return true;
        if (!riempi()) {
            fineInput = true;
            return false;
        }
    }
}

// Stores the token that starts at the read position, keeping its first
// LUNGHEZZA_TOKEN - 1 bytes and reading past the rest.
void copiaToken(char* dest) {
    std::size_t n = 0;
    for (;;) {
        const std::size_t inizio = pos;
        while (pos < fine && !spazio(buf[pos])) ++pos;
        std::size_t parte = pos - inizio;
        if (parte > LUNGHEZZA_TOKEN - 1 - n) parte = LUNGHEZZA_TOKEN - 1 - n;
        std::memcpy(dest + n, buf + inizio, parte);
        n += parte;
        if (pos < fine) break;
        if (!riempi()) {
            fineInput = true;
            break;
        }
    }
    dest[n] = '\0';
}

// Whether the token starting at the read position begins with "createNode".
bool iniziaNodo() {
    char testa[16];
    std::size_t n = lunghezzaConfronto(CREATE_NODE);
    if (n > sizeof testa - 1) n = sizeof testa - 1;
    std::size_t k = 0;
    for (int c; k < n && (c = guarda(k)) >= 0 && !spazio(static_cast<unsigned char>(c)); ++k)
        testa[k] = static_cast<char>(c);
    testa[k] = '\0';
    return corrisponde(testa, CREATE_NODE);
}

// Number text in a bounded canonical form: the significant digits (at most
// CIFRE_MASSIME, then one sticky '1' standing for any non-zero digits cut off)
// and a decimal exponent. Enough digits are kept for every single-precision
// rounding decision, so strtof on the canonical text rounds like strtof on
// the whole text.
constexpr int CIFRE_MASSIME = 200;
constexpr long long ESPONENTE_LIMITE = 100000000;       // far past any float
constexpr long long ESPONENTE_SCRITTO_LIMITE = 1000000000000000;  // 10^15
char cifre[CIFRE_MASSIME + 2];
int quante = 0;
bool tagliate = false;
long long scala = 0;  // the value is 0.cifre times 10^scala

void aggiungiCifra(int c, bool intera) {
    if (quante == 0 && c == '0') {
        if (!intera) --scala;  // a leading zero after the point
        return;
    }
    if (intera) ++scala;
    if (quante < CIFRE_MASSIME)
        cifre[quante++] = static_cast<char>(c);
    else if (c != '0')
        tagliate = true;
}

long long limita(long long v) {
    if (v > ESPONENTE_LIMITE) return ESPONENTE_LIMITE;
    if (v < -ESPONENTE_LIMITE) return -ESPONENTE_LIMITE;
    return v;
}

float valoreCanonico(bool negativo, long long esponente) {
    char testo[CIFRE_MASSIME + 40];
    std::size_t n = 0;
    if (negativo) testo[n++] = '-';
    if (quante == 0) {
        testo[n++] = '0';
        testo[n] = '\0';
    } else {
        std::memcpy(testo + n, cifre, static_cast<std::size_t>(quante));
        n += static_cast<std::size_t>(quante);
        int scritte = quante;
        if (tagliate) {
            testo[n++] = '1';
            ++scritte;
        }
        // scala counts digits of a file (well below 2^62) and the written
        // exponent stays within 10^15, so the sum cannot overflow.
        const long long e = limita(scala + esponente - scritte);
        std::snprintf(testo + n, sizeof testo - n, "e%lld", e);
    }
    const float v = std::strtof(testo, nullptr);
    if (std::isinf(v)) return negativo ? -FLT_MAX : FLT_MAX;
    return v;
}

}  // namespace

void apriFlusso(std::FILE* f) {
    sorgente = f;
    pos = fine = 0;
    esaurito = fineInput = erroreInput = false;
}

void impostaBlocco(std::size_t byte) {
    if (byte < BLOCCO_MINIMO) byte = BLOCCO_MINIMO;
    if (byte > BLOCCO_MASSIMO) byte = BLOCCO_MASSIMO;
    blocco = byte;
}

bool primoBlocco() {
    riempi();
    return !erroreInput;
}

bool fineFlusso() { return fineInput; }
bool erroreFlusso() { return erroreInput; }

int leggiToken(char* dest) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    copiaToken(dest);
    return 1;
}

int leggiTokenNodo(char* dest) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    // The read position is now the start of a token. Any later token start
    // is a byte that follows white space, so the search only has to stop at
    // a 'c' that opens a token.
    bool dopoSpazio = true;
    for (;;) {
        if (pos == fine && !riempi()) {
            fineInput = true;
            return FINE_FLUSSO;
        }
        const void* trovato = std::memchr(buf + pos, 'c', fine - pos);
        if (trovato == nullptr) {
            dopoSpazio = spazio(buf[fine - 1]);
            pos = fine;
            continue;
        }
        const std::size_t i = static_cast<std::size_t>(static_cast<const unsigned char*>(trovato) - buf);
        const bool inizioToken = i > pos ? spazio(buf[i - 1]) : dopoSpazio;
        pos = i;
        if (inizioToken && iniziaNodo()) {
            copiaToken(dest);
            return 1;
        }
        ++pos;
        dopoSpazio = false;
    }
}

int leggiNumero(float* numero) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    quante = 0;
    tagliate = false;
    scala = 0;
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

int interoDi(const char* token) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(token);
    while (spazio(*p)) ++p;
    bool negativo = false;
    if (*p == '+' || *p == '-') negativo = *p++ == '-';
    long long v = 0;
    for (; cifra(*p); ++p) {
        v = v * 10 + (*p - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
    }
    if (negativo) return static_cast<int>(-v);
    return v > INT_MAX ? INT_MAX : static_cast<int>(v);
}
