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

// The newest nodes a name is looked for among, one by one, before the index.
constexpr std::int32_t RECENTI = 16;

// --- Names and paths -------------------------------------------------------

// A hash of a name, eight bytes at a time.
std::uint32_t hashNome(const char* p, std::size_t n) {
    constexpr std::uint64_t K = 0x9e3779b97f4a7c15u;
    std::uint64_t h = n * K;
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * K;
        h ^= h >> 29;
    }
    std::uint64_t w = 0;
    for (std::size_t i = 0; i < n; ++i) w |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
    h = (h ^ w) * K;
    return static_cast<std::uint32_t>(h >> 32);
}

// Puts every node not yet in the index into it, oldest first, so that each
// bucket lists its nodes newest first. The buckets are kept at least as many
// as the nodes: when they are not, the index is built again, twice as wide.
void indicizzaTutti() {
    const std::size_t n = scena.nodi.quanti;
    if (scena.indicizzati == n) return;
    if (n > scena.secchi.size()) {
        std::size_t secchi = scena.secchi.empty() ? 1024 : scena.secchi.size();
        while (secchi < n) secchi *= 2;
        scena.secchi.assign(secchi, -1);
        scena.indicizzati = 0;
    }
    scena.seguenti.resize(n);
    for (std::size_t i = scena.indicizzati; i < n; ++i) {
        const NodoScena& nodo = in(scena.nodi, i);
        const std::size_t secchio = hashNome(nomeDi(nodo), nodo.lunghezza) & (scena.secchi.size() - 1);
        scena.seguenti[i] = scena.secchi[secchio];
        scena.secchi[secchio] = static_cast<std::int32_t>(i);
    }
    scena.indicizzati = n;
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

// Copies a name's n bytes eight at a time, the last eight overlapping the
// ones before: the compiler's own copy of a bounded size is a string
// instruction, slow to start for the few bytes a name has.
void copiaNome(char* a, const char* da, std::size_t n) {
    std::uint64_t x;
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            std::memcpy(&x, da + i, 8);
            std::memcpy(a + i, &x, 8);
        }
        std::memcpy(&x, da + n - 8, 8);
        std::memcpy(a + n - 8, &x, 8);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) a[i] = da[i];
}

bool stessoNome(const NodoScena& nodo, const char* p, std::size_t n) {
    const char* nome;
    n = nomeTenuto(p, n, &nome);
    return nodo.lunghezza == n && std::memcmp(nomeDi(nodo), nome, n) == 0;
}

// True when node `i` is the one a path names: its name is the path's last
// part (from `foglia`), its ancestors are the other parts, and, for a path
// that begins with `|`, the first of them is at the root.
bool nominato(std::int32_t i, const char* percorso, std::size_t lunghezza, std::size_t foglia) {
    const NodoScena& candidato = nodo(i);
    if (!stessoNome(candidato, percorso + foglia, lunghezza - foglia)) return false;
    // The other parts, from the last back, against the ancestors: the part
    // before the '|' at `fine` runs from `inizio` up to it.
    std::int32_t su = candidato.padre;
    std::size_t fine = foglia;  // past the '|' before the leaf
    while (fine > 1) {
        --fine;  // on a '|'
        std::size_t inizio = fine;
        while (inizio > 0 && percorso[inizio - 1] != '|') --inizio;
        if (su < 0 || !stessoNome(nodo(su), percorso + inizio, fine - inizio))
            return false;
        su = nodo(su).padre;
        fine = inizio;
    }
    return percorso[0] != '|' || su < 0;
}

