// Synthesised clicks and keystrokes that return once the receiving window has taken them:
// the next step reads what they did (an emptied field) or changes what they use (the
// clipboard after Ctrl+V).
#include <windows.h>

#include <initializer_list>
#include <iterator>
#include <vector>

#include "app/win32/EscritorioWin32.h"

namespace rebanex::win32 {

namespace {

INPUT Evento(WORD vk, bool arriba) {
    INPUT e{};
    e.type = INPUT_KEYBOARD;
    e.ki.wVk = vk;
    e.ki.dwFlags = arriba ? KEYEVENTF_KEYUP : 0;
    return e;
}

// Key presses in order, releases in reverse order.
std::vector<INPUT> Combinacion(std::initializer_list<WORD> teclas) {
    std::vector<INPUT> entradas;
    for (WORD t : teclas) {
        entradas.push_back(Evento(t, false));
    }
    for (auto t = std::rbegin(teclas); t != std::rend(teclas); ++t) {
        entradas.push_back(Evento(*t, true));
    }
    return entradas;
}

// A receiver that does not answer within this is left to itself.
constexpr UINT kEsperaRespuestaMs = 250;
constexpr ULONGLONG kEsperaEntradaMs = 1500;

}  // namespace

// A thread answers a sent message only inside its message loop, before it takes the next
// event or posted message from its queue; so each empty message answered means one more of
// them fully handled. Each input event, and the character message a keystroke may post, is
// one of them; a spare round covers the answer that comes before the first.
void EscritorioWin32::Enviar(std::vector<INPUT> entradas, HWND destino) {
    SendInput(static_cast<UINT>(entradas.size()), entradas.data(), sizeof(INPUT));
    if (destino == nullptr) {
        return;
    }
    const bool propio = GetWindowThreadProcessId(destino, nullptr) == GetCurrentThreadId();
    const std::size_t rondas = 2 * entradas.size() + 2;
    const ULONGLONG inicio = GetTickCount64();
    for (std::size_t i = 0; i < rondas && GetTickCount64() - inicio < kEsperaEntradaMs; ++i) {
        if (propio) {
            ProcesarEventos();
        } else {
            DWORD_PTR r = 0;
            SendMessageTimeoutA(destino, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kEsperaRespuestaMs, &r);
        }
    }
}

void EscritorioWin32::BotonIzquierdo(bool abajo) {
    POINT cursor{};
    GetCursorPos(&cursor);
    INPUT e{};
    e.type = INPUT_MOUSE;
    e.mi.dwFlags = abajo ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    Enviar({e}, WindowFromPoint(cursor));
}

void EscritorioWin32::PulsarTeclas(Tecla t) {
    HWND destino = GetForegroundWindow();
    switch (t) {
        case Tecla::AltZ:
            Enviar(Combinacion({VK_MENU, 'Z'}), destino);
            break;
        case Tecla::CtrlV:
            Enviar(Combinacion({VK_CONTROL, 'V'}), destino);
            break;
        case Tecla::Escape:
            Enviar(Combinacion({VK_ESCAPE}), destino);
            break;
    }
}

}  // namespace rebanex::win32
