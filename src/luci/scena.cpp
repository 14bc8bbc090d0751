// The statements that build the scene: createNode records a DAG node (a
// transform, a joint, a light, or any node given a parent) under its parent,
// setAttr sets an attribute of the node last created or selected, select -ne
// selects a node, currentUnit -a sets the unit of angles; every other
// statement is passed over whole. Names and DAG paths are resolved through
// an index of names kept beside the records.
#include "scena.h"

#include <cstring>

#include "../scanner/flusso/flusso.h"
#include "lettore.h"

Scena scena;

namespace {

constexpr double PI = 3.14159265358979323846;

// --- Names and paths -------------------------------------------------------

std::uint32_t hashNome(const char* p, std::size_t n) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < n; ++i) h = (h ^ static_cast<unsigned char>(p[i])) * 16777619u;
    return h;
}

void indicizza(std::int32_t i) {
    NodoScena& n = scena.nodi[static_cast<std::size_t>(i)];
    const std::size_t secchio = hashNome(n.nome, std::strlen(n.nome)) & (scena.secchi.size() - 1);
    n.seguente = scena.secchi[secchio];
    scena.secchi[secchio] = i;
}

// Keeps the buckets at least twice as many as the nodes, one more node
// counted: called before a node is added, which is then indexed once.
void allargaIndice() {
    if ((scena.nodi.size() + 1) * 2 <= scena.secchi.size()) return;
    scena.secchi.assign(scena.secchi.empty() ? 1024 : scena.secchi.size() * 2, -1);
    for (std::size_t i = 0; i < scena.nodi.size(); ++i) indicizza(static_cast<std::int32_t>(i));
}

// A name as a record keeps it: at most NOME_NODO bytes, a leading ':' (the
// root namespace) left out.
std::size_t nomeTenuto(const char* p, std::size_t n, const char** inizio) {
    if (n > 0 && p[0] == ':') {
        ++p;
        --n;
    }
    *inizio = p;
    return n < NOME_NODO ? n : NOME_NODO;
}

bool stessoNome(const NodoScena& nodo, const char* p, std::size_t n) {
    const char* nome;
    n = nomeTenuto(p, n, &nome);
    return std::strlen(nodo.nome) == n && std::memcmp(nodo.nome, nome, n) == 0;
}

// The node a name or DAG path names (`a`, `a|b`, `|a|b`): the most recent
// whose name is the path's last part and whose ancestors are its other
// parts, from the root when the path begins with `|`. -1 when none is.
std::int32_t risolvi(const char* percorso) {
    const std::size_t lunghezza = std::strlen(percorso);
    if (lunghezza == 0 || scena.secchi.empty()) return -1;
    const char* ultimo = std::strrchr(percorso, '|');
    const char* foglia = ultimo != nullptr ? ultimo + 1 : percorso;
    const char* nome;
    const std::size_t n = nomeTenuto(foglia, std::strlen(foglia), &nome);
    std::int32_t i = scena.secchi[hashNome(nome, n) & (scena.secchi.size() - 1)];
    for (; i >= 0; i = scena.nodi[static_cast<std::size_t>(i)].seguente) {
        const NodoScena& candidato = scena.nodi[static_cast<std::size_t>(i)];
        if (!stessoNome(candidato, foglia, std::strlen(foglia))) continue;
        // The other parts, from the last back, against the ancestors: the
        // part before the '|' at `fine` runs from `inizio` up to it.
        std::int32_t su = candidato.padre;
        std::size_t fine = static_cast<std::size_t>(foglia - percorso);  // past the '|' before the leaf
        bool regge = true;
        while (fine > 1) {
            --fine;  // on a '|'
            std::size_t inizio = fine;
            while (inizio > 0 && percorso[inizio - 1] != '|') --inizio;
            if (su < 0 || !stessoNome(scena.nodi[static_cast<std::size_t>(su)], percorso + inizio, fine - inizio)) {
                regge = false;
                break;
            }
            su = scena.nodi[static_cast<std::size_t>(su)].padre;
            fine = inizio;
        }
        // An absolute path's first part must be at the root.
        if (regge && (percorso[0] != '|' || su < 0)) return i;
    }
    return -1;
}

