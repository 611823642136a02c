#include "ExportCommand.h"

#include "KeyArgument.h"
#include "KregSession.h"
#include "RegFileWriter.h"
#include "Switches.h"
#include "Unicode.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

const char ExportCommand::help[] =
    "REG EXPORT <key> <file> [/y] [--regedit4]\r\n"
    "\r\n"
    "  Exports a specified registry key (including all subkeys and values)\r\n"
    "  to a file.\r\n"
    "\r\n"
    "  <key>\r\n"
    "     The registry key to export.\r\n"
    "\r\n"
    KREG_KEY_FORMAT_HELP
    "\r\n"
    "  <file>\r\n"
    "     The name and path of the registry file that will be created.\r\n"
    "     This file must have a .reg extension.\r\n"
    "\r\n"
    "  /y\r\n"
    "     Overwrite <file> without prompting for confirmation.\r\n"
    "\r\n"
    "  --regedit4\r\n"
    "     Write the Windows 95 format (REGEDIT4, code page 1252) instead of\r\n"
    "     Windows Registry Editor Version 5.00 (UTF-16).\r\n"
    "\r\n"
    KREG_VIEW_HELP;

std::string ExportCommand::fileErrorText(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return "Path not found.";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return "Access denied.";
    case ENOSPC: return "There is not enough space on the disk.";
    default: return std::string(std::strerror(error)) + ".";
    }
}

namespace {

// Writes all bytes or returns the errno of the failure.
int writeFile(const std::string& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return error;
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0)
        return errno;
    return 0;
}

} // namespace

int ExportCommand::run(KregSession& session, const std::vector<std::string>& allArgs)
{
    RegFileWriter::Format format = RegFileWriter::Format::Version5;
    std::vector<std::string> args;
    for (const std::string& arg : allArgs) {
        if (arg == "--regedit4")
            format = RegFileWriter::Format::Regedit4;
        else
            args.push_back(arg);
    }
    if (args.size() < 3)
        return session.syntaxError(args[0]);
    const std::optional<KeyArgument> key = KeyArgument::parse(args[1], session);
    if (!key)
        return 1;
    bool overwrite = false;
    // reg accepts /y twice.
    if (!Switches().repeatableFlag("y", overwrite).read(args, 3))
        return session.syntaxError(args[0]);

    // A copy, since following a link further down looks the store up again.
    const std::unique_ptr<RegKey> top = session.copyKey(key->root, key->path);
    if (!top) {
        session.message("Unable to find the specified registry key");
        return 1;
    }
    const std::string& file = args[2];
    struct stat st;
    if (!overwrite && ::stat(file.c_str(), &st) == 0) {
        if (!session.confirm("The file '" + file +
                             "' already exists. Do you want to overwrite it?")) {
            session.message("The registry operation was cancelled");
            return 0;
        }
    }

    RegFileWriter writer(format);
    std::function<void(const RegKey&, const std::u16string&)> walk =
        [&](const RegKey& k, const std::u16string& name) {
            writer.key(name);
            for (const RegValue& value : k.values())
                writer.value(value);
            for (const auto& sub : k.subkeys()) {
                std::unique_ptr<RegKey> holder;
                if (const RegKey* child = session.followLink(*sub, holder))
                    walk(*child, name + u'\\' + sub->name());
            }
        };
    walk(*top, toUtf16(key->printed));

    if (const int error = writeFile(file, writer.finish())) {
        session.line(fileErrorText(error));
        return 1;
    }
    return 0;
}
