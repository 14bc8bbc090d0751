// Records kept in blocks that never move: a block of 2^B records is taken
// when the one before is full, so that keeping more never copies what is
// kept, and memory is touched only where a record is written. The scene's
// nodes, vectors, lights and names live in these. Every block after the
// first is asked for in large pages (memoriaBlocco): a scene that fills
// more than one fills them.
#ifndef MA2D3D_LUCI_BLOCCHI_H
#define MA2D3D_LUCI_BLOCCHI_H

#include <cstddef>
#include <new>
#include <type_traits>

#include "../driver/piattaforma.h"

// At most M blocks: the records' indices are bounded before they get there.
// The blocks are held for the whole run from a plain array, so that they
// stay reachable to the very end (a leak checker run at exit sees them).
template <typename T, unsigned B, std::size_t M>
struct Blocchi {
    static_assert(std::is_trivially_copyable<T>::value, "records are kept as bytes");
    static constexpr std::size_t PER_BLOCCO = std::size_t{1} << B;
    T* blocchi[M];       // taken once, kept when the records are let go
    std::size_t presi;   // blocks taken
    std::size_t quanti;  // records kept
};

template <typename T, unsigned B, std::size_t M>
inline T& in(Blocchi<T, B, M>& b, std::size_t i) {
    return b.blocchi[i >> B][i & (Blocchi<T, B, M>::PER_BLOCCO - 1)];
}
template <typename T, unsigned B, std::size_t M>
inline const T& in(const Blocchi<T, B, M>& b, std::size_t i) {
    return b.blocchi[i >> B][i & (Blocchi<T, B, M>::PER_BLOCCO - 1)];
}

// Makes the records from `i` on the next to be kept, `i` at most the count.
// Blocks already taken stay for them.
template <typename T, unsigned B, std::size_t M>
inline void tieniFinoA(Blocchi<T, B, M>& b, std::size_t i) {
    b.quanti = i;
}

// Room for `n` more records in one block, at most a block's worth: a new
// block when the rest of this one is too small for them, the rest left
// unused. Returns the first; the count grows by n. Throws std::bad_alloc
// when no memory is left for a block, or no place for one.
template <typename T, unsigned B, std::size_t M>
inline std::size_t aggiungi(Blocchi<T, B, M>& b, std::size_t n = 1) {
    constexpr std::size_t PER = Blocchi<T, B, M>::PER_BLOCCO;
    std::size_t i = b.quanti;
    if ((i & (PER - 1)) + n > PER) i = (i | (PER - 1)) + 1;  // the next block's first
    if ((i >> B) == b.presi) {
        if (b.presi == M) throw std::bad_alloc();
        void* blocco = memoriaBlocco(sizeof(T) * PER, b.presi > 0);
        if (blocco == nullptr) throw std::bad_alloc();
        b.blocchi[b.presi++] = static_cast<T*>(blocco);
    }
    b.quanti = i + n;
    return i;
}

#endif
