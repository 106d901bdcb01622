#include "sistema/Ficheros.h"

#include <sys/stat.h>
#ifndef _WIN32
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "comun/Windows1252.h"

namespace rebanex::ficheros {

namespace {

// The C runtime's calls rather than std::filesystem, which alone would more than double the
// size of each statically linked program.
#ifdef _WIN32
using RutaSistema = std::wstring;
using EstadoSistema = struct _stat64;
constexpr unsigned kEscribible = _S_IWRITE;  // clear for a read-only file
#else
using RutaSistema = std::string;
using EstadoSistema = struct stat;
constexpr unsigned kEscribible = S_IWUSR;
#endif

// The path as the system names it. A narrow string would reach the system through the
// runtime's own guess of its encoding, not as Windows-1252.
RutaSistema RutaNativa(std::string_view ruta) {
#ifdef _WIN32
    std::wstring ancha;
    ancha.reserve(ruta.size());
    for (const char c : ruta) {
        ancha += static_cast<wchar_t>(CaracterWindows1252(static_cast<unsigned char>(c)));
    }
    return ancha;
#else
    return AUtf8(ruta);
#endif
}

struct CerrarFichero {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichero = std::unique_ptr<std::FILE, CerrarFichero>;

Fichero Abrir(const std::string& ruta, bool escribir) {
#ifdef _WIN32
    return Fichero(_wfopen(RutaNativa(ruta).c_str(), escribir ? L"wb" : L"rb"));
#else
    return Fichero(std::fopen(RutaNativa(ruta).c_str(), escribir ? "wb" : "rb"));
#endif
}

#ifndef _WIN32
// A file mapped for reading while it is copied.
class Vista {
  public:
    Vista(std::FILE* f, std::size_t largo)
        : datos_(mmap(nullptr, largo, PROT_READ, MAP_PRIVATE, fileno(f), 0)), largo_(largo) {}
    ~Vista() {
        if (datos_ != MAP_FAILED) {
            munmap(datos_, largo_);
        }
    }
    Vista(const Vista&) = delete;
    Vista& operator=(const Vista&) = delete;
    const char* Datos() const {
        return datos_ != MAP_FAILED ? static_cast<const char*>(datos_) : nullptr;
    }

