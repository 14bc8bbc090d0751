// The refusals and failures both programs print, word for word, each on one
// line of standard output naming a path, with exit status 1.
#ifndef MA2D3D_MESSAGGI_H
#define MA2D3D_MESSAGGI_H

#include <cstdio>

inline constexpr char NON_APRO[] = "Impossibile aprire il file %s \n";
inline constexpr char NON_SCRIVO[] = "Impossibile scrivere sul file %s \n";
inline constexpr char NON_LEGGO[] = "Errore di lettura del file %s \n";
inline constexpr char STESSO_FILE[] = "Il file %s e' la scena stessa: non lo sovrascrivo \n";
inline constexpr char SCENA_MAYA[] = "Il file %s e' una scena Maya: non lo sovrascrivo \n";
inline constexpr char TROPPI_NODI[] = "La scena %s ha troppi nodi: non la converto \n";
inline constexpr char SENZA_MEMORIA[] = "Memoria insufficiente per la scena %s: non la converto \n";
inline constexpr char BINARIA[] = "Il file %s e' una scena Maya binaria, non ASCII: non la converto \n";

// Prints `messaggio` with `percorso` and gives the exit status of a failure.
inline int fallisci(const char* messaggio, const char* percorso) {
    std::printf(messaggio, percorso);
    return 1;
}

#endif
