#pragma once
// Runs kalimor-cli as a separate process and collects its exit code, stdout and stderr.
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& s)
{
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Arguments are passed verbatim (UTF-8); stderr goes through a temporary file.
inline CliResult RunCli(const std::vector<std::string>& args)
{
    char errName[] = "/tmp/kalimor-cli-err-XXXXXX";
    const int fd = mkstemp(errName);
    if (fd >= 0)
        close(fd);
    std::string command = ShellQuote(KALIMOR_CLI);
    for (const auto& a : args)
        command += " " + ShellQuote(a);
    command += " 2>" + ShellQuote(errName);
    CliResult r;
    if (FILE* p = popen(command.c_str(), "r")) {
        std::array<char, 4096> buf{};
        std::size_t n = 0;
        while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
            r.out.append(buf.data(), n);
        const int status = pclose(p);
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    r.err = ReadWholeFile(errName);
    unlink(errName);
    return r;
}
