// The scene scanner as the driver sees it.
#ifndef MA2D3D_SCANNER_H
#define MA2D3D_SCANNER_H

// Handles one token read by the driver. Returns at once unless the token
// begins with "createNode"; then it reads on in the scene by itself through
// the node statement (and possibly the ones after it), writing light code.
void parseString(const char* entrata);

// The driver's read: the next token that may begin a node statement, into
// `stringa`, passing over every other token (parseString would return at
// once for them). As the token stream's reads: 1, or FINE_FLUSSO at the end.
int leggiInizioNodo(char* stringa);

// Puts the run-wide light state back to its start: no light found yet.
void azzeraLuci();

#endif
