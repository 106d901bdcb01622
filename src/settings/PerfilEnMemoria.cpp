#include "settings/PerfilEnMemoria.h"

#include <algorithm>

#include "settings/NombresPerfil.h"

namespace rebanex {

namespace {

template <typename T>
auto BuscarNombre(T& lista, std::string_view nombre) {
    return std::find_if(lista.begin(), lista.end(),
                        [&](const auto& e) { return MismoNombre(e.nombre, nombre); });
}

}  // namespace

std::string PerfilEnMemoria::ObtenerCadena(const std::string& fichero, std::string_view seccion,
                                           std::string_view clave, std::string_view porDefecto,
                                           std::size_t tamano) {
    const auto f = ficheros_.find(fichero);
    if (f == ficheros_.end()) {
        return CopiaEnBuffer(porDefecto, tamano);
    }
    const auto s = BuscarNombre(f->second, seccion);
    if (s == f->second.end()) {
        return CopiaEnBuffer(porDefecto, tamano);
    }
    const auto c = BuscarNombre(s->claves, clave);
    if (c == s->claves.end()) {
        return CopiaEnBuffer(porDefecto, tamano);
    }
    return CopiaEnBuffer(c->valor, tamano);
}

bool PerfilEnMemoria::EscribirCadena(const std::string& fichero, std::string_view seccion,
                                     std::string_view clave, std::string_view valor) {
    if (soloLectura_.count(fichero) != 0) {
        return false;
    }
    auto& secciones = ficheros_[fichero];
    auto s = BuscarNombre(secciones, seccion);
    if (s == secciones.end()) {
        secciones.push_back(Seccion{std::string(seccion), {}});
        s = std::prev(secciones.end());
    }
    const auto c = BuscarNombre(s->claves, clave);
    if (c == s->claves.end()) {
        s->claves.push_back(Clave{std::string(clave), std::string(valor)});
    } else {
        c->valor = valor;  // the key keeps the spelling it was created with
    }
    return true;
}

void PerfilEnMemoria::SoloLectura(const std::string& fichero, bool si) {
    if (si) {
        soloLectura_.insert(fichero);
    } else {
        soloLectura_.erase(fichero);
    }
}

const std::vector<PerfilEnMemoria::Seccion>& PerfilEnMemoria::Contenido(
    const std::string& fichero) const {
    static const std::vector<Seccion> kNinguna;
    const auto f = ficheros_.find(fichero);
    return f == ficheros_.end() ? kNinguna : f->second;
}

std::string PerfilEnMemoria::Texto(const std::string& fichero) const {
    std::string texto;
    for (const Seccion& s : Contenido(fichero)) {
        texto += "[" + s.nombre + "]\r\n";
        for (const Clave& c : s.claves) {
            texto += c.nombre + "=" + c.valor + "\r\n";
        }
    }
    return texto;
}

}  // namespace rebanex
