// The scene token stream over a block buffer. Blocks are fetched with fread
// from the scene's own text-mode FILE*, so the platform's text conversions
// (CR LF to LF and Ctrl-Z on Windows) apply exactly as they would to any other
// read. Each byte is looked at about once; only tokens that are wanted are
// copied, and a token never holds more than LUNGHEZZA_TOKEN - 1 characters.
//
// The hot paths work on the block in place where SSE2 is there: short tokens
// are cut from a window of white space bitmaps over 64 bytes, the node search
// compares 32 bytes a turn and, once it finds a node token, marks where the
// next one may start before that node's statement is read. A number whose
// text lies wholly in the block is converted with one double operation when
// that is exact, else by strtof. Near the end of a block, and for unusual
// tokens and numbers, the byte-at-a-time paths take over; both give the same
// results.
#include "flusso.h"

#include "parole.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#if !defined(MA2D3D_SENZA_SIMD) && (defined(__SSE2__) || defined(_M_X64))
#define MA2D3D_SSE2 1
#include <emmintrin.h>
#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif
#endif

namespace {

// The node keyword, as the node search looks for it.
constexpr const char* NODO = PAROLE[CREATE_NODE].testo;
constexpr std::size_t LUNGHEZZA_NODO = PAROLE[CREATE_NODE].lunghezza;

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

#ifdef MA2D3D_SSE2
// A window: two bitmaps of the 64 bytes at `finestra` (bit i for byte
// finestra + i), kept while the block's bytes stay where they are. Bits of
// `pieniFinestra` mark the bytes that are not white space; bits of
// `finiFinestra` the white bytes right after one that is not, where tokens
// end. A window is opened only with 80 bytes in the block, so a 16-byte load
// at any token start in it stays in the block.
constexpr std::size_t SENZA_FINESTRA = BLOCCO_MASSIMO + 1024;
std::size_t finestra = SENZA_FINESTRA;
std::uint64_t pieniFinestra = 0;
std::uint64_t finiFinestra = 0;

// The region ahead: bit i of `nodiRegione` is set where the node keyword's
// first two bytes start at regione + i, for the 64 bytes from 32 bytes past
// a node token just found. It is worked out before that node's statement is
// read, so the next node search, when the statement ends in the region,
// starts from bits already there instead of from loads that wait on where
// the statement ended. Opened only with 96 bytes in the block from it; like a
// window, it holds while the block's bytes stay where they are.
std::size_t regione = SENZA_FINESTRA;
std::uint64_t nodiRegione = 0;
#endif

// White space as the C locale's isspace has it: space, and tab, line feed,
// vertical tab, form feed and carriage return (9 to 13).
inline bool spazio(unsigned char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t'; }
inline bool cifra(int c) { return c >= '0' && c <= '9'; }

// Appends to the bytes held, after moving the unread ones to the front.
// Callers refill only when fewer than BLOCCO_MINIMO bytes are unread, so there
// is always room. Returns false when nothing more can be had from the scene.
bool riempi() {
    if (esaurito) return false;
#ifdef MA2D3D_SSE2
    finestra = regione = SENZA_FINESTRA;  // the bytes move
#endif
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

#ifdef MA2D3D_SSE2
// One bit per byte of the 16 at `p` that is white space.
inline unsigned spaziIn(const unsigned char* p) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i t = _mm_sub_epi8(x, _mm_set1_epi8('\t'));
    const __m128i controllo = _mm_cmpeq_epi8(_mm_min_epu8(t, _mm_set1_epi8('\r' - '\t')), t);
    const __m128i blank = _mm_cmpeq_epi8(x, _mm_set1_epi8(' '));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(controllo, blank)));
}

// One bit per byte of the 16 at `p` equal to `c`.
inline __m128i uguali(const unsigned char* p, char c) {
    return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), _mm_set1_epi8(c));
}

inline unsigned primoBit64(std::uint64_t m) {
#if defined(_MSC_VER) && !defined(__clang__)
    unsigned long i;
    _BitScanForward64(&i, m);
    return static_cast<unsigned>(i);
#else
    return static_cast<unsigned>(__builtin_ctzll(m));
#endif
}

inline unsigned primoBit(unsigned m) {
#if defined(_MSC_VER) && !defined(__clang__)
    unsigned long i;
    _BitScanForward(&i, m);
    return static_cast<unsigned>(i);
#else
    return static_cast<unsigned>(__builtin_ctz(m));
#endif
}
#endif

