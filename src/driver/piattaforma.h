// The few file operations that differ between Windows and POSIX systems, and
// the look at a file's first bytes that tells a Maya scene.
#ifndef MA2D3D_PIATTAFORMA_H
#define MA2D3D_PIATTAFORMA_H

#include <cstddef>
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

// Memory for `n` bytes of records that stay for the whole run (never given
// back), or null when there is none. Where the system has large pages and
// `grandi` asks for them, a block of a multiple of 2 MiB is aligned to one
// and asked to be backed by them: one fault instead of 512 for a program
// that fills it.
void* memoriaBlocco(std::size_t n, bool grandi);

#endif