  private:
    void* datos_;
    std::size_t largo_;
};
#endif

#ifdef __linux__
// Older C libraries do not name these; older kernels refuse them, and the pages then come a
// fault at a time.
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23  // Linux 5.14
#endif
#ifndef MADV_COLLAPSE
#define MADV_COLLAPSE 25  // Linux 6.1
#endif
#endif

// Room for `capacidad` bytes, of which the first `previsto` are about to be written. On Linux
// their pages are asked of the system in one go rather than a fault each as the copy reaches
// them: here a fault costs a few microseconds, some 256 of them per MiB. From 1 MiB on, the
// room is rounded up to whole 2 MiB pages, which the system hands out and takes back whole for
// less than half of what their small pages cost, at the price of up to one such page unused.
void Reservar(std::string& contenido, std::size_t previsto, std::size_t capacidad) {
#ifdef __linux__
    constexpr std::size_t kGrande = std::size_t{2} << 20;
    constexpr std::size_t kAsignador = 64;  // the allocator's own bytes beside a block
    const bool grandes = previsto >= kGrande / 2;
    if (grandes) {
        capacidad = (capacidad + kAsignador + kGrande - 1) / kGrande * kGrande - kAsignador;
    }
    contenido.reserve(capacidad);
    const auto pagina = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto inicio = reinterpret_cast<uintptr_t>(contenido.data());
    uintptr_t desde = inicio & ~(pagina - 1);
    const uintptr_t hasta = (inicio + previsto) & ~(pagina - 1);
    // The block's last page may hold the allocator's bytes too: neither call changes a byte.
    const uintptr_t fin = (inicio + contenido.capacity() + pagina) & ~(pagina - 1);
    const uintptr_t grandeDesde = (desde + kGrande - 1) & ~(kGrande - 1);
    const uintptr_t grandeHasta = fin & ~(kGrande - 1);
    if (grandes && grandeHasta > grandeDesde) {
        // The system only collapses what has pages already: one small page in each large one.
        for (uintptr_t g = grandeDesde; g < grandeHasta; g += kGrande) {
            madvise(reinterpret_cast<void*>(g), pagina, MADV_POPULATE_WRITE);
        }
        if (madvise(reinterpret_cast<void*>(grandeDesde), grandeHasta - grandeDesde,
                    MADV_COLLAPSE) == 0) {
            if (grandeDesde > desde) {
                madvise(reinterpret_cast<void*>(desde), grandeDesde - desde, MADV_POPULATE_WRITE);
            }
            desde = std::max(desde, grandeHasta);
        }
    }
    if (hasta > desde) {
        madvise(reinterpret_cast<void*>(desde), hasta - desde, MADV_POPULATE_WRITE);
    }
#else
    (void)previsto;
    contenido.reserve(capacidad);
#endif
}

// Every byte of an open file from where it stands; nullopt on a read error. A regular file goes
// straight into a buffer of what it has left, with room for a message's line ends to become
// CR LF in place; what it may have grown by since, or a pipe, comes after, the buffer doubling.
// Growing by small blocks copied a large file several times, each time into fresh pages.
std::optional<std::string> LeerAbierto(std::FILE* f) {
    EstadoSistema estado{};
#ifdef _WIN32
    const bool medido = _fstat64(_fileno(f), &estado) == 0;
#else
    const bool medido = fstat(fileno(f), &estado) == 0;
#endif
    const long posicion = std::ftell(f);  // standard input may have been read from already
    const bool regular =
        medido && posicion >= 0 && (static_cast<unsigned>(estado.st_mode) & S_IFMT) == S_IFREG;
    const std::size_t previsto = regular && estado.st_size > posicion
                                     ? static_cast<std::size_t>(estado.st_size - posicion)
                                     : 0;
    std::string contenido;
    Reservar(contenido, previsto, previsto + previsto / 16 + 1);
    std::size_t largo = 0;
#ifndef _WIN32
    // On Linux, mapping a large file and copying it costs a fraction of what read() takes to
    // copy it out of the system's cache. A file cut short by another program during the copy
    // would end the process; read() is left for the small ones.
    constexpr std::size_t kMapear = std::size_t{1} << 16;
    if (previsto >= kMapear && posicion == 0) {
        const Vista vista(f, previsto);
        if (vista.Datos() != nullptr && std::fseek(f, static_cast<long>(previsto), SEEK_SET) == 0) {
            contenido.assign(vista.Datos(), previsto);
            largo = previsto;
        }
    }
#endif
    // One byte more than the size tells whether the file ends there.
    contenido.resize(regular ? previsto + 1 : std::size_t{1} << 16);
    for (;;) {
        largo += std::fread(contenido.data() + largo, 1, contenido.size() - largo, f);
        if (largo < contenido.size()) {
            break;
        }
        contenido.resize(contenido.size() * 2);
    }
    if (std::ferror(f)) {
        return std::nullopt;
    }
    contenido.resize(largo);
    return contenido;
}

// What is at the path, when it is of the kind asked (S_IFREG, S_IFDIR); nullopt otherwise.
std::optional<EstadoSistema> Estado(const std::string& ruta, unsigned tipo) {
    EstadoSistema estado{};
#ifdef _WIN32
    const int r = _wstat64(RutaNativa(ruta).c_str(), &estado);
#else
    const int r = stat(RutaNativa(ruta).c_str(), &estado);
#endif
    const bool esDeTipo = r == 0 && (static_cast<unsigned>(estado.st_mode) & S_IFMT) == tipo;
    return esDeTipo ? std::optional(estado) : std::nullopt;
}

bool EsDirectorio(const std::string& ruta) {
    return Estado(ruta, S_IFDIR).has_value();
}

void OlvidarError() {
    errno = 0;
#ifdef _WIN32
    _doserrno = 0;
#endif
}

// Why the last call on `ruta` failed, from errno. Windows refuses to open a folder, and
// Linux opens one and fails the read: either way the path tells. The Windows runtime gives
// EACCES both for a file another program holds without sharing and for a denied access; the
// system's own error code, which it keeps beside errno, tells them apart.
Lectura Fallo(const std::string& ruta, bool abierto) {
    const int error = errno;
#ifdef _WIN32
    constexpr unsigned long kCompartir = 32, kBloqueo = 33;  // ERROR_SHARING/LOCK_VIOLATION
    const bool enUso = _doserrno == kCompartir || _doserrno == kBloqueo;
#else
    const bool enUso = error == EBUSY;
#endif
    MotivoFallo motivo = MotivoFallo::ErrorLectura;
    if (EsDirectorio(ruta)) {
        motivo = MotivoFallo::EsCarpeta;
    } else if (enUso) {
        motivo = MotivoFallo::EnUso;
    } else if (!abierto && (error == EACCES || error == EPERM)) {
        motivo = MotivoFallo::SinPermiso;
    } else if (!abierto && (error == ENOENT || error == ENOTDIR)) {
        motivo = MotivoFallo::NoExiste;
    }
    return Lectura{{}, motivo, {}};
}

}  // namespace

Lectura LeerFichero(const std::string& ruta) {
    OlvidarError();
    const Fichero f = Abrir(ruta, false);
    if (!f) {
        return Fallo(ruta, false);
    }
    std::optional<std::string> contenido = LeerAbierto(f.get());
    if (!contenido) {
        return Fallo(ruta, true);
    }
    return Lectura{std::move(*contenido), std::nullopt, {}};
}

std::optional<std::string> LeerEntradaEstandar() {
    return LeerAbierto(stdin);
}

Lectura LeerTexto(const std::string& ruta) {
    return ComoTexto(LeerFichero(ruta));
}

bool EscribirFichero(const std::string& ruta, std::string_view bytes) {
    Fichero f = Abrir(ruta, true);
    if (!f) {
        return false;
    }
    const bool escrito =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
    return std::fclose(f.release()) == 0 && escrito;
}

bool ExisteFichero(const std::string& ruta) {
    return Estado(ruta, S_IFREG).has_value();
}

bool SoloLectura(const std::string& ruta) {
    const auto estado = Estado(ruta, S_IFREG);
    return estado && (static_cast<unsigned>(estado->st_mode) & kEscribible) == 0;
}

bool Borrar(const std::string& ruta) {
    if (!ExisteFichero(ruta)) {
        return false;
    }
#ifdef _WIN32
    return _wremove(RutaNativa(ruta).c_str()) == 0;
#else
    return std::remove(RutaNativa(ruta).c_str()) == 0;
#endif
}

bool Renombrar(const std::string& origen, const std::string& destino) {
#ifdef _WIN32
    return _wrename(RutaNativa(origen).c_str(), RutaNativa(destino).c_str()) == 0;
#else
    return std::rename(RutaNativa(origen).c_str(), RutaNativa(destino).c_str()) == 0;
#endif
}

std::optional<std::uintmax_t> TamanyoFichero(const std::string& ruta) {
    const auto estado = Estado(ruta, S_IFREG);
    return estado ? std::optional(static_cast<std::uintmax_t>(estado->st_size)) : std::nullopt;
}

}  // namespace rebanex::ficheros

namespace rebanex {

Lectura ComoTexto(Lectura leido) {
    if (leido) {
        Conversion1252 texto = TextoWindows1252Detallado(std::move(leido.contenido));
        leido.contenido = std::move(texto.texto);
        leido.sinConvertir = std::move(texto.sinConvertir);
    }
    return leido;
}

std::string TextoMotivo(MotivoFallo motivo) {
    switch (motivo) {
        case MotivoFallo::NoExiste:
            return "No existe.";
        case MotivoFallo::EnUso:
            return "Lo tiene abierto otro programa que no deja leerlo.";
        case MotivoFallo::SinPermiso:
            return "No tienes permiso para leerlo.";
        case MotivoFallo::EsCarpeta:
            return "Es una carpeta, no un fichero.";
        case MotivoFallo::ErrorLectura:
            break;
    }
    return "Error al leerlo del disco.";
}

}  // namespace rebanex
