// Low-level file creation and file identity: the Windows run-time's _creat and
// _close with the volume serial number and file index, or POSIX creat and
// close with the device and inode numbers.
#include "piattaforma.h"

#include <cstdio>
#include <cstring>

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
