// The stream's state object and the block operations: opening the stream,
// refills, the look at a byte ahead, the two end-of-input flags, and the
// bytes themselves for a reader of whole statements. Blocks
// are fetched with fread from the scene's own text-mode FILE*, so the
// platform's text conversions (CR LF to LF and Ctrl-Z on Windows) apply
// exactly as they would to any other read.
#include "flusso.h"
#include "stato.h"

#if defined(__SANITIZE_ADDRESS__)
#define MA2D3D_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MA2D3D_ASAN 1
#endif
#endif
#ifdef MA2D3D_ASAN
#include <sanitizer/asan_interface.h>
#endif

// All zero until apriFlusso: in static storage with the rest of the
// program's zeros, not in its data.
Flusso flusso;

namespace {

// Under AddressSanitizer the bytes of buf past those held are marked
// unreadable, so that a read past the block's end is reported even where buf
// goes on; the marks are lifted while a refill moves and fetches bytes.
void segnaFine() {
#ifdef MA2D3D_ASAN
    ASAN_POISON_MEMORY_REGION(flusso.buf + flusso.tenuti, sizeof flusso.buf - flusso.tenuti);
#endif
}
void togliSegni() {
#ifdef MA2D3D_ASAN
    ASAN_UNPOISON_MEMORY_REGION(flusso.buf, sizeof flusso.buf);
#endif
}

}  // namespace

bool riempi() {
    Flusso& f = flusso;
    if (f.esaurito) return false;
    togliSegni();
    f.finestra = f.regione = CHIUSA;  // the bytes move
    if (f.pos > 0) {
        std::memmove(f.buf, f.buf + f.pos, f.tenuti - f.pos);
        f.tenuti -= f.pos;
        f.pos = 0;
    }
    const std::size_t blocco = f.blocco != 0 ? f.blocco : BLOCCO_MASSIMO;
    const std::size_t letti = std::fread(f.buf + f.tenuti, 1, blocco - f.tenuti, f.sorgente);
    f.tenuti += letti;
    segnaFine();
    if (letti == 0) {
        f.esaurito = true;
        f.erroreInput = std::ferror(f.sorgente) != 0;
    }
    return letti > 0;
}

int guarda(std::size_t k) {
    while (flusso.pos + k >= flusso.tenuti) {
        if (!riempi()) {
            flusso.fineInput = true;
            return -1;
        }
    }
    return flusso.buf[flusso.pos + k];
}

void apriFlusso(std::FILE* sorgente) {
    Flusso& f = flusso;
    f.sorgente = sorgente;
    f.pos = f.tenuti = 0;
    f.finestra = f.regione = CHIUSA;
    togliSegni();
    segnaFine();
    f.esaurito = f.fineInput = f.erroreInput = false;
}

void impostaBlocco(std::size_t byte) {
    if (byte < BLOCCO_MINIMO) byte = BLOCCO_MINIMO;
    if (byte > BLOCCO_MASSIMO) byte = BLOCCO_MASSIMO;
    flusso.blocco = byte;
}

bool primoBlocco() {
    riempi();
    return !flusso.erroreInput;
}

bool prossimiSono(const char* testo, std::size_t n) {
    Flusso& f = flusso;
    while (f.pos + n > f.tenuti && riempi()) {
    }
    return f.pos + n <= f.tenuti && std::memcmp(f.buf + f.pos, testo, n) == 0;
}

bool fineFlusso() { return flusso.fineInput; }
bool erroreFlusso() { return flusso.erroreInput; }

std::size_t vediByte(const unsigned char** inizio) {
    Flusso& f = flusso;
    if (f.pos >= f.tenuti && !riempi()) {
        f.fineInput = true;
        return 0;
    }
    *inizio = f.buf + f.pos;
    return f.tenuti - f.pos;
}

void passaByte(std::size_t n) { flusso.pos += n; }

std::size_t primoDiTre(const unsigned char* p, std::size_t n, char a, char b, char c) {
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const unsigned m = byte16(p + i, a) | byte16(p + i, b) | byte16(p + i, c);
        if (m != 0) return i + primoBit(m);
    }
    for (; i < n; ++i)
        if (p[i] == static_cast<unsigned char>(a) || p[i] == static_cast<unsigned char>(b) ||
            p[i] == static_cast<unsigned char>(c))
            return i;
    return n;
}

std::size_t fineParola(const unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const unsigned m = bianchi16(p + i) | byte16(p + i, ';') | byte16(p + i, '"') | byte16(p + i, '/');
        if (m != 0) return i + primoBit(m);
    }
    for (; i < n; ++i)
        if (spazio(p[i]) || p[i] == ';' || p[i] == '"' || p[i] == '/') return i;
    return n;
}

std::size_t primoInIstruzione(const unsigned char* p, std::size_t n, bool* dentro) {
    // Sixty-four bytes at a time: the bytes inside strings are those with an
    // odd count of quotes up to them (the opening quote counted in), given
    // whether the block begins inside one. That count goes wrong only past
    // an escaped quote, hence past a `\` inside a string, which is itself
    // looked at first.
    std::uint64_t prima = *dentro ? ~std::uint64_t{0} : 0;
    std::size_t i = 0;
    for (; i + 64 <= n; i += 64) {
        // The usual 64 bytes of a long statement (a vertex list): none of the
        // four, and nothing changes.
        if (!unoDiQuattro64(p + i, '"', ';', '/', '\\')) continue;
        std::uint64_t stringa = byte64(p + i, '"');
        stringa ^= stringa << 1;
        stringa ^= stringa << 2;
        stringa ^= stringa << 4;
        stringa ^= stringa << 8;
        stringa ^= stringa << 16;
        stringa ^= stringa << 32;
        stringa ^= prima;
        const std::uint64_t fuori = (byte64(p + i, ';') | byte64(p + i, '/')) & ~stringa;
        const std::uint64_t escape = byte64(p + i, '\\') & stringa;
        if ((fuori | escape) != 0) {
            const unsigned k = primoBit(fuori | escape);
            *dentro = ((stringa >> k) & 1) != 0;
            return i + k;
        }
        prima = (stringa >> 63) != 0 ? ~std::uint64_t{0} : 0;
    }
    bool d = prima != 0;
    for (; i < n; ++i) {
        const unsigned char c = p[i];
        if (d ? c == '\\' : (c == ';' || c == '/')) break;
        if (c == '"') d = !d;
    }
    *dentro = d;
    return i;
}
