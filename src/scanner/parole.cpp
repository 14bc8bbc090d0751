// The one table of keywords with their comparison lengths.
#include "parole.h"

#include <cstring>

namespace {

struct Voce {
    const char* testo;
    unsigned lunghezza;
};

// The double quotes belong to the keyword: the scene writes attribute names,
// value types and node names between quotes.
constexpr Voce parole[NUMERO_PAROLE] = {
    {"createNode", 10}, {"transform", 9}, {"spotLight", 9}, {"setAttr", 7},
    {"\".cl\"", 5},     {"\"float3\"", 8}, {"\".ca\"", 5},   {"\".pa\"", 5},
    {"\"spotLight", 10}, {"\".t\"", 4},   {"\"double3\"", 9}, {"\".r\"", 4},
};

}  // namespace

bool corrisponde(const char* token, Parola parola) {
    const Voce& v = parole[parola];
    return std::strncmp(token, v.testo, v.lunghezza) == 0;
}

unsigned lunghezzaConfronto(Parola parola) { return parole[parola].lunghezza; }