// The node a name or DAG path of `lunghezza` bytes names (`a`, `a|b`,
// `|a|b`): the most recent whose name is the path's last part and whose
// ancestors are its other parts, from the root when the path begins with
// `|`. -1 when none is.
//
// A scene names mostly the node it has just made (a shape's parent is the
// transform before it), so the newest nodes are looked at first, one by
// one, and the index of names is built only when the name is not among
// them: a scene that never names an older node never builds it.
std::int32_t risolvi(const char* percorso, std::size_t lunghezza) {
    if (lunghezza == 0) return -1;
    std::size_t foglia = lunghezza;  // where the last part begins
    while (foglia > 0 && percorso[foglia - 1] != '|') --foglia;
    const std::int32_t tutti = static_cast<std::int32_t>(scena.nodi.quanti);
    const std::int32_t fuori = static_cast<std::int32_t>(scena.indicizzati);  // the first node not in the index
    const std::int32_t fin = tutti - fuori > RECENTI ? tutti - RECENTI : fuori;
    for (std::int32_t i = tutti - 1; i >= fin; --i)
        if (nominato(i, percorso, lunghezza, foglia)) return i;
    if (fin > fuori) indicizzaTutti();  // nodes not looked at remain outside it
    if (scena.secchi.empty()) return -1;
    const char* nome;
    const std::size_t n = nomeTenuto(percorso + foglia, lunghezza - foglia, &nome);
    const std::uint32_t hash = hashNome(nome, n);
    for (std::int32_t i = scena.secchi[hash & (scena.secchi.size() - 1)]; i >= 0;
         i = scena.seguenti[static_cast<std::size_t>(i)])
        if (nominato(i, percorso, lunghezza, foglia)) return i;
    return -1;
}

// --- Node types --------------------------------------------------------------

template <std::size_t N>
bool uguale(const char* p, std::size_t n, const char (&testo)[N]) {
    return n == N - 1 && stessiByte<N - 1>(p, testo);
}

template <std::size_t N>
bool finisceCon(const char* p, std::size_t n, const char (&fine)[N]) {
    return n >= N - 1 && std::memcmp(p + n - (N - 1), fine, N - 1) == 0;
}

bool contiene(const char* p, std::size_t n, const char* parte) {
    const std::size_t m = std::strlen(parte);
    for (std::size_t i = 0; i + m <= n; ++i)
        if (std::memcmp(p + i, parte, m) == 0) return true;
    return false;
}

// What a createNode of type `tipo` (`n` bytes) records; `soloFiglio` when
// it is recorded only with a parent: a type not known here is a shape then
// (a renderer's light when its type says Light: aiAreaLight,
// RedshiftPhysicalLight, VRayLightRectShape, PxrDomeLight), and no DAG node
// this program can tell without one.
Specie specieDi(const char* tipo, std::size_t n, bool* soloFiglio) {
    *soloFiglio = false;
    if (uguale(tipo, n, "transform") || uguale(tipo, n, "lookAt") || uguale(tipo, n, "ikHandle") ||
        uguale(tipo, n, "ikEffector") || uguale(tipo, n, "place3dTexture") || finisceCon(tipo, n, "Constraint"))
        return TRASFORMATA;  // constraints are transforms under the node they constrain
    if (uguale(tipo, n, "joint") || uguale(tipo, n, "hikFKJoint")) return GIUNTO;
    if (uguale(tipo, n, "spotLight")) return LUCE_SPOT;
    if (uguale(tipo, n, "pointLight")) return LUCE_PUNTO;
    if (uguale(tipo, n, "directionalLight")) return LUCE_DIREZIONALE;
    if (uguale(tipo, n, "ambientLight") || uguale(tipo, n, "areaLight") || uguale(tipo, n, "volumeLight"))
        return LUCE_ALTRA;
    *soloFiglio = true;
    return contiene(tipo, n, "Light") ? LUCE_ALTRA : ALTRO_NODO;
}

bool trasformata(Specie s) { return s == TRASFORMATA || s == GIUNTO; }
bool diLuce(Specie s) { return s >= LUCE_SPOT; }

// --- Statements --------------------------------------------------------------

bool parola(Genere g) { return g == PAROLA || g == STRINGA; }

// Where the next name kept begins: room for any name and its NUL past the
// names kept, in one block. Kept only when the count is moved past it.
std::size_t postoPerNome() {
    const std::size_t dove = aggiungi(scena.nomi, NOME_NODO + 1);
    tieniFinoA(scena.nomi, dove);
    return dove;
}

