// The header's text: for each light of the scene, in createNode order, its
// console line and, when it is a visible spot, point or directional light,
// its D3DLIGHT9 initialiser in the structure's member order, computed from
// its world matrix and its attributes. Every float is written so that it
// reads back as the float nearest the value computed (formato.h).
#include "intestazione.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <vector>

#include "../output/formato.h"
#include "scena.h"

namespace {

constexpr double PI = 3.14159265358979323846;

// The header's stream, the text held for it and whether a write failed.
constexpr std::size_t TENUTO = 64 * 1024;
struct Testo {
    std::FILE* file;
    char tenuto[TENUTO];
    std::size_t pieno;
    bool fallito;
};
Testo testo;

void consegna() {
    if (testo.pieno > 0 && std::fwrite(testo.tenuto, 1, testo.pieno, testo.file) != testo.pieno) testo.fallito = true;
    testo.pieno = 0;
}

void scrivi(const char* p, std::size_t n) {
    if (TENUTO - testo.pieno < n) consegna();
    if (n >= TENUTO) {  // a path longer than the buffer goes straight through
        if (std::fwrite(p, 1, n, testo.file) != n) testo.fallito = true;
        return;
    }
    std::memcpy(testo.tenuto + testo.pieno, p, n);
    testo.pieno += n;
}
template <std::size_t N>
void scrivi(const char (&p)[N]) {
    scrivi(p, N - 1);
}
void scrivi(const std::string& s) { scrivi(s.data(), s.size()); }

// Room for `n` bytes at the end of the text held (n far below TENUTO).
char* spazio(std::size_t n) {
    if (TENUTO - testo.pieno < n) consegna();
    return testo.tenuto + testo.pieno;
}

void scriviValore(double v) {
    char* const inizio = spazio(FLOAT_MASSIMO + 1);
    char* fine = scriviFloat(inizio, static_cast<float>(v));
    *fine++ = 'f';
    testo.pieno += static_cast<std::size_t>(fine - inizio);
}

// "{ a, b, c }" or "{ a, b, c, d }".
void scriviGruppo(const double* v, int n) {
    scrivi("{ ");
    for (int i = 0; i < n; ++i) {
        if (i > 0) scrivi(", ");
        scriviValore(v[i]);
    }
    scrivi(" }");
}

// The DAG path of node `n` into `p`: `|` and each name from the root down.
// `p` is kept from light to light, so that it is seldom allocated.
void percorso(std::int32_t n, std::string& p) {
    static std::vector<std::int32_t> catena;
    catena.clear();
    for (; n >= 0; n = nodo(n).padre) catena.push_back(n);
    p.clear();
    for (auto i = catena.rbegin(); i != catena.rend(); ++i) {
        const NodoScena& su = nodo(*i);
        p += '|';
        p.append(nomeDi(su), su.lunghezza);
    }
}

// A path in a C comment: no byte that could end it or be no text.
void scriviPerCommento(const std::string& p) {
    for (std::size_t fatti = 0; fatti < p.size();) {
        const std::size_t n = p.size() - fatti < TENUTO / 2 ? p.size() - fatti : TENUTO / 2;
        char* const q = spazio(n);
        for (std::size_t i = 0; i < n; ++i) {
            const char c = p[fatti + i];
            const unsigned char b = static_cast<unsigned char>(c);
            q[i] = c == '*' || c == '/' || c == '\\' || b < 0x20 || b == 0x7f ? '_' : c;
        }
        testo.pieno += n;
        fatti += n;
    }
}

// A path as a C string literal.
void scriviPerStringa(const std::string& p) {
    scrivi("\"");
    for (std::size_t fatti = 0; fatti < p.size();) {
        const std::size_t n = p.size() - fatti < TENUTO / 8 ? p.size() - fatti : TENUTO / 8;
        char* q = spazio(4 * n);  // "\ooo" at most for each byte
        char* const inizio = q;
        for (std::size_t i = 0; i < n; ++i) {
            const char c = p[fatti + i];
            const unsigned char b = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\' || c == '?') {
                *q++ = '\\';
                *q++ = c;
            } else if (b < 0x20 || b == 0x7f) {
                *q++ = '\\';
                *q++ = static_cast<char>('0' + (b >> 6));
                *q++ = static_cast<char>('0' + ((b >> 3) & 7));
                *q++ = static_cast<char>('0' + (b & 7));
            } else {
                *q++ = c;
            }
        }
        testo.pieno += static_cast<std::size_t>(q - inizio);
        fatti += n;
    }
    scrivi("\"");
}

// A console line: `testa`, the path and a line's end.
void diConsole(const char* testa, const std::string& via) {
    std::fputs(testa, stdout);
    std::fwrite(via.data(), 1, via.size(), stdout);
    std::fputc('\n', stdout);
}

double limitato(double a) { return a < 0.0 ? 0.0 : a > PI ? PI : a; }

