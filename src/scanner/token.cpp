// Tokens: the next run of non-white-space bytes, cut from the window when it
// can tell it, else copied from the block, 16 bytes at a time where the block
// holds them and byte at a time at its edge; statement heads and the name
// look-ahead's tokens told in place; and the integer of a token.
#include <climits>

#include "finestra.h"
#include "flusso.h"

std::uint64_t pieniFinestra = 0;
std::uint64_t finiFinestra = 0;

namespace {

inline bool cifra(int c) { return c >= '0' && c <= '9'; }

// Stores the token that starts at the read position, keeping its first
// LUNGHEZZA_TOKEN - 1 bytes and reading past the rest.
inline void copiaToken(char* dest) {
    std::size_t n = 0;
    // Sixteen bytes at a time while both the block and `dest` have room.
    while (pos + 16 <= fine && n + 16 <= LUNGHEZZA_TOKEN - 1) {
        const unsigned bianchi = bianchi16(buf + pos);
        if (bianchi != 0) {
            const unsigned k = primoBit(bianchi);
            copiaBreve(dest + n, buf + pos, k);
            pos += k;
            return;
        }
        std::memcpy(dest + n, buf + pos, 16);
        pos += 16;
        n += 16;
    }
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

// Next token when the window cannot tell it: from a window opened at the
// read position, else copied. Kept out of line so that the usual token's
// path needs no saved registers.
MA2D3D_FUORI_LINEA int leggiTokenAdagio(char* dest) {
    if (apriFinestra(pos) && tokenNellaFinestra(dest)) return 1;
    if (!saltaSpazi()) return FINE_FLUSSO;
    copiaToken(dest);
    return 1;
}

}  // namespace

void apriLettura() { apriFinestra(pos); }

int leggiToken(char* dest) {
    if (tokenNellaFinestra(dest)) return 1;
    return leggiTokenAdagio(dest);
}

bool seguono(char* dest, const Testa& testa) {
    if (pos + TESTA_MASSIMA > fine) return false;
    std::uint32_t uguali = uguali16(buf + pos, testa.testo);
    if (testa.lunghezza > 16) uguali |= uguali16(buf + pos + 16, testa.testo + 16) << 16;
    if ((~uguali & testa.bit) != 0) return false;
    std::memcpy(dest, testa.ultimo, CONFRONTO_MASSIMO);
    pos += testa.lunghezza - 1;
    return true;
}

bool nessunaFra(Parola a, Parola b, Parola ultima, int n) {
    // One bitmap of the 32 bytes from the read position tells where their
    // tokens start and end; each token is tested on 16 bytes from its start.
    if (pos + 48 > fine) return false;
    const std::uint32_t pieni = ~(bianchi16(buf + pos) | bianchi16(buf + pos + 16) << 16);
    std::uint32_t da = pieni;  // the bytes from which the next token may start
    for (;;) {
        if (da == 0) return false;
        const unsigned inizio = primoBit(da);
        // A white byte ends the token here as its NUL does in a token buffer,
        // and neither is in any keyword, so the tests come to the same.
        const char* t = reinterpret_cast<const char*>(buf + pos + inizio);
        if (inizia(t, a) || inizia(t, b)) return false;
        if (--n <= 0 || inizia(t, ultima)) {
            pos += inizio;
            return true;
        }
        // The token must end in the bitmap, and the next start after it.
        const std::uint32_t dopo = ~pieni & (~std::uint32_t{0} << inizio);
        if (dopo == 0) return false;
        da = pieni & (~std::uint32_t{0} << primoBit(dopo));
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
