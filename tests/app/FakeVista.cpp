#include "FakeVista.h"

#include "app/Prog.h"
#include "app/TablaControles.h"

namespace rebanex::prueba {

FakeVista::FakeVista() {
    // The form as designed: captions, texts, tooltips and enabled states from the controls
    // table; the piece view waits hidden and disabled.
    for (const DefControl& d : kTablaControles) {
        EstadoControl& control = (*this)[d.control];
        control.texto = std::string(d.texto);
        control.ayuda = std::string(d.ayuda);
        control.habilitado = d.habilitado;
    }
    (*this)[Control::frmTrozo].visible = false;
    (*this)[Control::frmTrozo].habilitado = false;
    for (Menu m : kMenus) {
        (*this)[m].marcado = MarcadoAlAbrir(m);
    }
}

void FakeVista::FijarTexto(Control c, const std::string& texto) {
    registro.push_back("Texto " + std::string(NombreControl(c)) + "=" + texto);
    EstadoControl& control = (*this)[c];
    control.texto = texto;
    // A new text puts the caret at the start, as an edit control does.
    control.inicioSeleccion = 0;
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

std::vector<std::string> FakeVista::Registro(std::string_view prefijo) const {
    std::vector<std::string> lineas;
    for (const std::string& linea : registro) {
        if (linea.starts_with(prefijo)) {
            lineas.push_back(linea);
        }
    }
    return lineas;
}

std::string FakeVista::Diario(std::string_view desde) const {
    std::string diario;
    bool dentro = false;
    for (const std::string& linea : registro) {
        dentro = dentro || linea.starts_with(desde);
        if (dentro) {
            diario += (diario.empty() ? "" : "; ") + linea;
        }
    }
    return diario;
}

void FakeVista::Seleccionar(Control c, long long inicio, long long largo) {
    registro.push_back("Seleccion " + std::string(NombreControl(c)) + " " + std::to_string(inicio) +
                       "," + std::to_string(largo));
    PonerCursor(c, inicio);
}

void FakeVista::Anotar(std::string_view que, Control c, std::optional<bool> valor) {
    std::string linea = std::string(que) + " " + std::string(NombreControl(c));
    if (valor) {
        linea += *valor ? "=1" : "=0";
    }
    registro.push_back(std::move(linea));
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
