// The header ma2d3d-luci writes: one D3DLIGHT9 initialiser per light written,
// their count and their DAG paths, under a name taken from the header's
// file name; and the console line for every light of the scene.
#ifndef MA2D3D_LUCI_INTESTAZIONE_H
#define MA2D3D_LUCI_INTESTAZIONE_H

#include <cstdio>
#include <string>

// The name of the header's arrays: the file name of `percorso` up to its
// first '.', each byte that is not a letter, digit or '_' written as '_', a
// leading digit preceded by '_' ("luci.h" gives luci, "sala 2.h" sala_2).
std::string nomeDaPercorso(const char* percorso);

// Writes the header for the scene read to `file`, with the arrays named
// `nome`, and says each light on the console. False when a write failed.
bool scriviIntestazione(std::FILE* file, const std::string& nome);

#endif
