#include "sistema/Ficheros.h"

#include <sys/stat.h>

#include <cerrno>
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
    return Lectura{{}, motivo};
}

}  // namespace

Lectura LeerFichero(const std::string& ruta) {
    OlvidarError();
    const Fichero f = Abrir(ruta, false);
    if (!f) {
        return Fallo(ruta, false);
    }
    std::string contenido;
    char bloque[1 << 16];
    std::size_t leidos;
    while ((leidos = std::fread(bloque, 1, sizeof bloque, f.get())) > 0) {
        contenido.append(bloque, leidos);
    }
    if (std::ferror(f.get())) {
        return Fallo(ruta, true);
    }
    return Lectura{std::move(contenido), std::nullopt};
}

Lectura LeerTexto(const std::string& ruta) {
    Lectura leido = LeerFichero(ruta);
    if (leido) {
        leido.contenido = TextoWindows1252(std::move(leido.contenido));
    }
    return leido;
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
