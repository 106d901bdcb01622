// The menu items as Vista sees them: ticks, enabled states and captions, by item.
#include <string>

#include "app/win32/Identificadores.h"
#include "app/win32/VentanaPrincipal.h"
#include "settings/Ajustes.h"

namespace rebanex::win32 {

namespace {

// A caption as the menu holds it: the text, then a tab and the shortcut, if any.
std::string CaptionCompleto(HMENU menu, UINT id) {
    char buffer[1024] = {};
    const int n = GetMenuStringA(menu, id, buffer, static_cast<int>(sizeof(buffer)), MF_BYCOMMAND);
    return std::string(buffer, static_cast<std::size_t>(n > 0 ? n : 0));
}

void PonerCaption(HMENU menu, UINT id, const std::string& caption) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STRING;
    info.fType = MFT_STRING;
    info.dwTypeData = const_cast<char*>(caption.c_str());
    SetMenuItemInfoA(menu, id, FALSE, &info);
}

UINT Id(Menu m) {
    return static_cast<UINT>(IdMenu(m));
}

}  // namespace

void VentanaPrincipal::PrepararMenus() {
    for (Menu m : kMenus) {
        FijarMarcado(m, MarcadoAlAbrir(m));
    }
    for (int i = 1; i <= kFicherosRecientes; ++i) {
        PonerCaption(menu_, Id(ItemDeGrupo(Menu::FicheroReemplazos1, i)), "");
    }
}

bool VentanaPrincipal::Marcado(Menu m) {
    return (GetMenuState(menu_, Id(m), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void VentanaPrincipal::FijarMarcado(Menu m, bool si) {
    CheckMenuItem(menu_, Id(m), MF_BYCOMMAND | (si ? MF_CHECKED : MF_UNCHECKED));
}

bool VentanaPrincipal::MenuHabilitado(Menu m) {
    return (GetMenuState(menu_, Id(m), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void VentanaPrincipal::FijarMenuHabilitado(Menu m, bool si) {
    EnableMenuItem(menu_, Id(m), MF_BYCOMMAND | (si ? MF_ENABLED : MF_GRAYED));
}

// The caption without the shortcut shown after the tab.
std::string VentanaPrincipal::TextoMenu(Menu m) {
    const std::string caption = CaptionCompleto(menu_, Id(m));
    return caption.substr(0, caption.find('\t'));
}

void VentanaPrincipal::FijarTextoMenu(Menu m, const std::string& texto) {
    const std::string caption = CaptionCompleto(menu_, Id(m));
    const std::size_t tab = caption.find('\t');
    PonerCaption(menu_, Id(m), tab == std::string::npos ? texto : texto + caption.substr(tab));
}

void VentanaPrincipal::MostrarMenuOpciones() {
    POINT p{};
    GetCursorPos(&p);
    TrackPopupMenu(GetSubMenu(menu_, kPosicionMenuOpciones),
                   TPM_CENTERALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, p.x, p.y, 0,
                   hwnd_, nullptr);
}

}  // namespace rebanex::win32
