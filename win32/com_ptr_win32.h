// Move-only owners of a COM interface pointer and of a BSTR.
#pragma once

#include <utility>

#include "win32/handles_win32.h"
#include "win32/windows_h_win32.h"

#include <ole2.h>

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller holds: a new object, an out-parameter's result.
    explicit ComPtr(T* p) : p_(p) {}
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    // For an out-parameter: what was held is released first.
    T** Put() {
        Reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    // A second owner of the same object.
    ComPtr Share() const {
        if (p_) p_->AddRef();
        return ComPtr(p_);
    }
    // Another interface of the same object; empty when it has none.
    template <typename U>
    ComPtr<U> Query(REFIID iid) const {
        ComPtr<U> other;
        if (p_) p_->QueryInterface(iid, other.PutVoid());
        return other;
    }

private:
    T* p_ = nullptr;
};

struct BstrTraits {
    static BSTR Invalid() { return nullptr; }
    static void Close(BSTR s) { SysFreeString(s); }
};
using UniqueBstr = UniqueHandle<BSTR, BstrTraits>;
