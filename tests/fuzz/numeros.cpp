// The settings value readers over one value per line, then the whole start-up load.
#include <string>
#include <vector>

#include "Fuzz.h"
#include "comun/Numeros.h"
#include "host/AjustesMensatel.h"
#include "settings/Ajustes.h"
#include "settings/TablaOpciones.h"
#include "sistema/PerfilFichero.h"
#include "sistema/SistemaSimulado.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamanyo) {
    using namespace rebanex;
    std::vector<std::string> valores(1);
    for (size_t i = 0; i < tamanyo; ++i) {
        datos[i] == '\n' ? void(valores.emplace_back())
                         : valores.back().push_back(static_cast<char>(datos[i]));
    }
    for (const std::string& v : valores) {
        const double n = ValorNumerico(v);
        EXIGIR(RedondearParSiCabe(n).value_or(RedondearPar(n)) == RedondearPar(n));
        ValorSiNo(v);
        EXIGIR(ValorEleccion(v) >= 1 && ValorEleccion(v) <= 3);
        const auto e = LeerEnteroEstricto(v);
        EXIGIR(!e || Decimal(*e) == v);  // a strict number reads back from its own text
        DecimalAgrupado(static_cast<long long>(RedondearPar(n)) * 1000003, ".");
        TextoTwips(n);
    }
    // The values in turn for every key of both settings files.
    pruebas::DiscoSimulado disco;
    PerfilFichero perfil(disco);
    std::size_t i = 0;
    const auto guardar = [&](const char* fichero, const char* seccion, std::string_view clave) {
        perfil.EscribirCadena(fichero, seccion, clave, valores[i++ % valores.size()]);
    };
    guardar("C:\\R\\mensatel.ini", "colores", "fondo");
    guardar("C:\\R\\mensatel.ini", "colores", "texto");
    guardar("C:\\R\\mensatel.ini", "Usuario", "firma");
    for (const char* clave : {"PosicionVentana", "PosicionVentanaX", "PosicionVentanaY"}) {
        guardar("C:\\R\\Rebanex.ini", "Rebanex", clave);
    }
    for (const DefOpcion& o : kOpciones) {
        guardar("C:\\R\\Rebanex.ini", "Rebanex", o.clave);
    }
    Ini ini(perfil);
    ini.FijarFicheroIni("C:\\R\\Rebanex.ini");
    EstadoAjustes estado{{}, {100, 200, 6000, 4000}, {}, {}};
    LoteIni lote;
    CargarConfiguracion(ini, "C:\\R\\", {0, 0, 15360, 11520}, estado, lote);
    lote.Aplicar(ini, disco);
    LeerColoresMensatel(ini, "C:\\R\\");
    LeerFirmaMensatel(ini, "C:\\R\\");
    return 0;
}