// --- Node types --------------------------------------------------------------

bool finisceCon(const char* testo, const char* fine) {
    const std::size_t n = std::strlen(testo), m = std::strlen(fine);
    return n >= m && std::strcmp(testo + n - m, fine) == 0;
}

// What a createNode of `tipo` records, with or without a parent; false for
// a node that is no DAG node this program can tell.
bool specieDi(const char* tipo, bool conPadre, Specie* specie) {
    static const char* const TRASFORMATE[] = {"transform", "lookAt", "ikHandle", "ikEffector", "place3dTexture"};
    static const char* const GIUNTI[] = {"joint", "hikFKJoint"};
    static const char* const LUCI_ALTRE[] = {"ambientLight", "areaLight", "volumeLight"};
    if (std::strcmp(tipo, "spotLight") == 0) return *specie = LUCE_SPOT, true;
    if (std::strcmp(tipo, "pointLight") == 0) return *specie = LUCE_PUNTO, true;
    if (std::strcmp(tipo, "directionalLight") == 0) return *specie = LUCE_DIREZIONALE, true;
    for (const char* t : GIUNTI)
        if (std::strcmp(tipo, t) == 0) return *specie = GIUNTO, true;
    for (const char* t : TRASFORMATE)
        if (std::strcmp(tipo, t) == 0) return *specie = TRASFORMATA, true;
    // Constraints are transforms under the node they constrain.
    if (finisceCon(tipo, "Constraint")) return *specie = TRASFORMATA, true;
    for (const char* t : LUCI_ALTRE)
        if (std::strcmp(tipo, t) == 0) return *specie = LUCE_ALTRA, true;
    // A renderer's light is a shape with a parent whose type says Light
    // (aiAreaLight, RedshiftPhysicalLight, VRayLightRectShape, PxrDomeLight).
    if (conPadre && std::strstr(tipo, "Light") != nullptr) return *specie = LUCE_ALTRA, true;
    *specie = ALTRO_NODO;
    return conPadre;
}

bool trasformata(Specie s) { return s == TRASFORMATA || s == GIUNTO; }
bool luce(Specie s) { return s >= LUCE_SPOT; }

// --- Statements --------------------------------------------------------------

// Copies the word read into `dest`, cut to `n` - 1 bytes.
void copiaVoce(char* dest, std::size_t n) {
    const std::size_t k = lettore.lunghezza < n - 1 ? lettore.lunghezza : n - 1;
    std::memcpy(dest, lettore.testo, k);
    dest[k] = '\0';
}

void leggiCreateNode() {
    char tipo[VOCE_MASSIMA + 1], nome[NOME_NODO + 1], padre[VOCE_MASSIMA + 1];
    tipo[0] = nome[0] = padre[0] = '\0';
    bool conPadre = false;
    Genere g = leggiVoce();
    if (g == PAROLA || g == STRINGA) {
        copiaVoce(tipo, sizeof tipo);
        for (g = leggiVoce(); g == PAROLA || g == STRINGA; g = leggiVoce()) {
            if (voceE("-n") || voceE("-name")) {
                g = leggiVoce();
                if (g != PAROLA && g != STRINGA) break;
                const char* inizio;
                const std::size_t n = nomeTenuto(lettore.testo, lettore.lunghezza, &inizio);
                std::memcpy(nome, inizio, n);
                nome[n] = '\0';
            } else if (voceE("-p") || voceE("-parent")) {
                g = leggiVoce();
                if (g != PAROLA && g != STRINGA) break;
                copiaVoce(padre, sizeof padre);
                conPadre = true;
            }
        }
    }
    if (g == PAROLA || g == STRINGA) passaIstruzione();
    Specie specie;
    if (tipo[0] == '\0' || !specieDi(tipo, conPadre, &specie)) {
        scena.corrente = -1;
        return;
    }
    NodoScena n{};
    std::memcpy(n.nome, nome, sizeof n.nome);
    n.padre = conPadre ? risolvi(padre) : -1;
    n.specie = specie;
    n.visibile = true;
    n.dati = -1;
    const std::int32_t indice = static_cast<std::int32_t>(scena.nodi.size());
    if (trasformata(specie)) {
        n.dati = static_cast<std::int32_t>(scena.trasformate.size());
        Trasformata t = trasformataIniziale();
        t.giunto = specie == GIUNTO;
        scena.trasformate.push_back(t);
    } else if (luce(specie)) {
        n.dati = static_cast<std::int32_t>(scena.luci.size());
        Luce l{};
        l.nodo = indice;
        l.colore[0] = l.colore[1] = l.colore[2] = 1.0f;
        l.intensita = 1.0f;
        l.cono = 40.0;
        l.diffusa = l.speculare = true;
        const std::size_t lunghezzaTipo = std::strlen(tipo) < TIPO_LUCE ? std::strlen(tipo) : TIPO_LUCE;
        std::memcpy(l.tipo, tipo, lunghezzaTipo);
        scena.luci.push_back(l);
    }
    allargaIndice();
    scena.nodi.push_back(n);
    indicizza(indice);
    scena.corrente = indice;
}