// One light's initialiser, its members in D3DLIGHT9's order.
void scriviLuce(const Luce& l, const std::string& via) {
    const NodoScena& n = nodo(l.nodo);
    const Matrice mondo = matriceMondo(n.padre);
    const char* tipo = n.specie == LUCE_SPOT    ? "D3DLIGHT_SPOT"
                       : n.specie == LUCE_PUNTO ? "D3DLIGHT_POINT"
                                                : "D3DLIGHT_DIRECTIONAL";
    double diffusa[4] = {0, 0, 0, 0}, speculare[4] = {0, 0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const double c = static_cast<double>(l.colore[i]) * static_cast<double>(l.intensita);
        if (l.diffusa) diffusa[i] = c;
        if (l.speculare) speculare[i] = c;
    }
    if (l.diffusa) diffusa[3] = 1.0;
    if (l.speculare) speculare[3] = 1.0;
    const double ambiente[4] = {0, 0, 0, 0};
    double posizione[3] = {0, 0, 0}, direzione_[3] = {0, 0, 0};
    if (n.specie != LUCE_DIREZIONALE) {
        const Vettore3 p = punto(mondo, {0, 0, 0});
        posizione[0] = p.x, posizione[1] = p.y, posizione[2] = p.z;
    }
    if (n.specie != LUCE_PUNTO) {
        const Vettore3 d = direzione(mondo, {0, 0, -1});
        const double lunghezza = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
        if (lunghezza > 0.0) direzione_[0] = d.x / lunghezza, direzione_[1] = d.y / lunghezza, direzione_[2] = d.z / lunghezza;
    }
    // Maya's decay: none, linear, quadratic; cubic has no Direct3D form and
    // is written as quadratic.
    double attenuazione[3] = {1, 0, 0};
    if (l.decadimento == 1) attenuazione[0] = 0, attenuazione[1] = 1;
    if (l.decadimento >= 2) attenuazione[0] = 0, attenuazione[2] = 1;
    double theta = 0, phi = 0;
    if (n.specie == LUCE_SPOT) {
        const double cono = l.cono * (PI / 180.0), penombra = l.penombra * (PI / 180.0);
        theta = limitato(penombra >= 0 ? cono : cono + 2 * penombra);
        phi = limitato(penombra >= 0 ? cono + 2 * penombra : cono);
    }
    scrivi("    { /* ");
    scriviPerCommento(via);
    scrivi(" */\n        ");
    scrivi(tipo);
    scrivi(",\n        ");
    scriviGruppo(diffusa, 4);
    scrivi(", /* Diffuse */\n        ");
    scriviGruppo(speculare, 4);
    scrivi(", /* Specular */\n        ");
    scriviGruppo(ambiente, 4);
    scrivi(", /* Ambient */\n        ");
    scriviGruppo(posizione, 3);
    scrivi(", /* Position */\n        ");
    scriviGruppo(direzione_, 3);
    scrivi(", /* Direction */\n        ");
    scriviValore(static_cast<double>(std::sqrt(FLT_MAX)));
    scrivi(", /* Range */\n        ");
    scriviValore(n.specie == LUCE_SPOT ? 1.0 : 0.0);
    scrivi(", /* Falloff */\n        ");
    for (int i = 0; i < 3; ++i) {
        scriviValore(attenuazione[i]);
        scrivi(", ");
    }
    scrivi("/* Attenuation0, 1, 2 */\n        ");
    scriviValore(theta);
    scrivi(", ");
    scriviValore(phi);
    scrivi(" /* Theta, Phi */\n    }");
}

const char ZERO[] =
    "    { (D3DLIGHTTYPE)0, { 0.0f, 0.0f, 0.0f, 0.0f }, { 0.0f, 0.0f, 0.0f, 0.0f }, { 0.0f, 0.0f, 0.0f, 0.0f },\n"
    "      { 0.0f, 0.0f, 0.0f }, { 0.0f, 0.0f, 0.0f }, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f } /* no light */";

}  // namespace

std::string nomeDaPercorso(const char* percorso) {
    const char* base = percorso;
    for (const char* p = percorso; *p != '\0'; ++p)
        if (*p == '/' || *p == '\\') base = p + 1;
    std::string nome;
    for (const char* p = base; *p != '\0' && *p != '.'; ++p) {
        const char c = *p;
        const bool parola = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        nome += parola ? c : '_';
    }
    if (nome.empty() || (nome[0] >= '0' && nome[0] <= '9')) nome.insert(nome.begin(), '_');
    return nome;
}

bool scriviIntestazione(std::FILE* file, const std::string& nome) {
    testo.file = file;
    testo.pieno = 0;
    testo.fallito = false;
    scrivi("/* Luci Direct3D 9 generate da una scena Maya ASCII, in coordinate del mondo */\n");
    scrivi("static const D3DLIGHT9 " + nome + "[] = {\n");
    std::vector<std::int32_t> scritte;  // the lights written, by node
    std::string via;
    for (std::size_t i = 0; i < scena.luci.quanti; ++i) {
        const Luce& l = in(scena.luci, i);
        const NodoScena& n = nodo(l.nodo);
        percorso(l.nodo, via);
        if (n.specie == LUCE_ALTRA) {
            std::fputs("Non scritta, una luce ", stdout);
            std::fputs(l.tipo, stdout);
            diConsole(" non ha forma Direct3D 9: ", via);
            continue;
        }
        if (!visibileNelMondo(l.nodo)) {
            diConsole("Non scritta, nascosta: ", via);
            continue;
        }
        if (!scritte.empty()) scrivi(",\n");
        scriviLuce(l, via);
        scritte.push_back(l.nodo);
        diConsole(n.specie == LUCE_SPOT    ? "Scritta la luce spot "
                  : n.specie == LUCE_PUNTO ? "Scritta la luce puntiforme "
                                           : "Scritta la luce direzionale ",
                  via);
        if (l.decadimento >= 3) diConsole("Decadimento cubico scritto come quadratico: ", via);
    }
    if (scritte.empty()) scrivi(ZERO);
    scrivi("\n};\nstatic const unsigned " + nome + "_numero = " + std::to_string(scritte.size()) + ";\n");
    scrivi("static const char* const " + nome + "_nomi[] = {");
    if (scritte.empty()) scrivi(" \"\"");
    for (std::size_t i = 0; i < scritte.size(); ++i) {
        if (i > 0) scrivi(",");
        scrivi("\n    ");
        percorso(scritte[i], via);
        scriviPerStringa(via);
    }
    scrivi(scritte.empty() ? " };\n" : "\n};\n");
    consegna();
    return !testo.fallito;
}
