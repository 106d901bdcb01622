// The boundary no exception may cross: the window procedures are called by the system from
// code that cannot unwind, so a failure inside a handler is stopped there, told to the user,
// and the window goes on with what it had.
#pragma once

#include <exception>
#include <type_traits>
#include <utility>

#include "comun/Aviso.h"

namespace rebanex {

// What the window tells the user when a command could not end: the message in the box is
// untouched, since every command works on a copy of it.
Aviso AvisoDeFallo(const std::exception_ptr& fallo);

// Runs `trabajo` and returns what it returns. An exception that escapes it goes to
// `alFallar` (which must not throw either: what it throws is dropped), and the caller gets a
// value-initialised result instead.
template <typename Trabajo, typename AlFallar>
std::invoke_result_t<Trabajo&> Protegido(Trabajo&& trabajo, AlFallar&& alFallar) noexcept {
    try {
        return trabajo();
    } catch (...) {
        try {
            std::forward<AlFallar>(alFallar)(std::current_exception());
        } catch (...) {  // NOLINT(bugprone-empty-catch): nowhere left to report it
        }
    }
    return std::invoke_result_t<Trabajo&>();
}

}  // namespace rebanex