void leggiSelect() {
    scena.corrente = -1;
    Genere g;
    for (g = leggiVoce(); g == PAROLA || g == STRINGA; g = leggiVoce())
        if (g == STRINGA || lettore.testo[0] != '-') {
            scena.corrente = risolvi(lettore.testo);
            break;
        }
    if (g == PAROLA || g == STRINGA) passaIstruzione();
}

void leggiUnita() {
    Genere g;
    for (g = leggiVoce(); g == PAROLA || g == STRINGA; g = leggiVoce()) {
        if (!voceE("-a") && !voceE("-angle")) continue;
        g = leggiVoce();
        if (g != PAROLA && g != STRINGA) break;
        if (std::strncmp(lettore.testo, "rad", 3) == 0) scena.radianti = true;
        if (std::strncmp(lettore.testo, "deg", 3) == 0) scena.radianti = false;
    }
    if (g == PAROLA || g == STRINGA) passaIstruzione();
}

// --- Attributes --------------------------------------------------------------

enum Valore { NUMERO, ANGOLO, INTERO, BOOLEANO };

// Where an attribute's values go: `quanti` of them, from the `primo`-th of
// the vector, into the node's transform or light.
struct Bersaglio {
    double* doppi;
    float* singoli;
    int* interi;
    bool* booleani;
    int quanti;
    Valore valore;
};

struct Vettore {
    const char* breve;
    const char* lungo;
    double (Trasformata::*campo)[3];
    bool angolo;
    bool taglio;  // components xy, xz, yz
};

const Vettore VETTORI[] = {
    {"t", "translate", &Trasformata::t, false, false},
    {"r", "rotate", &Trasformata::r, true, false},
    {"s", "scale", &Trasformata::s, false, false},
    {"sh", "shear", &Trasformata::sh, false, true},
    {"sp", "scalePivot", &Trasformata::sp, false, false},
    {"spt", "scalePivotTranslate", &Trasformata::spt, false, false},
    {"rp", "rotatePivot", &Trasformata::rp, false, false},
    {"rpt", "rotatePivotTranslate", &Trasformata::rpt, false, false},
    {"ra", "rotateAxis", &Trasformata::ra, true, false},
    {"jo", "jointOrient", &Trasformata::jo, true, false},
};

// The component of a vector that `nome` names after the vector's own name
// `radice` (`x` or `X`, `xy` or `XY`, `r` or `R`...): its index, or -1.
int componente(const char* nome, const char* radice, const char* const brevi[3], const char* const lunghi[3],
               bool lungo) {
    const std::size_t n = std::strlen(radice);
    if (std::strncmp(nome, radice, n) != 0) return -1;
    for (int i = 0; i < 3; ++i)
        if (std::strcmp(nome + n, lungo ? lunghi[i] : brevi[i]) == 0) return i;
    return -1;
}

