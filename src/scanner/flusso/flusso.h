// The token stream's whole interface: one read position over the scene file,
// shared by the driver and the scanner. Tokens are runs of non-white-space
// bytes; numbers are read with our own decimal grammar; every read is
// strictly forward. What a keyword is and how a token is tested against one
// are here too; which keywords and statements matter is the scanner's
// (parole.h). Every call whose name begins with leggi, prendi or passa
// consumes input; the others read nothing.
#ifndef MA2D3D_FLUSSO_H
#define MA2D3D_FLUSSO_H

#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

// Capacity of every token buffer: a token keeps at most LUNGHEZZA_TOKEN - 1
// characters; the rest of a longer run of non-white-space bytes is skipped.
constexpr std::size_t LUNGHEZZA_TOKEN = 500000;

// What a read returns when it found nothing before the end of input.
constexpr int FINE_FLUSSO = -1;

// A keyword: a token matches it when its first `lunghezza` characters (the
// comparison length) are the keyword's.
constexpr unsigned CONFRONTO_MASSIMO = 16;
struct Parola {
    char testo[CONFRONTO_MASSIMO];
    unsigned lunghezza;
    unsigned char maschera[CONFRONTO_MASSIMO];  // 0xff for each compared byte
};

// A keyword and its comparison length, which must be its full length (a
// constant that breaks this does not compile).
template <std::size_t N>
constexpr Parola parola(const char (&testo)[N], unsigned lunghezza) {
    static_assert(N <= CONFRONTO_MASSIMO, "keyword too long");
    if (lunghezza != N - 1) throw "a comparison length differs from its keyword's length";
    Parola p{};
    for (std::size_t i = 0; i < N; ++i) p.testo[i] = testo[i];
    p.lunghezza = lunghezza;
    for (unsigned i = 0; i < lunghezza; ++i) p.maschera[i] = 0xff;
    return p;
}

// True when `token` begins with the keyword: `transformX` matches transform,
// `".tx"` does not match ".t", a shorter token never matches. Case-sensitive.
//
// `token` is a NUL-terminated string at the start of a buffer of at least
// CONFRONTO_MASSIMO bytes. The test compares 16 bytes under the keyword's
// mask, without a branch or a call: since no keyword holds a NUL, a token
// shorter than the keyword differs from it at its own NUL, whatever bytes
// follow that in the buffer.
inline bool corrisponde(const char* token, const Parola& p) {
    std::uint64_t t[2], k[2], m[2];
    std::memcpy(t, token, sizeof t);
    std::memcpy(k, p.testo, sizeof k);
    std::memcpy(m, p.maschera, sizeof m);
    return (((t[0] ^ k[0]) & m[0]) | ((t[1] ^ k[1]) & m[1])) == 0;
}

// corrisponde, with the first byte tested first: for a token that is seldom
// the keyword.
inline bool inizia(const char* token, const Parola& p) { return token[0] == p.testo[0] && corrisponde(token, p); }

// A head: a run of tokens as the scene spells it byte for byte, with the
// white space between and around them, taken at once where the bytes at the
// read position are exactly these. `ultimo` is its last token as a token
// buffer holds it.
constexpr std::size_t TESTA_MASSIMA = 32;
struct Testa {
    char testo[TESTA_MASSIMA];
    unsigned lunghezza;
    std::uint32_t bit;  // bit i set for each byte i of the text
    char ultimo[CONFRONTO_MASSIMO];
};

// The head of `parti`, each after one space but the first, which follows
// `prima`, and with `dopo` after the last.
template <std::size_t N>
constexpr Testa testa(const char* prima, const char* const (&parti)[N], char dopo) {
    Testa t{};
    for (unsigned i = 0; prima[i] != '\0'; ++i) t.testo[t.lunghezza++] = prima[i];
    for (std::size_t n = 0; n < N; ++n) {
        if (n > 0) t.testo[t.lunghezza++] = ' ';
        for (unsigned i = 0; i < CONFRONTO_MASSIMO; ++i) t.ultimo[i] = '\0';
        for (unsigned i = 0; parti[n][i] != '\0'; ++i) t.testo[t.lunghezza++] = t.ultimo[i] = parti[n][i];
    }
    t.testo[t.lunghezza++] = dopo;
    t.bit = t.lunghezza == 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << t.lunghezza) - 1;
    return t;
}

// Starts reading `sorgente` from its current position, with every flag clear.
void apriFlusso(std::FILE* sorgente);

// Limits the bytes fetched per refill (tests shrink it to move block edges
// inside tokens and numbers). Values are clamped to [16, the block's size];
// call it before apriFlusso.
void impostaBlocco(std::size_t byte);

// Fetches the first block, so that an unreadable scene shows up before any
// output exists. False on a read error.
bool primoBlocco();

// True when the scene's next `n` bytes (n at most 16) are those of `testo`,
// fetching them as needed. Reads nothing and sets no flag: the driver tells
// a file that is no scene at all before it creates anything.
bool prossimiSono(const char* testo, std::size_t n);

// Next token into `dest` (LUNGHEZZA_TOKEN bytes): 1 when a token was stored,
// FINE_FLUSSO at end of input, where `dest` is left as it was.
int leggiToken(char* dest);

// Next token that begins with `parola`, passing over every other token
// without storing it: as leggiToken, for the driver, which has nothing to do
// with those. Every call between two apriFlusso passes the same keyword (the
// search keeps where the next one may start).
int leggiTokenCon(char* dest, const Parola& parola);

