#include "files/Ayuda.h"

#include <array>
#include <string_view>

#include "comun/Direcciones.h"
#include "files/Filtro.h"
#include "sistema/Rutas.h"

namespace rebanex {

Aviso AvisoAyuda() {
    return Aviso{
        "\r\rPrograma para trocear un mensaje que necesite\r"
        "más de un SMS para ser enviado, en varios Trozos.\r\r"
        "Si encontrais errores y cosas de esas enviame un mail o dejar un msg en\r"
        "el FORO del MENSATEL.\r\r" +
            std::string(22, '-') + "\rQuelvo\r" + std::string(direcciones::kMailAutor) + "\r\r",
        "Pa que sirvo!!! ;)", Icono::Informacion, Botones::Aceptar};
}

Aviso AvisoCreditos() {
    struct Credito {
        std::string_view nombre, papel;
    };
    // Names padded to one column, so that the roles line up in the box.
    constexpr std::size_t kColumna = 26;
    constexpr std::array<Credito, 9> creditos{{
        {"Nacho", "El creador del Mensatel"},
        {"Ana", "Ideas & Betatester"},
        {"Luis", "Ideas & Betatester"},
        {"Marta", "Ideas & Diseño"},
        {"Pablo", "Ideas"},
        {"Elena", "Ideas"},
        {"Sergio", "Ideas & Betatester"},
        {"Nuria", "Ideas & Betatester"},
        {"Raul", "Betatester"},
    }};
    std::string texto = "Agradecimientos\r" + std::string(26, '-') + "\r\r";
    for (const Credito& c : creditos) {
        texto += std::string(c.nombre) + std::string(kColumna - c.nombre.size(), ' ') + "-> " +
                 std::string(c.papel) + "\r";
        if (&c == &creditos.front()) {
            texto += std::string(29, ' ') +
                     "Sin el no habría nada que trocear ;) , asias por el pedazo prog...\r\r";
        }
    }
    texto += "\r";
    return Aviso{texto, "·< Creditos y Agradecimientos >·", Icono::Informacion, Botones::Aceptar};
}

Aviso AvisoMensatelLogAusente() {
    return Aviso{
        "Upps!!! No encuentro el fichero MensatelLog.exe.\r\r\rCopiame en su directorio"
        "\r\r\rPara descargarlo: " +
            std::string(direcciones::kWebMensatel),
        "MensatelLog no ta aki!!!", Icono::Exclamacion, Botones::Aceptar};
}

Aviso AvisoSinNavegador() {
    return Aviso{"No puedo encontrar el navegador", "Rebanex", Icono::Exclamacion,
                 Botones::Aceptar};
}

Aviso AvisoErrorNavegador() {
    return Aviso{"Cachisssss!!! Error al abrir el navegador!", "Rebanex", Icono::Exclamacion,
                 Botones::Aceptar};
}

void AbrirDocumento(Shell& shell, const std::string& ruta) {
    shell.Abrir(ruta, "", "", Mostrar::TalCual);
}

void AbrirEnNavegador(Shell& shell, Disco& disco, Avisador& avisador, const std::string& url) {
    const std::string marcador = ConBarraFinal(disco.CarpetaTemporal()) + "TempHtm.html";
    // A quoted text record, as the file has always held.
    const bool escrito = disco.Escribir(marcador, "\"<HTML><\\HTML>\"\r\n");
    const std::optional<std::string> programa =
        escrito ? shell.BuscarEjecutable(marcador) : std::nullopt;
    if (!programa) {
        avisador.Avisar(AvisoSinNavegador());
    } else {
        if (!shell.Abrir(SinEspaciosAlrededor(*programa), url, "", Mostrar::Normal)) {
            avisador.Avisar(AvisoErrorNavegador());
        }
    }
    disco.Borrar(marcador);
}

}  // namespace rebanex
