// WM_COMMAND onto the handlers of Prog: menu items and accelerators by their item, control
// notifications by their control.
#include <optional>

#include "app/TablaControles.h"
#include "app/win32/CursorEspera.h"
#include "app/win32/Identificadores.h"
#include "app/win32/VentanaPrincipal.h"

namespace rebanex::win32 {

namespace {

// The commands that rewrite the whole message box: seconds on a long paragraph.
bool EsLargo(Menu m) {
    switch (m) {
        case Menu::EliminarAcentos:
        case Menu::CambiarLetras1:
        case Menu::CambiarLetras2:
        case Menu::EliminarMultiEspacios:
        case Menu::InsertarFirma:
        case Menu::AutoReemplazarPalabras:
            return true;
        default:
            return false;
    }
}

}  // namespace

void VentanaPrincipal::AlComando(int id, int codigo, HWND control) {
    if (prog_ == nullptr) {
        return;
    }
    if (control == nullptr) {
        // A menu item or an accelerator. IDOK and IDCANCEL, which IsDialogMessage sends for
        // Enter and Escape, name no item and are left alone.
        if (const std::optional<Menu> m = MenuDeId(id)) {
            std::optional<CursorEspera> espera;
            if (EsLargo(*m)) {
                espera.emplace();
            }
            prog_->EjecutarMenu(*m);
        }
        return;
    }
    const std::optional<Control> c = ControlDeId(id);
    if (!c) {
        return;
    }
    if (codigo == EN_CHANGE) {
        if (fijandoTexto_) {
            return;  // FijarTexto raises the change handler itself
        }
        if (*c == Control::Msg) {
            prog_->MensajeCambiado();
        } else if (*c == Control::Trozo) {
            prog_->TrozoCambiado();
        }
    } else if (codigo == BN_CLICKED) {  // also STN_CLICKED: both are 0
        AlPulsarControl(*c);
    }
}

void VentanaPrincipal::AlPulsarControl(Control c) {
    std::optional<CursorEspera> espera;
    if (c == Control::Partir || c == Control::BotonFirma) {
        espera.emplace();
    }
    switch (c) {
        case Control::Partir:
            prog_->Trocear();
            break;
        case Control::Nuevo:
            prog_->BorrarMensaje();
            break;
        case Control::Editar:
            prog_->VolverAlMensaje();
            break;
        case Control::BotonFirma:
            prog_->FirmarMensaje();
            break;
        case Control::PrimerTrozo:
            prog_->IrAlPrimerTrozo();
            break;
        case Control::TrozoAnterior:
            prog_->IrAlTrozoAnterior();
            break;
        case Control::TrozoSiguiente:
            prog_->IrAlTrozoSiguiente();
            break;
        case Control::UltimoTrozo:
            prog_->IrAlUltimoTrozo();
            break;
        case Control::Copiar:
            prog_->CopiarTrozo();
            break;
        case Control::Mensatel:
            prog_->MostrarMensatel();
            break;
        // A double click sends STN_CLICKED once and then STN_DBLCLK: the label reacts to the
        // click alone, once.
        case Control::EtiquetaLongMax:
            prog_->LeerLongMaxDeMensatel();
            break;
        default:
            break;
    }
}

// IsDialogMessage sends this for a label's mnemonic: focus on the label, then on to the
// next control that takes it: a label hands its access key on, to the box it names when that
// is not the next one ("Men&saje" is followed by "&X", which Enter would press).
void VentanaPrincipal::AlSiguienteControl(WPARAM w, LPARAM l) {
    if (LOWORD(l) != 0) {
        SetFocus(reinterpret_cast<HWND>(w));
        return;
    }
    const std::optional<Control> foco = ControlDe(GetFocus());
    const std::optional<Control> destino = foco ? DestinoTeclaAcceso(*foco) : std::nullopt;
    if (w == 0 && destino) {
        SetFocus(Hwnd(*destino));
        return;
    }
    HWND siguiente = GetNextDlgTabItem(hwnd_, GetFocus(), w != 0 ? TRUE : FALSE);
    if (siguiente != nullptr) {
        SetFocus(siguiente);
    }
}

// Enter presses the button that has the focus: IsDialogMessage asks the
// window for its default button and clicks it.
LRESULT VentanaPrincipal::BotonPorDefecto() {
    const std::optional<Control> c = ControlDe(GetFocus());
    if (!c) {
        return 0;
    }
    const Clase clase = Definicion(*c).clase;
    if (clase != Clase::Boton && clase != Clase::BotonGris) {
        return 0;
    }
    return MAKELRESULT(IdControl(*c), DC_HASDEFID);
}

}  // namespace rebanex::win32
