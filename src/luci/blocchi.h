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

#include "../driver/piattaforma.h"
#include <type_traits>
#include <vector>

template <typename T, unsigned B>
struct Blocchi {
    static_assert(std::is_trivially_copyable<T>::value, "records are kept as bytes");
    static constexpr std::size_t PER_BLOCCO = std::size_t{1} << B;
    std::vector<T*> blocchi;  // taken once, kept when the records are let go
    std::size_t quanti;       // records kept
};

template <typename T, unsigned B>
inline T& in(Blocchi<T, B>& b, std::size_t i) {
    return b.blocchi[i >> B][i & (Blocchi<T, B>::PER_BLOCCO - 1)];
}
template <typename T, unsigned B>
inline const T& in(const Blocchi<T, B>& b, std::size_t i) {
    return b.blocchi[i >> B][i & (Blocchi<T, B>::PER_BLOCCO - 1)];
}

// Makes the records from `i` on the next to be kept, `i` at most the count.
// Blocks already taken stay for them.
template <typename T, unsigned B>
inline void tieniFinoA(Blocchi<T, B>& b, std::size_t i) {
    b.quanti = i;
}

// Room for `n` more records in one block, at most a block's worth: a new
// block when the rest of this one is too small for them, the rest left
// unused. Returns the first; the count grows by n.
template <typename T, unsigned B>
inline std::size_t aggiungi(Blocchi<T, B>& b, std::size_t n = 1) {
    constexpr std::size_t PER = Blocchi<T, B>::PER_BLOCCO;
    std::size_t i = b.quanti;
    if ((i & (PER - 1)) + n > PER) i = (i | (PER - 1)) + 1;  // the next block's first
    if ((i >> B) == b.blocchi.size()) {
        void* blocco = memoriaBlocco(sizeof(T) * PER, !b.blocchi.empty());
        if (blocco == nullptr) throw std::bad_alloc();
        b.blocchi.push_back(static_cast<T*>(blocco));
    }
    b.quanti = i + n;
    return i;
}

#endif