// Prepares a run of leggiToken calls from the read position (a window of the
// bytes ahead, where the stream keeps one), as the first call would prepare
// it. Reads nothing.
void apriLettura();

// Takes `testa` at once when the bytes at the read position spell it: true,
// with its last token in `dest` (a token buffer) and the read position after
// that token, as reading its tokens one at a time would leave them. False,
// reading nothing, when they do not, or when the stream cannot tell at once
// (reading a token at a time always serves).
bool prendiTesta(char* dest, const Testa& testa);

// Passes over the next `n` tokens (n at least 1; fewer when one matches
// `ultima`, which is then the last) when the stream can tell at once that
// none matches `a` or `b`: true, with the read position after the last of
// them. False, reading nothing, when one does or when the stream cannot tell
// at once (reading a token at a time always serves). Unlike the token reads,
// it stores no token: the token buffer keeps what it held before the call,
// so a caller that passes tokens over this way must not look at its token
// afterwards (the transform handler ends its call).
bool passaTokenSenza(const Parola& a, const Parola& b, const Parola& ultima, int n);

// Next number into `numero`: 1 when read, 0 when no number starts here (the
// value is untouched; a sign or a lone point before the failure is
// consumed), FINE_FLUSSO at end of input.
int leggiNumero(float* numero);

// For a reader of whole statements, which scans the bytes itself: the
// unread bytes the stream holds, refilling first when none are left. Returns
// their count, with their start in *inizio (valid until the next call that
// reads), or 0 at the end of the scene (flag set). Consumes nothing.
std::size_t vediByte(const unsigned char** inizio);

// Consumes the first `n` (at most the count vediByte gave) of those bytes.
void passaByte(std::size_t n);

// The offset in the `n` bytes at `p` of the first that is `a`, `b` or `c`,
// or `n` when none is. Reads nothing of the stream.
std::size_t primoDiTre(const unsigned char* p, std::size_t n, char a, char b, char c);

// The offset in the `n` bytes at `p` of the first that a reader of a
// statement's rest must look at: a `;` or `/` outside a double-quoted
// string, or a `\` inside one; `n` when none is. `*dentro` says whether the
// bytes begin inside a string, and is left saying whether that byte (or the
// end) is inside one: quotes open and close strings on the way.
std::size_t primoInIstruzione(const unsigned char* p, std::size_t n, bool* dentro);

// The offset in the `n` bytes at `p` of the first that ends a word of a
// statement: white space, `;`, `"` or `/`; `n` when none does.
std::size_t fineParola(const unsigned char* p, std::size_t n);

// The float nearest to w / 10^dopo, negated when `meno`, when one double
// operation gives it (w at most 2^53, dopo at most 22): true with it in
// *numero.
bool valoreDoppio(std::uint64_t w, long long dopo, bool meno, float* numero);

// The usual number at `p`, read in place: an optional minus, digits with
// an optional point and more digits, fewer than 19 digits, no exponent, the
// value one exact operation. Returns the first byte after it, `fine` at the
// latest, with the value in *numero (as numeroDiTesto would give it); null
// when the text is not such a number, or may go on past `fine`'s byte.
// Inline, as a reader of statements takes most numbers through it.
inline const char* numeroSemplice(const char* p, const char* fine, float* numero) {
    // Powers of ten a float holds exactly (5^10 < 2^24).
    static constexpr float DIECI_F[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    // Digits one integer of 64 bits holds whatever they are.
    constexpr std::ptrdiff_t CIFRE = 19;
    if (p == fine) return nullptr;
    const bool meno = *p == '-';
    const char* q = p + (meno ? 1 : 0);
    // No more than CIFRE bytes after the sign are read, so that no digit is
    // lost from the integer; a longer text is the grammar's.
    const char* const limite = fine - q > CIFRE ? q + CIFRE : fine;
    std::uint64_t w = 0;
    const char* const prima = q;
    unsigned c;
    for (; q != limite && (c = static_cast<unsigned char>(*q) - '0') <= 9; ++q) w = w * 10 + c;
    const long long intere = q - prima;
    long long dopo = 0;  // digits after the point
    if (q != limite && *q == '.') {
        const char* const punto = q++;
        for (; q != limite && (c = static_cast<unsigned char>(*q) - '0') <= 9; ++q) w = w * 10 + c;
        dopo = q - punto - 1;
    }
    if (intere + dopo == 0 || (q == limite && limite != fine)) return nullptr;
    if (q != fine && (*q == '.' || *q == 'e' || *q == 'E')) return nullptr;
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    // Digits and a divisor a float holds: one float operation, rounded once.
    if (w < (std::uint64_t{1} << 24) && dopo <= 10) {
        const float f = dopo == 0 ? static_cast<float>(w) : static_cast<float>(w) / DIECI_F[dopo];
        *numero = meno ? -f : f;
        return q;
    }
#endif
    return valoreDoppio(w, dopo, meno, numero) ? q : nullptr;
}

// The number that the whole of the `n` bytes at `testo` spell, by the same
// grammar and to the same float as leggiNumero: true with the value, false
// when the text is no number or has anything after one.
bool numeroDiTesto(const char* testo, std::size_t n, float* numero);

// Set once any read has met the end of the scene (or a read error).
bool fineFlusso();

// Set when the end was caused by a read error rather than the end of file.
bool erroreFlusso();

// The leading decimal integer of a token, as atoi, clamped to the int range.
int interoDi(const char* token);

#endif
