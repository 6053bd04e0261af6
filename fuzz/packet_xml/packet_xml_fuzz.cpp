// libFuzzer target: the XML data-packet reader.
#include "fuzz/packet_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return expo::fuzz::readAndCheck(&expo::ds::readXmlPacket, data, size);
}
