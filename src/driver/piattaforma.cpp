// Low-level file creation and file identity: the Windows run-time's _creat and
// _close with the volume serial number and file index, or POSIX creat and
// close with the device and inode numbers; and the memory of ma2d3d-luci's
// records, in large pages where Linux has them.
#include "piattaforma.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void* memoriaBlocco(std::size_t n, bool grandi) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::size_t PAGINA = std::size_t{2} << 20;
    if (grandi && n % PAGINA == 0) {
        // Mapped with a page's room to spare, then cut to an aligned block.
        void* m = mmap(nullptr, n + PAGINA, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (m == MAP_FAILED) return nullptr;
        const std::uintptr_t inizio = reinterpret_cast<std::uintptr_t>(m);
        const std::uintptr_t allineato = (inizio + PAGINA - 1) & ~static_cast<std::uintptr_t>(PAGINA - 1);
        if (allineato > inizio) munmap(m, allineato - inizio);
        if (allineato - inizio < PAGINA) munmap(reinterpret_cast<void*>(allineato + n), PAGINA - (allineato - inizio));
        madvise(reinterpret_cast<void*>(allineato), n, MADV_HUGEPAGE);
        return reinterpret_cast<void*>(allineato);
    }
#endif
    (void)grandi;
    return std::malloc(n);
}

bool scenaMaya(const char* percorso) {
    static const char INTESTAZIONE[] = "//Maya ASCII";
    char inizio[sizeof INTESTAZIONE - 1];
    std::FILE* f = std::fopen(percorso, "rb");
    if (f == nullptr) return false;
    const bool maya = std::fread(inizio, 1, sizeof inizio, f) == sizeof inizio &&
                      std::memcmp(inizio, INTESTAZIONE, sizeof inizio) == 0;
    std::fclose(f);
    return maya;
}

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

int creaFile(const char* percorso) {
    // Windows knows no execute bit: 0700 means read and write for the owner.
    return _creat(percorso, _S_IREAD | _S_IWRITE);
}

void chiudiFile(int fd) {
    if (fd >= 0) _close(fd);
}

namespace {

bool identita(HANDLE h, BY_HANDLE_FILE_INFORMATION* info) {
    return h != INVALID_HANDLE_VALUE && GetFileInformationByHandle(h, info) != 0;
}

}  // namespace

bool stessoFile(std::FILE* aperto, const char* percorso) {
    BY_HANDLE_FILE_INFORMATION a, b;
    const HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(aperto)));
    if (!identita(h, &a)) return false;
    const HANDLE altro = CreateFileA(percorso, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const bool letto = identita(altro, &b);
    if (altro != INVALID_HANDLE_VALUE) CloseHandle(altro);
    return letto && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

bool sostituisciFile(const char* da, const char* a) {
    return MoveFileExA(da, a, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int creaFile(const char* percorso) { return creat(percorso, 0700); }

void chiudiFile(int fd) {
    if (fd >= 0) close(fd);
}

bool stessoFile(std::FILE* aperto, const char* percorso) {
    struct stat a, b;
    if (fstat(fileno(aperto), &a) != 0 || stat(percorso, &b) != 0) return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool sostituisciFile(const char* da, const char* a) { return std::rename(da, a) == 0; }
#endif
