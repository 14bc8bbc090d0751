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
void scrivi(const char* p) { scrivi(p, std::strlen(p)); }
void scrivi(const std::string& s) { scrivi(s.data(), s.size()); }

void scriviValore(double v) {
    char buffer[FLOAT_MASSIMO + 1];
    char* fine = scriviFloat(buffer, static_cast<float>(v));
    *fine++ = 'f';
    scrivi(buffer, static_cast<std::size_t>(fine - buffer));
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

// The DAG path of node `n`: `|` and each name from the root down.
std::string percorso(std::int32_t n) {
    std::vector<std::int32_t> catena;
    for (; n >= 0; n = nodo(n).padre) catena.push_back(n);
    std::string p;
    for (auto i = catena.rbegin(); i != catena.rend(); ++i) {
        p += '|';
        p += nomeDi(nodo(*i));
    }
    return p;
}

// A path in a C comment: no byte that could end it or be no text.
std::string perCommento(const std::string& p) {
    std::string s = p;
    for (char& c : s)
        if (c == '*' || c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '_';
    return s;
}

// A path as a C string literal.
std::string perStringa(const std::string& p) {
    std::string s = "\"";
    for (char c : p) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\' || c == '?') {
            s += '\\';
            s += c;
        } else if (b < 0x20 || b == 0x7f) {
            char ottale[8];
            std::snprintf(ottale, sizeof ottale, "\\%03o", b);
            s += ottale;
        } else {
            s += c;
        }
    }
    return s + "\"";
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
    scrivi(perCommento(via));
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
    std::vector<std::string> nomi;
    for (std::size_t i = 0; i < scena.luci.quanti; ++i) {
        const Luce& l = in(scena.luci, i);
        const NodoScena& n = nodo(l.nodo);
        const std::string via = percorso(l.nodo);
        if (n.specie == LUCE_ALTRA) {
            std::printf("Non scritta, una luce %s non ha forma Direct3D 9: %s\n", l.tipo, via.c_str());
            continue;
        }
        if (!visibileNelMondo(l.nodo)) {
            std::printf("Non scritta, nascosta: %s\n", via.c_str());
            continue;
        }
        if (!nomi.empty()) scrivi(",\n");
        scriviLuce(l, via);
        nomi.push_back(via);
        const char* specie = n.specie == LUCE_SPOT ? "spot" : n.specie == LUCE_PUNTO ? "puntiforme" : "direzionale";
        std::printf("Scritta la luce %s %s\n", specie, via.c_str());
        if (l.decadimento >= 3) std::printf("Decadimento cubico scritto come quadratico: %s\n", via.c_str());
    }
    if (nomi.empty()) scrivi(ZERO);
    scrivi("\n};\nstatic const unsigned " + nome + "_numero = " + std::to_string(nomi.size()) + ";\n");
    scrivi("static const char* const " + nome + "_nomi[] = {");
    if (nomi.empty()) scrivi(" \"\"");
    for (std::size_t i = 0; i < nomi.size(); ++i) {
        scrivi(i == 0 ? "\n    " : ",\n    ");
        scrivi(perStringa(nomi[i]));
    }
    scrivi(nomi.empty() ? " };\n" : "\n};\n");
    consegna();
    return !testo.fallito;
}
