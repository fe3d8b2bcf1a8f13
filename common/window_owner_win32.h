#pragma once
// Binds a window to the C++ object that owns it: the object's address rides
// in the window's creation parameters and is kept in its user data, so the
// window procedure (a plain function) finds its object again.

#include <windows.h>

namespace kestro {

// The owner of the window for this message: taken from the creation
// parameters and kept on WM_NCCREATE, read back from the user data on any
// other message. Null before WM_NCCREATE and after unbindWindowOwner.
// CREATESTRUCTA and CREATESTRUCTW hold the parameters at the same place, so
// this serves ANSI and wide windows alike.
template <typename Owner> Owner* windowOwner(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* owner =
            static_cast<Owner*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        return owner;
    }
    return reinterpret_cast<Owner*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// Forgets the owner, so that messages after it is gone find none.
inline void unbindWindowOwner(HWND hwnd) { SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0); }

} // namespace kestro
