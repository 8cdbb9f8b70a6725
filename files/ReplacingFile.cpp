// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplacingFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kalto {
namespace {

// Why a file operation failed, in the program's language.
std::string ReasonText(int error) {
    switch (error) {
        case ENOENT: return "la carpeta no existe";
        case ENOTDIR: return "una parte de la ruta no es una carpeta";
        case EACCES:
        case EPERM: return "permiso denegado";
        case EROFS: return "el disco es de solo lectura";
        case ENOSPC: return "no queda espacio en el disco";
        case EDQUOT: return "se ha superado la cuota de disco";
        case EFBIG: return "el archivo supera el tamaño permitido";
        case EISDIR: return "el nombre es el de una carpeta";
        case ENAMETOOLONG: return "el nombre es demasiado largo";
        case ELOOP: return "hay demasiados enlaces simbólicos";
        case EIO: return "error de entrada/salida del disco";
        default: return std::generic_category().message(error);
    }
}

// ".name.1a2b3c4d.tmp" in the target's folder: hidden, and on the same file
// system as the target so that the final rename is atomic.
std::filesystem::path TemporaryName(const std::filesystem::path& target, std::uint32_t suffix) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", suffix);
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    name += hex;
    name += ".tmp";
    return target.parent_path() / name;
}

// The file that `target` names: the target itself, or the end of the chain of
// symbolic links that starts there, each relative link taken from its own
// folder. The end may not exist yet (a dangling link names a file to create).
// Empty with `error` set when the chain loops or a link cannot be read.
std::filesystem::path FileNamedBy(std::filesystem::path target, int& error) {
    // As many links as the kernel follows in one path (Linux's MAXSYMLINKS).
    constexpr int MaxLinks = 40;
    for (int links = 0; links <= MaxLinks; ++links) {
        struct stat named {};
        if (::lstat(target.c_str(), &named) != 0 || !S_ISLNK(named.st_mode)) return target;
        std::error_code readError;
        const std::filesystem::path link = std::filesystem::read_symlink(target, readError);
        if (readError) {
            error = readError.value();
            return {};
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    error = ELOOP;
    return {};
}

// Makes a completed rename durable; a failure here cannot be undone and the
// file is already in place, so it is not reported.
void SyncFolder(const std::filesystem::path& folder) noexcept {
    const std::string name = folder.empty() ? std::string(".") : folder.string();
    const int descriptor = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

}  // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target) : Target(std::move(target)) {
    int linkError = 0;
    Replaced = FileNamedBy(Target, linkError);
    if (Replaced.empty()) {
        Fail("crear", linkError);
        return;
    }
    // A folder of the target's name would refuse the final rename: said at
    // once, before the whole document is written for nothing.
    struct stat existing {};
    const bool exists = ::stat(Replaced.c_str(), &existing) == 0;
    if (!Replaced.has_filename() || (exists && S_ISDIR(existing.st_mode))) {
        Fail("crear", EISDIR);
        return;
    }
    std::random_device random;
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts && Descriptor < 0; ++attempt) {
        Temporary = TemporaryName(Replaced, random());
        // 0666 less the user's umask, as any new file; O_EXCL never reuses a name.
        Descriptor = ::open(Temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Descriptor < 0 && errno != EEXIST) break;
    }
    if (Descriptor < 0) {
        const int error = errno;
        Temporary.clear();
        Fail("crear", error);
        return;
    }
    // A replaced file keeps its permissions; best effort, as a file system
    // without modes keeps its own.
    if (exists && S_ISREG(existing.st_mode)) ::fchmod(Descriptor, existing.st_mode & 07777);
}

ReplacingFile::~ReplacingFile() {
    Discard();
}

bool ReplacingFile::Write(std::string_view bytes) {
    if (Failed() || Committed) return false;
    while (!bytes.empty()) {
        const ssize_t written = ::write(Descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail("escribir", errno);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool ReplacingFile::Commit() {
    if (Failed() || Committed) return !Failed();
    if (::fsync(Descriptor) != 0) {
        Fail("guardar", errno);
        return false;
    }
    const int closed = ::close(Descriptor);
    Descriptor = -1;
    if (closed != 0) {
        Fail("guardar", errno);
        return false;
    }
    if (::rename(Temporary.c_str(), Replaced.c_str()) != 0) {
        Fail("guardar", errno);
        return false;
    }
    Committed = true;
    SyncFolder(Replaced.parent_path());
    return true;
}

void ReplacingFile::Fail(std::string_view action, int error) {
    Error = "No se pudo " + std::string(action) + " el archivo \"" + Target.string() + "\": " + ReasonText(error) + ".";
    Discard();
}

void ReplacingFile::Discard() noexcept {
    if (Descriptor >= 0) {
        ::close(Descriptor);
        Descriptor = -1;
    }
    if (!Committed && !Temporary.empty()) {
        ::unlink(Temporary.c_str());
        Temporary.clear();
    }
}

std::optional<std::string> ReplaceFile(const std::filesystem::path& target, std::string_view content) {
    ReplacingFile file(target);
    if (file.Write(content) && file.Commit()) return std::nullopt;
    return file.ErrorMessage();
}

}  // namespace kalto
