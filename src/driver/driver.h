// The conversion driver: from the two command-line paths to the exit status.
#ifndef MA2D3D_DRIVER_H
#define MA2D3D_DRIVER_H

// Runs a whole conversion: argv[1] is the scene, argv[2] the code file.
// Returns the exit status.
int esegui(int argc, const char* const* argv);

// Steps 5 on of a conversion whose two streams are already open and whose
// banner is written: hands every node token of the scene to the scanner,
// then closes both streams. Returns the exit status.
int convertiScena(const char* percorsoScena, const char* percorsoCodice);

#endif
