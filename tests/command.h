// Runs a program through the shell as a person's script would, and keeps what it said: its
// exit status, its standard output, and its standard error (sent to a file the caller names,
// read back and removed).
#pragma once

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace testcommand {

struct Result {
    int status;
    std::string out;
    std::string err;
};

// `command` must not redirect its own standard error; -1 as the status when it cannot start
// or does not exit by itself.
inline Result Run(const std::string& command, const std::string& errFile)
{
    Result result { -1, {}, {} };
    FILE* pipe = popen((command + " 2>'" + errFile + "'").c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile, std::ios::binary);
    result.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    err.close();
    std::remove(errFile.c_str());
    return result;
}

} // namespace testcommand
