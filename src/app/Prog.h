// The main window's behaviour, written against the Vista interface so that every handler
// runs the same in the .exe and in the tests.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Elementos.h"
#include "app/Entorno.h"
#include "app/Vista.h"
#include "files/ListaReemplazos.h"
#include "host/Anfitrion.h"
#include "settings/Ajustes.h"
#include "settings/Configuracion.h"
#include "settings/Ini.h"
#include "split/Trozos.h"

namespace rebanex {

struct DefOpcion;

class Prog {
  public:
    explicit Prog(const Entorno& entorno);

    // Start-up: caption, start directory (the process's current directory), settings,
    // summary, Mensatel's colours and signature, then the command line.
    void Iniciar(const std::string& directorioActual, const std::string& lineaComandos);
    // Key preview: every key press reaches this before the focused control.
    void TeclaPulsada(int keyCode, int shift);

    // Controls
    void MensajeCambiado();
    void TrozoCambiado();
    void Trocear();
    void BorrarMensaje();
    void VolverAlMensaje();
    void FirmarMensaje();
    void IrAlPrimerTrozo();
    void IrAlTrozoAnterior();
    void IrAlTrozoSiguiente();
    void IrAlUltimoTrozo();
    void CopiarTrozo();
    void LeerLongMaxDeMensatel();
    void MostrarMensatel();
    // button: 1 left, 2 right; shift: 1 Shift, 2 Ctrl, 4 Alt; the position in twips
    void ClicEnTrocear(int button, int shift, float x, float y);
    void ClicEnOpciones(int button, int shift, float x, float y);

    // Every menu command, by item.
    void EjecutarMenu(Menu m);

    // Shared procedures of the window
    void MostrarEstado(const std::string& texto);
    void MostrarVistaMensaje(bool b);
    void MostrarResumenOpciones();
    Configuracion LeerOpciones();  // snapshot of the live values (ticks and LongMax)

    // The pieces of the last split, in the order they are shown.
    const std::vector<std::string>& Trozos() const { return trozos_; }
    const std::string& FirmaMensatel() const { return FirmaMensatel_; }
    const std::string& RutaReemplazos() const { return RutaReemplazos_; }

  private:
    // Start-up (ProgArranque.cpp)
    void CargarConfiguracion();
    void AplicarAjustes(const EstadoAjustes& cargado, const Rectangulo& ventanaAntes);
    void MostrarOpciones(const Configuracion& c);
    void AplicarColoresMensatel();
    void CargarLineaComandos(const std::string& lineaComandos);  // in ProgFicheros.cpp
    void CargarMensaje(const std::string& ruta);                 // in ProgFicheros.cpp

    // Piece view (ProgTrozos.cpp)
    void MostrarTrozo(int32_t numero);
    void ActualizarBotones();
    void ActualizarContador();
    std::string TextoContadorTrozos() const;  // "3/7"

    // Option commands (ProgOpciones.cpp)
    int IndiceMarcado(Menu primero);
    void ClickOpcion(const DefOpcion& o, Menu m);
    void MarcarEleccion(Menu primero, int indice);
    void CambiarRecordarPosicion();
    void GuardarPosicion();
    void GuardarOpciones();

    // Format menu (ProgFormato.cpp)
    void TransformarMensaje(std::string_view estado,
                            const std::function<bool(std::string&)>& transformar);
    void QuitarAcentosDelMensaje();
    void CambiarLetrasDelMensaje(int indice);
    void QuitarEspaciosDelMensaje();
    void ReemplazarPalabrasDelMensaje();

    // File menu and the commands still to come (ProgMenu.cpp)
    void Salir();
    void GuardarMensaje();
    void EjecutarOtroMensatel();

    // Message files and rules files (ProgFicheros.cpp)
    void ElegirMensaje();
    void ElegirFicheroReemplazos();
    void UsarFicheroReciente(int indice);
    void AbrirFicheroReemplazos();
    ListaReemplazos ListaDelMenu();
    void ElegirReemplazos(const std::string& ruta, int hasta);

    // Help, links, the log viewer and updates (ProgAyuda.cpp)
    void MostrarAyuda();
    void MostrarCreditos();
    void DescargarUltimaVersion();
    void EscribirAlAutor();
    void AbrirEnlace(Menu m);
    std::string DirectorioEjecutable();
    void AbrirEnNavegador(const std::string& url);
    void EjecutarMensatelLog();
    void EjecutarActualizador();

    Vista& vista_;
    Anfitrion& anfitrion_;
    Sistema sistema_;
    Ini ini_;
    std::vector<std::string> trozos_;
    int32_t trozoActual_ = 0;
    std::string FirmaMensatel_;
    // Of the last split when every piece was one SMS: what a piece, as shown, is measured by.
    struct MedidaSms {
        TablaGsm tabla;
        int16_t msgMax;
    };
    std::optional<MedidaSms> medidaSms_;
    std::string RutaReemplazos_;
    std::string DirectorioInicio_;
};

}  // namespace rebanex
