// The block buffer and its refills. Blocks are fetched with fread from the
// scene's own text-mode FILE*, so the platform's text conversions (CR LF to LF
// and Ctrl-Z on Windows) apply exactly as they would to any other read.
#include "blocco.h"

#include "flusso.h"

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

namespace {
std::FILE* sorgente = nullptr;
std::size_t blocco = BLOCCO_MASSIMO;

// Under AddressSanitizer the bytes of buf past those held are marked
// unreadable, so that a read past the block's end is reported even where buf
// goes on; the marks are lifted while a refill moves and fetches bytes.
void segnaFine() {
#ifdef MA2D3D_ASAN
    ASAN_POISON_MEMORY_REGION(buf + fine, sizeof buf - fine);
#endif
}
void togliSegni() {
#ifdef MA2D3D_ASAN
    ASAN_UNPOISON_MEMORY_REGION(buf, sizeof buf);
#endif
}
}  // namespace

unsigned char buf[BLOCCO_MASSIMO];
std::size_t pos = 0;
std::size_t fine = 0;
bool esaurito = false;
bool fineInput = false;
bool erroreInput = false;
std::size_t finestra = CHIUSA;
std::size_t regione = CHIUSA;

bool riempi() {
    if (esaurito) return false;
    togliSegni();
    finestra = regione = CHIUSA;  // the bytes move
    if (pos > 0) {
        std::memmove(buf, buf + pos, fine - pos);
        fine -= pos;
        pos = 0;
    }
    const std::size_t letti = std::fread(buf + fine, 1, blocco - fine, sorgente);
    fine += letti;
    segnaFine();
    if (letti == 0) {
        esaurito = true;
        erroreInput = std::ferror(sorgente) != 0;
    }
    return letti > 0;
}

int guarda(std::size_t k) {
    while (pos + k >= fine) {
        if (!riempi()) {
            fineInput = true;
            return -1;
        }
    }
    return buf[pos + k];
}

void apriFlusso(std::FILE* f) {
    sorgente = f;
    pos = fine = 0;
    finestra = regione = CHIUSA;
    togliSegni();
    segnaFine();
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