// The node a createNode statement makes, its type read: its name and parent
// from -n and -p (any other flag passed over), recorded when it is a DAG
// node this program keeps.
void leggiCreateNode() {
    Genere g = PAROLA;
    Specie specie = TRASFORMATA;  // the usual type, taken at once
    bool soloFiglio = false, tipoTagliato = false;
    char tipo[TIPO_LUCE];
    std::size_t lunghezzaTipo = 0;
    if (!prendi(" ") || !prendiParola("transform")) {
        g = leggiVoce();
        if (!parola(g)) {
            scena.corrente = -1;
            return;
        }
        // The type told while its word is in view; a light's kept for the
        // console.
        tipoTagliato = lettore.tagliata || lettore.lunghezza > TIPO_LUCE;
        specie = specieDi(lettore.voce, lettore.lunghezza, &soloFiglio);
        lunghezzaTipo = tipoTagliato ? 0 : lettore.lunghezza;
        if (diLuce(specie)) std::memcpy(tipo, lettore.voce, lunghezzaTipo);
    }
    // The name is written past the names kept, where it stays if the node
    // is kept.
    const std::size_t dove = postoPerNome();
    char* const nome = &in(scena.nomi, dove);
    std::size_t lunghezzaNome = 0;
    std::int32_t padre = -1;
    bool conPadre = false;
    for (;;) {
        // Maya writes `-n "NAME"` and `-p "PARENT"` so, and ends the
        // statement right after its last string: taken at once.
        if (prendi(";")) {
            g = FINE_ISTRUZIONE;
            break;
        }
        bool diNome = prendi(" -n \"");
        bool diPadre = !diNome && prendi(" -p \"");
        if (diNome || diPadre) {
            g = leggiStringaAperta();
        } else {
            g = leggiVoce();
            if (!parola(g)) break;
            diNome = voceE("-n") || voceE("-name");
            diPadre = !diNome && (voceE("-p") || voceE("-parent"));
            if (!diNome && !diPadre) continue;
            g = leggiVoce();
            if (!parola(g)) break;
        }
        if (diNome) {
            const char* inizio;
            lunghezzaNome = nomeTenuto(lettore.voce, lettore.lunghezza, &inizio);
            copiaNome(nome, inizio, lunghezzaNome);
        } else {
            conPadre = true;
            padre = risolvi(lettore.voce, lettore.lunghezza);
        }
    }
    if (parola(g)) passaIstruzione();
    scena.corrente = -1;
    if (tipoTagliato || (soloFiglio && !conPadre)) return;
    // Indices are 32 bits wide: a scene with more nodes than they count, or
    // more bytes of names, cannot be converted (nor one with more vectors,
    // vettoreDi).
    if (scena.nodi.quanti >= NODI_MASSIMI || scena.nomi.quanti >= NOMI_MASSIMI) {
        scena.troppi = true;
        return;
    }
    NodoScena n;
    n.nome = static_cast<std::uint32_t>(dove);
    tieniFinoA(scena.nomi, dove + lunghezzaNome + 1);
    nome[lunghezzaNome] = '\0';  // so that the name can be written as it is kept
    n.lunghezza = static_cast<std::uint8_t>(lunghezzaNome);
    n.padre = padre;
    n.specie = specie;
    n.visibile = true;
    n.dati = -1;
    n.ordine = 0;
    const std::int32_t indice = static_cast<std::int32_t>(aggiungi(scena.nodi));
    if (diLuce(specie)) {
        n.dati = static_cast<std::int32_t>(aggiungi(scena.luci));
        Luce& l = luce(n.dati);
        l = Luce{};
        l.nodo = indice;
        l.colore[0] = l.colore[1] = l.colore[2] = 1.0f;
        l.intensita = 1.0f;
        l.cono = 40.0;
        l.diffusa = l.speculare = true;
        std::memcpy(l.tipo, tipo, lunghezzaTipo);
    }
    nodo(indice) = n;
    scena.corrente = indice;
}

void leggiSelect() {
    scena.corrente = -1;
    Genere g;
    for (g = leggiVoce(); parola(g); g = leggiVoce())
        if (g == STRINGA || lettore.voce[0] != '-') {
            scena.corrente = risolvi(lettore.voce, lettore.lunghezza);
            break;
        }
    if (parola(g)) passaIstruzione();
}

