#include "MemoriaPico.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace rebanex::bench {

namespace {

std::atomic<std::size_t> actual{0};
std::atomic<std::size_t> pico{0};

// Each block starts with its size; 16 bytes keep the caller's block aligned like malloc's.
constexpr std::size_t kCabecera = 16;

void Sumar(std::size_t n) {
    const std::size_t ahora = actual.fetch_add(n, std::memory_order_relaxed) + n;
    std::size_t maximo = pico.load(std::memory_order_relaxed);
    while (ahora > maximo && !pico.compare_exchange_weak(maximo, ahora)) {
    }
}

void* Reservar(std::size_t n) noexcept {
    void* bloque = std::malloc(n + kCabecera);
    if (bloque == nullptr) {
        return nullptr;
    }
    *static_cast<std::size_t*>(bloque) = n;
    Sumar(n);
    return static_cast<char*>(bloque) + kCabecera;
}

void Liberar(void* p) noexcept {
    if (p == nullptr) {
        return;
    }
    char* bloque = static_cast<char*>(p) - kCabecera;
    actual.fetch_sub(*reinterpret_cast<std::size_t*>(bloque), std::memory_order_relaxed);
    std::free(bloque);
}

}  // namespace

std::size_t MemoriaActual() {
    return actual.load();
}
std::size_t MemoriaPico() {
    return pico.load();
}
void ReiniciarPico() {
    pico.store(actual.load());
}

}  // namespace rebanex::bench

// The over-aligned forms are left alone: nothing measured here asks for them.
void* operator new(std::size_t n) {
    if (void* p = rebanex::bench::Reservar(n)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
    return ::operator new(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return rebanex::bench::Reservar(n);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return rebanex::bench::Reservar(n);
}
void operator delete(void* p) noexcept {
    rebanex::bench::Liberar(p);
}
void operator delete[](void* p) noexcept {
    rebanex::bench::Liberar(p);
}
void operator delete(void* p, std::size_t) noexcept {
    rebanex::bench::Liberar(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    rebanex::bench::Liberar(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    rebanex::bench::Liberar(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    rebanex::bench::Liberar(p);
}
