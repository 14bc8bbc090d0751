// The scanner's keywords and the statements built from them: the one place
// where a keyword is spelled, and where each statement that a handler may
// take at once is described, its head and the keywords that reading it a
// token at a time tests coming from the same description.
#ifndef MA2D3D_PAROLE_H
#define MA2D3D_PAROLE_H

#include "flusso/flusso.h"

// The double quotes belong to the keyword: the scene writes attribute names,
// value types and node names between quotes.
inline constexpr Parola CREATE_NODE = parola("createNode", 10);         // first word of a node statement
inline constexpr Parola TRANSFORM = parola("transform", 9);             // node type of a transform node
inline constexpr Parola SPOT_LIGHT = parola("spotLight", 9);            // node type of a spot light shape
inline constexpr Parola SET_ATTR = parola("setAttr", 7);                // first word of an attribute statement
inline constexpr Parola ATTR_COLORE = parola("\".cl\"", 5);             // colour
inline constexpr Parola TIPO_FLOAT3 = parola("\"float3\"", 8);          // type of the three colour values
inline constexpr Parola ATTR_CONO = parola("\".ca\"", 5);               // cone angle
inline constexpr Parola ATTR_PENOMBRA = parola("\".pa\"", 5);           // penumbra angle
inline constexpr Parola NOME_LUCE = parola("\"spotLight", 10);          // start of a light transform's quoted name
inline constexpr Parola ATTR_TRASLAZIONE = parola("\".t\"", 4);         // translate
inline constexpr Parola TIPO_DOUBLE3 = parola("\"double3\"", 9);        // type of translate and rotate values
inline constexpr Parola ATTR_ROTAZIONE = parola("\".r\"", 4);           // rotate
inline constexpr Parola RENAME = parola("rename", 6);  // the rename statement newer scenes put after a node statement

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
