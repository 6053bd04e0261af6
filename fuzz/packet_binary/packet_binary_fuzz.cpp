// libFuzzer target: the binary data-packet reader.
#include "fuzz/packet_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return expo::fuzz::readAndCheck(&expo::ds::readBinaryPacket, data, size);
}
