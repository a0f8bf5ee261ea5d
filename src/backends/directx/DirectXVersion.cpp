#include "backends/directx/DirectXVersion.h"

#include "backends/directx/QueryInterface.h"

#include <ddraw.h>
#include <dmusici.h>
#include <windows.h>
#include <wrl/client.h>

namespace DDraw {

using Microsoft::WRL::ComPtr;

namespace {

class Library {
public:
    explicit Library(const char* name) : module_(LoadLibraryA(name)) {}
    ~Library() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool loaded() const { return module_ != nullptr; }
    // The function of that name as the given type; the generic FARPROC goes through the one
    // type every function pointer may be cast to and back.
    template <typename Function> Function function(const char* name) const {
        const FARPROC found = module_ != nullptr ? GetProcAddress(module_, name) : nullptr;
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
    }

private:
    HMODULE module_;
};

using DirectDrawCreateFunction = HRESULT(WINAPI*)(GUID*, IDirectDraw**, IUnknown*);
using DirectDrawCreateExFunction = HRESULT(WINAPI*)(GUID*, void**, REFIID, IUnknown*);

// The releases after 5.0, told apart by the libraries and interfaces each brought.
int32_t releaseAfterFive() {
    ComPtr<IDirectMusic> music;
    const bool comStarted = SUCCEEDED(CoInitialize(nullptr));
    const HRESULT musicCreated = CoCreateInstance(CLSID_DirectMusic, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_IDirectMusic, &music);
    music.Reset();
    if (comStarted) {
        CoUninitialize();
    }
    if (FAILED(musicCreated)) {
        return 0x600;
    }
    const Library directDraw("DDRAW.DLL");
    const auto createEx = directDraw.function<DirectDrawCreateExFunction>("DirectDrawCreateEx");
    ComPtr<IUnknown> seventh;
    if (createEx == nullptr ||
        FAILED(createEx(nullptr, reinterpret_cast<void**>(seventh.GetAddressOf()), IID_IDirectDraw7,
                        nullptr))) {
        return 0x601;
    }
    if (!Library("D3D8.DLL").loaded()) {
        return 0x700;
    }
    return Library("dpnhpast.dll").loaded() ? 0x801 : 0x800;
}

} // namespace

DirectXVersion detectDirectXVersion() {
    const Library directDraw("DDRAW.DLL");
    if (!directDraw.loaded()) {
        return {0, "Couldn't LoadLibrary DDraw"};
    }
    const auto create = directDraw.function<DirectDrawCreateFunction>("DirectDrawCreate");
    if (create == nullptr) {
        return {0, "Couldn't GetProcAddress DirectDrawCreate"};
    }
    ComPtr<IDirectDraw> first;
    if (FAILED(create(nullptr, &first, nullptr))) {
        return {0, "Couldn't create DDraw"};
    }
    ComPtr<IDirectDraw2> second;
    if (FAILED(queryInterface(first, IID_IDirectDraw2, second))) {
        return {0x100, ""};
    }
    const Library input("DINPUT.DLL");
    if (input.function<void (*)()>("DirectInputCreateA") == nullptr) {
        return {0x200, ""};
    }
    if (FAILED(first->SetCooperativeLevel(nullptr, DDSCL_NORMAL))) {
        return {0, "Couldn't set coop. level"};
    }
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    ComPtr<IDirectDrawSurface> surface;
    if (FAILED(first->CreateSurface(&description, &surface, nullptr))) {
        return {0, "Couldn't create surface"};
    }
    ComPtr<IDirectDrawSurface3> third;
    if (FAILED(queryInterface(surface, IID_IDirectDrawSurface3, third))) {
        return {0x300, ""};
    }
    ComPtr<IDirectDrawSurface4> fourth;
    if (FAILED(queryInterface(surface, IID_IDirectDrawSurface4, fourth))) {
        return {0x500, ""};
    }
    return {releaseAfterFive(), ""};
}

} // namespace DDraw
