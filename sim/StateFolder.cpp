#include "StateFolder.h"

#include "LogoBlock.h"
#include "MarkBlock.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace nimbrel::sim {

namespace {

namespace fs = std::filesystem;

constexpr int kMarkSlots = 86;
// Width, bytes per column and the widest logo's columns.
constexpr std::uintmax_t kMaxLogoBlockSize = 2 + kMaxLogoWidth * kMaxBytesPerColumn;

std::string padded(int value, int digits) {
    std::string text = std::to_string(value);
    return std::string(
               static_cast<std::size_t>(std::max(0, digits - static_cast<int>(text.size()))), '0') +
           text;
}

// "mark-NN.blk" or "logo-NNN.blk" back to its slot.
std::optional<StoreChange> slotOfFile(const std::string& name) {
    const bool mark = name.starts_with("mark-");
    const bool logo = name.starts_with("logo-");
    const std::size_t digits = mark ? 2 : 3;
    if ((!mark && !logo) || name.size() != 5 + digits + 4 || !name.ends_with(".blk")) {
        return std::nullopt;
    }
    int slot = 0;
    for (std::size_t i = 5; i < 5 + digits; ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return std::nullopt;
        }
        slot = slot * 10 + (name[i] - '0');
    }
    if (slot >= (mark ? kMarkSlots : kLogoSlots)) {
        return std::nullopt;
    }
    return StoreChange{mark ? StoreChange::Store::Marks : StoreChange::Store::Logos, slot};
}

std::string systemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool writeAll(int fd, const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string StateFolder::fileName(const StoreChange& change) {
    return change.store == StoreChange::Store::Marks ? "mark-" + padded(change.slot, 2) + ".blk"
                                                     : "logo-" + padded(change.slot, 3) + ".blk";
}

bool StateFolder::prepare(std::string& error) const {
    std::error_code ec;
    fs::create_directories(m_path, ec);
    if (ec || !fs::is_directory(m_path, ec)) {
        error = "cannot use " + m_path + " as the state folder" +
                (ec ? ": " + ec.message() : std::string());
        return false;
    }
    return true;
}

std::vector<std::string> StateFolder::load(PrinterState& state) const {
    std::vector<std::string> warnings;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_path, ec)) {
        const std::string name = entry.path().filename().string();
        const auto slot = slotOfFile(name);
        if (!slot) {
            continue;
        }
        // Size first: a huge (or sparse) file must not be read into memory, nor a pipe block us.
        const bool isMark = slot->store == StoreChange::Store::Marks;
        const std::uintmax_t limit = isMark ? kMarkBlockSize : kMaxLogoBlockSize;
        std::error_code sizeError;
        const std::uintmax_t size =
            entry.is_regular_file(sizeError) && !sizeError ? entry.file_size(sizeError) : limit + 1;
        if (sizeError || size > limit) {
            warnings.push_back(name + " is not a " + (isMark ? "mark" : "logo") +
                               " block; slot left as it was");
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        Bytes bytes(static_cast<std::size_t>(size));
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
        bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
        if (isMark) {
            if (bytes.size() != kMarkBlockSize || bytes[0] == 0) {
                warnings.push_back(name + " is not a mark block; slot left as it was");
                continue;
            }
            state.marks[slot->slot] = normalizedMarkBlock(bytes);
        } else {
            if (!viewLogo(bytes)) {
                warnings.push_back(name + " is not a logo block; slot left as it was");
                continue;
            }
            state.logos[slot->slot] = bytes;
        }
    }
    if (ec) {
        warnings.push_back("cannot list " + m_path + ": " + ec.message());
    }
    return warnings;
}

bool StateFolder::save(const PrinterState& state, const StoreChange& change,
                       std::string& error) const {
    const std::string path = m_path + "/" + fileName(change);
    const auto& store = change.store == StoreChange::Store::Marks ? state.marks : state.logos;
    const auto slot = store.find(change.slot);
    if (slot == store.end()) {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
            error = systemError("cannot remove", path);
            return false;
        }
        return true;
    }
    // Written beside the file and renamed over it: whenever the simulator stops, the file is the
    // old block or the new one, never a part of either. The temporary name is new and made with
    // O_EXCL (mkostemp), so a link planted at a foreseeable name is never followed.
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = systemError("cannot write", temporary);
        return false;
    }
    ::fchmod(fd, 0644);
    const bool written = writeAll(fd, slot->second);
    if (!written) {
        error = systemError("cannot write", temporary);
    }
    ::close(fd);
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        if (written) {
            error = systemError("cannot replace", path);
        }
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace nimbrel::sim
