// The options menu: ticks are the options, so every command works on the menu itself.
#include <string>

#include "app/Prog.h"
#include "settings/Ajustes.h"
#include "settings/Resumen.h"

namespace rebanex {

// Of a choice group exactly one item is ticked; read it as the summary and the signature
// button do: item 1, else item 2, else the last.
int Prog::IndiceMarcado(Menu primero) {
    if (vista_.Marcado(primero)) {
        return 1;
    }
    return vista_.Marcado(ItemDeGrupo(primero, 2)) ? 2 : 3;
}

Configuracion Prog::LeerOpciones() {
    Configuracion c;
    c.Inverso = vista_.Marcado(Menu::mnu_opciones_inverso);
    c.NoAcentos = vista_.Marcado(Menu::mnu_opciones_acentos);
    c.NoMultiEspacios = vista_.Marcado(Menu::mnu_opciones_espacios);
    c.IndicadorTrozos = vista_.Marcado(Menu::mnu_opciones_indicador);
    c.CopiarTrozoAlMensatel = vista_.Marcado(Menu::mnu_opciones_pegar);
    c.ObtenerTamanyoMsg = vista_.Marcado(Menu::mnu_opciones_getTamanyo);
    c.MsgMax = vista_.Texto(Control::Lon);
    c.Letras = IndiceMarcado(Menu::mnu_opciones_txtChar1);
    c.FirmarAutomaticamente = vista_.Marcado(Menu::mnu_opciones_firma_auto);
    c.FirmarEnTrozos = vista_.Marcado(Menu::mnu_opciones_firma_trozos);
    c.FirmarEnTrozosHabilitado = vista_.MenuHabilitado(Menu::mnu_opciones_firma_trozos);
    c.FirmarEnPosicion = IndiceMarcado(Menu::mnu_opciones_firma_posicion1);
    c.AutoReemplazar = vista_.Marcado(Menu::mnu_opciones_auto);
    c.PosicionVentana = vista_.Marcado(Menu::mnu_opciones_ventana);
    return c;
}

void Prog::MostrarResumenOpciones() {
    const ResumenOpciones resumen = ConstruirResumen(LeerOpciones());
    vista_.FijarTexto(Control::Opciones, resumen.corto);
    vista_.FijarAyuda(Control::Opciones, resumen.largo);
}

void Prog::AlternarOpcion(Menu m) {
    vista_.FijarMarcado(m, !vista_.Marcado(m));
    MostrarResumenOpciones();
}

void Prog::MarcarLetras(int indice) {
    for (int k = 1; k <= 3; ++k) {
        vista_.FijarMarcado(ItemDeGrupo(Menu::mnu_opciones_txtChar1, k), k == indice);
    }
}

// Signing every piece makes no sense at the caret, so that position disables it.
void Prog::MarcarPosicionFirma(int indice) {
    for (int k = 1; k <= 3; ++k) {
        vista_.FijarMarcado(ItemDeGrupo(Menu::mnu_opciones_firma_posicion1, k), k == indice);
    }
    vista_.FijarMenuHabilitado(Menu::mnu_opciones_firma_trozos, HabilitadoTrasPosicion(indice));
}

void Prog::mnu_opciones_txtChar_Click(int indice) {
    MarcarLetras(indice);
    MostrarResumenOpciones();
}

void Prog::mnu_opciones_firma_posicion_Click(int indice) {
    MarcarPosicionFirma(indice);
    MostrarResumenOpciones();
}

void Prog::mnu_opciones_firma_auto_Click() {
    const bool firmar = !vista_.Marcado(Menu::mnu_opciones_firma_auto);
    vista_.FijarMarcado(Menu::mnu_opciones_firma_auto, firmar);
    vista_.FijarMenuHabilitado(Menu::mnu_opciones_firma_trozos, HabilitadoTrasFirmaAuto(firmar));
    MostrarResumenOpciones();
}

// The only option written at once: it decides where the next start opens the window.
// A failed write goes unnoticed.
void Prog::mnu_opciones_ventana_Click() {
    const bool recordar = !vista_.Marcado(Menu::mnu_opciones_ventana);
    vista_.FijarMarcado(Menu::mnu_opciones_ventana, recordar);
    ini_.EscribirIni(kSeccionRebanex, "PosicionVentana", recordar ? "1" : "0");
    MostrarResumenOpciones();
}

void Prog::mnu_opciones_guardarventana_Click() {
    const Rectangulo ventana = vista_.Ventana();
    if (GuardarPosicionVentana(ini_, ventana.izquierda, ventana.arriba)) {
        MostrarEstado(std::string(kEstadoPosicionGuardada));
    } else {
        vista_.Avisar(AvisoErrorGuardarPosicion());
    }
}

void Prog::mnu_opciones_guardar_Click() {
    if (GuardarConfiguracion(ini_, LeerOpciones())) {
        MostrarEstado(std::string(kEstadoConfiguracionGuardada));
    } else {
        vista_.Avisar(AvisoErrorGuardarConfiguracion());
    }
}

}  // namespace rebanex