#ifdef MA2D3D_SSE2
// One bit per byte of the 16 at `p` where the node keyword's first two bytes
// start.
inline unsigned nodiIn(const unsigned char* p) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(uguali(p, NODO[0]), uguali(p + 1, NODO[1]))));
}

// The bitmap of the 64 bytes at `p` from a 16-byte one.
template <unsigned (*maschera)(const unsigned char*)>
inline std::uint64_t bitmap64(const unsigned char* p) {
    return static_cast<std::uint64_t>(maschera(p)) | static_cast<std::uint64_t>(maschera(p + 16)) << 16 |
           static_cast<std::uint64_t>(maschera(p + 32)) << 32 | static_cast<std::uint64_t>(maschera(p + 48)) << 48;
}

#if defined(__GNUC__) || defined(__clang__)
__attribute__((always_inline))
#endif
inline void apriFinestra(std::size_t da) {
    finestra = da;
    const std::uint64_t bianchi = bitmap64<spaziIn>(buf + da);
    pieniFinestra = ~bianchi;
    finiFinestra = bianchi & (pieniFinestra << 1);
}

void apriRegione(std::size_t da) {
    regione = da;
    nodiRegione = bitmap64<nodiIn>(buf + da);
}
#endif

// Skips white space; false (flag set) when the scene ends first.
inline bool saltaSpazi() {
#ifdef MA2D3D_SSE2
    if (pos + 16 <= fine) {
        const unsigned altro = ~spaziIn(buf + pos) & 0xffffu;
        if (altro != 0) {
            pos += primoBit(altro);
            return true;
        }
    }
#endif
    for (;;) {
        while (pos < fine && spazio(buf[pos])) ++pos;
        if (pos < fine) return true;
        if (!riempi()) {
            fineInput = true;
            return false;
        }
    }
}

#ifdef MA2D3D_SSE2
// Sixteen bytes of ones then sixteen of zeros: the 16 bytes at TIENI + 16 - k
// keep the first k bytes of a load.
alignas(32) const unsigned char TIENI[32] = {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
                                             0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff};

// Stores the k < 16 bytes at `da`, then zeros up to 16 bytes (the first of
// them the token's NUL), in one store, so that a keyword test that loads the
// token at once reads from that one store.
inline void copiaBreve(char* dest, const unsigned char* da, unsigned k) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(da));
    const __m128i tieni = _mm_loadu_si128(reinterpret_cast<const __m128i*>(TIENI + 16 - k));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dest), _mm_and_si128(x, tieni));
}
#endif

// Stores the token that starts at the read position, keeping its first
// LUNGHEZZA_TOKEN - 1 bytes and reading past the rest.
inline void copiaToken(char* dest) {
    std::size_t n = 0;
#ifdef MA2D3D_SSE2
    // Sixteen bytes at a time while both the block and `dest` have room for
    // them.
    while (pos + 16 <= fine && n + 16 <= LUNGHEZZA_TOKEN - 1) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + pos));
        const unsigned m = spaziIn(buf + pos);
        if (m != 0) {
            const unsigned k = primoBit(m);
            copiaBreve(dest + n, buf + pos, k);
            pos += k;
            return;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + n), x);
        pos += 16;
        n += 16;
    }
#endif
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

