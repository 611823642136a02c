// Running the store_writer helper as a child process with its acknowledgements on a pipe.
#pragma once

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace storetest {

class WriterProcess {
public:
    WriterProcess(const std::string& prefix, const std::string& name, long first, long count)
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe failed");
        const std::string firstText = std::to_string(first);
        const std::string countText = std::to_string(count);
        m_pid = ::fork();
        if (m_pid < 0)
            throw std::runtime_error("fork failed");
        if (m_pid == 0) {
            ::dup2(fds[1], STDOUT_FILENO);
            ::execl(STORE_WRITER, STORE_WRITER, prefix.c_str(), name.c_str(), firstText.c_str(),
                    countText.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        m_out = ::fdopen(fds[0], "r");
    }
    ~WriterProcess()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            wait();
        }
        if (m_out)
            ::fclose(m_out);
    }
    WriterProcess(const WriterProcess&) = delete;
    WriterProcess& operator=(const WriterProcess&) = delete;

    // The next acknowledged number, or -1 at the end of the output.
    long nextAck()
    {
        long value;
        if (std::fscanf(m_out, "%ld", &value) != 1)
            return -1;
        return value;
    }

    void kill() { ::kill(m_pid, SIGKILL); }

    // The exit status as waitpid gives it.
    int wait()
    {
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_pid = -1;
        return status;
    }

private:
    pid_t m_pid = -1;
    FILE* m_out = nullptr;
};

} // namespace storetest
