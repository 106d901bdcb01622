#include "files/Mensajes.h"

#include <algorithm>
#include <cstring>

#include "comun/Bloque16.h"

#include "comun/Windows1252.h"

namespace rebanex {

namespace {

bool EsSalto(char c) {
    return c == '\r' || c == '\n';
}

// The last CR or LF before `fin`, or npos.
std::size_t SaltoAnterior(const char* texto, std::size_t fin) {
    for (; fin >= Bloque16::kLargo; fin -= Bloque16::kLargo) {
        const Bloque16 b = Bloque16::Leer(texto + fin - Bloque16::kLargo);
        if (const Mascara16 m = b.Iguales('\r') | b.Iguales('\n'); m != 0) {
            return fin - Bloque16::kLargo + Ultimo(m);
        }
    }
    while (fin > 0) {
        if (EsSalto(texto[--fin])) {
            return fin;
        }
    }
    return std::string::npos;
}

}  // namespace

// In place: trocear loads files of megabytes through here. A NUL becomes a space where it is and
// CR LF stays; only a lone CR or LF grows, into CR LF, and then the text is moved up from its
// end, stretch by stretch, each byte once.
std::string TextoConSaltos(std::string texto) {
    const std::size_t n = texto.size();
    char* d = texto.data();
    const bool terminaEnSalto = n > 0 && EsSalto(d[n - 1]);
    const auto suelto = [&](std::size_t i) {
        return d[i] == '\r' ? i + 1 == n || d[i + 1] != '\n' : i == 0 || d[i - 1] != '\r';
    };
    std::size_t sueltos = 0;
    const auto mirar = [&](std::size_t i) {
        if (d[i] == '\0') {
            d[i] = ' ';
        } else if (suelto(i)) {
            ++sueltos;
        }
    };
    std::size_t i = 0;
    for (; i + Bloque16::kLargo <= n; i += Bloque16::kLargo) {
        const Bloque16 b = Bloque16::Leer(d + i);
        // A CR LF inside the block needs nothing: only the other line ends (with those at the
        // block's edges, which may pair across them) and the NULs are looked at one by one.
        const Mascara16 cr = b.Iguales('\r'), lf = b.Iguales('\n'), pares = cr & (lf >> 1);
        for (Mascara16 m = (cr & ~pares) | (lf & ~(pares << 1)) | b.Iguales('\0'); m != 0;
             m &= m - 1) {
            mirar(i + Primero(m));
        }
    }
    for (; i < n; ++i) {
        if (EsSalto(d[i]) || d[i] == '\0') {
            mirar(i);
        }
    }
    if (sueltos > 0) {
        texto.resize(n + sueltos);
        d = texto.data();
        // Writing stays ahead of reading by the lone line ends still to come.
        for (std::size_t leido = n, escrito = n + sueltos; sueltos > 0;) {
            const std::size_t salto = SaltoAnterior(d, leido);
            const std::size_t tramo = leido - salto - 1;
            escrito -= tramo;
            std::memmove(d + escrito, d + salto + 1, tramo);
            if (suelto(salto)) {
                d[--escrito] = '\n';
                d[--escrito] = '\r';
                --sueltos;
            } else {
                d[--escrito] = d[salto];
            }
            leido = salto;
        }
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

std::string MensajeDeFichero(std::string texto) {
    std::string mensaje = TextoConSaltos(std::move(texto));
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
    Lectura leido = disco.LeerTexto(encontrado);
    if (!leido) {
        avisador.Avisar(AvisoFicheroIlegible(encontrado, *leido.fallo));
        return std::nullopt;
    }
    if (!leido.sinConvertir.empty()) {
        avisador.Avisar(AvisoSinWindows1252("El fichero '" + encontrado + "'", leido.sinConvertir));
    }
    return MensajeDeFichero(std::move(leido.contenido));
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
