// Helpers for tests that feed text to the token stream through a real FILE*.
#ifndef MA2D3D_SCENA_DI_PROVA_H
#define MA2D3D_SCENA_DI_PROVA_H

#include <cstdio>
#include <string>

// A temporary file holding `testo`, rewound; closed by the caller.
inline std::FILE* fileCon(const std::string& testo) {
    std::FILE* f = std::tmpfile();
    std::fwrite(testo.data(), 1, testo.size(), f);
    std::rewind(f);
    return f;
}

#endif
