// Every address the program hands out: its web pages, the author's mail, Mensatel's site and
// the directory the updates are published in. Changing a host means changing it here only.
#pragma once

#include <string_view>

namespace rebanex::direcciones {

inline constexpr std::string_view kMailAutor = "quelvo@example.com";
inline constexpr std::string_view kWebMensatel = "https://www.mensatel.example/";

inline constexpr std::string_view kPeichMensatel = "https://www.mensatel.example/mensatel";
inline constexpr std::string_view kForoMensatel = "https://www.mensatel.example/foros/mensatel";
inline constexpr std::string_view kChatMensatel =
    "https://chat.mensatel.example/demochat/canal.html?can=mensatel";
inline constexpr std::string_view kFaqMensatel = "https://faq.mensatel.example/";

// The program downloads and runs what it finds here, hence HTTPS. The key below in
// Rebanex.ini (section "Rebanex"), when present, replaces it; the program never writes it.
inline constexpr std::string_view kWebActualizaciones = "https://rebanex.example/actualizaciones/";
inline constexpr std::string_view kClaveWebActualizaciones = "WebActualizaciones";

}  // namespace rebanex::direcciones