// The values the attribute `nome` (without its leading '.') of node `n`
// takes; false for one this program does not read.
bool bersaglio(const NodoScena& n, const char* nome, Bersaglio* b) {
    static const char* const XYZ[3] = {"x", "y", "z"};
    static const char* const XYZ_LUNGHI[3] = {"X", "Y", "Z"};
    static const char* const TAGLI[3] = {"xy", "xz", "yz"};
    static const char* const TAGLI_LUNGHI[3] = {"XY", "XZ", "YZ"};
    static const char* const RGB[3] = {"r", "g", "b"};
    static const char* const RGB_LUNGHI[3] = {"R", "G", "B"};
    *b = Bersaglio{};
    if (std::strcmp(nome, "v") == 0 || std::strcmp(nome, "visibility") == 0) {
        b->booleani = &scena.nodi[static_cast<std::size_t>(&n - scena.nodi.data())].visibile;
        b->quanti = 1;
        b->valore = BOOLEANO;
        return true;
    }
    if (trasformata(n.specie)) {
        Trasformata& t = scena.trasformate[static_cast<std::size_t>(n.dati)];
        if (std::strcmp(nome, "ro") == 0 || std::strcmp(nome, "rotateOrder") == 0) {
            b->interi = &t.ro;
            b->quanti = 1;
            b->valore = INTERO;
            return true;
        }
        for (const Vettore& v : VETTORI) {
            b->valore = v.angolo ? ANGOLO : NUMERO;
            if (std::strcmp(nome, v.breve) == 0 || std::strcmp(nome, v.lungo) == 0) {
                b->doppi = t.*v.campo;
                b->quanti = 3;
                return true;
            }
            for (int lungo = 0; lungo < 2; ++lungo) {
                const int i = componente(nome, lungo ? v.lungo : v.breve, v.taglio ? TAGLI : XYZ,
                                         v.taglio ? TAGLI_LUNGHI : XYZ_LUNGHI, lungo != 0);
                if (i >= 0) {
                    b->doppi = t.*v.campo + i;
                    b->quanti = 1;
                    return true;
                }
            }
        }
        return false;
    }
    if (!luce(n.specie)) return false;
    Luce& l = scena.luci[static_cast<std::size_t>(n.dati)];
    b->quanti = 1;
    if (std::strcmp(nome, "cl") == 0 || std::strcmp(nome, "color") == 0) {
        b->singoli = l.colore;
        b->quanti = 3;
        b->valore = NUMERO;
        return true;
    }
    for (int lungo = 0; lungo < 2; ++lungo) {
        const int i = componente(nome, lungo ? "color" : "c", RGB, RGB_LUNGHI, lungo != 0);
        if (i >= 0) {
            b->singoli = l.colore + i;
            b->valore = NUMERO;
            return true;
        }
    }
    struct Scalare {
        const char* breve;
        const char* lungo;
        Valore valore;
    };
    static const Scalare SCALARI[] = {{"in", "intensity", NUMERO},       {"de", "decayRate", INTERO},
                                      {"ca", "coneAngle", ANGOLO},       {"pa", "penumbraAngle", ANGOLO},
                                      {"edi", "emitDiffuse", BOOLEANO},  {"esp", "emitSpecular", BOOLEANO}};
    for (std::size_t k = 0; k < sizeof SCALARI / sizeof SCALARI[0]; ++k) {
        if (std::strcmp(nome, SCALARI[k].breve) != 0 && std::strcmp(nome, SCALARI[k].lungo) != 0) continue;
        b->valore = SCALARI[k].valore;
        switch (k) {
            case 0: b->singoli = &l.intensita; break;
            case 1: b->interi = &l.decadimento; break;
            case 2: b->doppi = &l.cono; break;
            case 3: b->doppi = &l.penombra; break;
            case 4: b->booleani = &l.diffusa; break;
            default: b->booleani = &l.speculare;
        }
        return true;
    }
    return false;
}

