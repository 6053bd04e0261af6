#pragma once
// What the packet fuzz targets do with an input: read it; when it reads, its binary form must
// read back to the same packet (compared as written again), and a dataset must load it and
// walk it in the order of each of its fields. Any expo::Error is a fine answer to bad input.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/dataset/dataset.h"
#include "platform/dataset/packet.h"
#include "platform/text/error.h"

namespace expo::fuzz {

inline void checkPacket(const ds::Packet& packet) {
    std::string once;
    try {
        once = ds::writeBinaryPacket(packet);
    } catch (const Error&) {
        return;  // values that the writer's form cannot hold (wide unsigned integers, ...)
    }
    if (ds::writeBinaryPacket(ds::readBinaryPacket(once, "rewritten")) != once) {
        std::abort();
    }
    ds::ClientDataSet set("CDSFuzz");
    set.loadFromPacket(packet);
    for (const ds::FieldDef& f : packet.fields) {
        set.setIndexFieldNames(f.name);
        for (set.first(); !set.eof(); set.next()) {
            set.fieldByName(f.name).asString();
        }
    }
}

inline int readAndCheck(ds::Packet (*read)(std::string_view, const std::string&),
                        const uint8_t* data, size_t size) {
    try {
        checkPacket(read(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz"));
    } catch (const Error&) {
    }
    return 0;
}

}  // namespace expo::fuzz
