// Module Control on a simulated desktop, with Mensatel installed beside Rebanex.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "EscritorioSimulado.h"
#include "comun/AvisadorAnotado.h"
#include "host/ControlMensatel.h"

namespace rebanex::pruebas {

inline const std::string kEjecutable = "C:\\Mensatel\\";
inline const std::string kInicio = "C:\\Inicio\\";
inline const std::string kDorvax = kEjecutable + "dorvax.exe";
inline const RectVentana kRectMensatel{100, 100, 501, 401};  // centre (300, 250)

class ControlPrueba : public ::testing::Test {
  protected:
    ControlPrueba() { escritorio.ficheros.insert(kDorvax); }

    // Mensatel running, its main window titled "\\ensatel".
    MensatelSimulado Abrir(const std::string& tamanyo = "160") {
        return escritorio.CrearMensatel(std::string(kTitulosMensatel[0]), kRectMensatel, tamanyo);
    }
    Busqueda Buscar() { return control.BuscarVentanaMensatel(ventana, rect); }

    EscritorioSimulado escritorio;
    AvisadorAnotado avisador;
    ControlMensatel control{escritorio, avisador, kEjecutable, kInicio};
    VentanaId ventana = 0;
    RectVentana rect;
};

}  // namespace rebanex::pruebas
