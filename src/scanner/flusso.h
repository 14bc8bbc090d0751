// The scene token stream: one read position over the scene file, shared by the
// driver and the scanner. Tokens are runs of non-white-space bytes; numbers are
// read with our own decimal grammar; every read is strictly forward.
#ifndef MA2D3D_FLUSSO_H
#define MA2D3D_FLUSSO_H

#include <cstddef>
#include <cstdio>

#include "parole.h"

// Capacity of every token buffer: a token keeps at most LUNGHEZZA_TOKEN - 1
// characters; the rest of a longer run of non-white-space bytes is skipped.
constexpr std::size_t LUNGHEZZA_TOKEN = 500000;

// Result of a read that found nothing at all before the end of input.
constexpr int FINE_FLUSSO = -1;

// Starts reading `sorgente` from its current position, with every flag clear.
void apriFlusso(std::FILE* sorgente);

// Limits the bytes fetched per refill (tests shrink it to move block edges
// inside tokens and numbers). Values are clamped to [16, the static buffer];
// call it before apriFlusso.
void impostaBlocco(std::size_t byte);

// Fetches the first block so that an unreadable scene shows up before any
// output exists. Returns false on a read error.
bool primoBlocco();

// Next token into `dest` (LUNGHEZZA_TOKEN bytes): 1 when a token was stored,
// FINE_FLUSSO at end of input, where `dest` is left as it was.
int leggiToken(char* dest);

// For a run of leggiToken calls from the read position: cuts their tokens
// from a window opened here where the block holds one, as the first call
// would open it, without that call's failed attempt. Reads nothing.
void apriLettura();

// Like leggiToken, but passes over every token that does not begin with
// "createNode" without storing it: the driver has nothing to do for those.
int leggiTokenNodo(char* dest);

// True when the scene holds `testa`'s text at the read position: its tokens
// are then read as leggiToken would read them one at a time, leaving the last
// one in `dest` (a token buffer) and the read position after it. False,
// reading nothing, when it does not, or when the block does not hold 32 bytes
// from the read position (the way a token at a time is always there).
bool seguono(char* dest, const Testa& testa);

// Tells, where the block shows them, that none of the next `n` tokens (n at
// least 1; fewer when one matches `ultima`, which is then the last) matches
// `a` or `b`: true when none does, having read the tokens before the last and
// left the read position at the start of the last. False, reading nothing,
// when one does or the block does not show them: they must start and end
// within 32 bytes of the read position, but for the last, which need only
// start there.
bool nessunaFra(Parola a, Parola b, Parola ultima, int n);

// Next number into `numero`: 1 when read, 0 when no number starts here (the
// value is untouched), FINE_FLUSSO at end of input.
int leggiNumero(float* numero);

// Set once any read has met the end of the scene (or a read error).
bool fineFlusso();

// Set when the end was caused by a read error rather than the end of file.
bool erroreFlusso();

// The leading decimal integer of a token, as atoi, clamped to the int range.
int interoDi(const char* token);

#endif