void leggiUnita() {
    Genere g;
    for (g = leggiVoce(); parola(g); g = leggiVoce()) {
        if (!voceE("-a") && !voceE("-angle")) continue;
        g = leggiVoce();
        if (!parola(g)) break;
        if (lettore.lunghezza >= 3 && std::memcmp(lettore.voce, "rad", 3) == 0) scena.radianti = true;
        if (lettore.lunghezza >= 3 && std::memcmp(lettore.voce, "deg", 3) == 0) scena.radianti = false;
    }
    if (parola(g)) passaIstruzione();
}

// --- Attributes --------------------------------------------------------------

enum Valore { NUMERO, ANGOLO, INTERO, BOOLEANO };

// Where an attribute's values go: `quanti` of them into the node's
// transform or light.
struct Bersaglio {
    float* singoli;
    double* doppi;
    int* interi;
    std::int8_t* interi8;
    bool* booleani;
    int quanti;
    Valore valore;
};

// What an attribute name stands for: a group (the visibility, the rotate
// order, one of the transform's vectors, the colour, a light's scalar) and
// a component of it, or -1 for the whole.
enum Gruppo : std::uint8_t {
    VISIBILITA,
    ORDINE,
    VETTORE,  // VETTORE + k: the k-th of VETTORI
    COLORE = VETTORE + 10,
    INTENSITA,
    DECADIMENTO,
    CONO,
    PENOMBRA,
    DIFFUSA,
    SPECULARE
};

struct Vettore {
    const char* breve;
    const char* lungo;
    float (Trasformata::*campo)[3];
    bool angolo;
    bool taglio;  // components xy, xz, yz
    float iniziale;  // Maya's default of each component
};

const Vettore VETTORI[] = {
    {"t", "translate", &Trasformata::t, false, false, 0},
    {"r", "rotate", &Trasformata::r, true, false, 0},
    {"s", "scale", &Trasformata::s, false, false, 1},
    {"sh", "shear", &Trasformata::sh, false, true, 0},
    {"sp", "scalePivot", &Trasformata::sp, false, false, 0},
    {"spt", "scalePivotTranslate", &Trasformata::spt, false, false, 0},
    {"rp", "rotatePivot", &Trasformata::rp, false, false, 0},
    {"rpt", "rotatePivotTranslate", &Trasformata::rpt, false, false, 0},
    {"ra", "rotateAxis", &Trasformata::ra, true, false, 0},
    {"jo", "jointOrient", &Trasformata::jo, true, false, 0},
};
constexpr std::size_t QUANTI_VETTORI = sizeof VETTORI / sizeof VETTORI[0];

// The values of vector `quale` of transform `nodo`: the one the scene set
// before, else a new one at the default, put first in the node's list.
float* vettoreDi(NodoScena& nodo, std::uint8_t quale) {
    for (std::int32_t i = nodo.dati; i >= 0; i = seguenteDi(vettore(i)))
        if (qualeDi(vettore(i)) == quale) return vettore(i).v;
    if (scena.vettori.quanti >= VETTORI_MASSIMI) {
        static float scartato[3];
        scena.troppi = true;
        return scartato;
    }
    const float d = VETTORI[quale].iniziale;
    const std::int32_t i = static_cast<std::int32_t>(aggiungi(scena.vettori));
    vettore(i) = {static_cast<std::uint32_t>(nodo.dati + 1) << BIT_QUALE | quale, {d, d, d}};
    nodo.dati = i;
    return vettore(i).v;
}

// The names, short and long, of every attribute read, in a table indexed by
// a hash of the name (open addressing, a quarter full).
constexpr std::size_t NOME_ATTRIBUTO = 24;
struct VoceAttributo {
    char nome[NOME_ATTRIBUTO];
    std::uint8_t lunghezza;  // 0 for a free slot
    Gruppo gruppo;
    std::int8_t componente;
};
constexpr std::size_t ATTRIBUTI = 512;
struct Attributi {
    VoceAttributo voci[ATTRIBUTI];
};

