// The main window's behaviour, written against the Vista interface so that every handler
// runs the same in the .exe and in the tests.
#pragma once

#include <string>

#include "app/Elementos.h"
#include "app/Vista.h"
#include "host/Anfitrion.h"
#include "settings/Configuracion.h"
#include "settings/Ini.h"
#include "split/Trozos.h"

namespace rebanex {

inline constexpr std::string_view kVersionFecha = "01/01/2002";

class Prog {
public:
    Prog(Vista& vista, PerfilPrivado& perfil, Anfitrion& anfitrion);

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
    // button: 1 left, 2 right (as VB's MouseDown)
    void Partir_MouseDown(int button, int shift, float x, float y);
    void Opciones_MouseDown(int button, int shift, float x, float y);

    // Every menu command, by item.
    void Menu_Click(Menu m);

    // Shared procedures of the window
    void MostrarEstado(const std::string& texto);
    void MostrarVistaMensaje(bool b);
    void MostrarResumenOpciones();
    Configuracion LeerOpciones();  // snapshot of the live values (ticks and Lon)

    const ListaTrozos& Lista() const { return lista_; }
    const std::string& FirmaMensatel() const { return FirmaMensatel_; }
    const std::string& RutaReemplazos() const { return RutaReemplazos_; }
    const std::string& DirectorioInicio() const { return DirectorioInicio_; }

private:
    Vista& vista_;
    Ini ini_;
    Anfitrion& anfitrion_;
    ListaTrozos lista_;
    std::string FirmaMensatel_;
    std::string RutaReemplazos_;
    std::string DirectorioInicio_;
};

}  // namespace rebanex
