#include "shell/hand_over.h"

#include "shell/windows_main.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#ifdef _WIN32
#include <algorithm>
#include <string>
#include <windows.h>
#else
#include <climits>
#include <unistd.h>
#endif

namespace lunara {

bool isCommand(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    for (const char* command : {"now", "today", "events"}) {
        if (std::strcmp(argv[1], command) == 0) {
            return true;
        }
    }
    return false;
}

#ifdef _WIN32

int handOverToCommands(int, char**) {
    std::wstring self(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    self.resize(length);
    const std::wstring path = self.substr(0, self.find_last_of(L"\\/") + 1) + L"lunara-cli.exe";
    // The command line as it came, with the program's name replaced: the arguments reach lunara-cli
    // exactly as they were quoted.
    const std::wstring line = GetCommandLineW();
    std::size_t rest = 0;
    if (!line.empty() && line[0] == L'"') {
        const std::size_t close = line.find(L'"', 1);
        rest = close == std::wstring::npos ? line.size() : close + 1;
    } else {
        rest = std::min(line.find_first_of(L" \t"), line.size());
    }
    std::wstring command = L"\"" + path + L"\"" + line.substr(rest);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fputs("lunara: cannot start lunara-cli.exe beside lunara.exe\n", stderr);
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

#else

// The C library alone from here on: the C++ library is a large one to bind at start, and lunara
// runs as often as a status bar asks.
namespace {

// This executable's folder with its final '/', from the kernel's link where there is one, else
// from the name it was started by; empty when neither names one (found on the PATH). False when
// it does not fit.
bool ownFolder(const char* argv0, char (&folder)[PATH_MAX]) {
    folder[0] = '\0';
#ifdef __linux__
    const ssize_t length = ::readlink("/proc/self/exe", folder, sizeof folder - 1);
    if (length > 0) {
        folder[length] = '\0';
    }
#endif
    if (folder[0] == '\0' && std::strchr(argv0, '/')) {
        if (std::strlen(argv0) >= sizeof folder) {
            return false;
        }
        std::strcpy(folder, argv0);
    }
    if (char* slash = std::strrchr(folder, '/')) {
        slash[1] = '\0';
    }
    return true;
}

// One line on standard error: "lunara: WHAT PATH: WHY".
int failed(const char* what, const char* path, const char* why) {
    std::fprintf(stderr, "lunara: %s%s: %s\n", what, path, why);
    return 1;
}

} // namespace

int handOverToCommands(int argc, char** argv) {
    (void)argc;
    char path[PATH_MAX];
    if (!ownFolder(argv[0], path) || std::strlen(path) + sizeof "lunara-cli" > sizeof path) {
        return failed("cannot run ", "lunara-cli", std::strerror(ENAMETOOLONG));
    }
    std::strcat(path, "lunara-cli");
    // The same arguments (argv ends with a null pointer), lunara-cli's own name first.
    argv[0] = path;
    if (std::strchr(path, '/')) {
        ::execv(path, argv);
    } else {
        // Found on the PATH: lunara-cli is installed beside it, on the PATH too.
        ::execvp(path, argv);
    }
    return failed("cannot run ", path, std::strerror(errno));
}

#endif

#ifdef LUNARA_WINDOWS_APART

int startWindows(int argc, char** argv) {
    (void)argc;
    // Beside this executable in a build folder, in lunara's own folder for programs once installed.
    // The name it was started by stays argv[0]: the windows' class and the messages use it.
    // Found on the PATH where no folder is known: where it was installed.
    char folder[PATH_MAX];
    char path[PATH_MAX] = LUNARA_WINDOWS_INSTALLED;
    int why = ENAMETOOLONG;
    if (!ownFolder(argv[0], folder)) {
        return failed("cannot start ", "lunara-windows", std::strerror(why));
    }
    if (folder[0] == '\0') {
        ::execv(path, argv);
        return failed("cannot start ", path, std::strerror(errno));
    }
    for (const char* name : {"lunara-windows", LUNARA_WINDOWS_APART}) {
        const int length = std::snprintf(path, sizeof path, "%s%s", folder, name);
        if (length >= 0 && static_cast<std::size_t>(length) < sizeof path) {
            ::execv(path, argv);
            why = errno;
        }
    }
    return failed("cannot start ", path, std::strerror(why));
}

#else

int startWindows(int argc, char** argv) { return windowsMain(argc, argv); }

#endif

} // namespace lunara
