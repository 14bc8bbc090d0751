// The light transform handler: tells a light's transform node by its name,
// announces the light, names it, writes its declaration and turns the translate
// and rotate statements that follow into Position and Direction lines.
#include <cinttypes>
#include <cmath>
#include <cstdio>

#include "interno.h"

namespace {

// Reads the next token as an angle: its integer part, as a float, in radians.
float leggiAngolo() {
    leggiToken(token);
    return static_cast<float>(interoDi(token));
}

}  // namespace

void gestisciTrasformazione() {
    // Name look-ahead: at most three tokens, the name tested first.
    do {
        leggiToken(token);
        ++tries;
    } while (!(corrisponde(token, NOME_LUCE) || tries > 2 || corrisponde(token, CREATE_NODE) ||
               corrisponde(token, SET_ATTR)));
    tries = 0;
    if (!corrisponde(token, NOME_LUCE)) {
        // A transform that is not a light ends the current light, so that a
        // shape node after it cannot put its values on the light before.
        nomeluce[0] = '\0';
        return;
    }

    std::puts("Trovato un nuovo nodo:");
    std::puts(token);
    std::snprintf(nomeluce, sizeof nomeluce, "spotLight%" PRIu64, num_luce);
    ++num_luce;
    scriviDichiarazione(nomeluce);

    // Translate: setAttr ".t" -type "double3" x y z ;
    leggiToken(token);
    if (corrisponde(token, SET_ATTR)) {
        leggiToken(token);
        if (corrisponde(token, ATTR_TRASLAZIONE)) {
            if (!leggiFinoA(TIPO_DOUBLE3)) return;
            scriviNumeroLetto(POSITION_X);
            scriviNumeroLetto(POSITION_Y);
            scriviNumeroLetto(POSITION_Z);
            leggiToken(token);
        }
    }

    // Rotate: the second of the next two tokens must open the statement.
    leggiToken(token);
    leggiToken(token);
    if (!corrisponde(token, SET_ATTR)) return;
    leggiToken(token);
    if (!corrisponde(token, ATTR_ROTAZIONE)) return;
    if (!leggiFinoA(TIPO_DOUBLE3)) return;

    // Direction from the first two angles; the third is never read.
    const float a = leggiAngolo();
    scriviProprieta(nomeluce, DIRECTION_X, std::cos(static_cast<double>(a)));
    scriviProprieta(nomeluce, DIRECTION_Y, std::sin(static_cast<double>(a)));
    const float b = leggiAngolo();
    scriviProprieta(nomeluce, DIRECTION_Z, std::sin(static_cast<double>(b)));
}
