// The refusals both programs decide before they create anything, each
// naming its path where it is decided.
#include "rifiuto.h"

#include "../scanner/flusso/flusso.h"
#include "messaggi.h"
#include "piattaforma.h"

const char* rifiuto(std::FILE* scena, const char* percorsoScena, const char* percorsoCodice, const char** rifiutato) {
    // The token stream reads whole blocks into its own buffer: a second
    // buffer in the FILE would only split each read in two.
    std::setvbuf(scena, nullptr, _IONBF, 0);
    // The first block is read before anything is created, so a scene that
    // opens but cannot be read (a directory) leaves no code file behind.
    apriFlusso(scena);
    *rifiutato = percorsoScena;
    if (!primoBlocco()) return NON_APRO;
    // A Maya binary scene (an IFF file) holds no statement a text scene
    // does: converted, it would give the banner alone and pass for a scene
    // without lights.
    if (prossimiSono("FOR4", 4) || prossimiSono("FOR8", 4)) return BINARIA;
    *rifiutato = percorsoCodice;
    if (stessoFile(scena, percorsoCodice)) return STESSO_FILE;
    if (scenaMaya(percorsoCodice)) return SCENA_MAYA;
    return nullptr;
}