void aggiungiAttributo(Attributi& a, const char* radice, const char* coda, Gruppo gruppo, int componente) {
    VoceAttributo v{};
    const std::size_t r = std::strlen(radice), c = std::strlen(coda);
    std::memcpy(v.nome, radice, r);
    std::memcpy(v.nome + r, coda, c);
    v.lunghezza = static_cast<std::uint8_t>(r + c);
    v.gruppo = gruppo;
    v.componente = static_cast<std::int8_t>(componente);
    std::size_t i = hashNome(v.nome, v.lunghezza) & (ATTRIBUTI - 1);
    while (a.voci[i].lunghezza != 0) i = (i + 1) & (ATTRIBUTI - 1);
    a.voci[i] = v;
}

// Each name with its components: `x` or `X`, `xy` or `XY`, `r` or `R`.
void aggiungiVettore(Attributi& a, const char* breve, const char* lungo, Gruppo gruppo, const char* const brevi[3],
                     const char* const lunghi[3]) {
    aggiungiAttributo(a, breve, "", gruppo, -1);
    aggiungiAttributo(a, lungo, "", gruppo, -1);
    for (int i = 0; i < 3; ++i) {
        aggiungiAttributo(a, breve, brevi[i], gruppo, i);
        aggiungiAttributo(a, lungo, lunghi[i], gruppo, i);
    }
}

const Attributi& attributi() {
    static const Attributi tabella = [] {
        static const char* const XYZ[3] = {"x", "y", "z"};
        static const char* const XYZ_LUNGHI[3] = {"X", "Y", "Z"};
        static const char* const TAGLI[3] = {"xy", "xz", "yz"};
        static const char* const TAGLI_LUNGHI[3] = {"XY", "XZ", "YZ"};
        static const char* const RGB[3] = {"r", "g", "b"};
        static const char* const RGB_LUNGHI[3] = {"R", "G", "B"};
        Attributi a{};
        aggiungiAttributo(a, "v", "", VISIBILITA, -1);
        aggiungiAttributo(a, "visibility", "", VISIBILITA, -1);
        aggiungiAttributo(a, "ro", "", ORDINE, -1);
        aggiungiAttributo(a, "rotateOrder", "", ORDINE, -1);
        for (std::size_t k = 0; k < QUANTI_VETTORI; ++k) {
            const Vettore& v = VETTORI[k];
            aggiungiVettore(a, v.breve, v.lungo, static_cast<Gruppo>(VETTORE + k), v.taglio ? TAGLI : XYZ,
                            v.taglio ? TAGLI_LUNGHI : XYZ_LUNGHI);
        }
        aggiungiVettore(a, "c", "color", COLORE, RGB, RGB_LUNGHI);
        aggiungiAttributo(a, "cl", "", COLORE, -1);
        const struct {
            const char* breve;
            const char* lungo;
            Gruppo gruppo;
        } scalari[] = {{"in", "intensity", INTENSITA},      {"de", "decayRate", DECADIMENTO},
                       {"ca", "coneAngle", CONO},           {"pa", "penumbraAngle", PENOMBRA},
                       {"edi", "emitDiffuse", DIFFUSA},     {"esp", "emitSpecular", SPECULARE}};
        for (const auto& s : scalari) {
            aggiungiAttributo(a, s.breve, "", s.gruppo, -1);
            aggiungiAttributo(a, s.lungo, "", s.gruppo, -1);
        }
        return a;
    }();
    return tabella;
}

