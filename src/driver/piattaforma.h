// The few file operations that differ between Windows and POSIX systems, and
// the look at a file's first bytes that tells a Maya scene.
#ifndef MA2D3D_PIATTAFORMA_H
#define MA2D3D_PIATTAFORMA_H

#include <cstdio>

// Creates the file, or truncates an existing one, with read, write and
// execute permission for the owner (0700 before the umask); returns the
// descriptor, or -1.
int creaFile(const char* percorso);

// Closes a descriptor returned by creaFile.
void chiudiFile(int fd);

// True when `percorso` names the very file open as `aperto`, however it is
// spelled (relative path, symbolic or hard link).
bool stessoFile(std::FILE* aperto, const char* percorso);

// True when `percorso` names a file that opens with the Maya ASCII header.
bool scenaMaya(const char* percorso);

// Puts the file `da` in the place of `a`, replacing any file there in one
// step, so that `a` is either the old file or the new one, never a part of
// either. False, with both left as they were, when it cannot.
bool sostituisciFile(const char* da, const char* a);

#endif
