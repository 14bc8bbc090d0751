// The scanner's keywords and the statements built from them: the one place
// where a keyword is spelled, and where each statement that a handler may
// take at once is described, its head and the keywords that reading it a
// token at a time tests coming from the same description.
#ifndef MA2D3D_PAROLE_H
#define MA2D3D_PAROLE_H

#include "flusso/flusso.h"

// Every keyword, in one list: its name in the code, its text and its
// comparison length. The double quotes belong to the keyword: the scene
// writes attribute names, value types and node names between quotes.
#define MA2D3D_PAROLE(X)                                                                             \
    X(CREATE_NODE, "createNode", 10)         /* first word of a node statement */                   \
    X(TRANSFORM, "transform", 9)             /* node type of a transform node */                    \
    X(SPOT_LIGHT, "spotLight", 9)            /* node type of a spot light shape */                  \
    X(SET_ATTR, "setAttr", 7)                /* first word of an attribute statement */             \
    X(ATTR_COLORE, "\".cl\"", 5)             /* colour */                                           \
    X(TIPO_FLOAT3, "\"float3\"", 8)          /* type of the three colour values */                  \
    X(ATTR_CONO, "\".ca\"", 5)               /* cone angle */                                       \
    X(ATTR_PENOMBRA, "\".pa\"", 5)           /* penumbra angle */                                   \
    X(NOME_LUCE, "\"spotLight", 10)          /* start of a light transform's quoted name */         \
    X(ATTR_TRASLAZIONE, "\".t\"", 4)         /* translate */                                        \
    X(TIPO_DOUBLE3, "\"double3\"", 9)        /* type of translate and rotate values */              \
    X(ATTR_ROTAZIONE, "\".r\"", 4)           /* rotate */                                           \
    X(RENAME, "rename", 6)                   /* the rename statement newer scenes put after a node */

#define MA2D3D_PAROLA(nome, testo, lunghezza) inline constexpr Parola nome = parola(testo, lunghezza);
MA2D3D_PAROLE(MA2D3D_PAROLA)
#undef MA2D3D_PAROLA

// All of them, for the tests and tools that go through every keyword.
inline constexpr const Parola* PAROLE[] = {
#define MA2D3D_PAROLA(nome, testo, lunghezza) &nome,
    MA2D3D_PAROLE(MA2D3D_PAROLA)
#undef MA2D3D_PAROLA
};

// Statements as Maya writes them, which the handlers take at once where the
// scene spells them so (prendiTesta), else a token at a time. Maya puts one
// space before each token of a statement's head and one after the last.

// A node statement's type and the name flag after it: `createNode transform
// -n`. Read a token at a time, the type is tested against `tipo`; the flag is
// the first token of what the type's handler reads.
struct Nodo {
    Parola tipo;
    Testa testa;
};
constexpr Nodo nodo(const Parola& tipo) { return {tipo, testa(" ", {tipo.testo, "-n"}, ' ')}; }
inline constexpr Nodo NODO_TRASFORMAZIONE = nodo(TRANSFORM);
inline constexpr Nodo NODO_FORMA = nodo(SPOT_LIGHT);

// An attribute statement of three typed values, after its setAttr:
// `".t" -type "double3"`, then the values. Read a token at a time, the
// attribute name is tested against `nome` and the tokens are read up to one
// that matches `tipo`.
struct Attributo {
    Parola nome;
    Parola tipo;
    Testa testa;
};
constexpr Attributo attributo(const Parola& nome, const Parola& tipo) {
    return {nome, tipo, testa(" ", {nome.testo, "-type", tipo.testo}, ' ')};
}
inline constexpr Attributo TRASLAZIONE = attributo(ATTR_TRASLAZIONE, TIPO_DOUBLE3);
inline constexpr Attributo ROTAZIONE = attributo(ATTR_ROTAZIONE, TIPO_DOUBLE3);
inline constexpr Attributo COLORE = attributo(ATTR_COLORE, TIPO_FLOAT3);

// The transform handler's name look-ahead: at most `tokens` tokens after the
// node type, up to one that begins with the light's name (`nome`), a
// createNode (`nodo`) or a setAttr (`fine`). Read a token at a time and
// passed over in place, both from this description.
struct Sguardo {
    int tokens;
    Parola nome;
    Parola nodo;
    Parola fine;
};
inline constexpr Sguardo SGUARDO_NOME = {3, NOME_LUCE, CREATE_NODE, SET_ATTR};

// Runs of tokens that a handler reads without testing them, or tests only
// against keywords they are not, taken at once where Maya spells them so.
//
// The end of a statement of typed values, which ends its line: ` ;`.
inline constexpr Testa CHIUDE_VALORI = testa(" ", {";"}, '\n');
// The semicolon glued to a statement's one number, which ends its line.
inline constexpr Testa CHIUDE_NUMERO = testa("", {";"}, '\n');
// A rotate statement's first two tokens, on the line after a translate
// statement: neither is a createNode, and the second is no setAttr, so the
// transform handler's two reads of a rotate end there.
inline constexpr Testa ROTAZIONE_DOPO = testa("\n\t", {SET_ATTR.testo, ATTR_ROTAZIONE.testo}, ' ');
// The visibility statement Maya writes in every shape node, after its
// setAttr, which ends its line: none of its tokens is one that the shape
// handler looks for.
inline constexpr Testa VISIBILITA = testa(" ", {"-k", "off", "\".v\";"}, '\n');

#endif
