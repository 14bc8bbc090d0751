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

#include "blocchi.h"
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
    std::uint32_t nome;      // where its name begins in Scena::nomi
    std::int32_t padre;      // -1 for a node at the root
    std::int32_t dati;       // a transform's first VettoreScena, a light's Luce; -1 for none
    std::uint8_t lunghezza;  // the name's bytes, at most NOME_NODO
    std::int8_t ordine;      // a transform's rotate order
    Specie specie;
    bool visibile;
};
static_assert(sizeof(NodoScena) == 16, "sixteen bytes a node, 2^17 nodes a block of 2 MiB");

// One vector a transform's statements set (translate, rotate, scale...),
// in a list per node: Maya leaves attributes at their defaults out of the
// file, so most transforms hold one or two, and a vector set component by
// component starts from its default.
struct VettoreScena {
    // Which vector it is in the low bits (scena.cpp's VETTORI) and, above
    // them, the node's next vector plus one, 0 after its last.
    std::uint32_t legame;
    float v[3];
};
constexpr unsigned BIT_QUALE = 4;
static_assert(sizeof(VettoreScena) == 16, "sixteen bytes a vector, 2^17 vectors a block of 2 MiB");

struct Luce {
    std::int32_t nodo;
    float colore[3];
    float intensita;
    int decadimento;      // 0 none, 1 linear, 2 quadratic, 3 cubic
    double cono, penombra;  // degrees
    bool diffusa, speculare;
    char tipo[TIPO_LUCE + 1];
};

// Nodes, vectors and bytes of names a scene may hold: their indices are 32
// bits wide.
constexpr std::size_t NODI_MASSIMI = 0x7fffffff;
constexpr std::size_t VETTORI_MASSIMI = (std::size_t{1} << (32 - BIT_QUALE)) - 2;
constexpr std::size_t NOMI_MASSIMI = 0xffffffffu - NOME_NODO - 1;

// The scene's state: the records, the index of names, the lights, the node
// the next setAttr applies to and the unit of angles. The index of names
// holds the nodes before `indicizzati`; the newer ones are looked at one by
// one (scena.cpp's risolvi).
struct Scena {
    Blocchi<NodoScena, 17, (NODI_MASSIMI >> 17) + 1> nodi;
    Blocchi<char, 21, ((NOMI_MASSIMI + NOME_NODO + 1) >> 21) + 1> nomi;  // every kept node's name and a NUL
    Blocchi<VettoreScena, 17, (VETTORI_MASSIMI >> 17) + 1> vettori;
    Blocchi<Luce, 14, (NODI_MASSIMI >> 14) + 1> luci;
    std::vector<std::int32_t> secchi;    // the newest node of each bucket of names, -1 when none
    std::vector<std::int32_t> seguenti;  // for each node in the index, the next older in its bucket
    std::size_t indicizzati;             // the nodes before this one are in the index
    std::int32_t corrente;             // the node setAttr applies to, -1 for one not kept
    bool radianti;                     // angles are written in radians
    bool troppi;                       // more nodes than indices count: nothing is converted
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

inline NodoScena& nodo(std::int32_t i) { return in(scena.nodi, static_cast<std::size_t>(i)); }
inline VettoreScena& vettore(std::int32_t i) { return in(scena.vettori, static_cast<std::size_t>(i)); }
// A vector's successor in its node's list (-1 after the last), and which
// vector it is.
inline std::int32_t seguenteDi(const VettoreScena& v) { return static_cast<std::int32_t>(v.legame >> BIT_QUALE) - 1; }
inline unsigned qualeDi(const VettoreScena& v) { return v.legame & ((1u << BIT_QUALE) - 1); }
inline Luce& luce(std::int32_t i) { return in(scena.luci, static_cast<std::size_t>(i)); }

// The name of node `n`.
inline const char* nomeDi(const NodoScena& n) { return &in(scena.nomi, n.nome); }

// True when neither `n` nor any ancestor has its visibility off.
bool visibileNelMondo(std::int32_t n);

#endif