// The n bytes at a and b alike: a short attribute name compared a byte at a
// time, cheaper than a call.
bool uguali(const char* a, const char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

const VoceAttributo* cercaAttributo(const char* nome, std::size_t n) {
    const Attributi& a = attributi();
    for (std::size_t i = hashNome(nome, n) & (ATTRIBUTI - 1); a.voci[i].lunghezza != 0; i = (i + 1) & (ATTRIBUTI - 1))
        if (a.voci[i].lunghezza == n && uguali(a.voci[i].nome, nome, n)) return &a.voci[i];
    return nullptr;
}

// The values the attribute `nome` (`n` bytes, without its leading '.') of
// node `nodo` takes; false for one this program does not read.
bool bersaglio(NodoScena& nodo, const char* nome, std::size_t n, Bersaglio* b) {
    const VoceAttributo* v = cercaAttributo(nome, n);
    if (v == nullptr) return false;
    *b = Bersaglio{};
    b->quanti = v->componente < 0 ? 3 : 1;
    const int c = v->componente < 0 ? 0 : v->componente;
    if (v->gruppo == VISIBILITA) {
        b->booleani = &nodo.visibile;
        b->quanti = 1;
        b->valore = BOOLEANO;
        return true;
    }
    if (trasformata(nodo.specie)) {
        if (v->gruppo == ORDINE) {
            b->interi8 = &nodo.ordine;
            b->quanti = 1;
            b->valore = INTERO;
            return true;
        }
        if (v->gruppo < VETTORE || v->gruppo >= COLORE) return false;
        const Vettore& vettore = VETTORI[v->gruppo - VETTORE];
        b->singoli = vettoreDi(nodo, static_cast<std::uint8_t>(v->gruppo - VETTORE)) + c;
        b->valore = vettore.angolo ? ANGOLO : NUMERO;
        return true;
    }
    if (!diLuce(nodo.specie) || v->gruppo < COLORE) return false;
    Luce& l = luce(nodo.dati);
    b->quanti = v->gruppo == COLORE ? b->quanti : 1;
    switch (v->gruppo) {
        case COLORE: b->singoli = l.colore + c, b->valore = NUMERO; break;
        case INTENSITA: b->singoli = &l.intensita, b->valore = NUMERO; break;
        case DECADIMENTO: b->interi = &l.decadimento, b->valore = INTERO; break;
        case CONO: b->doppi = &l.cono, b->valore = ANGOLO; break;
        case PENOMBRA: b->doppi = &l.penombra, b->valore = ANGOLO; break;
        case DIFFUSA: b->booleani = &l.diffusa, b->valore = BOOLEANO; break;
        default: b->booleani = &l.speculare, b->valore = BOOLEANO;
    }
    return true;
}

// A boolean word as MEL takes one: yes, on, true or a non-zero number; no,
// off, false or zero. False for any other word.
bool booleano(bool* valore) {
    if (voceE("yes") || voceE("on") || voceE("true")) return *valore = true, true;
    if (voceE("no") || voceE("off") || voceE("false")) return *valore = false, true;
    float numero;
    if (!numeroDiTesto(lettore.voce, lettore.lunghezza, &numero)) return false;
    *valore = numero != 0.0f;
    return true;
}

// Puts `numero` as the i-th value of `b`.
void metti(const Bersaglio& b, int i, float numero) {
    if (b.valore == INTERO) {
        // An enumeration: a rotate order (0 to 5) or a decay rate (0 to 3);
        // any other value, which would not even fit an int, is the first.
        const float fine = b.interi8 != nullptr ? 6.0f : 4.0f;
        const int v = numero >= 0.0f && numero < fine ? static_cast<int>(numero) : 0;
        if (b.interi8 != nullptr) {
            b.interi8[i] = static_cast<std::int8_t>(v);
        } else {
            b.interi[i] = v;
        }
        return;
    }
    double v = static_cast<double>(numero);
    if (b.valore == ANGOLO && scena.radianti) v *= 180.0 / PI;
    if (b.doppi != nullptr) {
        b.doppi[i] = v;
    } else {
        b.singoli[i] = static_cast<float>(v);
    }
}

// Reads the values of `b` from the `da`-th on, from the words after the
// attribute (and its -type), each into its place; a word that is no value
// leaves the rest as they were. Returns the last kind of word read.
Genere leggiValori(const Bersaglio& b, Genere g, int da) {
    for (int i = da; i < b.quanti && parola(g); ++i, g = leggiVoce()) {
        if (b.valore == BOOLEANO) {
            bool v;
            if (!booleano(&v)) break;
            b.booleani[i] = v;
            continue;
        }
        float numero;
        if (!numeroDiTesto(lettore.voce, lettore.lunghezza, &numero)) break;
        metti(b, i, numero);
    }
    return g;
}

void leggiSetAttr() {
    if (scena.corrente < 0) {  // a node this program keeps nothing of
        passaIstruzione();
        return;
    }
    Genere g;
    const char* nome;
    std::size_t n;
    if (prendi(" \".")) {  // the attribute right after setAttr, as Maya writes it
        g = leggiStringaBreve();
        nome = lettore.voce;
        n = lettore.lunghezza;
    } else {
        for (g = leggiVoce(); g == PAROLA; g = leggiVoce()) {
        }  // flags and their values, up to the attribute's name
        nome = lettore.voce + 1;
        n = g == STRINGA && lettore.lunghezza > 1 && lettore.voce[0] == '.' ? lettore.lunghezza - 1 : 0;
    }
    Bersaglio b;
    if (g == STRINGA && n > 0 && !lettore.tagliata &&
        bersaglio(nodo(scena.corrente), nome, n, &b)) {
        // The values as Maya writes them (a vector's after its -type), and
        // the statement's end.
        const bool terna = prendi(" -type \"double3\"") || prendi(" -type \"float3\"");
        int letti = 0;
        float numero;
        for (; letti < b.quanti && b.valore != BOOLEANO && prendiNumero(&numero); ++letti) metti(b, letti, numero);
        if (letti == b.quanti && (prendi(" ;") || prendi(";"))) return;
        if (terna || letti > 0) {
            g = leggiValori(b, leggiVoce(), letti);
            if (parola(g)) passaIstruzione();
            return;
        } else {
            g = leggiVoce();
            if (g == PAROLA && voceE("-type")) {
                g = leggiVoce();  // the type
                if (parola(g)) g = leggiVoce();
            }
        }
        g = leggiValori(b, g, 0);
    } else if (g == STRINGA) {
        g = PAROLA;  // more of the statement follows
    }
    if (parola(g)) passaIstruzione();
}

}  // namespace

