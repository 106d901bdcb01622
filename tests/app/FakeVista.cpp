#include "FakeVista.h"

#include "app/Prog.h"

namespace rebanex::prueba {

namespace {

constexpr std::array<std::string_view, kNumControles> kNombres = {
    "frmMsg",   "et1",    "Msg",      "btnFirma", "Nuevo", "Stat",    "etLongMax", "Lon",
    "Partir",   "Estado", "Opciones", "frmTrozo", "et3",   "Trozo",   "LonTrozo",  "Contador",
    "Mensatel", "Copiar", "topeIzq",  "izq",      "der",   "topeDer", "Editar",
};
static_assert(kNombres.back() == "Editar");

}  // namespace

std::string_view Nombre(Control c) {
    return kNombres[static_cast<size_t>(c)];
}

FakeVista::FakeVista() {
    // Captions and initial texts of the form.
    (*this)[Control::et1].texto = "Men&saje";
    (*this)[Control::btnFirma].texto = "&F";
    (*this)[Control::Nuevo].texto = "&X";
    (*this)[Control::Stat].texto = "0 / 0";
    (*this)[Control::etLongMax].texto = "&Long Máx";
    (*this)[Control::Lon].texto = "160";
    (*this)[Control::Partir].texto = "&Trocear     » » » » »";
    (*this)[Control::et3].texto = "Trozo Actual";
    (*this)[Control::LonTrozo].texto = "0";
    (*this)[Control::Mensatel].texto = "&Mensatel";
    (*this)[Control::Copiar].texto = "&Copiar";
    (*this)[Control::topeIzq].texto = "|<";
    (*this)[Control::izq].texto = "<";
    (*this)[Control::der].texto = ">";
    (*this)[Control::topeDer].texto = ">|";
    (*this)[Control::Editar].texto = "« « «     &Editar Msg";
    // The message view is shown; the piece view waits hidden with its buttons disabled.
    (*this)[Control::frmTrozo].visible = false;
    (*this)[Control::frmTrozo].habilitado = false;
    for (Control c :
         {Control::Copiar, Control::topeIzq, Control::izq, Control::der, Control::topeDer}) {
        (*this)[c].habilitado = false;
    }
    // The menu's initial ticks.
    for (Menu m :
         {Menu::mnu_opciones_acentos, Menu::mnu_opciones_espacios, Menu::mnu_opciones_indicador,
          Menu::mnu_opciones_pegar, Menu::mnu_opciones_ventana, Menu::mnu_opciones_txtChar1,
          Menu::mnu_opciones_firma_posicion1, Menu::mnu_reemplazos_fichero1}) {
        (*this)[m].marcado = true;
    }
    foco = Control::Msg;  // first in the tab order
}

void FakeVista::FijarTexto(Control c, const std::string& texto) {
    registro.push_back("Texto " + std::string(Nombre(c)) + "=" + texto);
    EstadoControl& control = (*this)[c];
    control.texto = texto;
    // A new text puts the caret at the start, as an edit control does.
    control.inicioSeleccion = 0;
    control.largoSeleccion = 0;
    if (prog_ != nullptr && c == Control::Msg) {
        prog_->Msg_Change();
    } else if (prog_ != nullptr && c == Control::Trozo) {
        prog_->Trozo_Change();
    }
}

void FakeVista::Escribir(Control c, const std::string& texto) {
    FijarTexto(c, texto);
    PonerCursor(c, static_cast<long long>(texto.size()));
}

void FakeVista::PonerCursor(Control c, long long inicio, long long largo) {
    (*this)[c].inicioSeleccion = inicio;
    (*this)[c].largoSeleccion = largo;
}

std::vector<std::string> FakeVista::Registro(std::string_view prefijo) const {
    std::vector<std::string> lineas;
    for (const std::string& linea : registro) {
        if (linea.starts_with(prefijo)) {
            lineas.push_back(linea);
        }
    }
    return lineas;
}

void FakeVista::Seleccionar(Control c, long long inicio, long long largo) {
    registro.push_back("Seleccion " + std::string(Nombre(c)) + " " + std::to_string(inicio) + "," +
                       std::to_string(largo));
    PonerCursor(c, inicio, largo);
}

void FakeVista::Enfocar(Control c) {
    registro.push_back("Foco " + std::string(Nombre(c)));
    foco = c;
}

void FakeVista::FijarVisible(Control c, bool si) {
    registro.push_back("Visible " + std::string(Nombre(c)) + "=" + (si ? "1" : "0"));
    (*this)[c].visible = si;
}

void FakeVista::FijarHabilitado(Control c, bool si) {
    registro.push_back("Habilitado " + std::string(Nombre(c)) + "=" + (si ? "1" : "0"));
    (*this)[c].habilitado = si;
}

void FakeVista::Repintar(Control c) {
    registro.push_back("Repintar " + std::string(Nombre(c)));
}

void FakeVista::FijarColores(Control c, int32_t texto, int32_t fondo) {
    (*this)[c].colores = std::make_pair(texto, fondo);
}

void FakeVista::MoverVentana(double izquierda, double arriba) {
    movimientos.emplace_back(izquierda, arriba);
    ventana.izquierda = izquierda;
    ventana.arriba = arriba;
}

Respuesta FakeVista::Avisar(const Aviso& aviso) {
    registro.push_back("Aviso " + aviso.titulo);
    avisos.push_back(aviso);
    if (!respuestas.empty()) {
        const Respuesta r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    return aviso.botones == Botones::SiNo ? Respuesta::Si : Respuesta::Aceptar;
}

}  // namespace rebanex::prueba
