// Tokens: the next run of non-white-space bytes, cut from the window when it
// can tell it, else copied from the block, 16 bytes at a time where the block
// holds them and byte at a time at its edge; heads taken at once and tokens
// passed over in place; and the integer of a token.
#include <climits>

#include "flusso.h"
#include "stato.h"

namespace {

// The window: 64 bytes of the block, from which the usual short token is cut
// with a bit scan and one masked store (two for 16 to 31 bytes). Opened at
// the read position, when it no longer holds the token there.
constexpr std::size_t FINESTRA = 64;
// A token cut from the window is stored with 16-byte loads from its start: a
// token under 16 bytes may start anywhere in the window, one of 16 to 31
// bytes ends in it and so starts in its first 48 bytes. Either way the loads
// stay within this many bytes from where a window opens, which the block
// must hold.
constexpr std::size_t FINESTRA_LETTA = FINESTRA + 16;

// Opens the window at `da` when the block holds FINESTRA_LETTA bytes from it;
// false, leaving the window as it was, when it does not.
MA2D3D_SEMPRE_INLINE bool apriFinestra(std::size_t da) {
    Flusso& f = flusso;
    if (da + FINESTRA_LETTA > f.tenuti) return false;
    f.finestra = da;
    const std::uint64_t bianchi = bianchi64(f.buf + da);
    f.pieni = ~bianchi;
    f.fini = bianchi & (f.pieni << 1);
    return true;
}

// The token at the read position from the window, as leggiToken describes;
// false when the window cannot tell it: the read position is outside it, or
// no token ends in it, or the token is 32 bytes or longer.
MA2D3D_SEMPRE_INLINE bool tokenNellaFinestra(char* dest) {
    Flusso& f = flusso;
    const std::size_t scarto = f.pos - f.finestra;  // huge when pos < finestra
    if (scarto >= FINESTRA) return false;
    // The first token end past the read position (the read position itself
    // may be the end of the token just read), and the first byte of a token
    // from the read position on. Only the first is on the way to the next
    // read position.
    const std::uint64_t fini = f.fini & (~std::uint64_t{1} << scarto);
    if (fini == 0) return false;
    const unsigned termine = primoBit(fini);
    const unsigned inizio = primoBit(f.pieni & (~std::uint64_t{0} << scarto));
    const unsigned lunghezza = termine - inizio;
    const unsigned char* const da = f.buf + f.finestra + inizio;
    if (lunghezza >= 16) {
        if (lunghezza >= 32) return false;
        std::memcpy(dest, da, 16);
        copiaBreve(dest + 16, da + 16, lunghezza - 16);
    } else {
        copiaBreve(dest, da, lunghezza);
    }
    f.pos = f.finestra + termine;
    return true;
}

// Stores the token that starts at the read position, keeping its first
// LUNGHEZZA_TOKEN - 1 bytes and reading past the rest.
inline void copiaToken(char* dest) {
    Flusso& f = flusso;
    std::size_t n = 0;
    // Sixteen bytes at a time while both the block and `dest` have room.
    while (f.pos + 16 <= f.tenuti && n + 16 <= LUNGHEZZA_TOKEN - 1) {
        const unsigned bianchi = bianchi16(f.buf + f.pos);
        if (bianchi != 0) {
            const unsigned k = primoBit(bianchi);
            copiaBreve(dest + n, f.buf + f.pos, k);
            f.pos += k;
            return;
        }
        std::memcpy(dest + n, f.buf + f.pos, 16);
        f.pos += 16;
        n += 16;
    }
    for (;;) {
        const std::size_t inizio = f.pos;
        while (f.pos < f.tenuti && !spazio(f.buf[f.pos])) ++f.pos;
        std::size_t parte = f.pos - inizio;
        if (parte > LUNGHEZZA_TOKEN - 1 - n) parte = LUNGHEZZA_TOKEN - 1 - n;
        std::memcpy(dest + n, f.buf + inizio, parte);
        n += parte;
        if (f.pos < f.tenuti) break;
        if (!riempi()) {
            f.fineInput = true;
            break;
        }
    }
    dest[n] = '\0';
}

// Next token when the window cannot tell it: from a window opened at the
// read position, else copied. Kept out of line so that the usual token's
// path needs no saved registers.
MA2D3D_FUORI_LINEA int leggiTokenAdagio(char* dest) {
    if (apriFinestra(flusso.pos) && tokenNellaFinestra(dest)) return 1;
    if (!saltaSpazi()) return FINE_FLUSSO;
    copiaToken(dest);
    return 1;
}

}  // namespace

void apriLettura() { apriFinestra(flusso.pos); }

int leggiToken(char* dest) {
    if (tokenNellaFinestra(dest)) return 1;
    return leggiTokenAdagio(dest);
}

bool prendiTesta(char* dest, const Testa& testa) {
    Flusso& f = flusso;
    if (f.pos + TESTA_MASSIMA > f.tenuti) return false;
    std::uint32_t uguali = uguali16(f.buf + f.pos, testa.testo);
    if (testa.lunghezza > 16) uguali |= uguali16(f.buf + f.pos + 16, testa.testo + 16) << 16;
    if ((~uguali & testa.bit) != 0) return false;
    std::memcpy(dest, testa.ultimo, CONFRONTO_MASSIMO);
    // The byte after the last token is white: the read position is left on
    // it, as a token read leaves it.
    f.pos += testa.lunghezza - 1;
    return true;
}

bool passaTokenSenza(const Parola& a, const Parola& b, const Parola& ultima, int n) {
    // One bitmap of the 32 bytes from the read position tells where their
    // tokens start and end; each token is tested on 16 bytes from its start.
    Flusso& f = flusso;
    if (f.pos + 48 > f.tenuti) return false;
    const unsigned char* const p = f.buf + f.pos;
    const std::uint32_t pieni = ~(bianchi16(p) | bianchi16(p + 16) << 16);
    std::uint32_t da = pieni;  // the bytes from which the next token may start
    for (;;) {
        if (da == 0) return false;
        const unsigned inizio = primoBit(da);
        // A white byte ends the token here as its NUL does in a token buffer,
        // and neither is in any keyword, so the tests come to the same.
        const char* const t = reinterpret_cast<const char*>(p + inizio);
        if (inizia(t, a) || inizia(t, b)) return false;
        // The token must end in the bitmap.
        const std::uint32_t dopo = ~pieni & (~std::uint32_t{0} << inizio);
        if (dopo == 0) return false;
        const unsigned termine = primoBit(dopo);
        if (--n <= 0 || inizia(t, ultima)) {
            f.pos += termine;
            return true;
        }
        da = pieni & (~std::uint32_t{0} << termine);
    }
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
