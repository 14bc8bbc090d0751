// The scene as Maya means it: one record per DAG node (its name, parent,
// kind, visibility and, for a transform or a joint, the attributes the
// scene sets), the
// lights in the order of their createNode statements, and what the
// statements createNode, setAttr, select -ne and currentUnit do to them.
#ifndef MA2D3D_LUCI_SCENA_H
#define MA2D3D_LUCI_SCENA_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "matrice.h"

// A node's name keeps at most this many bytes (Maya's names are far
// shorter); a longer one is cut, and compared as cut. The names are kept
// one after the other in one array, not in the records.
constexpr std::size_t NOME_NODO = 128;
// A light type's name, kept for the console, at most this many bytes.
constexpr std::size_t TIPO_LUCE = 48;

enum Specie : std::uint8_t {
    ALTRO_NODO,  // a DAG node of another type: a shape, or a transform type not known here
    TRASFORMATA,
    GIUNTO,
    LUCE_SPOT,
    LUCE_PUNTO,
    LUCE_DIREZIONALE,
    LUCE_ALTRA  // a light with no Direct3D 9 form
};

struct NodoScena {
    std::uint32_t nome;       // where its name begins in Scena::nomi
    std::uint32_t lunghezza;  // the name's bytes, at most NOME_NODO
    std::int32_t padre;       // -1 for a node at the root
    std::int32_t seguente;    // the next node in the same bucket of names
    std::uint32_t hash;       // of its name, which picks the bucket
    std::int32_t dati;        // a transform's first VettoreScena, a light's Luce; -1 for none
    std::int8_t ordine;       // a transform's rotate order
    Specie specie;
    bool visibile;
};

// One vector a transform's statements set (translate, rotate, scale...),
// in a list per node: Maya leaves attributes at their defaults out of the
// file, so most transforms hold one or two, and a vector set component by
// component starts from its default.
struct VettoreScena {
    std::int32_t seguente;  // the node's next vector, -1 after its last
    std::uint8_t quale;     // which: translate, rotate, ... (scena.cpp's VETTORI)
    float v[3];
};

struct Luce {
    std::int32_t nodo;
    float colore[3];
    float intensita;
    int decadimento;      // 0 none, 1 linear, 2 quadratic, 3 cubic
    double cono, penombra;  // degrees
    bool diffusa, speculare;
    char tipo[TIPO_LUCE + 1];
};

// The scene's state: the records, the index of names, the lights, the node
// the next setAttr applies to and the unit of angles.
struct Scena {
    std::vector<NodoScena> nodi;
    std::vector<char> nomi;  // every kept node's name, one after the other
    std::vector<VettoreScena> vettori;
    std::vector<Luce> luci;
    std::vector<std::int32_t> secchi;  // first node of each bucket of names, -1 when none
    std::int32_t corrente;             // the node setAttr applies to, -1 for one not kept
    bool radianti;                     // angles are written in radians
};

extern Scena scena;

// Reads the whole scene from the stream, statement by statement.
void leggiScena();

// The attributes of transform `n`: Maya's defaults but for what the scene
// set.
Trasformata trasformataDi(const NodoScena& n);

// The world matrix of node `n`: its own local matrix (none for a node that is
// no transform) times each ancestor's, child first.
Matrice matriceMondo(std::int32_t n);

// The name of node `n`.
inline const char* nomeDi(const NodoScena& n) { return scena.nomi.data() + n.nome; }

// True when neither `n` nor any ancestor has its visibility off.
bool visibileNelMondo(std::int32_t n);

#endif