void leggiScena() {
    tieniFinoA(scena.nodi, 0);
    tieniFinoA(scena.nomi, 0);
    tieniFinoA(scena.vettori, 0);
    tieniFinoA(scena.luci, 0);
    scena.secchi.clear();
    scena.indicizzati = 0;
    scena.radianti = false;
    scena.troppi = false;
    scena.corrente = -1;
    apriLettore();
    for (;;) {
        // A statement's first word taken at once where the view holds every
        // keyword and the two bytes after it: a statement that begins with
        // none of them is passed over whole without cutting its first word.
        if (!saltaBianchi()) break;
        if (lettore.fine - lettore.p > 13) {
            if (prendiParola("setAttr")) {
                leggiSetAttr();
            } else if (prendiParola("createNode")) {
                leggiCreateNode();
            } else if (prendiParola("select")) {
                leggiSelect();
            } else if (prendiParola("currentUnit")) {
                leggiUnita();
            } else if (!passaIstruzione()) {
                break;
            }
            continue;
        }
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

Trasformata trasformataDi(const NodoScena& n) {
    Trasformata t = trasformataIniziale();
    t.ro = n.ordine;
    t.giunto = n.specie == GIUNTO;
    for (std::int32_t i = n.dati; i >= 0; i = seguenteDi(vettore(i))) {
        const VettoreScena& v = vettore(i);
        float(&campo)[3] = t.*VETTORI[qualeDi(v)].campo;
        for (int k = 0; k < 3; ++k) campo[k] = v.v[k];
    }
    return t;
}

Matrice matriceMondo(std::int32_t n) {
    Matrice m = identita();
    for (; n >= 0; n = nodo(n).padre) {
        const NodoScena& su = nodo(n);
        if (trasformata(su.specie)) m = prodotto(m, matriceLocale(trasformataDi(su)));
    }
    return m;
}

bool visibileNelMondo(std::int32_t n) {
    for (; n >= 0; n = nodo(n).padre)
        if (!nodo(n).visibile) return false;
    return true;
}
