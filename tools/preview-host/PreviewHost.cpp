// A window that stands in for the screen-saver settings' preview area, for the checks: it shows
// a plain window of the given size at the given place, writes its handle in decimal to standard
// output, and stays until it is closed or the given seconds are over.
// Usage: preview-host.exe X Y WIDTH HEIGHT SECONDS
#include <cstdio>
#include <cstdlib>
#include <windows.h>

namespace {

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: preview-host.exe X Y WIDTH HEIGHT SECONDS\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const int width = std::atoi(argv[3]);
    const int height = std::atoi(argv[4]);
    const UINT seconds = static_cast<UINT>(std::atoi(argv[5]));
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = hostProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = L"PluvoPreviewHost";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(
        WS_EX_TOPMOST, L"PluvoPreviewHost", L"Preview", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x,
        y, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "preview-host.exe: no window (GetLastError() = %lu)\n",
                     GetLastError());
        return 1;
    }
    std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
    std::fflush(stdout);
    SetTimer(window, 1, seconds * 1000, nullptr);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) {
            DestroyWindow(window);
            continue;
        }
        DispatchMessageW(&message);
    }
    return 0;
}
