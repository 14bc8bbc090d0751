// The scanner's keywords, their comparison lengths and the prefix test made
// against them, and the statement heads built from them. This table is the
// one place where keywords are spelled.
#ifndef MA2D3D_PAROLE_H
#define MA2D3D_PAROLE_H

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "vettori.h"

enum Parola {
    CREATE_NODE,      // first word of a node statement
    TRANSFORM,        // node type of a transform node
    SPOT_LIGHT,       // node type of a spot light shape
    SET_ATTR,         // first word of an attribute statement
    ATTR_COLORE,      // ".cl", colour
    TIPO_FLOAT3,      // "float3", type of the three colour values
    ATTR_CONO,        // ".ca", cone angle
    ATTR_PENOMBRA,    // ".pa", penumbra angle
    NOME_LUCE,        // "spotLight, start of a light transform's quoted name
    ATTR_TRASLAZIONE, // ".t", translate
    TIPO_DOUBLE3,     // "double3", type of translate and rotate values
    ATTR_ROTAZIONE,   // ".r", rotate
    RENAME,           // first word of the rename statement newer scenes put after a node statement
    NUMERO_PAROLE
};

// Every token buffer handed to corrisponde holds at least this many bytes.
constexpr unsigned CONFRONTO_MASSIMO = 16;

struct Voce {
    char testo[CONFRONTO_MASSIMO];
    unsigned lunghezza;                         // comparison length
    unsigned char maschera[CONFRONTO_MASSIMO];  // 0xff for each compared byte
};

template <std::size_t N>
constexpr Voce voce(const char (&testo)[N], unsigned lunghezza) {
    static_assert(N <= CONFRONTO_MASSIMO, "keyword too long");
    Voce v{};
    for (std::size_t i = 0; i < N; ++i) v.testo[i] = testo[i];
    v.lunghezza = lunghezza;
    for (unsigned i = 0; i < lunghezza && i < CONFRONTO_MASSIMO; ++i) v.maschera[i] = 0xff;
    return v;
}

// The double quotes belong to the keyword: the scene writes attribute names,
// value types and node names between quotes.
inline constexpr Voce PAROLE[NUMERO_PAROLE] = {
    voce("createNode", 10), voce("transform", 9), voce("spotLight", 9), voce("setAttr", 7),
    voce("\".cl\"", 5),     voce("\"float3\"", 8), voce("\".ca\"", 5),   voce("\".pa\"", 5),
    voce("\"spotLight", 10), voce("\".t\"", 4),   voce("\"double3\"", 9), voce("\".r\"", 4),
    voce("rename", 6),
};

constexpr bool lunghezzeGiuste() {
    for (const Voce& v : PAROLE) {
        unsigned n = 0;
        while (v.testo[n] != '\0') ++n;
        if (n != v.lunghezza) return false;
    }
    return true;
}
static_assert(lunghezzeGiuste(), "a comparison length differs from its keyword's length");

// True when the first n characters of `token` equal those of the keyword, n
// being the keyword's comparison length: `transformX` matches transform,
// `".tx"` does not match ".t", a shorter token never matches. Case-sensitive.
//
// `token` is a NUL-terminated string at the start of a buffer of at least
// CONFRONTO_MASSIMO bytes. The test compares 16 bytes under the keyword's
// mask, without a branch or a call: since no keyword holds a NUL, a token
// shorter than the keyword differs from it at its own NUL, whatever bytes
// follow that in the buffer.
inline bool corrisponde(const char* token, Parola parola) {
    const Voce& v = PAROLE[parola];
    std::uint64_t t[2], k[2], m[2];
    std::memcpy(t, token, sizeof t);
    std::memcpy(k, v.testo, sizeof k);
    std::memcpy(m, v.maschera, sizeof m);
    return (((t[0] ^ k[0]) & m[0]) | ((t[1] ^ k[1]) & m[1])) == 0;
}

// corrisponde, with the token's first byte tested first: for a token that
// is seldom the keyword.
inline bool inizia(const char* token, Parola parola) {
    return token[0] == PAROLE[parola].testo[0] && corrisponde(token, parola);
}

// A set of keywords: bit p for the keyword p.
using Parole = std::uint32_t;
constexpr Parole insieme(Parola parola) { return Parole{1} << parola; }