// The first index in [da, a) at which the block holds the node keyword's
// first three bytes, or `a` when there is none; a < fine - 2. Reads no byte
// at or past `fine`.
std::size_t candidato(std::size_t da, std::size_t a) {
    std::size_t i = da;
#ifdef MA2D3D_SSE2
    // Thirty-two bytes a turn on the first two bytes, which rarely stand
    // together anywhere else in a scene; the third is tested on what they find.
    for (; i < a && i + 34 <= fine; i += 32) {
        for (unsigned m = nodiIn(buf + i) | nodiIn(buf + i + 16) << 16; m != 0; m &= m - 1) {
            const std::size_t trovato = i + primoBit(m);
            if (trovato >= a) return a;
            if (buf[trovato + 2] == NODO[2]) return trovato;
        }
    }
    for (; i < a && i + 18 <= fine; i += 16) {
        const unsigned char* p = buf + i;
        const __m128i tre = _mm_and_si128(uguali(p, NODO[0]), _mm_and_si128(uguali(p + 1, NODO[1]), uguali(p + 2, NODO[2])));
        const unsigned m = static_cast<unsigned>(_mm_movemask_epi8(tre));
        if (m != 0) {
            const std::size_t trovato = i + primoBit(m);
            return trovato < a ? trovato : a;
        }
    }
#endif
    while (i < a) {
        const void* c = std::memchr(buf + i, NODO[0], a - i);
        if (c == nullptr) return a;
        i = static_cast<std::size_t>(static_cast<const unsigned char*>(c) - buf);
        if (buf[i + 1] == NODO[1] && buf[i + 2] == NODO[2]) return i;
        ++i;
    }
    return a;
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

// strtof of `testo`, with an overflow to infinity clamped to the largest float.
float daTesto(const char* testo) {
    const float v = std::strtof(testo, nullptr);
    if (std::isinf(v)) return v < 0 ? -FLT_MAX : FLT_MAX;
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
    return daTesto(testo);
}

// Number texts up to this length are converted in place.
constexpr std::size_t NUMERO_BREVE = 64;

// The powers of ten that a double holds exactly.
constexpr double POTENZE[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The float nearest to w * 10^p (ties to even), as strtof rounds it, when
// that can be had from one double operation: w below 2^53 and 10^|p| exact,
// so `d` is the double nearest to the value. Every float and every midpoint
// between two floats is a double, so rounding `d` to float rounds the value
// itself, unless `d` is such a midpoint: then the value may lie on either
// side of it, and false is returned.
bool valoreDiretto(std::uint64_t w, int p, bool negativo, float* numero) {
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    if (w > (std::uint64_t{1} << 53) || p < -22 || p > 22) return false;
    const double d = p >= 0 ? static_cast<double>(w) * POTENZE[p] : static_cast<double>(w) / POTENZE[-p];
    const float f = static_cast<float>(d);
    if (std::isinf(f)) return false;  // strtof decides an overflow
    const double vicino = static_cast<double>(f);
    if (vicino != d && std::fabs(d) >= static_cast<double>(FLT_MIN)) {
        // In the normal range a midpoint has 25 significant bits: below
        // the float's 24, a one and then zeros only.
        std::uint64_t bit;
        std::memcpy(&bit, &d, sizeof bit);
        if ((bit & 0x1fffffffu) == 0x10000000u) return false;
    } else if (vicino != d) {
        const float altro = std::nextafter(f, vicino < d ? HUGE_VALF : 0.0f);
        if ((vicino + static_cast<double>(altro)) * 0.5 == d) return false;
    }
    *numero = negativo ? -f : f;
    return true;
#else
    (void)w, (void)p, (void)negativo, (void)numero;
    return false;
#endif
}

// The number at the read position, when its text and the byte after it lie in
// the block and the text is short: 1 with the value, 0 when no number starts
// here, -1 when the byte-at-a-time reader must decide. Consumes what the
// byte-at-a-time reader would.
int numeroNelBlocco(float* numero) {
    std::size_t j = pos;
    const bool negativo = buf[j] == '-';
    if (buf[j] == '+' || buf[j] == '-') ++j;
    // Up to 19 significant digits are gathered in w; past that `troppe`.
    std::uint64_t w = 0;
    int significative = 0;
    int dopoPunto = 0;
    bool troppe = false;
    const auto cifraLetta = [&](unsigned char c) {
        if (w == 0 && c == '0') return;
        if (significative == 19) {
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
                if (esponente < 100000) esponente = esponente * 10 + (buf[k] - '0');
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

#ifdef MA2D3D_SSE2
// The token at the read position from the window, as leggiToken describes;
// false when the window cannot tell it.
inline bool tokenNellaFinestra(char* dest) {
    const std::size_t scarto = pos - finestra;  // huge when pos < finestra
    if (scarto > 63) return false;
    // The first token end past the read position (the read position itself
    // may be the end of the token just read), and the first byte of a token
    // from the read position on. Only the first is on the way to the next
    // read position.
    const std::uint64_t fini = finiFinestra & (~std::uint64_t{1} << scarto);
    if (fini == 0) return false;
    const unsigned termine = primoBit64(fini);
    const unsigned inizio = primoBit64(pieniFinestra & (~std::uint64_t{0} << scarto));
    const unsigned lunghezza = termine - inizio;
    if (lunghezza >= 16) return false;
    copiaBreve(dest, buf + finestra + inizio, lunghezza);
    pos = finestra + termine;
    return true;
}
#endif

// Next token when the held window cannot tell it: from a window opened at
// the read position, else byte at a time where it must. Kept out of line so
// that the usual token's path needs no saved registers.
#if defined(__GNUC__) || defined(__clang__)
__attribute__((noinline))
#endif
int leggiTokenAdagio(char* dest) {
#ifdef MA2D3D_SSE2
    // A window opened here, when the block has room for it, may hold it.
    if (pos + 80 <= fine) {
        apriFinestra(pos);
        if (tokenNellaFinestra(dest)) return 1;
    }
#endif
    if (!saltaSpazi()) return FINE_FLUSSO;
    copiaToken(dest);
    return 1;
}

}  // namespace

void apriFlusso(std::FILE* f) {
    sorgente = f;
    pos = fine = 0;
#ifdef MA2D3D_SSE2
    finestra = regione = SENZA_FINESTRA;
#endif
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
#ifdef MA2D3D_SSE2
    // The usual token: under 16 bytes and ended by white space within the
    // window; one store puts it in `dest` with its NUL.
    if (tokenNellaFinestra(dest)) return 1;
#endif
    return leggiTokenAdagio(dest);
}

namespace {

// A node token at k, found by any of the searches: reads it, from a window
// opened on it when the block has room, which serves the statement's next
// tokens too, and works out the region ahead for the next search.
inline int nodoTrovato(char* dest, std::size_t k) {
    pos = k;
#ifdef MA2D3D_SSE2
    if (k + 80 <= fine) apriFinestra(k);
    if (k + 32 + 96 <= fine) apriRegione(k + 32);
#endif
    return leggiToken(dest);
}

// The node search in general: from the read position through as many
// refills as it takes, byte at a time near the block's end. Kept out of line
// so that the search of the next bytes needs no saved registers.
#if defined(__GNUC__) || defined(__clang__)
__attribute__((noinline))
#endif
int cercaNodo(char* dest) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    // The read position is now the start of a token. `inizio` tells whether
    // the byte at the read position follows white space as the search moves
    // on; a node token is the keyword right after white space, and it is
    // tested once all of the keyword's bytes are in the block.
    bool inizio = true;
    for (;;) {
        const std::size_t limite = esaurito ? fine : (fine > LUNGHEZZA_NODO ? fine - LUNGHEZZA_NODO : 0);
        const std::size_t margine = fine >= 2 ? fine - 2 : 0;  // candidato's bound
        std::size_t i = pos;
        while ((i = candidato(i, limite < margine ? limite : margine)) < limite && i < margine) {
            const bool dopoSpazio = i == pos ? inizio : spazio(buf[i - 1]);
            if (dopoSpazio && i + LUNGHEZZA_NODO <= fine && std::memcmp(buf + i, NODO, LUNGHEZZA_NODO) == 0)
                return nodoTrovato(dest, i);
            ++i;
        }
        if (esaurito) {
            pos = fine;
            fineInput = true;
            return FINE_FLUSSO;
        }
        // Keep the last bytes, where a keyword may begin, for after the refill.
        if (limite > pos) {
            inizio = spazio(buf[limite - 1]);
            pos = limite;
        }
        riempi();
    }
}

}  // namespace

#ifdef MA2D3D_SSE2
namespace {

// A candidate at k is a node token when it follows white space, or stands at
// `da` (the read position, where a token starts unless the byte is white),
// and spells the keyword.
inline bool nodoA(std::size_t k, std::size_t da) {
    return (k == da || spazio(buf[k - 1])) && std::memcmp(buf + k, NODO, LUNGHEZZA_NODO) == 0;
}

}  // namespace
#endif

int leggiTokenNodo(char* dest) {
#ifdef MA2D3D_SSE2
    // First the region ahead, when the read position is in it.
    const std::size_t scarto = pos - regione;  // huge when pos < regione
    if (scarto < 64) {
        const std::size_t da = pos;
        for (std::uint64_t m = nodiRegione & (~std::uint64_t{0} << scarto); m != 0; m &= m - 1) {
            const std::size_t k = regione + primoBit64(m);
            if (nodoA(k, da)) return nodoTrovato(dest, k);
        }
    }
    // Nodes often follow each other within a few dozen bytes: the next 128
    // bytes are searched next with every bound known to hold.
    if (pos + 128 + 80 <= fine) {
        const std::size_t da = pos;
        for (std::size_t i = da; i < da + 128; i += 32) {
            for (unsigned m = nodiIn(buf + i) | nodiIn(buf + i + 16) << 16; m != 0; m &= m - 1) {
                const std::size_t k = i + primoBit(m);
                if (nodoA(k, da)) return nodoTrovato(dest, k);
            }
        }
        // None there: the search goes on from the last white byte of those
        // 128 when there is one near their end, else from the start again.
        for (std::size_t j = da + 127; j > da + 111; --j) {
            if (spazio(buf[j])) {
                pos = j;
                break;
            }
        }
    }
#endif
    return cercaNodo(dest);
}

int leggiNumero(float* numero) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    const int veloce = numeroNelBlocco(numero);
    if (veloce >= 0) return veloce;
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
