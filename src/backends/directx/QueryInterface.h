#pragma once

#include <windows.h>
#include <wrl/client.h>

namespace DDraw {

// Asks a COM object for another of its interfaces by the interface's identifier. The DirectX
// headers name no identifier for ComPtr's As() to find.
template <typename To, typename From>
HRESULT queryInterface(const Microsoft::WRL::ComPtr<From>& object, REFIID id,
                       Microsoft::WRL::ComPtr<To>& result) {
    return object->QueryInterface(id, reinterpret_cast<void**>(result.ReleaseAndGetAddressOf()));
}

} // namespace DDraw
