#include "run_program.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace wb {
namespace {

constexpr unsigned kTimeLimitSeconds = 60;

fs::path MakeScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "workbench-run-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

void WriteFile(const fs::path &path, const std::string &contents) {
    std::ofstream(path, std::ios::binary) << contents;
}

std::string ReadFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// In the child: redirect the three streams, enter the work directory and run the command.
[[noreturn]] void Exec(const std::vector<std::string> &command, const fs::path &work,
                       const fs::path &io) {
    auto redirect = [](const fs::path &file, int flags, int fd) {
        int opened = open(file.c_str(), flags, 0644);
        if (opened < 0 || dup2(opened, fd) < 0) _exit(126);
        close(opened);
    };
    redirect(io / "stdin", O_RDONLY, STDIN_FILENO);
    redirect(io / "stdout", O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
    redirect(io / "stderr", O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
    if (chdir(work.c_str()) != 0) _exit(126);
    std::vector<char *> argv;
    for (const std::string &word : command)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);
    alarm(kTimeLimitSeconds);  // survives exec: a program that hangs dies of SIGALRM
    execv(argv[0], argv.data());
    _exit(127);
}

}  // namespace

std::string ProgramPath(const std::string &program) {
    return std::string(WORKBENCH_BIN_DIR) + "/" + program;
}

std::string SourceFile(const std::string &path) {
    return ReadFile(fs::path(WORKBENCH_SOURCE_DIR) / path);
}

std::string ScratchFile(const std::string &contents) {
    // Removed at the end by the process that made it (a death-test child runs destructors too).
    static const struct Dir {
        fs::path path = MakeScratchDir();
        pid_t owner = getpid();
        ~Dir() {
            if (getpid() == owner) fs::remove_all(path);
        }
    } dir;
    static int serial = 0;
    const fs::path file = dir.path / std::to_string(serial++);
    WriteFile(file, contents);
    return file.string();
}

RunResult RunProgram(const std::string &program, const Run &run) {
    const fs::path work = MakeScratchDir();  // the program's working directory
    const fs::path io = MakeScratchDir();    // its streams, out of its sight
    for (const auto &[name, contents] : run.files)
        WriteFile(work / name, contents);
    for (const std::string &dir : run.dirs)
        fs::create_directory(work / dir);
    WriteFile(io / "stdin", run.input);

    // WORKBENCH_RUNNER names a command that runs another build of the program, given its name
    // (the web preset's tests run the WebAssembly modules so): the same cases check that build.
    const char *runner = getenv("WORKBENCH_RUNNER");
    std::vector<std::string> command = {runner != nullptr ? runner : ProgramPath(program)};
    if (runner != nullptr) command.push_back(program);
    command.insert(command.end(), run.args.begin(), run.args.end());
    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) Exec(command, work, io);

    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0) {
    }
    RunResult result{ReadFile(io / "stdout"), ReadFile(io / "stderr"),
                     WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus)};
    for (const fs::directory_entry &entry : fs::directory_iterator(work)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        std::string contents = ReadFile(entry.path());
        auto given = run.files.find(name);
        if (given == run.files.end() || given->second != contents)
            result.files.emplace(name, std::move(contents));
    }
    fs::remove_all(work);
    fs::remove_all(io);
    return result;
}

void PrintTo(const RunResult &result, std::ostream *os) {
    *os << "{out: " << ::testing::PrintToString(result.out)
        << ", err: " << ::testing::PrintToString(result.err) << ", status: " << result.status;
    for (const auto &[name, contents] : result.files)
        *os << ", " << name << ": " << ::testing::PrintToString(contents);
    *os << "}";
}

}  // namespace wb
