// The main window's behaviour, written against the Vista interface so that every handler
// runs the same in the .exe and in the tests.
#pragma once

#include <cstdint>
#include <functional>
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

namespace rebanex {

struct DefOpcion;

class Prog {
  public:
    explicit Prog(const Entorno& entorno);

    // Start-up: caption, start directory (the process's current directory), settings,
    // summary, Mensatel's colours and signature, then the command line.
    void Form_Load(const std::string& directorioActual, const std::string& lineaComandos);
    // Key preview: every key press reaches this before the focused control.
    void Form_KeyDown(int keyCode, int shift);

    // Controls
    void Msg_Change();
    void Trozo_Change();
    void Partir_Click();
    void Nuevo_Click();
    void Editar_Click();
    void btnFirma_Click();
    void topeIzq_Click();
    void izq_Click();
    void der_Click();
    void topeDer_Click();
    void Copiar_Click();
    void etLongMax_Click();
    void Mensatel_Click();
    // button: 1 left, 2 right; shift: 1 Shift, 2 Ctrl, 4 Alt; the position in twips
    void Partir_MouseDown(int button, int shift, float x, float y);
    void Opciones_MouseDown(int button, int shift, float x, float y);

    // Every menu command, by item.
    void Menu_Click(Menu m);

    // Shared procedures of the window
    void MostrarEstado(const std::string& texto);
    void MostrarVistaMensaje(bool b);
    void MostrarResumenOpciones();
    Configuracion LeerOpciones();  // snapshot of the live values (ticks and Lon)

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
    void mnu_opciones_ventana_Click();
    void mnu_opciones_guardarventana_Click();
    void mnu_opciones_guardar_Click();

    // Format menu (ProgFormato.cpp)
    void TransformarMensaje(std::string_view estado,
                            const std::function<bool(std::string&)>& transformar);
    void mnu_formato_acentos_Click();
    void mnu_formato_letras_Click(int indice);
    void mnu_formato_espacio_Click();
    void mnu_formato_auto_Click();

    // File menu and the commands still to come (ProgMenu.cpp)
    void mnu_archivo_salir_Click();
    void mnu_archivo_guardar_Click();
    void mnu_archivo_mensatel_Click();

    // Message files and rules files (ProgFicheros.cpp)
    void mnu_archivo_cargar_Click();
    void mnu_reemplazos_abrir_Click();
    void mnu_reemplazos_fichero_Click(int indice);
    void mnu_opciones_fichR_Click();
    ListaReemplazos ListaDelMenu();
    void ElegirReemplazos(const std::string& ruta, int hasta);

    // Help, links, the log viewer and updates (ProgAyuda.cpp)
    void mnu_ayuda_utilidad_Click();
    void mnu_ayuda_acerca_Click();
    void mnu_ayuda_bajarNew_Click();
    void mnu_ayuda_enviarmsg_Click();
    void mnu_ayuda_enlace_Click(Menu m);
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
    std::string RutaReemplazos_;
    std::string DirectorioInicio_;
};

}  // namespace rebanex
