#include "files/Ficheros.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "comun/Windows1252.h"

namespace rebanex::ficheros {

namespace {

// The C runtime's calls rather than std::filesystem, which alone would more than double the
// size of each statically linked program.
#ifdef _WIN32
using RutaSistema = std::wstring;
using EstadoSistema = struct _stat64;
#else
using RutaSistema = std::string;
using EstadoSistema = struct stat;
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

}  // namespace

std::optional<std::string> LeerFichero(const std::string& ruta) {
    const Fichero f = Abrir(ruta, false);
    if (!f) {
        return std::nullopt;
    }
    std::string contenido;
    char bloque[1 << 16];
    std::size_t leidos;
    while ((leidos = std::fread(bloque, 1, sizeof bloque, f.get())) > 0) {
        contenido.append(bloque, leidos);
    }
    if (std::ferror(f.get())) {  // a folder opens on some systems; reading it fails
        return std::nullopt;
    }
    return contenido;
}

std::optional<std::string> LeerTexto(const std::string& ruta) {
    std::optional<std::string> bytes = LeerFichero(ruta);
    if (!bytes) {
        return std::nullopt;
    }
    return TextoWindows1252(std::move(*bytes));
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

bool EsDirectorio(const std::string& ruta) {
    return Estado(ruta, S_IFDIR).has_value();
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

std::optional<std::uintmax_t> TamanoFichero(const std::string& ruta) {
    const auto estado = Estado(ruta, S_IFREG);
    return estado ? std::optional(static_cast<std::uintmax_t>(estado->st_size)) : std::nullopt;
}

}  // namespace rebanex::ficheros
