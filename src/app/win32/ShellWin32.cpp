#include "app/win32/ShellWin32.h"

#include <shellapi.h>
#include <urlmon.h>

#include <cstdint>

#include "app/win32/Manejadores.h"

namespace rebanex::win32 {

namespace {

const char* NuloSiVacio(const std::string& texto) {
    return texto.empty() ? nullptr : texto.c_str();
}

}  // namespace

int ShellWin32::Abrir(const std::string& fichero, const std::string& parametros,
                      const std::string& directorio, int mostrar) {
    const HINSTANCE r = ShellExecuteA(dueno_, "open", fichero.c_str(), NuloSiVacio(parametros),
                                      NuloSiVacio(directorio), mostrar);
    return static_cast<int>(reinterpret_cast<std::intptr_t>(r));
}

std::optional<std::string> ShellWin32::BuscarEjecutable(const std::string& fichero) {
    char programa[MAX_PATH] = {};
    const HINSTANCE r = FindExecutableA(fichero.c_str(), nullptr, programa);
    if (reinterpret_cast<std::intptr_t>(r) <= 32) {
        return std::nullopt;
    }
    return std::string(programa);
}

bool ShellWin32::Ejecutar(const std::string& lineaComandos) {
    std::string linea = lineaComandos;  // CreateProcessA may write into it
    STARTUPINFOA inicio{};
    inicio.cb = sizeof(inicio);
    inicio.dwFlags = STARTF_USESHOWWINDOW;
    inicio.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION proceso{};
    if (!CreateProcessA(nullptr, linea.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &inicio, &proceso)) {
        return false;
    }
    // Not awaited: the handles are only closed.
    ManejadorUnico hilo(proceso.hThread);
    ManejadorUnico programa(proceso.hProcess);
    return true;
}

bool ShellWin32::Descargar(const std::string& url, const std::string& destino) {
    return URLDownloadToFileA(nullptr, url.c_str(), destino.c_str(), 0, nullptr) == S_OK;
}

std::string ShellWin32::RutaEjecutable() {
    char ruta[MAX_PATH] = {};
    const DWORD largo = GetModuleFileNameA(nullptr, ruta, MAX_PATH);
    return std::string(ruta, largo);
}

}  // namespace rebanex::win32
