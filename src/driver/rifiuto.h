// The refusals both programs decide before they create anything: a scene
// that cannot be read, a Maya binary scene, a code file that is the scene
// itself or another scene.
#ifndef MA2D3D_RIFIUTO_H
#define MA2D3D_RIFIUTO_H

#include <cstdio>

// Starts the token stream on `scena` (open as `percorsoScena`, unbuffered)
// and fetches its first block. Returns nullptr when the run may go on, else
// the refusal's message, with the path it names in *rifiutato.
const char* rifiuto(std::FILE* scena, const char* percorsoScena, const char* percorsoCodice, const char** rifiutato);

#endif
