#include "shell/hand_over.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QFile>
#include <unistd.h>
#endif

namespace lunara {

bool isCommand(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    constexpr std::array kCommands{"now", "today", "events"};
    for (const char* command : kCommands) {
        if (std::strcmp(argv[1], command) == 0) {
            return true;
        }
    }
    return false;
}

#ifdef Q_OS_WIN

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

int handOverToCommands(int argc, char** argv) {
    // The folder of this executable: the kernel's link where there is one, else the name it was
    // started by (QCoreApplication, which knows better, costs a GUI library's start here).
    std::string self;
#ifdef Q_OS_LINUX
    self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe")).toStdString();
#endif
    if (self.empty() && std::strchr(argv[0], '/')) {
        self = argv[0];
    }
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    std::string path = "lunara-cli";
    if (self.empty()) {
        // Found on the PATH: lunara-cli is installed beside it, on the PATH too.
        arguments[0] = path.data();
        ::execvp(path.c_str(), arguments.data());
    } else {
        path = self.substr(0, self.rfind('/') + 1) + path;
        arguments[0] = path.data();
        ::execv(path.c_str(), arguments.data());
    }
    const std::string why = "lunara: cannot run " + path + ": " + std::strerror(errno) + '\n';
    std::fputs(why.c_str(), stderr);
    return 1;
}

#endif

} // namespace lunara
