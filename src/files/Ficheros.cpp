#include "files/Ficheros.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "comun/Windows1252.h"

namespace rebanex::ficheros {

namespace {

namespace fs = std::filesystem;

// The path as the system names it. A narrow string would reach the system through the
// runtime's own guess of its encoding (UTF-8 for std::filesystem on MinGW), not as Windows-1252.
fs::path RutaNativa(std::string_view ruta) {
#ifdef _WIN32
    std::wstring ancha;
    ancha.reserve(ruta.size());
    for (const char c : ruta) {
        ancha += static_cast<wchar_t>(CaracterWindows1252(static_cast<unsigned char>(c)));
    }
    return fs::path(std::move(ancha));
#else
    return fs::path(AUtf8(ruta));
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

fs::file_status Estado(const std::string& ruta) {
    std::error_code error;
    return fs::status(RutaNativa(ruta), error);
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
    return fs::is_regular_file(Estado(ruta));
}

bool EsDirectorio(const std::string& ruta) {
    return fs::is_directory(Estado(ruta));
}

bool Borrar(const std::string& ruta) {
    std::error_code error;
    return ExisteFichero(ruta) && fs::remove(RutaNativa(ruta), error);
}

std::optional<std::uintmax_t> TamanoFichero(const std::string& ruta) {
    std::error_code error;
    const std::uintmax_t tamano = fs::file_size(RutaNativa(ruta), error);
    if (error || !ExisteFichero(ruta)) {
        return std::nullopt;
    }
    return tamano;
}

}  // namespace rebanex::ficheros
