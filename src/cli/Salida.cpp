#include "cli/Salida.h"

#include "cli/Codificacion.h"
#include "comun/Windows1252.h"

namespace rebanex::cli {

void AnyadirCadenaJson(std::string& json, std::string_view cp1252) {
    json += '"';
    for (const char c : cp1252) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    json += "\\u00";
                    json += "0123456789ABCDEF"[c >> 4];
                    json += "0123456789ABCDEF"[c & 0xF];
                } else if (static_cast<unsigned char>(c) < 0x80) {
                    json += c;
                } else {
                    AnyadirUtf8(json, std::string_view(&c, 1));
                }
        }
    }
    json += '"';
}

std::string Salida::Texto(std::string_view cp1252) const {
    std::string texto;
    Anyadir(texto, cp1252);
    return texto;
}

void Salida::Anyadir(std::string& destino, std::string_view cp1252) const {
    if (TalCual()) {
        destino.append(cp1252);
        return;
    }
    // Each CR LF leaves its CR out.
    for (std::size_t crlf; (crlf = cp1252.find("\r\n")) != std::string_view::npos;) {
        AnyadirUtf8(destino, cp1252.substr(0, crlf));
        cp1252.remove_prefix(crlf + 1);
    }
    AnyadirUtf8(destino, cp1252);
}

std::string_view Salida::Salto() const {
    return TalCual() ? "\r\n" : "\n";
}

std::string TextoAviso(const Aviso& aviso) {
    std::string texto = aviso.titulo + ": " + aviso.texto;
    for (char& c : texto) {
        if (c == '\r') {
            c = '\n';
        }
    }
    return texto;
}

}  // namespace rebanex::cli
