// A deliberately simple token stream, the yardstick for the block reader: it
// loads the whole scene into memory and reads it byte by byte, converting each
// number with strtof on exactly the text matched. Built with the reader's own
// names (to make a whole converter), or inside a namespace of its own (to
// sit beside the block reader in one test program).
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "scanner/flusso/flusso.h"

namespace {
std::string dati;
std::size_t pos = 0;
bool fineInput = false;
bool erroreInput = false;

int guarda(std::size_t k) {
    if (pos + k < dati.size()) return static_cast<unsigned char>(dati[pos + k]);
    fineInput = true;
    return -1;
}

bool spazio(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool cifra(int c) { return c >= '0' && c <= '9'; }

bool saltaSpazi() {
    while (spazio(guarda(0))) ++pos;
    return guarda(0) != -1;
}
}  // namespace

void apriFlusso(std::FILE* f) {
    dati.clear();
    for (int c; (c = std::fgetc(f)) != EOF;) dati.push_back(static_cast<char>(c));
    erroreInput = std::ferror(f) != 0;
    pos = 0;
    fineInput = erroreInput;
}

void impostaBlocco(std::size_t) {}
bool primoBlocco() { return !erroreInput; }
bool fineFlusso() { return fineInput; }
bool prossimiSono(const char* testo, std::size_t n) { return dati.compare(pos, n, testo, n) == 0; }
bool erroreFlusso() { return erroreInput; }

int leggiToken(char* dest) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    std::size_t n = 0;
    for (int c; (c = guarda(0)) != -1 && !spazio(c); ++pos)
        if (n < LUNGHEZZA_TOKEN - 1) dest[n++] = static_cast<char>(c);
    dest[n] = '\0';
    return 1;
}

// Statement heads and the name look-ahead are always read a token at a time
// here, and there is no window to open.
bool prendiTesta(char*, const Testa&) { return false; }
bool passaTokenSenza(const Parola&, const Parola&, const Parola&, int) { return false; }
void apriLettura() {}

int leggiTokenCon(char* dest, const Parola& parola) {
    static char letto[LUNGHEZZA_TOKEN];
    for (;;) {
        if (leggiToken(letto) == FINE_FLUSSO) return FINE_FLUSSO;
        if (std::strncmp(letto, parola.testo, parola.lunghezza) == 0) {
            std::memcpy(dest, letto, std::strlen(letto) + 1);
            return 1;
        }
    }
}

int leggiNumero(float* numero) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    std::string testo;
    int c = guarda(0);
    if (c == '+' || c == '-') {
        testo.push_back(static_cast<char>(c));
        ++pos;
        c = guarda(0);
    }
    bool conCifre = false;
    for (; cifra(c); c = guarda(0), conCifre = true) testo.push_back(static_cast<char>(dati[pos++]));
    if (c == '.') {
        testo.push_back(static_cast<char>(dati[pos++]));
        for (c = guarda(0); cifra(c); c = guarda(0), conCifre = true) testo.push_back(static_cast<char>(dati[pos++]));
    }
    if (!conCifre) return 0;
    if (c == 'e' || c == 'E') {
        std::size_t salto = 1;
        int dopo = guarda(1);
        if (dopo == '+' || dopo == '-') dopo = guarda(salto = 2);
        if (cifra(dopo)) {
            testo.append(dati, pos, salto);
            pos += salto;
            while (cifra(guarda(0))) testo.push_back(dati[pos++]);
        }
    }
    const float v = std::strtof(testo.c_str(), nullptr);
    *numero = std::isinf(v) ? std::copysign(FLT_MAX, v) : v;
    return 1;
}

int interoDi(const char* token) {
    const long long v = std::strtoll(token, nullptr, 10);
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}