// A boolean word as MEL takes one: yes, on, true or a non-zero number; no,
// off, false or zero. False for any other word.
bool booleano(bool* valore) {
    static const char* const SI[] = {"yes", "on", "true"};
    static const char* const NO[] = {"no", "off", "false"};
    for (const char* s : SI)
        if (voceE(s)) return *valore = true, true;
    for (const char* s : NO)
        if (voceE(s)) return *valore = false, true;
    float numero;
    if (!numeroDiTesto(lettore.testo, &numero)) return false;
    *valore = numero != 0.0f;
    return true;
}

// Reads the values of `b` from the words after the attribute (and its
// -type), each into its place; a word that is no value leaves the rest as
// they were. Returns the last kind of word read.
Genere leggiValori(const Bersaglio& b, Genere g) {
    for (int i = 0; i < b.quanti && (g == PAROLA || g == STRINGA); ++i, g = leggiVoce()) {
        if (b.valore == BOOLEANO) {
            bool v;
            if (!booleano(&v)) break;
            b.booleani[i] = v;
            continue;
        }
        float numero;
        if (!numeroDiTesto(lettore.testo, &numero)) break;
        if (b.valore == INTERO) {
            b.interi[i] = static_cast<int>(numero);
        } else if (b.singoli != nullptr) {
            b.singoli[i] = numero;
        } else {
            double v = static_cast<double>(numero);
            if (b.valore == ANGOLO && scena.radianti) v *= 180.0 / PI;
            b.doppi[i] = v;
        }
    }
    return g;
}

void leggiSetAttr() {
    if (scena.corrente < 0) {  // a node this program keeps nothing of
        passaIstruzione();
        return;
    }
    Genere g;
    for (g = leggiVoce(); g == PAROLA; g = leggiVoce()) {
    }  // flags and their values, up to the attribute's name
    Bersaglio b;
    if (g == STRINGA && lettore.testo[0] == '.' &&
        bersaglio(scena.nodi[static_cast<std::size_t>(scena.corrente)], lettore.testo + 1, &b)) {
        g = leggiVoce();
        if (g == PAROLA && voceE("-type")) {
            g = leggiVoce();  // the type
            if (g == PAROLA || g == STRINGA) g = leggiVoce();
        }
        g = leggiValori(b, g);
    } else if (g == STRINGA) {
        g = PAROLA;  // more of the statement follows
    }
    if (g == PAROLA || g == STRINGA) passaIstruzione();
}

}  // namespace

void leggiScena() {
    scena.nodi.clear();
    scena.trasformate.clear();
    scena.luci.clear();
    scena.secchi.clear();
    scena.radianti = false;
    scena.corrente = -1;
    apriLettore();
    for (;;) {
        const Genere g = leggiVoce();
        if (g == FINE_SCENA) break;
        if (g == FINE_ISTRUZIONE) continue;
        bool letta = true;  // the statement was read to its end
        if (g == PAROLA && voceE("setAttr")) {
            leggiSetAttr();
        } else if (g == PAROLA && voceE("createNode")) {
            leggiCreateNode();
        } else if (g == PAROLA && voceE("select")) {
            leggiSelect();
        } else if (g == PAROLA && voceE("currentUnit")) {
            leggiUnita();
        } else {
            letta = false;
        }
        if (!letta && !passaIstruzione()) break;
    }
}

Matrice matriceMondo(std::int32_t n) {
    Matrice m = identita();
    for (; n >= 0; n = scena.nodi[static_cast<std::size_t>(n)].padre) {
        const NodoScena& nodo = scena.nodi[static_cast<std::size_t>(n)];
        if (trasformata(nodo.specie)) m = prodotto(m, matriceLocale(scena.trasformate[static_cast<std::size_t>(nodo.dati)]));
    }
    return m;
}

bool visibileNelMondo(std::int32_t n) {
    for (; n >= 0; n = scena.nodi[static_cast<std::size_t>(n)].padre)
        if (!scena.nodi[static_cast<std::size_t>(n)].visibile) return false;
    return true;
}
