#include "app/win32/ShellWin32.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <urlmon.h>

#include <cstdint>

#include "app/win32/Manejadores.h"

namespace rebanex::win32 {

namespace {

const char* NuloSiVacio(const std::string& texto) {
    return texto.empty() ? nullptr : texto.c_str();
}

}  // namespace

// ShellExecuteA's result is above 32 when it succeeded.
bool ShellWin32::Abrir(const std::string& fichero, const std::string& parametros,
                       const std::string& directorio, Mostrar mostrar) {
    const HINSTANCE r = ShellExecuteA(dueno_, "open", fichero.c_str(), NuloSiVacio(parametros),
                                      NuloSiVacio(directorio),
                                      mostrar == Mostrar::Normal ? SW_SHOWNORMAL : SW_SHOW);
    return reinterpret_cast<std::intptr_t>(r) > 32;
}

std::optional<std::string> ShellWin32::BuscarEjecutable(const std::string& fichero) {
    char programa[MAX_PATH] = {};
    const HINSTANCE r = FindExecutableA(fichero.c_str(), nullptr, programa);
    if (reinterpret_cast<std::intptr_t>(r) <= 32) {
        return std::nullopt;
    }
    return std::string(programa);
}

// The program is named apart from its command line: read from an unquoted line, a path with
// spaces would start whatever lies at its first words (C:\Archivos.exe).
bool ShellWin32::Ejecutar(const std::string& programa, const std::string& lineaComandos) {
    std::string linea = lineaComandos;  // CreateProcessA may write into it
    STARTUPINFOA inicio{};
    inicio.cb = sizeof(inicio);
    inicio.dwFlags = STARTF_USESHOWWINDOW;
    inicio.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION proceso{};
    if (!CreateProcessA(programa.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &inicio, &proceso)) {
        return false;
    }
    // Not awaited: the handles are only closed.
    ManejadorUnico hilo(proceso.hThread);
    ManejadorUnico iniciado(proceso.hProcess);
    return true;
}

// A full path in either case: a bare "notepad.exe" would be looked for in the current folder
// first.
std::string ShellWin32::EditorDeTexto() {
    char editor[MAX_PATH] = {};
    DWORD largo = MAX_PATH;
    if (SUCCEEDED(AssocQueryStringA(ASSOCF_NOTRUNCATE, ASSOCSTR_EXECUTABLE, ".txt", "open", editor,
                                    &largo)) &&
        editor[0] != '\0') {
        return editor;
    }
    char sistema[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryA(sistema, MAX_PATH);
    return std::string(sistema, n < MAX_PATH ? n : 0) + "\\notepad.exe";
}

bool ShellWin32::Descargar(const std::string& url, const std::string& destino) {
    return URLDownloadToFileA(nullptr, url.c_str(), destino.c_str(), 0, nullptr) == S_OK;
}

// A path longer than MAX_PATH comes back cut to the buffer: the buffer grows until it fits.
std::string ShellWin32::RutaEjecutable() {
    std::string ruta(MAX_PATH, '\0');
    DWORD n = 0;
    while ((n = GetModuleFileNameA(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()))) ==
           ruta.size()) {
        ruta.resize(ruta.size() * 2);
    }
    ruta.resize(n);
    return ruta;
}

}  // namespace rebanex::win32
