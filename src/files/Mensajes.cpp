#include "files/Mensajes.h"

#include <algorithm>

#include "comun/Windows1252.h"

namespace rebanex {

// Runs of plain characters go in whole: trocear loads files of megabytes through here.
std::string TextoConSaltos(std::string_view bytes) {
    std::string texto;
    texto.reserve(bytes.size() + bytes.size() / 16);
    bool terminaEnSalto = false;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t fin = i;
        while (fin < bytes.size() && bytes[fin] != '\r' && bytes[fin] != '\n' &&
               bytes[fin] != '\0') {
            ++fin;
        }
        if (fin > i) {
            texto.append(bytes.substr(i, fin - i));
            terminaEnSalto = false;
        }
        if (fin == bytes.size()) {
            break;
        }
        const char c = bytes[fin];
        terminaEnSalto = c != '\0';
        texto += terminaEnSalto ? "\r\n" : " ";
        i = fin + (c == '\r' && fin + 1 < bytes.size() && bytes[fin + 1] == '\n' ? 2 : 1);
    }
    if (terminaEnSalto) {
        texto.resize(texto.size() - 2);
    }
    return texto;
}

void QuitarTelefono(std::string& texto) {
    constexpr std::string_view marca = "#TEL#";
    if (texto.empty() || texto.back() != '@') {
        return;
    }
    // 1-based positions L-2 down to L-25, never below 1.
    const long long largo = static_cast<long long>(texto.size());
    for (long long p = largo - 2; p >= std::max(1LL, largo - 25); --p) {
        if (std::string_view(texto).substr(static_cast<std::size_t>(p - 1), marca.size()) ==
            marca) {
            texto.resize(static_cast<std::size_t>(p - 1));
            return;
        }
    }
}

std::string MensajeDeFichero(std::string_view texto) {
    std::string mensaje = TextoConSaltos(texto);
    QuitarTelefono(mensaje);
    return mensaje;
}

std::optional<std::string> CargarFicheroMensaje(const std::string& ruta,
                                                const std::string& directorioInicio, Disco& disco,
                                                Avisador& avisador) {
    std::string encontrado;
    if (disco.EsFichero(ruta)) {
        encontrado = ruta;
    } else if (disco.EsFichero(directorioInicio + ruta)) {
        encontrado = directorioInicio + ruta;
    } else {
        avisador.Avisar(AvisoFicheroNoEncontrado(ruta));
        return std::string();
    }
    const Lectura leido = disco.LeerTexto(encontrado);
    if (!leido) {
        avisador.Avisar(AvisoFicheroIlegible(encontrado, *leido.fallo));
        return std::nullopt;
    }
    if (!leido.sinConvertir.empty()) {
        avisador.Avisar(AvisoSinWindows1252("El fichero '" + encontrado + "'", leido.sinConvertir));
    }
    return MensajeDeFichero(leido.contenido);
}

LineaComandos InterpretarLineaComandos(std::string_view cmd) {
    if (!cmd.empty() && cmd.front() == '\t') {
        return {true, std::string(cmd.substr(1))};
    }
    std::string ruta(cmd);
    ruta.erase(std::remove(ruta.begin(), ruta.end(), '"'), ruta.end());
    return {false, ruta};
}

Aviso AvisoFicheroNoEncontrado(const std::string& ruta) {
    return Aviso{"Fichero <" + ruta + "> no encontrado", "Rebanex", Icono::Exclamacion,
                 Botones::Aceptar};
}

Aviso AvisoFicheroGordo() {
    return Aviso{"Fichero muuuuuuuu gordo :P (Max 50KB)", "Bruutoooooo!!!", Icono::Exclamacion,
                 Botones::Aceptar};
}

}  // namespace rebanex