// For each byte, the keywords that begin with it: a token whose first byte
// begins none of a set's keywords matches none of them.
struct Iniziali {
    Parole di[256];
};
constexpr Iniziali iniziali() {
    Iniziali t{};
    for (unsigned p = 0; p < NUMERO_PAROLE; ++p)
        t.di[static_cast<unsigned char>(PAROLE[p].testo[0])] |= insieme(static_cast<Parola>(p));
    return t;
}
inline constexpr Iniziali INIZIALI = iniziali();

// True when `token` (as corrisponde takes it) matches a keyword of `parole`;
// only the keywords that begin with its first byte are compared.
inline bool corrispondeA(const char* token, Parole parole) {
    for (Parole m = parole & INIZIALI.di[static_cast<unsigned char>(token[0])]; m != 0; m &= m - 1)
        if (corrisponde(token, static_cast<Parola>(primoBit(m)))) return true;
    return false;
}

// Statement heads as Maya writes them: a run of tokens, each after one space
// (the first, in a few, after a line end and a tab or glued to what the
// handler read last), and the space (or the line end) after the last, as in
// ` ".t" -type "double3" `. Where the scene spells the bytes at the read
// position so, the handlers take the run at once (seguono, flusso.h) instead
// of reading and testing its tokens one at a time; every token of a head
// matches what the handler would test it for there, so the two ways come to
// the same.
constexpr std::size_t TESTA_MASSIMA = 32;
struct Testa {
    char testo[TESTA_MASSIMA];
    unsigned lunghezza;
    std::uint32_t bit;              // bit i set for each byte i of the text
    char ultimo[CONFRONTO_MASSIMO]; // the last token, as the token buffer holds it
};

// `prima` is what stands before the first token, where it is not one space;
// an empty part ends the run (no pointer is compared with nullptr: GCC's
// null sanitizer makes that no constant expression).
constexpr Testa testa(const char* primo, const char* secondo = "", const char* terzo = "",
                      char dopo = ' ', const char* prima = " ") {
    Testa t{};
    const char* parti[] = {primo, secondo, terzo};
    for (unsigned n = 0; n < 3; ++n) {
        const char* parte = parti[n];
        if (parte[0] == '\0') break;
        if (n == 0) {
            for (unsigned i = 0; prima[i] != '\0'; ++i) t.testo[t.lunghezza++] = prima[i];
        } else {
            t.testo[t.lunghezza++] = ' ';
        }
        for (unsigned i = 0; i < CONFRONTO_MASSIMO; ++i) t.ultimo[i] = '\0';
        for (unsigned i = 0; parte[i] != '\0'; ++i) t.testo[t.lunghezza++] = t.ultimo[i] = parte[i];
    }
    t.testo[t.lunghezza++] = dopo;
    t.bit = t.lunghezza == 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << t.lunghezza) - 1;
    return t;
}

inline constexpr Testa TESTA_TRASFORMAZIONE = testa(PAROLE[TRANSFORM].testo, "-n");
inline constexpr Testa TESTA_FORMA = testa(PAROLE[SPOT_LIGHT].testo, "-n");
inline constexpr Testa TESTA_TRASLAZIONE = testa(PAROLE[ATTR_TRASLAZIONE].testo, "-type", PAROLE[TIPO_DOUBLE3].testo);
inline constexpr Testa TESTA_ROTAZIONE = testa(PAROLE[ATTR_ROTAZIONE].testo, "-type", PAROLE[TIPO_DOUBLE3].testo);
inline constexpr Testa TESTA_COLORE = testa(PAROLE[ATTR_COLORE].testo, "-type", PAROLE[TIPO_FLOAT3].testo);
// The end of a statement of typed values, which ends its line.
inline constexpr Testa TESTA_FINE_VALORI = testa(";", "", "", '\n');
// The semicolon glued to a statement's one number, which ends its line.
inline constexpr Testa TESTA_FINE_NUMERO = testa(";", "", "", '\n', "");
// A rotate statement's first two tokens, on the line after a translate
// statement: neither is a createNode, and the second is no setAttr, so the
// transform handler's two reads of a rotate end there.
inline constexpr Testa TESTA_ROTAZIONE_DOPO =
    testa(PAROLE[SET_ATTR].testo, PAROLE[ATTR_ROTAZIONE].testo, "", ' ', "\n\t");
// The visibility statement Maya writes in every shape node, which ends its
// line: none of its tokens is one that the shape handler looks for.
inline constexpr Testa TESTA_VISIBILITA = testa("-k", "off", "\".v\";", '\n');

#endif
