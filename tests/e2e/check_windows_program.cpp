// Starts the real program as a Windows user does and checks what they meet: on the Windows
// version asked for (WINE_WINDOWS), the window titled "Dornavel" at the described outer place
// and size, scaled as the display is, typed keys reaching it, and each way out ending it with
// status 0. Run in Wine's virtual desktop:
//     with-x-server with-wine check_windows_program.exe PATH\TO\dornavel.exe
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <windows.h>

namespace {

int failures = 0;

// The display's scaling, as the program sees it: 1 at 96 pixels per inch.
double scale = 1.0;

[[nodiscard]] long scaled(long pixels)
{
    return std::lround(static_cast<double>(pixels) * scale);
}

[[nodiscard]] bool isScaled(long actual, long described)
{
    // The program places its window in whole logical pixels, around a frame Windows draws in
    // whole device pixels: up to one logical pixel either way.
    return std::abs(actual - scaled(described)) <= std::lround(std::ceil(scale));
}

void expect(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "check_windows_program: %s\n", what);
        ++failures;
    }
}

void sendKey(WORD key, wchar_t character, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void press(std::initializer_list<WORD> chord)
{
    for (const DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
        for (const WORD key : chord) {
            sendKey(key, 0, flags);
        }
    }
    Sleep(100);
}

void type(const std::wstring& text)
{
    for (const wchar_t character : text) {
        for (const DWORD flags : {KEYEVENTF_UNICODE, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP}) {
            sendKey(0, character, flags);
        }
    }
    Sleep(100);
}

void click(HWND window, POINT at)
{
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    for (const DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        SendInput(1, &input, sizeof input);
    }
    Sleep(100);
}

[[nodiscard]] std::wstring clipboardText()
{
    std::wstring text;
    if (OpenClipboard(nullptr) != 0) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

[[nodiscard]] bool caretShownIn(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) != 0 &&
           info.hwndCaret == window;
}

// Clicks the entry until it shows its text caret. A busy machine may still be starting the
// program, and keys sent before it has taken the focus are lost.
[[nodiscard]] bool focusEntry(HWND window)
{
    for (int tries = 0; tries < 50; ++tries) {
        if (tries % 10 == 0) {
            click(window, {scaled(136), scaled(62)});
        }
        if (caretShownIn(window)) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

// A busy machine may take seconds to work through the keys sent before.
[[nodiscard]] std::wstring awaitClipboardText()
{
    std::wstring text;
    for (int tries = 0; tries < 100 && text.empty(); ++tries) {
        Sleep(100);
        text = clipboardText();
    }
    return text;
}

[[nodiscard]] bool environmentSays(const char* name, const std::string& value)
{
    const char* set = std::getenv(name);
    return set != nullptr && set == value;
}

// A pixel of the empty roster list, as the screen shows it: the list's base colour, which Qt
// takes from the system's colours, or from its own in dark mode.
[[nodiscard]] COLORREF listPixel(HWND window)
{
    POINT at{scaled(60), scaled(220)};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// Switches the desktop between light and dark mode as Windows' settings do: the setting, then
// word of it to every window.
void switchMode(bool dark)
{
    const DWORD light = dark ? 0 : 1;
    RegSetKeyValueW(HKEY_CURRENT_USER,
                    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                    L"AppsUseLightTheme", REG_DWORD, &light, sizeof light);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                        reinterpret_cast<LPARAM>(L"ImmersiveColorSet"), SMTO_ABORTIFHUNG, 5000,
                        &answer);
    Sleep(500);
}

// The version of Windows as Qt reads it, and picks its style and colours by.
[[nodiscard]] RTL_OSVERSIONINFOW windowsVersion()
{
    using GetVersion = LONG(WINAPI*)(PRTL_OSVERSIONINFOW);
    RTL_OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    // Through the one function type that converts to any other without complaint.
    const auto get = reinterpret_cast<GetVersion>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    if (get != nullptr) {
        get(&version);
    }
    return version;
}

class Program
{
public:
    explicit Program(const wchar_t* path)
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + std::wstring(path) + L"\"";
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &process_) == 0) {
            return;
        }
        for (int tries = 0; tries < 300 && window_ == nullptr; ++tries) {
            Sleep(100);
            HWND found = FindWindowW(nullptr, L"Dornavel");
            if (found != nullptr && IsWindowVisible(found) != 0) {
                window_ = found;
            }
        }
        SetForegroundWindow(window_);
        Sleep(300);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program()
    {
        if (process_.hProcess != nullptr) {
            TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
    }

    [[nodiscard]] HWND window() const { return window_; }

    [[nodiscard]] bool endsWithSuccess() const
    {
        DWORD status = 1;
        return WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process_.hProcess, &status) != 0 && status == 0;
    }

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 2) {
        std::fputs("usage: check_windows_program PATH\\TO\\dornavel.exe\n", stderr);
        return 2;
    }
    // Seen as the program sees it, in the display's own pixels.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const UINT dpi = GetDpiForSystem();
    scale = dpi / 96.0;
    // A density the harness failed to set would leave every scaled comparison below at 1.
    if (const char* asked = std::getenv("WINE_DPI")) {
        expect(dpi == std::strtoul(asked, nullptr, 10), "the display is not at WINE_DPI");
    }
    // Windows 10 22H2, or Windows 11 24H2: never the Windows 7 that Wine starts as.
    const DWORD build = environmentSays("WINE_WINDOWS", "11") ? 26100 : 19045;
    const RTL_OSVERSIONINFOW version = windowsVersion();
    std::fprintf(stderr, "check_windows_program: Windows %lu.%lu.%lu, as Qt reads it\n",
                 version.dwMajorVersion, version.dwMinorVersion, version.dwBuildNumber);
    expect(version.dwMajorVersion == 10 && version.dwMinorVersion == 0 &&
               version.dwBuildNumber == build,
           "Windows is not the version asked for");
    {
        const Program program(argv[1]);
        expect(program.window() != nullptr, "no visible window titled Dornavel");
        RECT outer{};
        GetWindowRect(program.window(), &outer);
        std::fprintf(stderr, "check_windows_program: at %u dpi, outer rectangle %ld,%ld %ldx%ld\n",
                     dpi, outer.left, outer.top, outer.right - outer.left,
                     outer.bottom - outer.top);
        expect(isScaled(outer.left, 258) && isScaled(outer.top, 160) &&
                   isScaled(outer.right - outer.left, 541) &&
                   isScaled(outer.bottom - outer.top, 458),
               "the outer rectangle is not 258,160 541x458 times the display's scaling");

        // The window keeps the system's colours when the user switches mode while it runs.
        const bool dark = environmentSays("WINE_DARK", "1");
        const COLORREF before = listPixel(program.window());
        switchMode(!dark);
        const COLORREF after = listPixel(program.window());
        switchMode(dark);
        std::fprintf(stderr,
                     "check_windows_program: the roster list #%02x%02x%02x, after a switch of mode "
                     "#%02x%02x%02x\n",
                     GetRValue(before), GetGValue(before), GetBValue(before), GetRValue(after),
                     GetGValue(after), GetBValue(after));
        expect(after == before, "a switch of mode changed the window's colours");

        // The entry, below the menu bar; typed there and copied back.
        expect(focusEntry(program.window()), "the entry never took the keyboard");
        type(L"Anna");
        press({VK_CONTROL, 'A'});
        press({VK_CONTROL, 'C'});
        const std::wstring copied = awaitClipboardText();
        std::fprintf(stderr, "check_windows_program: copied back '%ls'\n", copied.c_str());
        expect(copied == L"Anna", "typed text did not reach the entry");

        PostMessageW(program.window(), WM_CLOSE, 0, 0);
        expect(program.endsWithSuccess(), "closing the window did not end it with status 0");
    }
    {
        const Program program(argv[1]);
        expect(focusEntry(program.window()), "the entry never took the keyboard");
        press({VK_MENU, 'F'});
        press({VK_UP});
        press({VK_RETURN});
        expect(program.endsWithSuccess(), "File, Выход did not end it with status 0");
    }
    return failures == 0 ? 0 : 1;
}
