// Choosing the reader, reading files, and the Packet face of the column-wise readers.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/dataset/packet.h"
#include "platform/dataset/table.h"
#include "platform/os/files.h"
#include "platform/text/error.h"

namespace expo::ds {
namespace {

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

bool looksBinary(std::string_view bytes) {
    // The magic in either byte order: the binary reader explains the wrong one.
    return startsWith(bytes, "\x96\x19\xE0\xBD") || startsWith(bytes, "\xBD\xE0\x19\x96");
}

bool looksXml(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    } else if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        return true;
    }
    const size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '<';
}

constexpr size_t kReleaseAbove = size_t{16} << 20;

// Hands the whole pages of [from, to) of `data` back to the system; they read as zeros after.
void releasePages(char* data, size_t from, size_t to) {
    const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(data + from) + page - 1) & ~(page - 1);
    const uintptr_t end = reinterpret_cast<uintptr_t>(data + to) & ~(page - 1);
    if (end > begin) {
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
    }
}

}  // namespace

const char* fieldTypeName(FieldType t) {
    switch (t) {
        case FieldType::Integer:
            return "integer";
        case FieldType::Boolean:
            return "boolean";
        case FieldType::Float:
            return "float";
        case FieldType::Date:
            return "date";
        case FieldType::Time:
            return "time";
        case FieldType::Timestamp:
            return "timestamp";
        case FieldType::String:
            return "string";
        case FieldType::FixedString:
            return "fixedstring";
        case FieldType::WideString:
            return "widestring";
        case FieldType::Memo:
            return "memo";
        case FieldType::Blob:
            return "blob";
    }
    return "unknown";
}

bool isTextType(FieldType t) {
    return t == FieldType::String || t == FieldType::FixedString || t == FieldType::WideString ||
           t == FieldType::Memo;
}

Table readTable(std::string_view bytes, const std::string& source) {
    if (looksBinary(bytes)) {
        return readBinaryTable(bytes, source);
    }
    if (looksXml(bytes)) {
        return readXmlTable(bytes, source);
    }
    throw Error(source + ": not a data packet (neither the binary form nor XML)");
}

Table readTableFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw Error("Cannot open file \"" + path + "\". " + std::strerror(errno));
    }
    std::string bytes;
    const int error = os::readAll(fd, bytes);
    ::close(fd);
    if (error != 0) {
        throw Error("Cannot read file \"" + path + "\". " + std::strerror(error));
    }
    if (!looksBinary(bytes) || bytes.size() < kReleaseAbove) {
        return readTable(bytes, path);
    }
    // The pages of a large file the reader is done with go back to the system as it reads on,
    // so that the file and the table it becomes are not both held whole at once.
    char* const data = bytes.data();
    size_t released = 0;
    return readBinaryTable(bytes, path, [&](size_t done) {
        releasePages(data, released, done);
        released = done;
    });
}

Packet readBinaryPacket(std::string_view bytes, const std::string& source) {
    return packetFromTable(readBinaryTable(bytes, source));
}

Packet readXmlPacket(std::string_view bytes, const std::string& source) {
    return packetFromTable(readXmlTable(bytes, source));
}

Packet readPacket(std::string_view bytes, const std::string& source) {
    return packetFromTable(readTable(bytes, source));
}

Packet readPacketFile(const std::string& path) {
    return packetFromTable(readTableFile(path));
}

std::string writeBinaryPacket(const Packet& p) {
    return writeBinaryTable(tableFromPacket(p));
}

std::string writeXmlPacket(const Packet& p) {
    return writeXmlTable(tableFromPacket(p));
}

}  // namespace expo::ds
