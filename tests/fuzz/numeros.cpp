// The readers of settings values: numbers, flags, choices, colours, window position and the
// whole start-up load, over values taken from the fuzzer's bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "comun/Numeros.h"
#include "host/AjustesMensatel.h"
#include "settings/Ajustes.h"
#include "settings/PerfilEnMemoria.h"
#include "settings/TablaOpciones.h"

namespace {

using namespace rebanex;

void Exigir(bool condicion) {
    if (!condicion) {
        std::abort();
    }
}

void Valor(std::string_view v) {
    const double n = ValorNumerico(v);
    RedondearPar(n);
    if (const auto r = RedondearParSiCabe(n)) {
        Exigir(*r == RedondearPar(n));
    }
    ValorSiNo(v);
    const int eleccion = ValorEleccion(v);
    Exigir(eleccion >= 1 && eleccion <= 3);
    // A strict number reads back from its own text.
    if (const auto e = LeerEnteroEstricto(v)) {
        Exigir(Decimal(*e) == v);
    }
    DecimalAgrupado(static_cast<long long>(RedondearPar(n)) * 1000003, ".");
    TextoTwips(n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const std::string_view bytes(reinterpret_cast<const char*>(datos), tamano);
    // One value per line, for the keys of both settings files in turn.
    std::vector<std::string_view> valores;
    for (std::size_t desde = 0; desde <= bytes.size();) {
        const std::size_t lf = std::min(bytes.find('\n', desde), bytes.size());
        valores.push_back(bytes.substr(desde, lf - desde));
        Valor(valores.back());
        desde = lf + 1;
    }

    PerfilEnMemoria perfil;
    const std::string ajustes = "C:\\R\\Rebanex.ini", mensatel = "C:\\R\\mensatel.ini";
    std::size_t i = 0;
    const auto siguiente = [&] { return std::string(valores[i++ % valores.size()]); };
    for (const DefOpcion& o : kOpciones) {
        perfil.EscribirCadena(ajustes, kSeccionRebanex, o.clave, siguiente());
    }
    for (const char* clave : {"PosicionVentana", "PosicionVentanaX", "PosicionVentanaY"}) {
        perfil.EscribirCadena(ajustes, kSeccionRebanex, clave, siguiente());
    }
    perfil.EscribirCadena(mensatel, "colores", "fondo", siguiente());
    perfil.EscribirCadena(mensatel, "colores", "texto", siguiente());
    perfil.EscribirCadena(mensatel, "Usuario", "firma", siguiente());

    Ini ini(perfil);
    ini.FijarFicheroIni(ajustes);
    EstadoAjustes estado;
    estado.ventana = {100, 200, 6000, 4000};
    CargarConfiguracion(ini, "C:\\R\\", {0, 0, 15360, 11520}, estado);
    int32_t texto = 0, fondo = 0;
    LeerColoresMensatel(ini, "C:\\R\\", texto, fondo);
    LeerFirmaMensatel(ini, "C:\\R\\");
    return 0;
}
