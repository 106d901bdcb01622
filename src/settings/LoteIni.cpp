#include "settings/LoteIni.h"

#include "sistema/NombresPerfil.h"
#include "sistema/PerfilFichero.h"

namespace rebanex {

namespace {

// What reading gives back for a written value: the same, or (as Windows does) without the
// blanks and quotes around it; either cut as every read is.
bool LeidoComoEscrito(const std::string& leido, std::string_view escrito) {
    const auto cortado = [](std::string_view v) { return v.substr(0, kLargoMaximoIni); };
    return leido == cortado(escrito) || leido == cortado(ValorLeido(escrito));
}

}  // namespace

void LoteIni::Escribir(std::string_view seccion, std::string_view clave, std::string_view valor) {
    escrituras_.push_back({std::string(seccion), std::string(clave), std::string(valor)});
}

bool LoteIni::Aplicar(Ini& ini, Disco& disco) const {
    if (escrituras_.empty()) {
        return true;
    }
    const std::string& ruta = ini.Fichero();
    const std::string copia = ruta + std::string(kSufijoCopiaIni);
    disco.Borrar(copia);  // left behind by a save that was cut short
    const Lectura viejo = disco.Leer(ruta);
    if (!viejo && viejo.fallo != MotivoFallo::NoExiste) {
        return false;
    }
    // The copy is read back from its bytes: the platform may answer from what it cached of
    // the writes (Wine does), which would hide a copy that the disk cut short.
    PerfilFichero lector(disco);
    Ini escrita(ini.Perfil()), antes(lector), despues(lector);
    escrita.FijarFicheroIni(copia);
    antes.FijarFicheroIni(ruta);
    despues.FijarFicheroIni(copia);
    // Without a file the first write creates the copy, as it would have created the file.
    const bool bien = (!viejo || disco.Escribir(copia, viejo.contenido)) && EscribirEn(escrita) &&
                      Comprobar(antes, despues, viejo.contenido) && disco.Reemplazar(copia, ruta);
    if (!bien) {
        disco.Borrar(copia);
    }
    return bien;
}

bool LoteIni::EscribirEn(Ini& copia) const {
    for (const Escritura& e : escrituras_) {
        if (!copia.EscribirIni(e.seccion, e.clave, e.valor)) {
            return false;
        }
    }
    return true;
}

// Both files read by the same reader, so that only what the writes changed can differ.
bool LoteIni::Comprobar(Ini& antes, Ini& despues, std::string_view textoAntes) const {
    for (const Escritura& e : escrituras_) {
        if (Ultima(e.seccion, e.clave) != &e) {
            continue;
        }
        const std::optional<std::string> valor = despues.LeerIni(e.seccion, e.clave);
        if (!valor || !LeidoComoEscrito(*valor, e.valor)) {
            return false;
        }
    }
    for (const ClaveIni& c : ClavesIni(textoAntes)) {
        if (Ultima(c.seccion, c.clave) == nullptr &&
            antes.LeerIni(c.seccion, c.clave) != despues.LeerIni(c.seccion, c.clave)) {
            return false;
        }
    }
    return true;
}

const LoteIni::Escritura* LoteIni::Ultima(std::string_view seccion, std::string_view clave) const {
    for (auto e = escrituras_.rbegin(); e != escrituras_.rend(); ++e) {
        if (MismoNombre(e->seccion, seccion) && MismoNombre(e->clave, clave)) {
            return &*e;
        }
    }
    return nullptr;
}

}  // namespace rebanex
